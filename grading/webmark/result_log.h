// The result log: the one sink every part of the grader writes through, its sorter, and the
// debug file "webmark.TXT" that a run in debug mode leaves in the check folder.
#pragma once

#include <string>
#include <string_view>

#include "grading/webmark/state.h"

namespace webmark {

inline constexpr std::string_view kDebugFileName = "webmark.TXT";

// "BEGIN" (any case) empties the log; "END" (any case) in debug mode sorts the log and replaces
// CheckPath & "webmark.TXT" with it, in GBK, followed by one more CR LF; any other text (and
// "END" without debug mode) becomes a line of the log.
void AppendLog(WebState& state, std::string_view text);

// Sorts, stably, the lines strictly between the first and the last line starting "==" by the
// number that follows each line's first character (0 when none); with fewer than two such lines
// the text is left as it is.
void Resort(std::string& r);

}  // namespace webmark
