// Test helpers of the word-processor control.
#include "grading/docmark/testing/doc_fixture.h"

#include <fstream>
#include <iterator>

#include "grading/docmark/keywords.h"
#include "grading/engine/answer_grid.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/paths.h"

namespace docmark::testing {

namespace fs = std::filesystem;

base::Status WriteAnswerWorkbook(const fs::path& file, const Rows& rows) {
  excel::testing::XlsxContent content;
  content.sheets = {excel::testing::TextSheet("Sheet1", rows, content.sharedStrings)};
  return excel::testing::WriteXlsx(file, content);
}

base::Status WriteDocument(const fs::path& file, const std::vector<std::string>& paragraphs) {
  word::testing::DocxContent content;
  for (const std::string& text : paragraphs) content.body += word::testing::TextPara(text);
  content.body += word::testing::SectPr();
  return word::testing::WriteDocx(file, content);
}

namespace {

std::string LoadRow(DocState& state, const std::vector<std::string>& cells) {
  state.engine.AnswerGrid.Clear();
  for (size_t c = 0; c < cells.size(); ++c)
    state.engine.AnswerGrid.SetCell(1, static_cast<int>(c + 1), cells[c]);
  state.engine.GridRow = 1;
  state.engine.GridColumn = 0;
  return engine::NextCell(state.engine);
}

}  // namespace

int16_t RuleA(DocState& state, const std::vector<std::string>& cells) {
  std::string token = LoadRow(state, cells);
  return RunCheckA(state, token);
}

int16_t RuleB(DocState& state, const std::vector<std::string>& cells) {
  std::string token = LoadRow(state, cells);
  return RunCheckB(state, token);
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace docmark::testing
