// Filter criteria, filtering a sheet, and copying what a filter shows.
#include "platform/office/excel/autofilter.h"

#include <gtest/gtest.h>

#include "platform/office/excel/application.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/paths.h"

namespace excel {
namespace {

using testing::TempFolder;
using testing::XlsxContent;

TEST(AutoFilterCriteria, AsTheSuiteTakesThem) {
  const vb::Variant empty;
  auto number = [](double v) { return vb::Variant::Double(v); };
  auto text = [](const char* t) { return vb::Variant::String(t); };
  struct Case {
    const char* name;
    const char* criterion;
    vb::Variant value;
    const char* shown;
    bool passes;
  } cases[] = {
      {"equal text", "男", text("男"), "男", true},
      {"equal ignores case", "=abc", text("ABC"), "ABC", true},
      {"star", "a*", text("apple"), "apple", true},
      {"question mark", "?pple", text("apple"), "apple", true},
      {"question mark is one character", "?中", text("一二中"), "一二中", false},
      {"tilde makes a star literal", "a~*", text("a*"), "a*", true},
      {"tilde star is no wildcard", "a~*", text("ab"), "ab", false},
      {"at least, number", ">=60", number(60), "60", true},
      {"at least, lower number", ">=60", number(59.5), "59.5", false},
      {"numbers compare only with numbers", ">=60", text("70"), "70", false},
      {"trailing blank of a split criterion", "<70 ", number(69), "69", true},
      {"not empty", "<>", text("x"), "x", true},
      {"not empty, empty cell", "<>", empty, "", false},
      {"empty", "=", empty, "", true},
      {"not equal", "<>一班", text("二班"), "二班", true},
      {"text order", ">m", text("N"), "N", true},
      {"a date", ">=2024/6/1", vb::Variant::Date(45444), "2024/6/1", true},
      {"a number shown formatted", "60", number(60), "60.00", true},
      {"the text shown", "60.00", number(60), "60.00", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Passes(ParseCriterion(c.criterion), c.value, c.shown), c.passes) << c.name;
  }
}

// A table of 8 rows under a header, named Colum1, and an empty sheet to paste into.
class Filtering : public ::testing::Test {
 protected:
  void SetUp() override {
    XlsxContent content;
    std::vector<std::vector<std::string>> rows = {
        {"姓名", "成绩", "班级"}, {"甲", "55", "一班"}, {"乙", "72", "二班"},
        {"丙", "88", "一班"},     {"丁", "60", "二班"}, {"戊", "91", "一班"},
        {"己", "43", "二班"},     {"庚", "25", "一班"}, {"辛", "66", "二班"}};
    testing::SheetXml sheet = testing::TextSheet("Sheet1", rows, content.sharedStrings);
    sheet.rows += "<row r='10'><c r='D10'><f>B10*2</f><v>0</v></c></row>";
    content.sheets = {sheet, testing::Sheet("Empty", "")};
    content.definedNames = "<definedName name='Colum1'>Sheet1!$A$1:$C$9</definedName>";
    file_ = tmp_.Path() / "filter.xlsx";
    ASSERT_TRUE(testing::WriteXlsx(file_, content));
    ASSERT_TRUE(app_.Workbooks().Open(win::ToWindowsPath(file_)));
    sheet_ = app_.ActiveSheet();
  }

  std::vector<int> HiddenRows() {
    std::vector<int> hidden;
    for (int r = 1; r <= 12; ++r) {
      if (*sheet_->RowHidden(r)) hidden.push_back(r);
    }
    return hidden;
  }

  std::string Column(int column, int first, int last) {
    std::string out;
    for (int r = first; r <= last; ++r) {
      out += vb::CStr(*sheet_->Cells(r, column).Value()).value() + ",";
    }
    return out;
  }

