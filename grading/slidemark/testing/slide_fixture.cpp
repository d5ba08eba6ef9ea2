// Test helpers of the presentation control.
#include "grading/slidemark/testing/slide_fixture.h"

#include <fstream>
#include <iterator>

#include "grading/engine/answer_grid.h"
#include "grading/slidemark/keywords.h"
#include "platform/office/excel/testing/xlsx_writer.h"

namespace slidemark::testing {

base::Status WriteAnswerWorkbook(const std::filesystem::path& file, std::string_view candidate,
                                 std::string_view fullMarks, const Rows& rules, bool end) {
  Rows rows = {{"filename", std::string(candidate), "", std::string(fullMarks)}};
  rows.insert(rows.end(), rules.begin(), rules.end());
  if (end) rows.push_back({"END"});
  excel::testing::XlsxContent content;
  content.sheets = {excel::testing::TextSheet("Sheet1", rows, content.sharedStrings)};
  return excel::testing::WriteXlsx(file, content);
}

OpenedPresentation::OpenedPresentation(const powerpoint::testing::PptxContent& content) {
  Open(powerpoint::testing::PptxBytes(content));
}

OpenedPresentation::OpenedPresentation(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    Open(base::Error::Of("cannot read ", file.string()));
    return;
  }
  Open(std::string(std::istreambuf_iterator<char>(in), {}));
}

void OpenedPresentation::Open(const base::Result<std::string>& bytes) {
  state_.engine.CheckPath = folders_.Candidate();
  state_.PptApp = std::make_unique<powerpoint::Application>();
  if (!bytes) return;
  base::Result<powerpoint::Presentation*> opened =
      state_.PptApp->Presentations().OpenBytes("C:\\Pptkt\\test.pptx", *bytes);
  if (opened) state_.CurrentPresentation = *opened;
}

std::string OpenedPresentation::Log() const {
  std::ifstream in(folders_.CandidateHost() / state_.engine.DebugLogName, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int16_t OpenedPresentation::Rule(const std::vector<std::string>& cells) {
  return RunRule(state_, cells);
}

int16_t RunRule(SlideState& state, const std::vector<std::string>& cells) {
  state.engine.AnswerGrid.Clear();
  for (size_t c = 0; c < cells.size(); ++c)
    state.engine.AnswerGrid.SetCell(1, static_cast<int>(c + 1), cells[c]);
  state.engine.GridRow = 1;
  state.engine.GridColumn = 0;
  std::string token = engine::NextCell(state.engine);
  return RunCheck(state, token);
}

}  // namespace slidemark::testing
