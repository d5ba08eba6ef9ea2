// Test folders, answer workbooks and pages (see web_fixture.h).
#include "grading/webmark/testing/web_fixture.h"

#include <fstream>
#include <iterator>

#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/codepage.h"
#include "platform/win/paths.h"

namespace webmark::testing {

namespace fs = std::filesystem;

bool WriteAnswerBook(const fs::path& file, const Rows& rows) {
  excel::testing::XlsxContent content;
  content.sheets = {excel::testing::TextSheet("Sheet1", rows, content.sharedStrings)};
  return static_cast<bool>(excel::testing::WriteXlsx(file, content));
}

fs::path TestPage(std::string_view name) {
  return fs::path(KIRV_WEBMARK_TESTDATA) / name;
}

WebFolders::WebFolders()
    : root_("webmark_"),
      check_(root_.Path() / "26001010101" / "Fropkt"),
      answers_(root_.Path() / "Data" / "Answer") {
  fs::create_directories(check_);
  fs::create_directories(answers_);
}

std::string WebFolders::CheckPath() const {
  return win::ToWindowsPath(check_) + "\\";
}

std::string WebFolders::AnswerFile(std::string_view name) const {
  return win::ToWindowsPath(answers_) + "\\" + std::string(name);
}

bool WebFolders::AddPage(std::string_view page, std::string_view as) const {
  std::error_code ec;
  fs::copy_file(TestPage(page), check_ / (as.empty() ? page : as),
                fs::copy_options::overwrite_existing, ec);
  return !ec;
}

bool WebFolders::WritePage(std::string_view name, std::string_view bytes) const {
  std::ofstream out(check_ / name, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out.flush());
}

std::string WebFolders::DebugFile() const {
  std::ifstream in(check_ / "webmark.TXT", std::ios::binary);
  if (!in) return {};
  return win::GbkToUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
}

}  // namespace webmark::testing
