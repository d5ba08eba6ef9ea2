// One grading run of the desktop grader: the answer workbook's active sheet copied into the
// rule grid, the rule rows walked to "END", each rule checked and scored, one debug line per
// scored rule in the candidate folder's "1234.txt", and the percentage of points earned.
// Nothing here fails towards the caller: a run always ends with a percentage.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "grading/deskmark/state.h"

namespace excel {
class Application;
}

namespace deskmark {

// Fills the grid and StopRow from the workbook at `path` (a Windows-form path). The grid is
// emptied first, so a workbook that cannot be opened leaves an empty rule list, never the
// previous run's rules. An unchanged file (same identity, size and time) is not parsed again.
void OpenAnswerBook(DeskState& state, std::string_view path);

// Copies columns 1 to 8 of rows 1 to 100 of the active sheet as text, stopping at the first
// row whose column 1 is empty (StopRow) or after the row whose column 1 is exactly "END". A cell
// that cannot be read stays empty.
void ReadRuleGrid(DeskState& state, excel::Application& app);

// Upper-cases the keyword in place and runs its check with columns 2 to 6 of the current row,
// over the candidate's folders read afresh; false for an unknown keyword.
Truth EvalRule(DeskState& state, std::string& keyword);

// Adds the current row's points (column 7; 0 when it is no number) to Total, and to Earned when
// the rule passed; with Debugok logs the row. Rows at or after StopRow score nothing.
void ScoreRule(DeskState& state, Truth passed);

// Appends "<description> <points>分" and CR LF, in GBK, to the candidate folder's "1234.txt".
// A log that cannot be written is skipped; with no candidate folder nothing is written.
void LogRule(DeskState& state, int32_t points);

// round(earned * 100 / total), halves to even, within 16 bits; with no points at all, the
// earned sum itself.
int16_t Percentage(int32_t earned, int32_t total);

// The run: reads the answer workbook named by the settings, walks the rule rows until "END",
// the first row without a keyword, or row 100, and returns the percentage.
int16_t GradeRules(DeskState& state);

// The entry the control calls with its four values; keeps the module state between runs.
class DeskGrader {
 public:
  // One run with these settings; the percentage the control publishes as wingrade.
  int16_t Grade(std::string_view pathofstu, std::string_view pathofanswer,
                std::string_view answername, bool debugok);

  const DeskState& State() const { return state_; }

 private:
  DeskState state_;
};

}  // namespace deskmark
