// The grading pass (the system's unit DoExcelMain): the full marks from the answer grid, the
// header row, the candidate's workbook opened in a fresh spreadsheet application, the rule rows
// through the engine's row loop with this control's keyword hooks, and everything closed again.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "grading/sheetmark/state.h"

namespace sheetmark {

// The full marks in cell D1 of the answer grid as a 16-bit whole number (a fraction rounds to
// the nearest, a half to the even one). Nothing when D1 holds no number, a number out of range,
// or 0: there is then nothing to grade against.
std::optional<int16_t> ReadFullMarks(const engine::Grid& grid);

// One pass over the loaded answer grid: checks that A1 is "filename" (any case; otherwise the
// answer workbook's message, and nothing is graded), opens CheckPath + B1 (a missing workbook
// grades nothing, silently), runs the rule rows (to END, or after row 100), closes the workbook
// unsaved and ends the application. Points go to the type-21 awarded total as they are.
void StartExcelGrading(SheetState& state);

// What `grade` does: CheckPath, the answer grid loaded from the answer folder, the full marks
// read, and the pass. Returns the full marks; when there are none nothing is graded and both
// totals are 0 ("no grading": 0 points of 0).
int16_t GradeAnswerWorkbook(SheetState& state, std::string_view candidateFolder,
                            std::string_view answerFolder, std::string_view answerName);

}  // namespace sheetmark
