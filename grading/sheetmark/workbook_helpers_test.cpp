// The workbook helpers: address and criteria splitting, the tolerance, sheet selection with the
// remembered CurrentSheet, opening and closing.
#include "grading/sheetmark/workbook_helpers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "grading/sheetmark/testing/sheet_fixture.h"
#include "platform/win/attributes.h"
#include "platform/win/paths.h"

namespace sheetmark {
namespace {

using excel::testing::Sheet;
using excel::testing::XlsxContent;
using testing::OpenedWorkbook;

TEST(WorkbookHelpers, SplitFilterCriteria) {
  struct Case {
    const char* name;
    const char* column;
    const char* criteria;
    FilterCall call;
  } cases[] = {
      {"or with blanks kept", "B", ">=60 OR <70", {2, ">=60 ", excel::xlOr, "<70"}},
      {"OR inside a word", "B", "FLOOR", {2, "FLO", excel::xlOr, ""}},
      {"lower-case or", "c", "a or b", {3, "A ", excel::xlOr, "B"}},
      {"the character after OR dropped", "A", "甲OR乙丙", {1, "甲", excel::xlOr, "丙"}},
      {"without OR unchanged", "A", ">=60 and <70", {1, ">=60 and <70", excel::xlAnd, ""}},
      {"single-letter columns", "AB", "x", {1, "x", excel::xlAnd, ""}},
      {"no column", "", "x", {0, "x", excel::xlAnd, ""}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SplitFilterCriteria(c.column, c.criteria), c.call) << c.name;
}

TEST(WorkbookHelpers, SplitCellAddress) {
  struct Case {
    const char* address;
    bool ok;
    const char* column;
    int16_t row;
  } cases[] = {
      {"$C$5", true, "C", 5},       {"$D$12", true, "D", 12},
      {"$AB$12", true, "A", 12},  // single-letter columns
      {"$C$99999", false, "?", -1}, {"", true, "", 0},
  };
  for (const Case& c : cases) {
    std::string column = "?";
    int16_t row = -1;
    EXPECT_EQ(SplitCellAddress(c.address, column, row), c.ok) << c.address;
    EXPECT_EQ(column, c.column) << c.address;
    EXPECT_EQ(row, c.row) << c.address;
  }
}

TEST(WorkbookHelpers, WithinHundredthAndAnsiCodes) {
  EXPECT_FALSE(WithinHundredth(0.3, 0.29));  // not below 0.01 in double arithmetic
  EXPECT_TRUE(WithinHundredth(12.345, 12.34));
  EXPECT_FALSE(WithinHundredth(12.36, 12.34));
  EXPECT_EQ(AnsiCode("Apple"), 65);
  EXPECT_EQ(AnsiCode("张三"), static_cast<int16_t>(0xD5C5));
  EXPECT_LT(*AnsiCode("李"), *AnsiCode("张"));
  EXPECT_EQ(AnsiCode(""), std::nullopt);
}

XlsxContent TwoSheets() {
  XlsxContent book;
  book.sheets = {Sheet("Sheet1", "<row r='1'><c r='A1'><v>1</v></c></row>"),
                 Sheet("Data", "<row r='1'><c r='A1'><v>2</v></c></row>")};
  book.activeTab = 1;
  return book;
}

TEST(WorkbookHelpers, CurrentSheetRemembersTheNameSelectedLast) {
  OpenedWorkbook book(TwoSheets());
  ASSERT_EQ(book.Error(), "");
  SheetState& state = book.State();
  EXPECT_EQ(state.CurrentSheet, "sheet1");
  EXPECT_EQ(book.App().ActiveSheet()->Name(), "Sheet1");  // selected on opening
  // "Sheet1" differs from "sheet1", so it is selected again and remembered as written.
  EXPECT_TRUE(EnsureSheet(state, "Sheet1"));
  EXPECT_EQ(state.CurrentSheet, "Sheet1");
  EXPECT_FALSE(EnsureSheet(state, "Missing"));
  EXPECT_EQ(state.CurrentSheet, "Missing");
  EXPECT_FALSE(EnsureSheet(state, "Missing"));
  // Another sheet brought to the front behind CurrentSheet's back is put back.
  ASSERT_TRUE((*book.App().Sheets("Data"))->Select());
  state.CurrentSheet = "Sheet1";
  EXPECT_TRUE(EnsureSheet(state, "Sheet1"));
  EXPECT_EQ(book.App().ActiveSheet()->Name(), "Sheet1");
}

TEST(WorkbookHelpers, OpeningNeedsANormalFile) {
  excel::testing::TempFolder folder("sheetmark_open");
  SheetState state;
  state.SpreadsheetApp = std::make_unique<excel::Application>();
  const auto file = folder.Path() / "book.xlsx";
  EXPECT_FALSE(OpenStudentWorkbook(state, win::ToWindowsPath(file)));
  EXPECT_EQ(state.SpreadsheetApp->Workbooks().Count(), 0);
  EXPECT_EQ(state.CurrentSheet, "");

  ASSERT_TRUE(excel::testing::WriteXlsx(file, TwoSheets()));
  ASSERT_TRUE(win::SetFileAttributes(win::ToWindowsPath(file), 0x2));  // hidden
  EXPECT_FALSE(OpenStudentWorkbook(state, win::ToWindowsPath(file)));
  ASSERT_TRUE(win::SetFileAttributes(win::ToWindowsPath(file), 0x20));
  EXPECT_TRUE(OpenStudentWorkbook(state, win::ToWindowsPath(file)));
  EXPECT_EQ(state.CurrentSheet, "sheet1");

  // A file that is no workbook still counts as found.
  const auto text = folder.Path() / "notes.xlsx";
  std::ofstream(text) << "not a workbook";
  SheetState other;
  other.SpreadsheetApp = std::make_unique<excel::Application>();
  EXPECT_TRUE(OpenStudentWorkbook(other, win::ToWindowsPath(text)));
  EXPECT_EQ(other.SpreadsheetApp->ActiveWorkbook(), nullptr);
}

// What the candidate left in place of his workbook is no workbook of his: a FIFO is not waited
// on, a device not read, and a solved workbook outside his folder not graded through a link.
TEST(WorkbookHelpers, OpeningReadsNoFileOutsideTheFolderNorAFifo) {
  excel::testing::TempFolder folder("sheetmark_hostile");
  const auto solved = folder.Path() / "solved.xlsx";
  ASSERT_TRUE(excel::testing::WriteXlsx(solved, TwoSheets()));
  const auto candidate = folder.Path() / "Excelkt";
  std::filesystem::create_directories(candidate);
  std::filesystem::create_symlink(solved, candidate / "linked.xlsx");
  std::filesystem::create_symlink("/dev/zero", candidate / "zero.xlsx");
  ASSERT_EQ(::mkfifo((candidate / "fifo.xlsx").c_str(), 0644), 0);
  for (const char* name : {"linked.xlsx", "zero.xlsx", "fifo.xlsx"}) {
    SheetState state;
    state.SpreadsheetApp = std::make_unique<excel::Application>();
    EXPECT_FALSE(OpenStudentWorkbook(state, win::ToWindowsPath(candidate / name))) << name;
    EXPECT_EQ(state.SpreadsheetApp->Workbooks().Count(), 0) << name;
  }
  // A link that stays inside his folder is his own file.
  std::filesystem::copy_file(solved, candidate / "mine.xlsx");
  std::filesystem::create_symlink("mine.xlsx", candidate / "shortcut.xlsx");
  SheetState state;
  state.SpreadsheetApp = std::make_unique<excel::Application>();
  EXPECT_TRUE(OpenStudentWorkbook(state, win::ToWindowsPath(candidate / "shortcut.xlsx")));
  EXPECT_NE(state.SpreadsheetApp->ActiveWorkbook(), nullptr);
}

TEST(WorkbookHelpers, ClosingDeletesTheScratchFileAndNeverSaves) {
  OpenedWorkbook book(TwoSheets());
  ASSERT_EQ(book.Error(), "");
  std::ifstream before(book.File(), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(before)), {});
  ASSERT_TRUE(book.App().Range("B7")->SetValue(vb::Variant::Double(5)));  // an edit

  const std::filesystem::path scratch = PrivateScratchPath();
  EXPECT_NE(scratch, PrivateScratchPath());
  std::ofstream(scratch) << "left from before";
  CloseStudentWorkbook(book.State(), scratch);
  EXPECT_FALSE(std::filesystem::exists(scratch));
  EXPECT_EQ(book.App().Workbooks().Count(), 0);
  std::ifstream after(book.File(), std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(after)), {}), bytes);
}

}  // namespace
}  // namespace sheetmark
