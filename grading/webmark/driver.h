// One grading run: the answer workbook read, the candidate's page opened in the editor, every
// rule evaluated in workbook order with its page switches, the marks combined by the score items,
// the result log closed, and the percentage of the full marks. Nothing fails towards the caller:
// a run that cannot grade, or fails after the workbook was read, logs why, ends the log with
// "END" (written to "webmark.TXT" in debug mode), closes the page and answers 0.001.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grading/webmark/state.h"
#include "platform/base/result.h"

namespace webmark {

// What Run answers when no grading took place.
inline constexpr double kNotGraded = 0.001;

// The id and points that mark a page-switch rule.
inline constexpr int32_t kPageSwitchId = 999;

double Run(WebState& state, std::string& FPCheckPath, std::string& FPAnswerFile, bool& DebugMode);

// Combines the rules' marks (index i - 1 holds rule i's) item by item into each item's first rule
// and logs a line for each item with a full score: AND keeps the first mark when every mark is
// nonzero, else 0; OR the largest; ADD the sum; SUB the first less the others. An id that no rule
// has, an id that is no number, or a sum beyond 16 bits is an error.
base::Status CombineScoreItems(WebState& state, std::vector<int16_t>& marks);

}  // namespace webmark
