// Test helpers: a candidate's workbook written from XML fragments (or copied from the suite-saved
// test data) and opened as a grading pass opens it, with rule rows run one at a time through the
// keyword table; answer workbooks written from rule rows; the folders of a grading pass.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "grading/engine/testing/grading_folders.h"
#include "grading/sheetmark/state.h"
#include "platform/base/result.h"
#include "platform/office/excel/testing/xlsx_writer.h"

namespace sheetmark::testing {

using Rows = std::vector<std::vector<std::string>>;

// A candidate's workbook opened as OpenStudentWorkbook opens it, for the checks.
class OpenedWorkbook {
 public:
  // Writes the content as "book.xlsx" in a temporary folder and opens it.
  explicit OpenedWorkbook(const excel::testing::XlsxContent& content);
  // Opens a copy of a workbook file, so the original is never touched.
  explicit OpenedWorkbook(const std::filesystem::path& file);

  // Why the workbook did not open; empty when it did.
  const std::string& Error() const { return error_; }
  SheetState& State() { return state_; }
  excel::Application& App() { return *state_.SpreadsheetApp; }
  const std::filesystem::path& File() const { return file_; }

  // Runs one rule row's keyword: `cells` are the keyword and its argument cells as the answer
  // grid holds them. 1 holds, 0 fails, -1 no keyword.
  int16_t Rule(const std::vector<std::string>& cells);
  // Where the engine's cursor stopped after the last Rule (the last cell it read).
  int16_t LastColumnRead() const { return state_.engine.GridColumn; }

 private:
  void Open();

  excel::testing::TempFolder folder_{"sheetmark"};
  std::filesystem::path file_;
  SheetState state_;
  std::string error_;
};

// An answer workbook: row 1 "filename", the candidate's workbook name, "" and the full marks in
// D1; then the rule rows, then "END" unless `end` is false.
base::Status WriteAnswerWorkbook(const std::filesystem::path& file, std::string_view candidate,
                                 std::string_view fullMarks, const Rows& rules, bool end = true);

// The folders of a grading pass, the candidate's "Excelkt" among them.
struct GradingFolders : engine::testing::GradingFolders {
  GradingFolders() : engine::testing::GradingFolders("Excelkt") {}
};

}  // namespace sheetmark::testing
