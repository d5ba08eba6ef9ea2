// How the object model's reads and actions fail. Every read returns a base::Result: a value, or
// an error the caller keeps its previous value on, as the checks do with a failed automation
// call. Two numbers tell the kinds apart: a property with no single value over a range (the
// suite answers Null there, which no conversion accepts) and anything else the application
// refuses.
#pragma once

#include <string_view>

#include "platform/base/result.h"

namespace excel {

// "Invalid use of Null": what converting the Null of a mixed property raises.
inline constexpr int kErrMixed = 94;
// "Application-defined or object-defined error": a missing sheet, a bad address, a refused action.
inline constexpr int kErrFailed = 1004;

inline base::Error Mixed(std::string_view property) {
  return base::Error::WithCode(kErrMixed, std::string(property) + " has no single value");
}

template <class... Pieces>
base::Error Failed(const Pieces&... pieces) {
  base::Error e = base::Error::Of(pieces...);
  e.code = kErrFailed;
  return e;
}

}  // namespace excel