  TempFolder tmp_{"filtering"};
  std::filesystem::path file_;
  Application app_;
  Worksheet* sheet_ = nullptr;
};

TEST_F(Filtering, HidesTheRowsThatFailEveryColumnsFilter) {
  const Range table = *app_.Range("Colum1");
  ASSERT_TRUE(table.Select());
  // Field 2 ">=60 OR <30" as the checks split it, then field 3 "一班" on top.
  ASSERT_TRUE(app_.Selection()->AutoFilter(2, ">=60 ", xlOr, "<30"));
  EXPECT_EQ(HiddenRows(), (std::vector<int>{2, 7}));
  EXPECT_TRUE(sheet_->FilterMode());
  ASSERT_TRUE(app_.Selection()->AutoFilter(3, "一班"));
  EXPECT_EQ(HiddenRows(), (std::vector<int>{2, 3, 5, 7, 9}));
  // Filtering field 2 again replaces its criteria and keeps field 3's.
  ASSERT_TRUE(app_.Selection()->AutoFilter(2, ">80"));
  EXPECT_EQ(HiddenRows(), (std::vector<int>{2, 3, 5, 7, 8, 9}));
  // No criteria clears the field.
  ASSERT_TRUE(app_.Selection()->AutoFilter(2, ""));
  EXPECT_EQ(HiddenRows(), (std::vector<int>{3, 5, 7, 9}));
  EXPECT_EQ(app_.Selection()->AutoFilter(4, "x").error().code, kErrFailed);
  EXPECT_FALSE(app_.Selection()->AutoFilter(1, "x", 3));
  // A single cell filters its current region.
  Worksheet* empty = *app_.Sheets("Empty");
  EXPECT_FALSE(empty->Cells(1, 1).AutoFilter(1, "x"));  // no region: field 1 of one empty cell
}

TEST_F(Filtering, CopyTakesOnlyTheVisibleRowsAndPasteMovesFormulas) {
  ASSERT_TRUE(app_.Range("Colum1")->AutoFilter(2, ">=60"));
  ASSERT_TRUE(app_.Range("a1:d10")->Copy());
  ASSERT_TRUE(app_.Range("a100")->Select());
  ASSERT_TRUE(sheet_->Paste());
  EXPECT_EQ(Column(2, 100, 107), "成绩,72,88,60,91,66,,,");
  EXPECT_EQ(Column(1, 100, 102), "姓名,乙,丙,");
  EXPECT_EQ(app_.Selection()->Area(), (Area{100, 1, 106, 4}));
  // Without a filter every row is copied; a formula moves with its cell.
  ASSERT_TRUE(app_.Range("Colum1")->AutoFilter(2, ""));
  ASSERT_TRUE(app_.Range("A1:D10")->Copy());
  ASSERT_TRUE(app_.Range("A200")->Select());
  ASSERT_TRUE(sheet_->Paste());
  EXPECT_EQ(Column(2, 200, 209), "成绩,55,72,88,60,91,43,25,66,,");
  EXPECT_EQ(*sheet_->Cells(209, 4).Formula(), "=B209*2");
  // Into another sheet (and then saved and read back).
  Worksheet* other = *app_.Sheets("Empty");
  ASSERT_TRUE(other->Select());
  ASSERT_TRUE(app_.Range("B2")->Select());
  ASSERT_TRUE(other->Paste());
  EXPECT_EQ(vb::CStr(*other->Cells(3, 2).Value()).value(), "甲");
  const std::string saved = win::ToWindowsPath(tmp_.Path() / "saved.xlsx");
  ASSERT_TRUE(app_.ActiveWorkbook()->SaveAs(saved));
  Application again;
  ASSERT_TRUE(again.Workbooks().Open(saved));
  Worksheet* reread = *again.ActiveWorkbook()->Sheets("Sheet1");
  EXPECT_EQ(vb::CStr(*reread->Cells(104, 2).Value()).value(), "91");
  EXPECT_EQ(*reread->Cells(209, 4).Formula(), "=B209*2");
  EXPECT_TRUE(*reread->RowHidden(2) == false);
  EXPECT_EQ(vb::CStr(*(*again.ActiveWorkbook()->Sheets("Empty"))->Cells(3, 2).Value()).value(),
            "甲");
}

// Edits that leave the cells alone keep the scan; it must be what a rescan of the edited sheet
// gives, and must not point into bytes that saving the sheet replaces.
TEST_F(Filtering, KeptScansMatchARescan) {
  auto expectRescanned = [&](const char* step) {
    SCOPED_TRACE(step);
    const SheetCells* kept = *sheet_->CellTable();
    const std::string_view bytes = *app_.ActiveWorkbook()->Package().PartBytes(sheet_->PartName());
    const base::Result<SheetCells> fresh = SheetCells::Scan(bytes);
    ASSERT_TRUE(fresh);
    ASSERT_EQ(kept->Rows().size(), fresh->Rows().size());
    for (size_t i = 0; i < fresh->Rows().size(); ++i) {
      const RowRecord &a = kept->Rows()[i], &b = fresh->Rows()[i];
      EXPECT_EQ(a.row, b.row);
      EXPECT_EQ(a.height, b.height) << a.row;
      EXPECT_EQ(a.hidden, b.hidden) << a.row;
      EXPECT_EQ(a.customHeight, b.customHeight) << a.row;
      EXPECT_EQ(a.customFormat, b.customFormat) << a.row;
      EXPECT_EQ(a.style, b.style) << a.row;
    }
    ASSERT_EQ(kept->Cells().size(), fresh->Cells().size());
    for (size_t i = 0; i < fresh->Cells().size(); ++i) {
      const CellRecord &a = kept->Cells()[i], &b = fresh->Cells()[i];
      EXPECT_EQ(a.row, b.row);
      EXPECT_EQ(a.column, b.column);
      EXPECT_EQ(a.style, b.style);
      EXPECT_EQ(kept->View(a.value), fresh->View(b.value));
      EXPECT_EQ(kept->View(a.formulaText), fresh->View(b.formulaText));
      EXPECT_EQ(a.type, b.type);
      EXPECT_EQ(a.formula, b.formula);
      EXPECT_EQ(a.hasValue, b.hasValue);
    }
  };
  EXPECT_EQ(Column(2, 1, 3), "成绩,55,72,");
  ASSERT_TRUE(sheet_->SetColumnWidth(2, 20, false));
  expectRescanned("a column's width");
  // Pasted below (rows made), then over part of what was pasted and a formula moved.
  ASSERT_TRUE(app_.Range("a1:d10")->Copy());
  ASSERT_TRUE(app_.Range("a30")->Select());
  ASSERT_TRUE(sheet_->Paste());
  expectRescanned("a paste into new rows");
  ASSERT_TRUE(app_.Range("b2:d10")->Copy());
  ASSERT_TRUE(app_.Range("c31")->Select());
  ASSERT_TRUE(sheet_->Paste());
  expectRescanned("a paste over cells");
  EXPECT_EQ(Column(3, 30, 32), "班级,55,72,");
  EXPECT_EQ(*sheet_->Cells(39, 5).Formula(), "=C39*2");
  ASSERT_TRUE(sheet_->SetRowHidden(3, true));  // the first edit of the rows
  expectRescanned("the first hidden row");
  ASSERT_TRUE(sheet_->SetRowHidden(3, false));
  ASSERT_TRUE(sheet_->SetRowHidden(20, true));   // no <row> yet, past the last
  ASSERT_TRUE(sheet_->SetRowHidden(15, false));  // no <row> yet: one is made all the same
  ASSERT_TRUE(sheet_->SetRowHidden(5, true));
  expectRescanned("rows shown and hidden");
  ASSERT_TRUE(app_.Range("Colum1")->AutoFilter(2, ">=60"));
  expectRescanned("a filter");
  EXPECT_EQ(HiddenRows(), (std::vector<int>{2, 7, 8}));
  EXPECT_EQ(sheet_->LastRow(), 39);
  ASSERT_TRUE(sheet_->SetColumnWidth(3, 12, true));
  ASSERT_TRUE(app_.ActiveWorkbook()->SaveAs(win::ToWindowsPath(tmp_.Path() / "kept.xlsx")));
  EXPECT_EQ(Column(2, 1, 4), "成绩,55,72,88,");
  expectRescanned("saved");
}

// Rows without "r" and a cell written in another row's <row>: edits then rescan.
TEST(KeptScans, SheetsThatNeedNumberingAreRescanned) {
  TempFolder tmp("kept_scans");
  XlsxContent content;
  content.sheets = {testing::Sheet("Odd",
                                   "<row r='1'><c r='A3'><v>7</v></c></row>"
                                   "<row><c><v>8</v></c></row>")};
  ASSERT_TRUE(testing::WriteXlsx(tmp.Path() / "odd.xlsx", content));
  Application app;
  ASSERT_TRUE(app.Workbooks().Open(win::ToWindowsPath(tmp.Path() / "odd.xlsx")));
  Worksheet* sheet = app.ActiveSheet();
  auto text = [&](int row, int column) { return *vb::CStr(*sheet->Cells(row, column).Value()); };
  EXPECT_EQ(text(2, 1), "8");
  EXPECT_EQ(text(3, 1), "7");
  ASSERT_TRUE(sheet->SetRowHidden(2, true));
  EXPECT_TRUE(*sheet->RowHidden(2));
  ASSERT_TRUE(app.Range("A1:A3")->Copy());
  ASSERT_TRUE(app.Range("C1")->Select());
  ASSERT_TRUE(sheet->Paste());
  EXPECT_EQ(text(2, 3), "8");  // hidden rows are copied all the same without a filter
  EXPECT_EQ(text(3, 3), "7");
  ASSERT_TRUE(app.Range("A1:A1")->Copy());
  ASSERT_TRUE(app.Range("A2")->Select());
  ASSERT_TRUE(sheet->Paste());
  EXPECT_EQ(text(2, 1), "");
  EXPECT_EQ(text(3, 1), "7");
  // Pasting over row 1 replaces what its <row> holds in the block, the stray A3 included.
  ASSERT_TRUE(app.Range("C2")->Copy());
  ASSERT_TRUE(app.Range("A1")->Select());
  ASSERT_TRUE(sheet->Paste());
  EXPECT_EQ(text(1, 1), "8");
  EXPECT_EQ(text(3, 1), "");
}

// A file opened again reuses the scan of its stored sheet; edits made through the first
// opening never reach the second, nor do edits of the second reach the first.
TEST_F(Filtering, ReopenedFilesScanTheirStoredCells) {
  ASSERT_TRUE(app_.Range("a1:c3")->Copy());
  ASSERT_TRUE(app_.Range("b20")->Select());
  ASSERT_TRUE(sheet_->Paste());
  EXPECT_EQ(Column(2, 20, 21), "姓名,甲,");
  for (int round = 0; round < 2; ++round) {
    Application again;
    ASSERT_TRUE(again.Workbooks().Open(win::ToWindowsPath(file_)));
    Worksheet* sheet = again.ActiveSheet();
    EXPECT_EQ(*vb::CStr(*sheet->Cells(20, 2).Value()), "");
    EXPECT_EQ(*vb::CStr(*sheet->Cells(3, 2).Value()), "72");
    EXPECT_EQ(*sheet->Cells(10, 4).Formula(), "=B10*2");
    ASSERT_TRUE(sheet->SetRowHidden(3, true));
    ASSERT_TRUE(sheet->WriteCell(3, 2, CellContent{true, CellType::Number, "5", "", 0}));
    EXPECT_EQ(*vb::CStr(*sheet->Cells(3, 2).Value()), "5");
    EXPECT_TRUE(*sheet->RowHidden(3));
  }
  EXPECT_EQ(Column(2, 3, 3), "72,");
  EXPECT_FALSE(*sheet_->RowHidden(3));
}

TEST_F(Filtering, PasteFailsWithoutACopyOrPastFarEdges) {
  EXPECT_FALSE(sheet_->Paste());
  ASSERT_TRUE(app_.Range("A1:C2")->Copy());
  ASSERT_TRUE(app_.Range("XFD1")->Select());
  EXPECT_FALSE(sheet_->Paste());
}

}  // namespace
}  // namespace excel
