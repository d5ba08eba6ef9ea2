// The grading pass (the system's unit for the presentation's main procedure): the presentation
// application made for the pass, the header row of the answer grid, the candidate's presentation
// opened from its bytes, the rule rows through the engine's row loop with this control's keyword
// hooks, and everything released again.
#pragma once

#include <cstdint>
#include <string_view>

#include "grading/slidemark/state.h"
#include "platform/base/result.h"

namespace slidemark {

// The box of an answer grid whose A1 is not "filename".
inline constexpr std::string_view kHeaderError = "Ppt的答案文件有错误";

// Reads folder + fileName as the candidate's file (a regular file inside the folder, size
// capped) and opens it from its bytes in PptApp as CurrentPresentation. False when there is no
// such file (the rows are then not run); true when there is one, whether it opened or not: one
// that does not open leaves CurrentPresentation null, with a log line.
bool OpenStudentPresentation(SlideState& state, std::string_view folder, std::string_view fileName);

// One pass over the loaded answer grid: A1 must be "filename" (any case; otherwise the box, and
// nothing is graded), the presentation B1 is opened, the rule rows run to END (or past row 100)
// when it opened, and the application is quit. A presentation that exists but does not open
// grades no row, so it scores 0 whatever its rules say.
void StartPresentationGrading(SlideState& state);

// What Grade does: CheckPath, the answer grid loaded from the answer folder, `fullMarks` := D1,
// and the pass. Fails before any rule runs when D1 holds no 16-bit number (`fullMarks` is then
// left alone); a missing answer workbook leaves D1 empty.
base::Status GradeAnswerWorkbook(SlideState& state, std::string_view candidateFolder,
                                 std::string_view answerFolder, std::string_view answerName,
                                 int16_t& fullMarks);

}  // namespace slidemark
