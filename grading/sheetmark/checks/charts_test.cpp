// The chart checks through the keyword table, on charts written as the suites write them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "grading/sheetmark/checks/charts.h"
#include "grading/sheetmark/testing/sheet_fixture.h"
#include "grading/sheetmark/workbook_helpers.h"
#include "platform/office/excel/testing/xlsx_writer.h"

namespace sheetmark {
namespace {

using excel::testing::XlsxContent;
using testing::OpenedWorkbook;

constexpr char kChartNamespaces[] =
    "xmlns:c='http://schemas.openxmlformats.org/drawingml/2006/chart' "
    "xmlns:a='http://schemas.openxmlformats.org/drawingml/2006/main' "
    "xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships'";

// A series drawn from Sheet1: its name cell, categories A2:A5 and its value column.
std::string Series(int order, const std::string& nameCell, char valueColumn) {
  const std::string values = std::string("Sheet1!$") + valueColumn + "$2:$" + valueColumn + "$5";
  return "<c:ser><c:idx val='" + std::to_string(order) + "'/><c:order val='" +
         std::to_string(order) + "'/><c:tx><c:strRef><c:f>Sheet1!" + nameCell +
         "</c:f></c:strRef></c:tx><c:cat><c:strRef><c:f>Sheet1!$A$2:$A$5</c:f></c:strRef>"
         "</c:cat><c:val><c:numRef><c:f>" +
         values + "</c:f></c:numRef></c:val></c:ser>";
}

constexpr char kAxes[] =
    "<c:catAx><c:axId val='1'/><c:scaling><c:orientation val='minMax'/></c:scaling>"
    "<c:axPos val='b'/><c:crossAx val='2'/></c:catAx>"
    "<c:valAx><c:axId val='2'/><c:scaling><c:orientation val='minMax'/><c:max val='100'/>"
    "<c:min val='0'/></c:scaling><c:axPos val='l'/><c:numFmt formatCode='0.00' "
    "sourceLinked='0'/><c:crossAx val='1'/><c:majorUnit val='20'/><c:minorUnit val='4'/>"
    "</c:valAx>";

// 图表 1: a red bold title, series B, C and F (F draws E's neighbours), the legend at the
// bottom, a data table with legend keys. 图表 2: one series, nothing else.
std::string FullChart() {
  return std::string("<c:chartSpace ") + kChartNamespaces +
         "><c:chart><c:title><c:tx><c:rich><a:bodyPr/><a:p><a:r><a:rPr b='1'><a:solidFill>"
         "<a:srgbClr val='FF0000'/></a:solidFill></a:rPr><a:t>销售统计</a:t></a:r></a:p>"
         "</c:rich></c:tx></c:title><c:autoTitleDeleted val='0'/><c:plotArea><c:barChart>"
         "<c:barDir val='col'/><c:grouping val='clustered'/>" +
         Series(0, "$B$1", 'B') + Series(1, "$C$1", 'C') + Series(2, "$F$1", 'F') +
         "<c:axId val='1'/><c:axId val='2'/></c:barChart>" + kAxes +
         "<c:dTable><c:showHorzBorder val='1'/><c:showKeys val='1'/></c:dTable></c:plotArea>"
         "<c:legend><c:legendPos val='b'/></c:legend></c:chart></c:chartSpace>";
}

std::string PlainChart() {
  return std::string("<c:chartSpace ") + kChartNamespaces +
         "><c:chart><c:autoTitleDeleted val='1'/><c:plotArea><c:lineChart>"
         "<c:grouping val='standard'/>" +
         Series(0, "$B$1", 'B') +
         "<c:marker val='1'/><c:axId val='1'/><c:axId val='2'/></c:lineChart>" + kAxes +
         "</c:plotArea></c:chart></c:chartSpace>";
}

// Sheet1: products in A, January and February in B and C (C3 under a currency format), 2024 in
// E, and F = E plus a tenth, which the third series draws.
XlsxContent ChartBook() {
  XlsxContent book;
  book.styles =
      "<numFmts count='1'><numFmt numFmtId='164' formatCode='&quot;¥&quot;#,##0.00'/></numFmts>"
      "<fonts><font><sz val='11'/><name val='Calibri'/></font></fonts>"
      "<fills><fill><patternFill patternType='none'/></fill></fills>"
      "<borders><border/></borders>"
      "<cellXfs><xf numFmtId='0' fontId='0' fillId='0' borderId='0'/>"
      "<xf numFmtId='164' fontId='0' fillId='0' borderId='0' applyNumberFormat='1'/></cellXfs>";
  excel::testing::SheetXml sheet =
      excel::testing::TextSheet("Sheet1",
                                {{"产品", "一月", "二月", "", "2024", "2024"},
                                 {"苹果", "10", "20", "", "1.5", "1.6"},
                                 {"香蕉", "11", "", "", "2.5", "2.6"},
                                 {"橙子", "12", "22", "", "3.5", "3.6"},
                                 {"梨", "13", "23", "", "4.5", "4.6"}},
                                book.sharedStrings);
  // C3 holds a currency amount with more decimals than the currency type keeps.
  const std::string c3 = "<c r='C3' s='1'><v>21.123456</v></c>";
  const size_t row3 = sheet.rows.find("<c r=\"E3\"");
  if (row3 != std::string::npos) sheet.rows.insert(row3, c3);
  book.sheets = {sheet};
  excel::testing::AddChart(book, 0, "图表 1", FullChart());
  excel::testing::AddChart(book, 0, "图表 2", PlainChart());
  return book;
}

struct RuleCase {
  const char* name;
  std::vector<std::string> cells;
  int16_t expected;
};

void ExpectRules(OpenedWorkbook& book, const std::vector<RuleCase>& cases) {
  for (const RuleCase& c : cases) EXPECT_EQ(book.Rule(c.cells), c.expected) << c.name;
}

TEST(ChartChecks, FirstChart) {
  OpenedWorkbook book(ChartBook());
  ASSERT_EQ(book.Error(), "");
  ASSERT_EQ(book.Rule({"EXCELEXISTPIC", "Sheet1"}), 1);
  ASSERT_EQ(book.State().ChartNumber, 1);
  ExpectRules(
      book,
      {
          {"title text", {"GETEXCELPICCHARTTITLE", "销售统计"}, 1},
          {"title text differs", {"GETEXCELPICCHARTTITLE", "销售"}, 0},
          {"has a legend", {"EXCELPICHASLEGEND"}, 1},
          {"legend at the bottom", {"EXCELPICLEGEND", "-4107"}, 1},
          {"legend not right", {"EXCELPICLEGEND", "-4152"}, 0},
          {"clustered columns", {"EXCELPICCHARTTYPE", "51"}, 1},
          {"not a line", {"EXCELPICCHARTTYPE", "4"}, 0},
          {"data table with keys", {"EXCELPICDATATABLE", "6"}, 1},
          {"data table without keys", {"EXCELPICDATATABLE", "4"}, 0},
          {"bold title", {"EXCELPICTITLEFONTBOLDITALICUNDERLINE", "0", "100"}, 1},
          {"not bold italic", {"EXCELPICTITLEFONTBOLDITALICUNDERLINE", "0", "110"}, 0},
          {"red title is not black", {"EXCELPICTITLECOLOR", "0", "<>", "1"}, 1},
          {"red title is red", {"EXCELPICTITLECOLOR", "0", "=", "3"}, 1},
          {"unknown operator", {"EXCELPICTITLECOLOR", "0", ">", "1"}, 0},
          {"value axis format", {"EXCELPICNUMBERFORMATLOCAL", "0", "0.00", "0", "G/通用格式"}, 1},
          {"value axis scale", {"EXCELPICXLVALUEFAMAT", "0", "100", "4", "20", "0"}, 1},
          {"scale differs", {"EXCELPICXLVALUEFAMAT", "0", "90", "4", "20", "0"}, 0},
      });
}

TEST(ChartChecks, ChartWithoutExtras) {
  OpenedWorkbook book(ChartBook());
  ASSERT_EQ(book.Error(), "");
  ASSERT_TRUE(ChartExists(book.State(), 2));
  ExpectRules(book, {
                        {"no legend", {"EXCELPICHASLEGEND"}, 0},
                        {"legend position 0 without one", {"EXCELPICLEGEND", "0"}, 1},
                        {"no data table", {"EXCELPICDATATABLE", "0"}, 1},
                        {"a line chart with markers", {"EXCELPICCHARTTYPE", "65"}, 1},
                        // Switching the title on names it after the only series.
                        {"default title", {"GETEXCELPICCHARTTITLE", "一月"}, 1},
                    });
}

TEST(ChartChecks, LegendNamesAsText) {
  OpenedWorkbook book(ChartBook());
  ASSERT_EQ(book.Error(), "");
  ASSERT_TRUE(ChartExists(book.State(), 1));
  ExpectRules(book, {
                        {"any order", {"EXCELPICLEGENDNAME", "3", "2024", "一月", "二月"}, 1},
                        {"series 1 not listed", {"EXCELPICLEGENDNAME", "1", "2024.0"}, 0},
                        {"numeric name", {"EXCELPICLEGENDNAME", "3", "二月", "2024.0", "一月"}, 1},
                        {"one missing", {"EXCELPICLEGENDNAME", "3", "一月", "二月", "三月"}, 0},
                    });
}

TEST(ChartChecks, DataSource) {
  OpenedWorkbook book(ChartBook());
  ASSERT_EQ(book.Error(), "");
  ASSERT_EQ(book.Rule({"EXCELEXISTPIC", "Sheet1"}), 1);
  ExpectRules(
      book,
      {
          // Series 3 draws F, within 0.2 of E; the currency cell C3 against the chart's double.
          {"two ranges",
           {"EXCELDATASOURCECORRECT", "Sheet1", "Sheet1!$A$1:$C$5,Sheet1!$E$1:$E$5"},
           1},
          {"with =", {"EXCELDATASOURCECORRECT", "Sheet1", "=Sheet1!$A$1:$C$5"}, 1},
          {"wrong series column",
           {"EXCELDATASOURCECORRECT", "Sheet1", "Sheet1!$A$1:$B$5,Sheet1!$E$1:$E$5"},
           0},
          {"categories elsewhere", {"EXCELDATASOURCECORRECT", "Sheet1", "Sheet1!$B$1:$C$5"}, 0},
          {"X reference", {"EXCELDATASOURCECORRECTX", "Sheet1", "Sheet1!R2C1:R5C1"}, 1},
          {"Y reference of series 2",
           {"EXCELDATASOURCECORRECTY", "Sheet1", "Sheet1!R2C3:R5C3", "2"},
           1},
          {"Y reference of series 3",
           {"EXCELDATASOURCECORRECTY", "Sheet1", "Sheet1!R2C6:R5C6", "3"},
           1},
          {"Y of another series",
           {"EXCELDATASOURCECORRECTY", "Sheet1", "Sheet1!R2C3:R5C3", "1"},
           0},
      });
}

// A range written without "!" keeps the sheet of the range before it; the first has none, and
// its cells are read where the chart is.
TEST(ChartChecks, DataSourceWithoutASheetIsComparedAllTheSame) {
  OpenedWorkbook book(ChartBook());
  ASSERT_EQ(book.Error(), "");
  ASSERT_EQ(book.Rule({"EXCELEXISTPIC", "Sheet1"}), 1);
  ExpectRules(book,
              {
                  {"the chart's own sheet", {"EXCELDATASOURCECORRECT", "Sheet1", "$A$1:$C$5"}, 1},
                  {"other columns of it", {"EXCELDATASOURCECORRECT", "Sheet1", "=$B$1:$C$5"}, 0},
                  {"a further range on the first one's sheet",
                   {"EXCELDATASOURCECORRECT", "Sheet1", "Sheet1!$A$1:$C$5,$E$1:$E$5"},
                   1},
                  {"and its columns compared",
                   {"EXCELDATASOURCECORRECT", "Sheet1", "Sheet1!$A$1:$C$5,$B$1:$B$5"},
                   0},
              });
}

// Selecting another sheet deactivates the chart found before; nothing then reads it.
TEST(ChartChecks, NoChartIsActiveAfterAnotherSheetIsSelected) {
  XlsxContent content = ChartBook();
  content.sheets.push_back(
      excel::testing::Sheet("Plain", "<row r='1'><c r='A1'><v>1</v></c></row>"));
  OpenedWorkbook book(content);
  ASSERT_EQ(book.Error(), "");
  ASSERT_EQ(book.Rule({"EXCELEXISTPIC", "Sheet1"}), 1);
  ASSERT_EQ(book.Rule({"EXCELDATA", "Plain", "A1", "1"}), 1);
  ExpectRules(book, {
                        {"the chart's title", {"GETEXCELPICCHARTTITLE", "销售统计"}, 0},
                        {"an empty title", {"GETEXCELPICCHARTTITLE", ""}, 1},
                        {"the chart's legend", {"EXCELPICHASLEGEND"}, 0},
                        {"its legend position", {"EXCELPICLEGEND", "-4107"}, 0},
                        {"no legend position", {"EXCELPICLEGEND", "0"}, 1},
                        {"its type", {"EXCELPICCHARTTYPE", "51"}, 0},
                        {"type 0", {"EXCELPICCHARTTYPE", "0"}, 1},
                        {"its data table", {"EXCELPICDATATABLE", "6"}, 0},
                        {"no data table", {"EXCELPICDATATABLE", "0"}, 1},
                        // Chart 1 again, of the sheet in front, which has none.
                        {"its title colour", {"EXCELPICTITLECOLOR", "0", "=", "3"}, 0},
                    });
  // Back on the chart's sheet it stays inactive until it is found again.
  ASSERT_EQ(book.Rule({"EXCELDATA", "Sheet1", "A2", "苹果"}), 1);
  EXPECT_EQ(book.Rule({"GETEXCELPICCHARTTITLE", "销售统计"}), 0);
  ASSERT_EQ(book.Rule({"EXCELEXISTPIC", "Sheet1"}), 1);
  EXPECT_EQ(book.Rule({"GETEXCELPICCHARTTITLE", "销售统计"}), 1);
}

TEST(ChartChecks, NoChartIsActiveAfterALookupFindsNothing) {
  OpenedWorkbook book(ChartBook());
  ASSERT_EQ(book.Error(), "");
  ASSERT_TRUE(ChartExists(book.State(), 1));
  EXPECT_FALSE(ChartExists(book.State(), 3));
  EXPECT_FALSE(book.App().ActiveChart());
  ExpectRules(book, {
                        {"the chart's title", {"GETEXCELPICCHARTTITLE", "销售统计"}, 0},
                        {"an empty title", {"GETEXCELPICCHARTTITLE", ""}, 1},
                        {"its type", {"EXCELPICCHARTTYPE", "51"}, 0},
                    });
}

TEST(ChartChecks, DataSourceCountsSeriesAcrossRanges) {
  OpenedWorkbook book(ChartBook());
  ASSERT_EQ(book.Error(), "");
  ASSERT_TRUE(ChartExists(book.State(), 1));
  int16_t k = 0;
  EXPECT_TRUE(CompareSeriesValues(book.State(), "Sheet1", "Sheet1", k, "B", 1, "C", 5));
  EXPECT_EQ(k, 2);
  EXPECT_TRUE(CompareSeriesValues(book.State(), "Sheet1", "Sheet1", k, "E", 1, "E", 5));
  EXPECT_EQ(k, 3);
  // F is a tenth above E; a fourth series does not exist, so a filled column fails against it.
  EXPECT_FALSE(CompareSeriesValues(book.State(), "Sheet1", "Sheet1", k, "B", 1, "B", 5));
  EXPECT_EQ(k, 4);
}

// A chart LibreOffice saved: its frame has no name, so it gets the one the suites give a first
// chart; the chart part is read as written (titles, legend, a currency-formatted series).
TEST(ChartChecks, AChartSavedByASuite) {
  OpenedWorkbook book(std::filesystem::path(KIRV_EXCEL_TESTDATA) / "suite_chart.xlsx");
  ASSERT_EQ(book.Error(), "");
  base::Result<pugi::xml_document*> drawing =
      book.App().ActiveWorkbook()->Package().PartXml("xl/drawings/drawing1.xml");
  ASSERT_TRUE(drawing) << drawing.error().message;
  pugi::xpath_node frame = (*drawing)->select_node("//*[local-name()='cNvPr']");
  ASSERT_TRUE(frame);
  frame.node().attribute("name").set_value("图表 1");
  ASSERT_EQ(book.Rule({"EXCELEXISTPIC", "Sheet1"}), 1);
  ExpectRules(
      book,
      {
          {"title", {"GETEXCELPICCHARTTITLE", "销售统计"}, 1},
          {"red title", {"EXCELPICTITLECOLOR", "0", "=", "3"}, 1},
          {"bold title", {"EXCELPICTITLEFONTBOLDITALICUNDERLINE", "0", "100"}, 1},
          {"legend at the bottom", {"EXCELPICLEGEND", "-4107"}, 1},
          {"clustered columns", {"EXCELPICCHARTTYPE", "51"}, 1},
          {"series names", {"EXCELPICLEGENDNAME", "2", "成本", "销量"}, 1},
          {"no data table", {"EXCELPICDATATABLE", "0"}, 1},
          {"tick label formats",
           {"EXCELPICNUMBERFORMATLOCAL", "0", "#,##0.00", "0", "G/通用格式"},
           1},
          {"source", {"EXCELDATASOURCECORRECT", "Sheet1", "Sheet1!$A$1:$C$5"}, 1},
          {"source of series 2", {"EXCELDATASOURCECORRECTY", "Sheet1", "Sheet1!R2C3:R5C3", "2"}, 1},
          {"source too short", {"EXCELDATASOURCECORRECT", "Sheet1", "Sheet1!$A$1:$B$4"}, 1},
          {"source shifted", {"EXCELDATASOURCECORRECT", "Sheet1", "Sheet1!$A$2:$C$5"}, 0},
      });
}

TEST(ChartChecks, NoChartActive) {
  OpenedWorkbook book(ChartBook());
  ASSERT_EQ(book.Error(), "");
  ExpectRules(book, {
                        {"empty title", {"GETEXCELPICCHARTTITLE", ""}, 1},
                        {"no legend", {"EXCELPICHASLEGEND"}, 0},
                        {"source", {"EXCELDATASOURCECORRECTX", "Sheet1", ""}, 1},
                    });
}

TEST(ChartChecks, SeriesFields) {
  const std::string f = "=SERIES(Sheet1!R1C2,Sheet1!R2C1:R5C1,Sheet1!R2C2:R5C2,1)";
  EXPECT_EQ(SeriesField(f, 1), "Sheet1!R2C1:R5C1");
  EXPECT_EQ(SeriesField(f, 2), "Sheet1!R2C2:R5C2");
  EXPECT_EQ(SeriesField("=SERIES(,,Sheet1!R2C2:R5C2,1)", 1), "");
  EXPECT_EQ(SeriesField("=SERIES(,,Sheet1!R2C2:R5C2,1)", 2), "Sheet1!R2C2:R5C2");
  EXPECT_EQ(SeriesField("=SERIES(a,b)", 2), "");  // a missing comma gives nothing
  EXPECT_EQ(SeriesField("", 1), "");
}

}  // namespace
}  // namespace sheetmark
