// Workbooks saved by a real office suite (testdata/, made by testing/make_suite_fixtures.py),
// and broken files that must fail with a reason rather than crash.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/office/excel/application.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/paths.h"

namespace excel {
namespace {

std::string TestData(const char* name) {
  return win::ToWindowsPath(std::filesystem::path(KIRV_SOURCE_DIR) /
                            "platform/office/excel/testdata" / name);
}

std::string Text(const Range& r) {
  base::Result<vb::Variant> v = r.Value();
  return v ? vb::CStr(*v).value() : "<" + v.error().message + ">";
}

TEST(SuiteFiles, FormatsValuesAndFormulas) {
  Application app;
  base::Result<Workbook*> book = app.Workbooks().Open(TestData("suite_formats.xlsx"));
  ASSERT_TRUE(book) << book.error().message;
  Worksheet* data = *(*book)->Sheets("data");
  auto at = [&](const char* ref) { return *data->Range(ref); };
  // Values typed by format: dates, currency to four decimals, plain numbers.
  EXPECT_EQ(Text(at("D2")), "2024/6/1");
  EXPECT_EQ(Text(at("D5")), "2024/6/4 12:00:00");
  EXPECT_EQ(Text(at("C4")), "12.3457");
  EXPECT_EQ(Text(at("B6")), "1234567.891");
  EXPECT_EQ(*at("B6").Text(), "1,234,567.89");
  EXPECT_EQ(*at("B5").NumberFormatLocal(), "0%");
  EXPECT_EQ(*at("A6").NumberFormatLocal(), "G/通用格式");
  // Fonts: the style code of the checks and colour indexes.
  struct Font {
    const char* cell;
    bool bold, italic;
    int underline;
  } fonts[] = {{"A1", true, false, xlNone},
               {"B1", false, true, xlNone},
               {"C1", false, false, xlUnderlineStyleSingle},
               {"D1", true, true, xlUnderlineStyleDouble},
               {"A6", false, false, xlNone}};
  for (const Font& f : fonts) {
    SCOPED_TRACE(f.cell);
    EXPECT_EQ(*at(f.cell).Font().Bold(), f.bold);
    EXPECT_EQ(*at(f.cell).Font().Italic(), f.italic);
    EXPECT_EQ(*at(f.cell).Font().Underline(), f.underline);
  }
  EXPECT_EQ(*at("A2").Font().ColorIndex(), 3);  // red
  // The suite put 0070C0 into its palette, at 23: the index answers the file's palette.
  EXPECT_EQ(*at("A5").Font().ColorIndex(), 23);
  EXPECT_EQ(*at("A3").Font().Name(), "宋体");
  EXPECT_EQ(*at("A4").Font().Size(), 14);
  EXPECT_EQ(*at("B2").Interior().ColorIndex(), 6);
  EXPECT_EQ(*at("B2").Interior().Pattern(), xlSolid);
  EXPECT_EQ(*at("A2").Interior().Pattern(), xlNone);
  EXPECT_EQ(*at("C2").HorizontalAlignment(), xlCenter);
  EXPECT_EQ(*at("C3").VerticalAlignment(), xlTop);
  EXPECT_EQ(*at("D2").Orientation(), xlUpward);
  // Borders of B3:C4: a thin outline, a red vertical line inside.
  EXPECT_EQ(*at("B3:B4").Borders(xlEdgeLeft).LineStyle(), xlContinuous);
  EXPECT_EQ(*at("B3:C4").Borders(xlEdgeLeft).Weight(), xlThin);
  EXPECT_EQ(*at("B3:C4").Borders(xlInsideVertical).ColorIndex(), 3);
  EXPECT_EQ(*at("A8:C8").MergeCells(), true);
  EXPECT_EQ(*at("A8").MergeCells(), true);
  EXPECT_EQ(at("A7:A8").MergeCells().error().code, kErrMixed);
  EXPECT_EQ(*at("A1").RowHeight(), 28.35);
  // Formulas as the suite wrote them, in both notations.
  EXPECT_EQ(*at("E3").Formula(), "=B3*C3");
  EXPECT_EQ(*at("E3").FormulaR1C1(), "=RC[-3]*RC[-2]");
  EXPECT_EQ(*at("F3").FormulaR1C1(), "=R2C2+RC[-4]+R4C[-4]");
  EXPECT_EQ(*at("F2").FormulaR1C1(), "=汇总!R[-1]C[-5]&\"!\"");
  EXPECT_EQ(*at("F4").FormulaR1C1(), "=SUM(C[-5])");
  EXPECT_EQ(Text(at("F2")), "总计!");
  EXPECT_EQ(app.Range("Colum1")->Area(), (Area{1, 1, 6, 4}));
}

TEST(SuiteFiles, AFilteredSheetCopiesWhatItShows) {
  // The check's way: copy A1:Z50 to A100, filter Colum1 as expected, copy to A200, compare B.
  auto run = [](const char* criteria) {
    Application app;
    EXPECT_TRUE(app.Workbooks().Open(TestData("suite_filter.xlsx")));
    Worksheet* sheet = app.ActiveSheet();
    EXPECT_TRUE(app.Range("a1:z50")->Copy());
    EXPECT_TRUE(app.Range("a100")->Select());
    EXPECT_TRUE(sheet->Paste());
    EXPECT_TRUE(app.Range("Colum1")->Select());
    EXPECT_TRUE(app.Selection()->AutoFilter(2, criteria));
    EXPECT_TRUE(app.Range("a1:z50")->Copy());
    EXPECT_TRUE(app.Range("a200")->Select());
    EXPECT_TRUE(sheet->Paste());
    for (int r = 100; r <= 130; ++r) {
      if (!(*sheet->Cells(r, 2).Value() == *sheet->Cells(r + 100, 2).Value())) return false;
    }
    return true;
  };
  EXPECT_TRUE(run(">=60"));   // the suite hid the rows below 60: the same rows show
  EXPECT_FALSE(run(">=70"));  // one more row hidden
  EXPECT_FALSE(run("<60"));
}

TEST(SuiteFiles, AutoFitLeavesFittedColumnsAndFitsOthers) {
  Application app;
  ASSERT_TRUE(app.Workbooks().Open(TestData("suite_autofit.xlsx")));
  Worksheet* sheet = app.ActiveSheet();
  double before[6];
  for (int c = 1; c <= 5; ++c) before[c] = *sheet->ColumnWidth(c);
  ASSERT_TRUE(app.Columns("B:E")->Select());
  ASSERT_TRUE(app.Selection()->AutoFitColumns());
  for (int c = 2; c <= 4; ++c) EXPECT_EQ(*sheet->ColumnWidth(c), before[c]) << "column " << c;
  EXPECT_LT(*sheet->ColumnWidth(5), before[5] / 2);  // the widened column shrinks to its text
  EXPECT_EQ(*sheet->ColumnWidth(1), before[1]);      // outside the span
  // A column fitted by the suite, then widened by two characters, is no longer fitted.
  ASSERT_TRUE(sheet->Cells(1, 3).SetColumnWidth(before[3] + 2));
  ASSERT_TRUE(app.Columns("C")->AutoFitColumns());
  EXPECT_NEAR(*sheet->ColumnWidth(3), before[3], 1.0);
}

TEST(SuiteFiles, BrokenWorkbooksFailWithAReason) {
  excel::testing::TempFolder tmp("broken");
  std::ifstream in(
      std::filesystem::path(KIRV_SOURCE_DIR) / "platform/office/excel/testdata/suite_formats.xlsx",
      std::ios::binary);
  const std::string good{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_GT(good.size(), 1000u);
  auto write = [&](const char* name, const std::string& bytes) {
    std::ofstream(tmp.Path() / name, std::ios::binary) << bytes;
    return win::ToWindowsPath(tmp.Path() / name);
  };
  // Cut short, the directory is gone: the open fails.
  Application app;
  base::Result<Workbook*> cut =
      app.Workbooks().Open(write("cut.xlsx", good.substr(0, good.size() / 2)));
  ASSERT_FALSE(cut);
  EXPECT_NE(cut.error().message.find("not an OOXML package"), std::string::npos)
      << cut.error().message;

  // A sheet whose XML breaks off, and one whose part is missing: reads fail, nothing crashes.
  testing::XlsxContent content;
  content.sheets = {
      testing::Sheet("Broken", "<row r='1'><c r='A1'><v>1</v></c></row><row r='2'><c r='A2"),
      testing::Sheet("Fine", "<row r='1'><c r='A1'><v>7</v></c></row>")};
  const auto file = tmp.Path() / "badsheet.xlsx";
  ASSERT_TRUE(testing::WriteXlsx(file, content));
  ASSERT_TRUE(app.Workbooks().Open(win::ToWindowsPath(file)));
  base::Result<vb::Variant> value = app.Cells(1, 1).Value();
  ASSERT_FALSE(value);
  EXPECT_NE(value.error().message.find("Broken"), std::string::npos) << value.error().message;
  EXPECT_FALSE(app.Range("A1")->Font().Name());
  EXPECT_FALSE(app.Range("A1")->MergeCells());
  EXPECT_FALSE(app.Range("A1")->Copy());
  EXPECT_EQ(Text(*(*app.ActiveWorkbook()->Sheets("Fine"))->Range("A1")), "7");
}

}  // namespace
}  // namespace excel
