// The grading pass.
#include "grading/sheetmark/driver.h"

#include "grading/engine/evaluator.h"
#include "grading/engine/main1.h"
#include "grading/engine/publicdatacontrol.h"
#include "grading/sheetmark/keywords.h"
#include "grading/sheetmark/workbook_helpers.h"
#include "platform/base/text.h"

namespace sheetmark {
namespace {

constexpr int kFullMarksRow = 1;
constexpr int kFullMarksColumn = 4;  // D1

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

std::optional<int16_t> ReadFullMarks(const engine::Grid& grid) {
  const std::string& cell = grid.Cell(kFullMarksRow, kFullMarksColumn);
  base::Result<int16_t> marks = vb::CInt(vb::Variant::String(cell));
  if (!marks || *marks == 0) return std::nullopt;
  return *marks;
}

void StartExcelGrading(SheetState& state) {
  engine::EngineState& engine = state.engine;
  state.SpreadsheetApp = std::make_unique<excel::Application>();
  engine.GridRow = 1;
  engine.GridColumn = 0;
  if (!base::EqualsNoCase(engine::NextCell(engine), "filename")) {
    engine::ShowEngineError("File", "Excel的答案文件有错误");
  } else {
    const std::string workbook = engine::NextCell(engine);
    if (OpenStudentWorkbook(state, engine.CheckPath + workbook)) {
      KeywordHooks hooks(state);
      engine::RunRuleRows(engine);
      CloseStudentWorkbook(state, PrivateScratchPath());
    }
  }
  // Nothing stays open or running after the pass.
  state.SpreadsheetApp.reset();
}

int16_t GradeAnswerWorkbook(SheetState& state, std::string_view candidateFolder,
                            std::string_view answerFolder, std::string_view answerName) {
  state.engine.CheckPath = std::string(candidateFolder);
  (void)engine::LoadAnswerTable(state.engine, answerFolder, answerName);
  const std::optional<int16_t> fullMarks = ReadFullMarks(state.engine.AnswerGrid);
  if (!fullMarks) {
    state.Totals() = engine::TypeScore{};
    return 0;
  }
  StartExcelGrading(state);
  return *fullMarks;
}

}  // namespace sheetmark
