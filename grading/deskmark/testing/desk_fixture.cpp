// The desktop test fixture.
#include "grading/deskmark/testing/desk_fixture.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/attributes.h"

namespace deskmark::testing {
namespace fs = std::filesystem;

std::vector<std::string> Rule(const std::string& keyword, std::vector<std::string> params,
                              const std::string& points, const std::string& description) {
  std::vector<std::string> row{keyword};
  params.resize(5);
  row.insert(row.end(), params.begin(), params.end());
  row.push_back(points);
  row.push_back(description);
  return row;
}

DeskFixture::DeskFixture() {
  ::setenv("KIRV_ATTRIBUTE_STORE", (root_.Root() / "attribute_store").c_str(), 1);
  fs::create_directories(root_.Root() / "cand");
  fs::create_directories(root_.Root() / "answer");
}

DeskFixture::~DeskFixture() {
  ::unsetenv("KIRV_ATTRIBUTE_STORE");
}

fs::path DeskFixture::Host(const std::string& relative) const {
  return root_.Root() / "cand" / relative;
}

DeskFixture& DeskFixture::File(const std::string& relative, size_t bytes) {
  root_.Write("cand/" + relative, std::string(bytes, 'x'));
  return *this;
}

DeskFixture& DeskFixture::Folder(const std::string& relative) {
  fs::create_directories(Host(relative));
  return *this;
}

DeskFixture& DeskFixture::Link(const std::string& relative, const std::string& target) {
  fs::create_directories(Host(relative).parent_path());
  fs::create_symlink(target, Host(relative));
  return *this;
}

DeskFixture& DeskFixture::Pipe(const std::string& relative) {
  fs::create_directories(Host(relative).parent_path());
  if (::mkfifo(Host(relative).c_str(), 0600) != 0)
    throw std::runtime_error("cannot make the pipe " + relative);
  return *this;
}

DeskFixture& DeskFixture::Attributes(const std::string& relative, uint32_t bits) {
  if (!win::SetHostFileAttributes(Host(relative), bits))
    throw std::runtime_error("cannot set the attributes of " + relative);
  return *this;
}

DeskFixture& DeskFixture::Mode(const std::string& relative, unsigned bits) {
  fs::permissions(Host(relative), fs::perms(bits));
  return *this;
}

DeskFixture& DeskFixture::Modified(const std::string& relative, win::LocalSeconds when) {
  const std::time_t t = win::UnixTimeOf(when);
  const struct timespec times[2] = {{t, 0}, {t, 0}};
  if (::utimensat(AT_FDCWD, Host(relative).c_str(), times, 0) != 0)
    throw std::runtime_error("cannot set the time of " + relative);
  return *this;
}

DeskFixture& DeskFixture::Remove(const std::string& relative) {
  fs::remove_all(Host(relative));
  return *this;
}

bool DeskFixture::AnswerBook(const std::string& name,
                             const std::vector<std::vector<std::string>>& rows,
                             const std::string& extraSharedRows) const {
  excel::testing::XlsxContent content;
  content.sheets = {excel::testing::TextSheet("Sheet1", rows, content.sharedStrings)};
  content.sheets[0].rows += extraSharedRows;
  // Style 1 shows a number as a date and time, as a rule author's date cell does.
  content.styles =
      R"(<cellXfs count="2"><xf numFmtId="0"/><xf numFmtId="22" applyNumberFormat="1"/></cellXfs>)";
  const fs::path temp = root_.Root() / "answer" / (name + ".new");
  if (!excel::testing::WriteXlsx(temp, content)) return false;
  // Replaced in one step, as a saved workbook is, so a reader never sees half a file.
  std::error_code ec;
  fs::rename(temp, root_.Root() / "answer" / name, ec);
  return !ec;
}

}  // namespace deskmark::testing
