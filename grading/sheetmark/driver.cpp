// The grading pass.
#include "grading/sheetmark/driver.h"

#include "grading/engine/answer_grid.h"
#include "grading/engine/evaluator.h"
#include "grading/engine/scoring.h"
#include "grading/sheetmark/keywords.h"
#include "grading/sheetmark/workbook_helpers.h"
#include "platform/base/text.h"
#include "platform/vb/variant.h"

namespace sheetmark {
namespace {

constexpr int kFullMarksRow = 1;
constexpr int kFullMarksColumn = 4;  // D1
constexpr int kFirstRuleRow = 2;
constexpr int kSubscriptOutOfRange = 9;  // the run-time error a loop past the table raises

// The hooks last only as long as the pass that set them.
class KeywordHooks {
 public:
  explicit KeywordHooks(SheetState& state) : engine_(state.engine) {
    engine_.IsCheckKeyword = [](std::string& token) { return IsCheckKeyword(token); };
    engine_.RunCheck = [&state](std::string& token) { return RunCheck(state, token); };
  }
  ~KeywordHooks() {
    engine_.IsCheckKeyword = nullptr;
    engine_.RunCheck = nullptr;
  }
  KeywordHooks(const KeywordHooks&) = delete;
  KeywordHooks& operator=(const KeywordHooks&) = delete;

 private:
  engine::EngineState& engine_;
};

}  // namespace

base::Result<int16_t> ReadFullMarks(const engine::Grid& grid) {
  return vb::CInt(vb::Variant::String(grid.Cell(kFullMarksRow, kFullMarksColumn)));
}

bool HasEndRow(const engine::Grid& grid) {
  for (int row = kFirstRuleRow; row <= engine::kGridRows; ++row) {
    if (base::EqualsNoCase(grid.Cell(row, 1), "END")) return true;
  }
  return false;
}

base::Status StartExcelGrading(SheetState& state) {
  engine::EngineState& engine = state.engine;
  state.SpreadsheetApp = std::make_unique<excel::Application>();
  base::Status ran = base::Ok();
  engine.GridRow = 1;
  engine.GridColumn = 0;
  if (!base::EqualsNoCase(engine::NextCell(engine), "filename")) {
    engine::ShowEngineError("File", "Excel的答案文件有错误");
  } else if (!HasEndRow(engine.AnswerGrid)) {
    // Without END the row loop would run off the table: the answer workbook is at fault.
    ran = base::Error::WithCode(kSubscriptOutOfRange,
                                "Subscript out of range: the answer workbook's rule table has no "
                                "END row in rows 2 to 100");
  } else {
    const std::string workbook = engine::NextCell(engine);
    state.UnreadableFormat.clear();
    if (OpenStudentWorkbook(state, engine.CheckPath + workbook)) {
      KeywordHooks hooks(state);
      engine::RunRuleRows(engine);
      CloseStudentWorkbook(state, PrivateScratchPath());
    }
    if (!state.UnreadableFormat.empty())
      ran = base::Error::Of("not graded: cannot read the format of ", workbook, ": ",
                            state.UnreadableFormat);
  }
  // Nothing stays open or running after the pass.
  state.SpreadsheetApp.reset();
  return ran;
}

base::Status GradeAnswerWorkbook(SheetState& state, std::string_view candidateFolder,
                                 std::string_view answerFolder, std::string_view answerName,
                                 int16_t& fullMarks) {
  state.engine.CheckPath = std::string(candidateFolder);
  const bool loaded = engine::LoadAnswerTable(state.engine, answerFolder, answerName);
  base::Result<int16_t> marks = ReadFullMarks(state.engine.AnswerGrid);
  if (!marks) {
    return marks.error().In(loaded ? "the full marks in D1 of the answer workbook"
                                   : "the answer workbook could not be read, so D1 holds no "
                                     "full marks");
  }
  fullMarks = *marks;
  return StartExcelGrading(state);
}

}  // namespace sheetmark
