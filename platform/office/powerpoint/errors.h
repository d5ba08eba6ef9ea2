// How the presentation model's reads fail. Every read returns a base::Result: a value, or an
// error the caller keeps its previous value on, as the checks do with a failed automation call.
// The codes tell the kinds apart for callers that branch on them; a property that holds more
// than one value over a range is no error (it answers the "mixed" value of constants.h).
#pragma once

#include "platform/base/result.h"

namespace powerpoint {

enum ErrorCode : int {
  kErrNoSuchMember = 1,  // a slide, shape, paragraph or presentation that is not there
  kErrNotAvailable = 2,  // a member the object has not (a group's text frame, a line's media)
  kErrUnreadable = 3,    // the file or one of its parts cannot be read
};

template <class... Pieces>
base::Error ErrorWith(int code, const Pieces&... pieces) {
  base::Error e = base::Error::Of(pieces...);
  e.code = code;
  return e;
}

template <class... Pieces>
base::Error NoSuchMember(const Pieces&... pieces) {
  return ErrorWith(kErrNoSuchMember, pieces...);
}

template <class... Pieces>
base::Error NotAvailable(const Pieces&... pieces) {
  return ErrorWith(kErrNotAvailable, pieces...);
}

template <class... Pieces>
base::Error Unreadable(const Pieces&... pieces) {
  return ErrorWith(kErrUnreadable, pieces...);
}

}  // namespace powerpoint
