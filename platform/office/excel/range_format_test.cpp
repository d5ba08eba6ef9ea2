// What ranges read from cell formats, sheets and names, on a workbook built for each kind.
#include <gtest/gtest.h>

#include "platform/office/excel/application.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/paths.h"

namespace excel {
namespace {

using testing::TempFolder;
using testing::XlsxContent;

// Fonts, fills, borders and alignments, one cell format each, in the order the cells use them.
const char kStyles[] =
    "<numFmts><numFmt numFmtId='164' formatCode='[$¥-804]#,##0.00'/>"
    "<numFmt numFmtId='165' formatCode='0.00_);[Red]\\(0.00\\)'/></numFmts>"
    "<fonts>"
    "<font><sz val='11'/><color theme='1'/><name val='Calibri'/></font>"                // 0
    "<font><b/><sz val='11'/><name val='Calibri'/></font>"                              // 1
    "<font><i/><u val='double'/><sz val='11'/><name val='Calibri'/></font>"             // 2
    "<font><b/><i/><u/><sz val='11'/><color indexed='10'/><name val='Arial'/></font>"   // 3
    "<font><sz val='11'/><color rgb='FF0000FF'/><name val='Calibri'/></font>"           // 4
    "<font><sz val='11'/><color theme='5' tint='0.3999'/><name val='Calibri'/></font>"  // 5
    "<font><b val='0'/><sz val='14'/><name val='宋体'/></font>"                         // 6
    "</fonts>"
    "<fills><fill><patternFill patternType='none'/></fill><fill><patternFill "
    "patternType='gray125'/></fill>"
    "<fill><patternFill patternType='solid'><fgColor rgb='FFFFFF00'/><bgColor "
    "indexed='64'/></patternFill></fill>"
    "<fill><patternFill patternType='mediumGray'><fgColor rgb='FFFF0000'/><bgColor "
    "rgb='FFFFFF00'/></patternFill></fill>"
    "</fills>"
    "<borders><border/>"
    "<border><left style='thin'/></border>"                                   // 1
    "<border><right style='medium'><color rgb='FFFF0000'/></right></border>"  // 2
    "<border><left style='dashed'><color indexed='64'/></left></border>"      // 3
    "<border><left style='thin'/><right style='thin'/><top style='thin'/><bottom "
    "style='double'/></border>"  // 4
    "</borders>"
    "<cellXfs>"
    "<xf numFmtId='0' fontId='0' fillId='0' borderId='0'/>"  // 0
    "<xf numFmtId='0' fontId='1' fillId='0' borderId='0'/>"  // 1 bold
    "<xf numFmtId='0' fontId='2' fillId='0' borderId='0'/>"  // 2 italic, double
    "<xf numFmtId='0' fontId='3' fillId='0' borderId='0'/>"  // 3 bold italic single red
    "<xf numFmtId='0' fontId='4' fillId='2' borderId='1'/>"  // 4 blue, yellow, left thin
    "<xf numFmtId='164' fontId='5' fillId='3' borderId='2'><alignment horizontal='center' "
    "vertical='top' textRotation='90'/></xf>"  // 5
    "<xf numFmtId='165' fontId='6' fillId='0' borderId='3'><alignment horizontal='right' "
    "textRotation='135'/></xf>"  // 6
    "<xf numFmtId='14' fontId='0' fillId='0' borderId='4'><alignment textRotation='255' "
    "horizontal='centerContinuous'/></xf>"  // 7
    "</cellXfs>";

class RangeFormat : public ::testing::Test {
 protected:
  void SetUp() override {
    XlsxContent content;
    content.styles = kStyles;
    // Row 1: one cell per format A1..H1; row 2 repeats some for ranges.
    std::string row1, row2;
    for (int s = 0; s <= 7; ++s) {
      row1 += "<c r='" + testing::CellName(1, s + 1) + "' s='" + std::to_string(s) +
              "'><v>12.345678</v></c>";
    }
    row2 = "<c r='A2' s='1'><v>1</v></c><c r='B2' s='1'><v>2</v></c><c r='C2' s='2'><v>3</v></c>";
    const std::string rows =
        "<row r='1' ht='30' customHeight='1'>" + row1 + "</row><row r='2'>" + row2 +
        "</row><row r='3' hidden='1'><c r='A3'><v>5</v></c></row>"
        "<row r='4'><c r='A4'><v>1</v></c><c r='B4'><v>2</v></c>"
        "<c r='C4'><f t='shared' ref='C4:C6' si='0'>A4+$B$4*B4</f><v>3</v></c></row>"
        "<row r='5'><c r='C5'><f t='shared' si='0'/><v>0</v></c></row>"
        "<row r='6'><c r='C6'><f t='shared' si='0'/><v>0</v></c><c "
        "r='D6'><f>SUM(C:C)</f><v>3</v></c></row>";
    testing::SheetXml sheet = testing::Sheet("Sheet1", rows);
    sheet.before =
        "<sheetFormatPr defaultRowHeight='15'/>"
        "<cols><col min='2' max='3' width='20.7109375' customWidth='1'/><col min='5' max='5' "
        "width='9.140625' hidden='1'/></cols>";
    sheet.after = "<mergeCells><mergeCell ref='A10:C11'/><mergeCell ref='E10:E12'/></mergeCells>";
    testing::SheetXml other = testing::Sheet("Other", "<row r='1'><c r='A1'><v>9</v></c></row>");
    content.sheets = {sheet, other};
    content.definedNames =
        "<definedName name='Colum1'>Sheet1!$A$1:$D$6</definedName>"
        "<definedName name='There'>Other!$A$1</definedName>"
        "<definedName name='Local' localSheetId='1'>Other!$A$1:$B$2</definedName>";
    const auto file = tmp_.Path() / "formats.xlsx";
    const base::Status written = testing::WriteXlsx(file, content);
    ASSERT_TRUE(written) << written.error().message;
    base::Result<Workbook*> book = app_.Workbooks().Open(win::ToWindowsPath(file));
    ASSERT_TRUE(book) << book.error().message;
    book_ = *book;
    sheet_ = *book_->Sheets("Sheet1");
  }

