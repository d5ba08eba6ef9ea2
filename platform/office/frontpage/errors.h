// How the page model's reads fail. Every read that can fail returns a base::Result; the codes
// are the automation errors the document object model raises, so a caller that turns a failed
// property read into a failed rule can also tell the kinds apart.
#pragma once

#include "platform/base/result.h"

namespace frontpage {

enum ErrorCode : int {
  kErrNoSuchProperty = 438,  // the element kind offers no such property or method
  kErrNoSuchItem = 9,        // an index outside a collection, an element that is not there
  kErrUnreadable = 3,        // the page file is missing, a link out, too large or not a page
};

template <class... Pieces>
base::Error ErrorWith(int code, const Pieces&... pieces) {
  base::Error e = base::Error::Of(pieces...);
  e.code = code;
  return e;
}

}  // namespace frontpage
