// Cell values of every kind, from real .xlsx files as different suites write them.
#include "platform/office/excel/range.h"

#include <gtest/gtest.h>

#include "platform/office/excel/application.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/paths.h"

namespace excel {
namespace {

using testing::TempFolder;
using testing::XlsxContent;

const char kStyles[] =
    "<numFmts count='3'><numFmt numFmtId='164' formatCode='yyyy/m/d h:mm'/>"
    "<numFmt numFmtId='165' formatCode='[Red]0.00'/><numFmt numFmtId='166' formatCode='[h]:mm'/>"
    "</numFmts><cellXfs count='5'><xf numFmtId='0'/><xf numFmtId='14'/><xf numFmtId='164'/>"
    "<xf numFmtId='165'/><xf numFmtId='166'/></cellXfs>";

// One row per kind of cell a suite writes, with the text the grid reads from it.
struct CellCase {
  const char* xml;  // a <c> element (its row is given by the table)
  const char* text;
  vb::VarType type;
};

const CellCase kCells[] = {
    {"<c t='s'><v>0</v></c>", "plain", vb::VarType::String},
    {"<c t='s'><v>1</v></c>", "rich text", vb::VarType::String},
    {"<c t='s'><v>2</v></c>", "中文", vb::VarType::String},
    {"<c t='s'><v>3</v></c>", " ", vb::VarType::String},
    {"<c t='s'><v>99</v></c>", "", vb::VarType::Empty},
    {"<c t='inlineStr'><is><t>inline</t></is></c>", "inline", vb::VarType::String},
    {"<c t='inlineStr'><is><r><t>in</t></r><r><t>runs</t></r></is></c>", "inruns",
     vb::VarType::String},
    {"<c t='str'><f>A1&amp;\"x\"</f><v>cached</v></c>", "cached", vb::VarType::String},
    {"<c><f>1+1</f></c>", "", vb::VarType::Empty},
    {"<c><f>1+1</f><v>2</v></c>", "2", vb::VarType::Double},
    {"<c t='b'><v>1</v></c>", "True", vb::VarType::Boolean},
    {"<c t='b'><v>0</v></c>", "False", vb::VarType::Boolean},
    {"<c t='e'><v>#N/A</v></c>", "Error 2042", vb::VarType::Error},
    {"<c t='e'><v>#DIV/0!</v></c>", "Error 2007", vb::VarType::Error},
    {"<c><v>3.5</v></c>", "3.5", vb::VarType::Double},
    {"<c t='n'><v>1.0E2</v></c>", "100", vb::VarType::Double},
    {"<c><v>12345678901234567</v></c>", "1.23456789012346E+16", vb::VarType::Double},
    {"<c><v>0.1</v></c>", "0.1", vb::VarType::Double},
    {"<c s='1'><v>45444</v></c>", "2024/6/1", vb::VarType::Date},
    {"<c s='2'><v>45444.336805555555</v></c>", "2024/6/1 8:05:00", vb::VarType::Date},
    {"<c s='1'><v>1</v></c>", "1900/1/1", vb::VarType::Date},
    {"<c s='1'><v>61</v></c>", "1900/3/1", vb::VarType::Date},
    {"<c s='1'><v>-5</v></c>", "-5", vb::VarType::Double},
    {"<c s='3'><v>2.5</v></c>", "2.5", vb::VarType::Double},
    {"<c s='4'><v>0.25</v></c>", "6:00:00", vb::VarType::Date},
    {"<c s='77'><v>7</v></c>", "7", vb::VarType::Double},
    {"<c t='d'><v>2024-06-01T08:05:00</v></c>", "2024/6/1 8:05:00", vb::VarType::Date},
    {"<c t='d'><v>08:05</v></c>", "8:05:00", vb::VarType::Date},
    {"<c t='d'><v>2024-06-01T99999999:00</v></c>", "2024-06-01T99999999:00", vb::VarType::String},
    {"<c t='d'><v>99999999:00:00</v></c>", "99999999:00:00", vb::VarType::String},
    {"<c><v></v></c>", "", vb::VarType::String},
    {"<c/>", "", vb::VarType::Empty},
    {"<c t='str'><v>a_x000D_b</v></c>", "a\rb", vb::VarType::String},
};

TEST(Range, ValuesOfEveryCellKind) {
  TempFolder tmp("range_values");
  XlsxContent content;
  content.styles = kStyles;
  content.sharedStrings = {
      "<t>plain</t>",
      "<r><rPr><b/></rPr><t>rich</t></r><r><t xml:space='preserve'> text</t></r>"
      "<rPh><t>ignored</t></rPh>",
      "<t>中文</t>", "<t xml:space='preserve'> </t>"};
  std::string rows;
  int r = 1;
  for (const CellCase& c : kCells) {
    std::string cell = c.xml;
    cell.insert(2, " r='B" + std::to_string(r) + "'");
    rows += "<row r='" + std::to_string(r++) + "'>" + cell + "</row>";
  }
  content.sheets = {testing::Sheet("S", rows)};
  const auto file = tmp.Path() / "values.xlsx";
  const base::Status written = testing::WriteXlsx(file, content);
  ASSERT_TRUE(written) << written.error().message;

  Application app;
  ASSERT_TRUE(app.Workbooks().Open(win::ToWindowsPath(file)));
  r = 1;
  for (const CellCase& c : kCells) {
    SCOPED_TRACE(c.xml);
    const auto value = app.Cells(r++, 2).Value();
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->Type(), c.type);
    EXPECT_EQ(vb::CStr(*value).value(), c.text);
  }
  EXPECT_TRUE(app.Cells(1, 1).Value()->IsEmpty());  // a cell the file does not hold
  EXPECT_TRUE(app.Cells(1000, 3).Value()->IsEmpty());
  for (auto [row, column] : {std::pair{0, 1}, {1, 0}, {1048577, 1}, {1, 16385}}) {
    EXPECT_FALSE(app.Cells(row, column).Value().has_value()) << row << "," << column;
  }
}

TEST(Range, SuitesThatOmitReferencesOrUsePrefixesReadAlike) {
  TempFolder tmp("range_norefs");
  XlsxContent content;
  content.sheets = {testing::Sheet(
      "S",
      // rows and cells without "r", a gap row with "r", then a prefixed row
      "<row><c t='inlineStr'><is><t>a1</t></is></c><c><v>2</v></c></row>"
      "<row><c/><c t='inlineStr'><is><t>b2</t></is></c></row>"
      "<row r='5'><c r='C5'><v>35</v></c><c><v>45</v></c></row>"
      "<row><c r='B9'><v>29</v></c></row>"
      "<x:row r='7'><x:c r='A7' t='inlineStr'><x:is><x:t>p</x:t></x:is></x:c></x:row>")};
  content.date1904 = false;
  const auto file = tmp.Path() / "norefs.xls";  // the content decides, not the extension
  const base::Status written = testing::WriteXlsx(file, content);
  ASSERT_TRUE(written) << written.error().message;
  Application app;
  ASSERT_TRUE(app.Workbooks().Open(win::ToWindowsPath(file)));
  struct Case {
    int row, column;
    const char* text;
  } cases[] = {{1, 1, "a1"}, {1, 2, "2"},  {2, 1, ""},   {2, 2, "b2"}, {3, 1, ""},
               {5, 3, "35"}, {5, 4, "45"}, {9, 2, "29"}, {6, 2, ""},   {7, 1, "p"}};
  for (const Case& c : cases) {
    EXPECT_EQ(vb::CStr(*app.Cells(c.row, c.column).Value()).value(), c.text)
        << c.row << "," << c.column;
  }
}

TEST(Range, DatesOfThe1904System) {
  TempFolder tmp("range_1904");
  XlsxContent content;
  content.date1904 = true;
  content.styles = kStyles;
  content.sheets = {testing::Sheet(
      "S", "<row r='1'><c r='A1' s='1'><v>0</v></c><c r='B1' s='1'><v>43982</v></c></row>")};
  const auto file = tmp.Path() / "d1904.xlsx";
  const base::Status written = testing::WriteXlsx(file, content);
  ASSERT_TRUE(written) << written.error().message;
  Application app;
  ASSERT_TRUE(app.Workbooks().Open(win::ToWindowsPath(file)));
  EXPECT_EQ(vb::CStr(*app.Cells(1, 1).Value()).value(), "1904/1/1");
  EXPECT_EQ(vb::CStr(*app.Cells(1, 2).Value()).value(), "2024/6/1");
}

}  // namespace
}  // namespace excel