  Range At(const char* reference) { return *sheet_->Range(reference); }

  TempFolder tmp_{"range_format"};
  Application app_;
  Workbook* book_ = nullptr;
  Worksheet* sheet_ = nullptr;
};

// The style code the checks build from Bold, Italic and Underline.
int StyleCode(const Font& font) {
  const int underline = *font.Underline();
  return (*font.Bold() ? 100 : 0) + (*font.Italic() ? 10 : 0) +
         (underline == xlNone ? 0 : underline);
}

TEST_F(RangeFormat, FontsAndTheirColourIndexes) {
  struct Case {
    const char* cell;
    int styleCode;
    int colorIndex;
    const char* name;
    double size;
  } cases[] = {
      {"A1", 0, 1, "Calibri", 11},  // theme 1 is the dark text colour: black
      {"B1", 100, xlAutomatic, "Calibri", 11},
      {"C1", 10 + xlUnderlineStyleDouble, xlAutomatic, "Calibri", 11},
      {"D1", 112, 3, "Arial", 11},   // indexed 10 is palette entry 3, red
      {"E1", 0, 5, "Calibri", 11},   // pure blue
      {"F1", 0, 40, "Calibri", 11},  // accent 2 lightened, nearest FFCC99
      {"G1", 0, xlAutomatic, "宋体", 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    const Font font = At(c.cell).Font();
    EXPECT_EQ(StyleCode(font), c.styleCode);
    EXPECT_EQ(*font.ColorIndex(), c.colorIndex);
    EXPECT_EQ(*font.Name(), c.name);
    EXPECT_EQ(*font.Size(), c.size);
  }
  EXPECT_EQ(*At("E1").Font().Color(), 0xFF0000);  // blue as the object model's BGR value
}

TEST_F(RangeFormat, ARangeReadsOneValueOrMixed) {
  EXPECT_TRUE(*At("A2:B2").Font().Bold());
  base::Result<bool> mixed = At("A2:C2").Font().Bold();
  ASSERT_FALSE(mixed);
  EXPECT_EQ(mixed.error().code, kErrMixed);
  EXPECT_EQ(At("A1:D1").Font().Name().error().code, kErrMixed);  // Arial in D1
  EXPECT_EQ(*At("A1:C1").Font().Size(), 11);
  EXPECT_EQ(At("B1:C1").ColumnWidth().value_or(-1), 20);
  EXPECT_EQ(At("A1:B1").ColumnWidth().error().code, kErrMixed);
  EXPECT_EQ(At("A1:A2").RowHeight().error().code, kErrMixed);
  EXPECT_FALSE(At("A1:B1").Value());  // several cells: an array, no single value
  // A missing sheet or a bad address fails as the application does.
  EXPECT_EQ(book_->Sheets("Nope").error().code, kErrFailed);
  EXPECT_EQ(sheet_->Range("A0").error().code, kErrFailed);
}

TEST_F(RangeFormat, FillsAndPatterns) {
  struct Case {
    const char* cell;
    int colorIndex, pattern, patternColorIndex;
  } cases[] = {
      {"A1", xlNone, xlNone, xlNone},
      {"E1", 6, xlSolid, xlAutomatic},
      {"F1", 6, xlGray50, 3},  // the cell yellow behind a red pattern
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    const Interior interior = At(c.cell).Interior();
    EXPECT_EQ(*interior.ColorIndex(), c.colorIndex);
    EXPECT_EQ(*interior.Pattern(), c.pattern);
    EXPECT_EQ(*interior.PatternColorIndex(), c.patternColorIndex);
  }
}

TEST_F(RangeFormat, BordersFromTheStyleToken) {
  struct Case {
    const char* range;
    int index;
    int lineStyle, weight, colorIndex;
  } cases[] = {
      {"E1", xlEdgeLeft, xlContinuous, xlThin, xlAutomatic},
      {"F1", xlEdgeRight, xlContinuous, xlMedium, 3},
      {"G1", xlEdgeLeft, xlDash, xlThin, xlAutomatic},
      {"H1", xlEdgeBottom, xlDouble, xlThick, xlAutomatic},
      {"A1", xlEdgeLeft, xlNone, xlThin, xlNone},
      // G1's right has no line of its own: H1's left shows there.
      {"G1", xlEdgeRight, xlContinuous, xlThin, xlAutomatic},
      // Between F1 and G1 the line is F1's medium right.
      {"F1:G1", xlInsideVertical, xlContinuous, xlMedium, 3},
      {"A1", xlInsideVertical, xlNone, xlThin, xlNone},  // one column has no inside lines
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.range) + " " + std::to_string(c.index));
    const Border border = At(c.range).Borders(c.index);
    EXPECT_EQ(*border.LineStyle(), c.lineStyle);
    EXPECT_EQ(*border.Weight(), c.weight);
    EXPECT_EQ(*border.ColorIndex(), c.colorIndex);
  }
  EXPECT_EQ(At("D1:E1").Borders(xlEdgeLeft).LineStyle().value_or(0), xlNone);
  EXPECT_EQ(At("E1:G1").Borders(xlInsideVertical).LineStyle().error().code, kErrMixed);
  EXPECT_FALSE(At("A1").Borders(3).LineStyle());
}

TEST_F(RangeFormat, AlignmentOrientationAndNumberFormats) {
  struct Case {
    const char* cell;
    int horizontal, vertical, orientation;
    const char* format;
    const char* local;
  } cases[] = {
      {"A1", xlGeneral, xlBottom, xlHorizontal, "General", "G/通用格式"},
      {"F1", xlCenter, xlTop, xlUpward, "[$¥-804]#,##0.00", "[$¥-804]#,##0.00"},
      {"G1", xlRight, xlBottom, -45, "0.00_);[Red]\\(0.00\\)", "0.00_);[红色]\\(0.00\\)"},
      {"H1", xlCenterAcrossSelection, xlBottom, xlVertical, "yyyy/m/d", "yyyy/m/d"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    const Range r = At(c.cell);
    EXPECT_EQ(*r.HorizontalAlignment(), c.horizontal);
    EXPECT_EQ(*r.VerticalAlignment(), c.vertical);
    EXPECT_EQ(*r.Orientation(), c.orientation);
    EXPECT_EQ(*r.NumberFormat(), c.format);
    EXPECT_EQ(*r.NumberFormatLocal(), c.local);
  }
  // Values typed by their format: currency keeps four decimals, a date format makes a date.
  EXPECT_EQ(vb::CStr(*At("F1").Value()).value(), "12.3457");
  EXPECT_EQ(vb::CStr(*At("A1").Value()).value(), "12.345678");
  EXPECT_EQ(At("H1").Value()->Type(), vb::VarType::Date);
  EXPECT_EQ(*At("F1").Text(), "¥12.35");
  EXPECT_EQ(*At("G1").Text(), "12.35 ");
}

TEST_F(RangeFormat, MergesWidthsAndHeights) {
  struct Merge {
    const char* range;
    int expected;  // 1 true, 0 false, -1 mixed
  } merges[] = {{"A10:C11", 1},  {"B11", 1}, {"A10:C10", 1}, {"E10:E12", 1},
                {"A10:E12", -1}, {"D10", 0}, {"A1:B2", 0}};
  for (const Merge& m : merges) {
    base::Result<bool> merged = At(m.range).MergeCells();
    if (m.expected < 0) {
      ASSERT_FALSE(merged) << m.range;
      EXPECT_EQ(merged.error().code, kErrMixed);
    } else {
      ASSERT_TRUE(merged) << m.range;
      EXPECT_EQ(*merged, m.expected == 1) << m.range;
    }
  }
  // Widths in characters of the default font's digit (Calibri 11: 7 pixels).
  EXPECT_EQ(*At("B1").ColumnWidth(), 20);
  EXPECT_EQ(*At("A1").ColumnWidth(), 8.43);  // the standard width
  EXPECT_EQ(*At("E1").ColumnWidth(), 0);     // hidden
  EXPECT_EQ(*At("A1").RowHeight(), 30);
  EXPECT_EQ(*At("A2").RowHeight(), 15);  // sheetFormatPr's default
  EXPECT_EQ(*At("A3").RowHeight(), 0);   // hidden
  ASSERT_TRUE(At("B1").SetColumnWidth(12));
  EXPECT_EQ(*At("B1").ColumnWidth(), 12);
  ASSERT_TRUE(At("D1").SetColumnWidth(12.5));  // widths snap to whole pixels: 92.5 -> 93
  EXPECT_EQ(*At("D1").ColumnWidth(), 12.57);
  EXPECT_EQ(*At("C1").ColumnWidth(), 20);  // the shared <col> was split
  EXPECT_FALSE(book_->Saved());
}

TEST_F(RangeFormat, WrittenValuesKeepTheirFormatsAndAreSaved) {
  ASSERT_TRUE(At("A1:B1").SetValue(vb::Variant::String("新")));
  ASSERT_TRUE(At("C1").SetValue(vb::Variant::Double(2.5)));
  ASSERT_TRUE(At("D1").SetValue(vb::Variant::Boolean(true)));
  ASSERT_TRUE(At("A20").SetValue(vb::Variant::Double(7)));  // a row the sheet did not have
  EXPECT_EQ(vb::CStr(*At("B1").Value()).value(), "新");
  EXPECT_TRUE(*At("B1").Font().Bold());  // still format 1
  EXPECT_EQ(vb::CStr(*At("C1").Value()).value(), "2.5");
  EXPECT_EQ(vb::CStr(*At("D1").Value()).value(), "True");
  EXPECT_FALSE(book_->Saved());
  const std::string copy = win::ToWindowsPath(tmp_.Path() / "written.xlsx");
  ASSERT_TRUE(book_->SaveAs(copy));
  Application again;
  ASSERT_TRUE(again.Workbooks().Open(copy));
  EXPECT_EQ(vb::CStr(*again.Range("A1")->Value()).value(), "新");
  EXPECT_EQ(vb::CStr(*again.Range("A20")->Value()).value(), "7");
  EXPECT_EQ(*again.Range("D1")->Font().Name(), "Arial");
}

TEST_F(RangeFormat, FormulasInBothNotations) {
  struct Case {
    const char* cell;
    const char* a1;
    const char* r1c1;
  } cases[] = {
      {"C4", "=A4+$B$4*B4", "=RC[-2]+R4C2*RC[-1]"},
      {"C6", "=A6+$B$4*B6", "=RC[-2]+R4C2*RC[-1]"},  // a shared formula, moved to its cell
      {"D6", "=SUM(C:C)", "=SUM(C[-1])"},
      {"A1", "12.345678", "12.345678"},  // a constant answers its value
      {"Z99", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(*At(c.cell).Formula(), c.a1) << c.cell;
    EXPECT_EQ(*At(c.cell).FormulaR1C1(), c.r1c1) << c.cell;
  }
}

TEST_F(RangeFormat, SheetsNamesAndSelection) {
  EXPECT_EQ(*book_->Sheets("sheet1"), sheet_);                       // names compared without case
  EXPECT_EQ(*book_->Sheets("ＯＴＨＥＲ"), *book_->Sheets("Other"));  // nor width
  // Names: workbook-wide ones may point at another sheet; a local one only from its sheet.
  base::Result<Range> named = app_.Range("colum1");
  ASSERT_TRUE(named);
  EXPECT_EQ(named->Area(), (Area{1, 1, 6, 4}));
  ASSERT_TRUE(app_.Range("There"));
  EXPECT_EQ(app_.Range("There")->Parent()->Name(), "Other");
  EXPECT_FALSE(app_.Range("Local"));
  EXPECT_EQ(app_.Range("Other!B2")->Parent()->Name(), "Other");
  // Selecting needs the range's sheet in front.
  EXPECT_FALSE(app_.Range("There")->Select());
  ASSERT_TRUE((*book_->Sheets("Other"))->Select());
  EXPECT_TRUE(app_.Range("There")->Select());
  ASSERT_TRUE(app_.Range("Local"));
  EXPECT_EQ(app_.Selection()->Area(), (Area{1, 1, 1, 1}));
  EXPECT_EQ(app_.Range("Local")->Address(), "$A$1:$B$2");
}

}  // namespace
}  // namespace excel

namespace excel {
namespace {

TEST(Charts, FramesAreFoundByTheirNames) {
  TempFolder tmp("charts");
  XlsxContent content;
  testing::SheetXml sheet = testing::Sheet("Sheet1", "<row r='1'><c r='A1'><v>1</v></c></row>");
  sheet.after = "<drawing r:id='rId1'/>";
  sheet.rels =
      "<Relationship Id='rId1' Type='http://schemas.openxmlformats.org/officeDocument/2006/"
      "relationships/drawing' Target='../drawings/drawing1.xml'/>";
  content.sheets = {sheet, testing::Sheet("Plain", "")};
  const char* frame =
      "<xdr:twoCellAnchor><xdr:graphicFrame><xdr:nvGraphicFramePr><xdr:cNvPr id='%d' name='%s'/>"
      "</xdr:nvGraphicFramePr><a:graphic><a:graphicData><c:chart r:id='%s'/></a:graphicData>"
      "</a:graphic></xdr:graphicFrame></xdr:twoCellAnchor>";
  char first[512], second[512];
  std::snprintf(first, sizeof first, frame, 2, "图表 3", "rId1");
  std::snprintf(second, sizeof second, frame, 3, "My chart", "rId9");  // a target that is missing
  content.parts = {
      {"xl/drawings/drawing1.xml",
       std::string("<xdr:wsDr xmlns:xdr='http://schemas.openxmlformats.org/drawingml/2006/"
                   "spreadsheetDrawing' xmlns:a='a' xmlns:c='c' xmlns:r='http://schemas."
                   "openxmlformats.org/officeDocument/2006/relationships'>") +
           first + second + "</xdr:wsDr>"},
      {"xl/drawings/_rels/drawing1.xml.rels",
       "<Relationships xmlns='http://schemas.openxmlformats.org/package/2006/relationships'>"
       "<Relationship Id='rId1' Type='x/chart' Target='../charts/chart1.xml'/></Relationships>"},
      {"xl/charts/chart1.xml", "<c:chartSpace xmlns:c='c'/>"}};
  const auto file = tmp.Path() / "charts.xlsx";
  ASSERT_TRUE(testing::WriteXlsx(file, content));
  Application app;
  ASSERT_TRUE(app.Workbooks().Open(win::ToWindowsPath(file)));
  Worksheet* sheet1 = app.ActiveSheet();
  for (int n = 1; n <= 2; ++n) {
    EXPECT_FALSE(sheet1->ChartObjects("图表 " + std::to_string(n))) << n;
  }
  base::Result<ChartObject> chart = sheet1->ChartObjects("图表 3");
  ASSERT_TRUE(chart) << chart.error().message;
  EXPECT_EQ(chart->ChartPart(), "xl/charts/chart1.xml");
  ASSERT_TRUE(chart->Activate());
  EXPECT_EQ(app.ActiveChartPart(), "xl/charts/chart1.xml");
  base::Result<ChartObject> broken = sheet1->ChartObjects("my chart");
  ASSERT_TRUE(broken);
  EXPECT_FALSE(broken->Activate());  // its chart part is not there
  EXPECT_FALSE((*app.ActiveWorkbook()->Sheets("Plain"))->ChartObjects("图表 1"));
}

}  // namespace
}  // namespace excel
