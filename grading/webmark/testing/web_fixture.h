// Tests only: a candidate's check folder "Fropkt" and an answer folder under one temporary
// folder, answer workbooks written from rows of cell texts, and the committed test pages.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/testing/test_folder.h"

namespace webmark::testing {

using Rows = std::vector<std::vector<std::string>>;

// Writes a workbook whose "Sheet1" holds the rows from A1 (texts that read as numbers become
// number cells, empty texts no cell).
bool WriteAnswerBook(const std::filesystem::path& file, const Rows& rows);

// A committed test page (testdata/NAME).
std::filesystem::path TestPage(std::string_view name);

class WebFolders {
 public:
  WebFolders();
  const std::filesystem::path& Check() const { return check_; }
  const std::filesystem::path& Answers() const { return answers_; }
  // Windows-form paths as the client passes them: the check folder with its "\", a workbook.
  std::string CheckPath() const;
  std::string AnswerFile(std::string_view name) const;
  // Copies a test page into the check folder under `as` (its own name when empty).
  bool AddPage(std::string_view page, std::string_view as = {}) const;
  // Writes `bytes` as a page of the check folder.
  bool WritePage(std::string_view name, std::string_view bytes) const;
  // The check folder's "webmark.TXT" as UTF-8; "" when there is none.
  std::string DebugFile() const;

 private:
  win::testing::ScopedTempFolder root_;
  std::filesystem::path check_;
  std::filesystem::path answers_;
};

}  // namespace webmark::testing
