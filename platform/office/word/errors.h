// How the document model's reads and actions fail. Every read returns a base::Result: a value,
// or an error the caller keeps its previous value on, as the checks do with a failed automation
// call. The codes are the word processor's own run-time error numbers for the same refusals, so
// a caller that reports them says what the word processor would. A property that holds more
// than one value over a range is no error: it answers wdUndefined (or "" for a name).
#pragma once

#include <string_view>

#include "platform/base/result.h"

namespace word {

// "The requested member of the collection does not exist."
inline constexpr int kErrNoSuchMember = 5941;
// "Cannot access individual rows in this collection because the table has vertically merged
// cells."
inline constexpr int kErrVerticallyMerged = 5991;
// "Cannot access individual columns in this collection because the table has mixed cell
// widths."
inline constexpr int kErrMixedCellWidths = 5992;
// "This method or property is not available because ..." (no table at the selection, ...).
inline constexpr int kErrNotAvailable = 4605;
// "Value out of range."
inline constexpr int kErrOutOfRange = 4608;
// "Command failed": a file that cannot be opened or written, anything else refused.
inline constexpr int kErrCommandFailed = 4198;

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
base::Error Failed(const Pieces&... pieces) {
  return ErrorWith(kErrCommandFailed, pieces...);
}

}  // namespace word
