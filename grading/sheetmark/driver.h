// The grading pass (the system's unit DoExcelMain): the full marks from the answer grid, the
// header row, the candidate's workbook opened in a fresh spreadsheet application, the rule rows
// through the engine's row loop with this control's keyword hooks, and everything closed again.
#pragma once

#include <cstdint>
#include <string_view>

#include "grading/sheetmark/state.h"
#include "platform/base/result.h"

namespace sheetmark {

// The full marks in cell D1 of the answer grid as a 16-bit whole number (a fraction rounds to
// the nearest, a half to the even one; 0 is full marks too). The conversion's error (type
// mismatch, overflow) when D1 holds no number or one out of range.
base::Result<int16_t> ReadFullMarks(const engine::Grid& grid);

// Whether a rule row, 2 to 100, starts with "END" (any case): the row loop's only proper end.
bool HasEndRow(const engine::Grid& grid);

// One pass over the loaded answer grid: checks that A1 is "filename" (any case; otherwise the
// answer workbook's message, and nothing is graded), that the rule table ends (otherwise an
// error, and nothing is graded), opens CheckPath + B1 (a missing workbook grades nothing,
// silently), runs the rule rows to END, closes the workbook unsaved and ends the application.
// Points go to the type-21 awarded total as they are.
base::Status StartExcelGrading(SheetState& state);

// What `grade` does: CheckPath, the answer grid loaded from the answer folder, `fullMarks` := D1,
// and the pass. Fails before any rule runs when D1 holds no 16-bit number (`fullMarks` is then
// left alone) or the rule table has no END row.
base::Status GradeAnswerWorkbook(SheetState& state, std::string_view candidateFolder,
                                 std::string_view answerFolder, std::string_view answerName,
                                 int16_t& fullMarks);

}  // namespace sheetmark
