#include "grading/sheetmark/testing/sheet_fixture.h"

#include <system_error>

#include "grading/engine/answer_grid.h"
#include "grading/sheetmark/keywords.h"
#include "grading/sheetmark/workbook_helpers.h"
#include "platform/win/paths.h"

namespace sheetmark::testing {

namespace fs = std::filesystem;

OpenedWorkbook::OpenedWorkbook(const excel::testing::XlsxContent& content) {
  file_ = folder_.Path() / "book.xlsx";
  if (base::Status written = excel::testing::WriteXlsx(file_, content); !written) {
    error_ = written.error().message;
    return;
  }
  Open();
}

OpenedWorkbook::OpenedWorkbook(const fs::path& file) {
  file_ = folder_.Path() / file.filename();
  std::error_code ec;
  fs::copy_file(file, file_, ec);
  if (ec) {
    error_ = "cannot copy " + file.string() + ": " + ec.message();
    return;
  }
  Open();
}

void OpenedWorkbook::Open() {
  state_.SpreadsheetApp = std::make_unique<excel::Application>();
  if (!OpenStudentWorkbook(state_, win::ToWindowsPath(file_))) {
    error_ = "no workbook at " + file_.string();
    return;
  }
  if (state_.SpreadsheetApp->ActiveWorkbook() == nullptr) error_ = "the workbook did not open";
}

int16_t OpenedWorkbook::Rule(const std::vector<std::string>& cells) {
  engine::EngineState& engine = state_.engine;
  constexpr int kRow = 2;
  for (int column = 1; column <= engine::kGridColumns; ++column) {
    const size_t i = static_cast<size_t>(column - 1);
    engine.AnswerGrid.SetCell(kRow, column, i < cells.size() ? cells[i] : std::string());
  }
  engine.GridRow = kRow;
  engine.GridColumn = 1;
  std::string token = cells.empty() ? std::string() : cells[0];
  return RunCheck(state_, token);
}

base::Status WriteAnswerWorkbook(const fs::path& file, std::string_view candidate,
                                 std::string_view fullMarks, const Rows& rules, bool end) {
  Rows rows = {{"filename", std::string(candidate), "", std::string(fullMarks)}};
  rows.insert(rows.end(), rules.begin(), rules.end());
  if (end) rows.push_back({"END"});
  excel::testing::XlsxContent content;
  content.sheets = {excel::testing::TextSheet("Sheet1", rows, content.sharedStrings)};
  return excel::testing::WriteXlsx(file, content);
}

}  // namespace sheetmark::testing
