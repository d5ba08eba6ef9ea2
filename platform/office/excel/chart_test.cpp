// The chart model over chart parts written into real packages: titles, legends, data tables,
// fonts, types, series against their cells, SERIES formulas, axes and the areas' formats.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/office/excel/application.h"
#include "platform/office/excel/chart.h"
#include "platform/office/excel/charts.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/paths.h"

namespace excel {
namespace {

using testing::TempFolder;
using testing::XlsxContent;

constexpr char kSpace[] =
    "<c:chartSpace xmlns:c='http://schemas.openxmlformats.org/drawingml/2006/chart' "
    "xmlns:a='http://schemas.openxmlformats.org/drawingml/2006/main'>";

// A chart part of `chart` (the inner XML of c:chart) and `tail` (after c:chart).
std::string Space(const std::string& chart, const std::string& tail = "") {
  return std::string(kSpace) + "<c:chart>" + chart + "</c:chart>" + tail + "</c:chartSpace>";
}

// A series of order `order` named by `name` (cell reference), categories and values.
std::string Ser(int order, const std::string& name, const std::string& cat, const std::string& val,
                const std::string& extra = "") {
  std::string s = "<c:ser><c:idx val='" + std::to_string(order) + "'/><c:order val='" +
                  std::to_string(order) + "'/>";
  if (!name.empty())
    s += "<c:tx><c:strRef><c:f>" + name +
         "</c:f><c:strCache><c:ptCount val='1'/><c:pt "
         "idx='0'><c:v>cached</c:v></c:pt></c:strCache></c:strRef></c:tx>";
  s += extra;
  if (!cat.empty()) s += "<c:cat><c:strRef><c:f>" + cat + "</c:f></c:strRef></c:cat>";
  if (!val.empty())
    s += "<c:val><c:numRef><c:f>" + val +
         "</c:f><c:numCache><c:formatCode>0.0</c:formatCode><c:ptCount val='2'/><c:pt "
         "idx='0'><c:v>7</c:v></c:pt><c:pt idx='1'><c:v>8</c:v></c:pt></c:numCache></c:numRef>"
         "</c:val>";
  return s + "</c:ser>";
}

constexpr char kAxes[] =
    "<c:axId val='1'/><c:axId val='2'/></c:barChart>"
    "<c:catAx><c:axId val='1'/><c:delete val='0'/><c:axPos val='b'/><c:crossAx val='2'/>"
    "<c:crosses val='autoZero'/></c:catAx>"
    "<c:valAx><c:axId val='2'/><c:delete val='0'/><c:axPos val='l'/><c:crossAx val='1'/>"
    "</c:valAx>";

// Two series over Sheet1!A1:C5 as a column chart, with `chartExtra` before the plot area.
std::string ColumnChart(const std::string& before = "", const std::string& plotExtra = "",
                        const std::string& after = "") {
  return Space(before +
               "<c:plotArea><c:barChart><c:barDir val='col'/><c:grouping "
               "val='clustered'/>" +
               Ser(0, "Sheet1!$B$1", "Sheet1!$A$2:$A$5", "Sheet1!$B$2:$B$5") +
               Ser(1, "Sheet1!$C$1", "Sheet1!$A$2:$A$5", "Sheet1!$C$2:$C$5") + kAxes + plotExtra +
               "</c:plotArea>" + after);
}

// Opens a workbook of the sheet below with the charts given, "图表 1", "图表 2", ...
class ChartBook {
 public:
  explicit ChartBook(const std::vector<std::string>& charts, const std::string& styles = "")
      : tmp_("chart") {
    XlsxContent content;
    testing::SheetXml sheet = testing::TextSheet("Sheet1",
                                                 {{"", "Sales", "Cost"},
                                                  {"East", "3", "10"},
                                                  {"West", "5", "20"},
                                                  {"North", "", "30"},
                                                  {"South", "word", "40"}},
                                                 content.sharedStrings);
    content.sheets = {sheet};
    content.styles = styles;
    for (size_t i = 0; i < charts.size(); ++i)
      testing::AddChart(content, 0, "图表 " + std::to_string(i + 1), charts[i]);
    const auto file = tmp_.Path() / "chart.xlsx";
    EXPECT_TRUE(testing::WriteXlsx(file, content));
    EXPECT_TRUE(app_.Workbooks().Open(win::ToWindowsPath(file)));
  }
  Application& App() { return app_; }
  // Activates "图表 n" and opens it.
  Chart Open(int n = 1) {
    base::Result<ChartObject> object =
        app_.ActiveSheet()->ChartObjects("图表 " + std::to_string(n));
    EXPECT_TRUE(object) << object.error().message;
    EXPECT_TRUE(object->Activate());
    base::Result<Chart> chart = app_.ActiveChart();
    EXPECT_TRUE(chart) << chart.error().message;
    return *chart;
  }

 private:
  TempFolder tmp_;
  Application app_;
};

TEST(Chart, ActiveChartFailsWithoutOneAndOnPartsThatAreNoChart) {
  ChartBook book({ColumnChart(), "<c:userShapes xmlns:c='c'/>"});
  EXPECT_FALSE(book.App().ActiveChart());
  base::Result<ChartObject> second = book.App().ActiveSheet()->ChartObjects("图表 2");
  ASSERT_TRUE(second);
  ASSERT_TRUE(second->Activate());
  base::Result<Chart> chart = book.App().ActiveChart();
  ASSERT_FALSE(chart);
  EXPECT_NE(chart.error().message.find("no chart"), std::string::npos) << chart.error().message;
  EXPECT_FALSE(Chart::Open(*book.App().ActiveWorkbook(), "xl/charts/missing.xml"));
  EXPECT_EQ(book.Open(1).SeriesCount(), 2);
}

// A drawing that nests a chart frame 100,000 group shapes deep (a few kilobytes once deflated)
// is walked without recursion: the frame is found, not the end of the stack.
TEST(Chart, FramesNestedDeepInGroupsAreFound) {
  TempFolder tmp("chart_deep");
  XlsxContent content;
  content.sheets = {testing::Sheet("Sheet1", "")};
  testing::AddChart(content, 0, "图表 1", ColumnChart());
  std::string& drawing = content.parts.front().second;
  ASSERT_NE(drawing.find("<xdr:graphicFrame"), std::string::npos);
  constexpr int kDepth = 100000;
  std::string open, close;
  for (int i = 0; i < kDepth; ++i) open += "<xdr:grpSp>";
  for (int i = 0; i < kDepth; ++i) close += "</xdr:grpSp>";
  drawing.replace(drawing.find("<xdr:graphicFrame"), 0, open);
  drawing.replace(drawing.find("</xdr:graphicFrame>") + 19, 0, close);
  const auto file = tmp.Path() / "deep.xlsx";
  ASSERT_TRUE(testing::WriteXlsx(file, content));
  EXPECT_LT(std::filesystem::file_size(file), 64u << 10);
  Application app;
  ASSERT_TRUE(app.Workbooks().Open(win::ToWindowsPath(file)));
  base::Result<ChartObject> object = app.ActiveSheet()->ChartObjects("图表 1");
  ASSERT_TRUE(object) << object.error().message;
  ASSERT_TRUE(object->Activate());
  base::Result<Chart> chart = app.ActiveChart();
  ASSERT_TRUE(chart) << chart.error().message;
  EXPECT_EQ(chart->SeriesCount(), 2);
  EXPECT_FALSE(app.ActiveSheet()->ChartObjects("图表 2"));
}

TEST(Chart, SelectingASheetDeactivatesTheChart) {
  TempFolder tmp("chart_select");
  XlsxContent content;
  content.sheets = {testing::Sheet("Sheet1", ""), testing::Sheet("Sheet2", "")};
  testing::AddChart(content, 0, "图表 1", ColumnChart());
  const auto file = tmp.Path() / "chart.xlsx";
  ASSERT_TRUE(testing::WriteXlsx(file, content));
  Application app;
  ASSERT_TRUE(app.Workbooks().Open(win::ToWindowsPath(file)));
  Worksheet* first = *app.Sheets("Sheet1");
  Worksheet* second = *app.Sheets("Sheet2");
  auto activate = [&] {
    base::Result<ChartObject> object = first->ChartObjects("图表 1");
    ASSERT_TRUE(object) << object.error().message;
    ASSERT_TRUE(object->Activate());
    ASSERT_TRUE(app.ActiveChart());
  };
  activate();
  ASSERT_TRUE(second->Select());
  EXPECT_FALSE(app.ActiveChart());
  EXPECT_EQ(app.ActiveChartPart(), "");
  ASSERT_TRUE(first->Select());
  EXPECT_FALSE(app.ActiveChart());  // coming back does not bring it back

  activate();
  ASSERT_TRUE(first->Select());  // the sheet in front, too
  EXPECT_FALSE(app.ActiveChart());

  activate();
  app.DeactivateChart();
  EXPECT_FALSE(app.ActiveChart());
}

TEST(Chart, TitlesAndTheDefaultTextSwitchingOnGives) {
  const std::string richTitle =
      "<c:title><c:tx><c:rich><a:bodyPr/><a:p><a:r><a:t>Sales </a:t></a:r><a:r><a:t>2024"
      "</a:t></a:r></a:p><a:p><a:r><a:t>East</a:t></a:r></a:p></c:rich></c:tx></c:title>"
      "<c:autoTitleDeleted val='0'/>";
  const std::string linkedTitle =
      "<c:title><c:tx><c:strRef><c:f>Sheet1!$B$1</c:f><c:strCache><c:ptCount val='1'/>"
      "<c:pt idx='0'><c:v>Linked</c:v></c:pt></c:strCache></c:strRef></c:tx></c:title>";
  const std::string oneSeries =
      Space("<c:autoTitleDeleted val='0'/><c:plotArea><c:lineChart><c:grouping val='standard'/>" +
            Ser(0, "Sheet1!$C$1", "", "Sheet1!$C$2:$C$5") + "</c:lineChart></c:plotArea>");
  ChartBook book({ColumnChart(richTitle), ColumnChart(linkedTitle),
                  ColumnChart("<c:autoTitleDeleted val='1'/>"), oneSeries});
  struct Case {
    int chart;
    bool hasTitle;
    std::string text;  // after SetHasTitle(true)
  } cases[] = {{1, true, "Sales 2024\nEast"},
               {2, true, "Linked"},
               {3, false, "图表标题"},
               {4, true, "Cost"}};
  for (const Case& c : cases) {
    Chart chart = book.Open(c.chart);
    EXPECT_EQ(*chart.HasTitle(), c.hasTitle) << c.chart;
    ASSERT_TRUE(chart.SetHasTitle(true));
    EXPECT_TRUE(*chart.HasTitle());
    base::Result<ChartTitle> title = chart.ChartTitle();
    ASSERT_TRUE(title) << c.chart;
    EXPECT_EQ(*title->Text(), c.text) << c.chart;
  }
  Chart first = book.Open(1);
  ASSERT_TRUE(first.SetHasTitle(false));
  EXPECT_FALSE(*first.HasTitle());
  EXPECT_FALSE(first.ChartTitle());
  EXPECT_FALSE(book.App().ActiveWorkbook()->Saved());
}

TEST(Chart, LegendPositionsAndDataTables) {
  struct Case {
    std::string legend;
    int position;  // 0: no legend
  } legends[] = {{"", 0},
                 {"<c:legend/>", xlLegendPositionRight},
                 {"<c:legend><c:legendPos val='b'/></c:legend>", xlLegendPositionBottom},
                 {"<c:legend><c:legendPos val='t'/></c:legend>", xlLegendPositionTop},
                 {"<c:legend><c:legendPos val='l'/></c:legend>", xlLegendPositionLeft},
                 {"<c:legend><c:legendPos val='tr'/></c:legend>", xlLegendPositionCorner},
                 {"<c:legend><c:legendPos val='r'/><c:layout><c:manualLayout><c:x val='0.1'/>"
                  "</c:manualLayout></c:layout></c:legend>",
                  xlLegendPositionCustom}};
  std::vector<std::string> charts;
  for (const Case& c : legends) charts.push_back(ColumnChart("", "", c.legend));
  ChartBook book(charts);
  for (size_t i = 0; i < std::size(legends); ++i) {
    Chart chart = book.Open(static_cast<int>(i + 1));
    EXPECT_EQ(*chart.HasLegend(), legends[i].position != 0) << i;
    base::Result<Legend> legend = chart.Legend();
    ASSERT_EQ(static_cast<bool>(legend), legends[i].position != 0) << i;
    if (!legend) continue;
    EXPECT_EQ(*legend->Position(), legends[i].position) << i;
    EXPECT_TRUE(legend->SetAutoScaleFont(true));
  }

  // The checks' code: 0 without a table, 4 with one, 6 when it shows the legend keys.
  struct Table {
    std::string xml;
    int code;
  } tables[] = {{"", 0},
                {"<c:dTable><c:showHorzBorder val='1'/><c:showKeys val='0'/></c:dTable>", 4},
                {"<c:dTable><c:showKeys val='1'/></c:dTable>", 6}};
  charts.clear();
  for (const Table& t : tables) charts.push_back(ColumnChart("", t.xml));
  ChartBook tableBook(charts);
  for (size_t i = 0; i < std::size(tables); ++i) {
    Chart chart = tableBook.Open(static_cast<int>(i + 1));
    int code = 0;
    if (*chart.HasDataTable()) code = 4 + (*chart.DataTable()->ShowLegendKey() ? 2 : 0);
    EXPECT_EQ(code, tables[i].code) << i;
  }
}

TEST(Chart, FontsThroughTheirLevels) {
  // Title run red, bold and underlined; the axis titles from the axis title's own txPr; the
  // tick labels from the chart's txPr; the legend from the defaults.
  const std::string title =
      "<c:title><c:tx><c:rich><a:bodyPr/><a:p><a:pPr><a:defRPr sz='1200' i='1'/></a:pPr><a:r>"
      "<a:rPr b='1' u='sng'><a:solidFill><a:srgbClr val='FF0000'/></a:solidFill><a:latin "
      "typeface='Arial'/></a:rPr><a:t>Sales</a:t></a:r></a:p></c:rich></c:tx></c:title>";
  const std::string chinese =
      "<c:title><c:tx><c:rich><a:bodyPr/><a:p><a:r><a:rPr u='dbl'><a:latin typeface='Arial'/>"
      "<a:ea typeface='黑体'/></a:rPr><a:t>销售</a:t></a:r></a:p></c:rich></c:tx></c:title>";
  const std::string txPr =
      "<c:txPr><a:bodyPr/><a:p><a:pPr><a:defRPr sz='900' b='0'><a:solidFill><a:srgbClr "
      "val='0000FF'/></a:solidFill><a:latin typeface='Times New Roman'/></a:defRPr></a:pPr>"
      "</a:p></c:txPr>";
  ChartBook book({ColumnChart(title, "", "<c:legend/>") + "", ColumnChart(chinese)});
  {
    Chart chart = book.Open(1);
    ChartFont font = *chart.ChartTitle()->Font();
    EXPECT_EQ(font.name, "Arial");
    EXPECT_EQ(font.size, 12);
    EXPECT_TRUE(font.bold);
    EXPECT_TRUE(font.italic);
    EXPECT_EQ(font.underline, 2);
    EXPECT_EQ(font.color, 0x0000FF);
    EXPECT_EQ(font.colorIndex, 3);
    ChartFont legend = *chart.Legend()->Font();
    EXPECT_EQ(legend.name, "Calibri");  // the default theme's body font
    EXPECT_EQ(legend.size, 10);
    EXPECT_FALSE(legend.bold);
    EXPECT_EQ(legend.colorIndex, 1);
  }
  {
    Chart chart = book.Open(2);
    ChartFont font = *chart.ChartTitle()->Font();
    EXPECT_EQ(font.name, "黑体");
    EXPECT_EQ(font.underline, -4119);
    EXPECT_EQ(font.size, 18);  // the default title font
    EXPECT_TRUE(font.bold);
  }
  // The chart's txPr under an axis that has none of its own.
  ChartBook spaced({Space("<c:plotArea><c:barChart><c:barDir val='col'/>" +
                              Ser(0, "Sheet1!$B$1", "Sheet1!$A$2:$A$3", "Sheet1!$B$2:$B$3") +
                              kAxes + "</c:plotArea>",
                          txPr)});
  Chart chart = spaced.Open();
  ChartFont ticks = *chart.Axes(xlValue)->TickLabels().Font();
  EXPECT_EQ(ticks.name, "Times New Roman");
  EXPECT_EQ(ticks.size, 9);
  EXPECT_EQ(ticks.colorIndex, 5);
}

TEST(Chart, ChartTypesByGroup) {
  struct Case {
    std::string group;  // the plot area's chart group, series included
    int type;
  } cases[] = {
      {"<c:barChart><c:barDir val='col'/><c:grouping val='clustered'/></c:barChart>", 51},
      {"<c:barChart><c:barDir val='bar'/><c:grouping val='percentStacked'/></c:barChart>", 59},
      {"<c:bar3DChart><c:barDir val='col'/><c:grouping val='standard'/></c:bar3DChart>", -4100},
      {"<c:bar3DChart><c:barDir val='bar'/><c:grouping val='stacked'/><c:shape val='cylinder'/>"
       "</c:bar3DChart>",
       96},
      {"<c:lineChart><c:grouping val='standard'/><c:ser><c:marker><c:symbol val='none'/>"
       "</c:marker></c:ser><c:marker val='1'/></c:lineChart>",
       4},
      {"<c:lineChart><c:grouping val='stacked'/><c:ser/><c:marker val='1'/></c:lineChart>", 66},
      {"<c:pieChart><c:ser><c:explosion val='20'/></c:ser></c:pieChart>", 69},
      {"<c:pie3DChart><c:ser/></c:pie3DChart>", -4102},
      {"<c:ofPieChart><c:ofPieType val='bar'/></c:ofPieChart>", 71},
      {"<c:doughnutChart><c:ser/></c:doughnutChart>", -4120},
      {"<c:scatterChart><c:scatterStyle val='lineMarker'/><c:ser><c:spPr><a:ln><a:noFill/>"
       "</a:ln></c:spPr></c:ser></c:scatterChart>",
       -4169},
      {"<c:scatterChart><c:scatterStyle val='smoothMarker'/><c:ser><c:marker><c:symbol "
       "val='none'/></c:marker><c:smooth val='1'/></c:ser></c:scatterChart>",
       73},
      {"<c:areaChart><c:grouping val='stacked'/></c:areaChart>", 76},
      {"<c:radarChart><c:radarStyle val='filled'/></c:radarChart>", 82},
      {"<c:bubbleChart><c:bubble3D val='1'/></c:bubbleChart>", 87},
      {"<c:barChart><c:barDir val='col'/></c:barChart><c:stockChart><c:ser/><c:ser/><c:ser/>"
       "</c:stockChart>",
       90},
      {"<c:surface3DChart><c:wireframe val='1'/></c:surface3DChart>", 84},
  };
  std::vector<std::string> charts;
  for (const Case& c : cases) charts.push_back(Space("<c:plotArea>" + c.group + "</c:plotArea>"));
  charts.push_back(Space("<c:plotArea/>"));
  ChartBook book(charts);
  for (size_t i = 0; i < std::size(cases); ++i) {
    base::Result<int> type = book.Open(static_cast<int>(i + 1)).ChartType();
    ASSERT_TRUE(type) << cases[i].group;
    EXPECT_EQ(*type, cases[i].type) << cases[i].group;
  }
  EXPECT_FALSE(book.Open(static_cast<int>(std::size(cases) + 1)).ChartType());
}

TEST(Chart, SeriesReadTheirCellsElseTheCache) {
  const std::string missing = Space(
      "<c:plotArea><c:barChart><c:barDir val='col'/>" + Ser(0, "Gone!$B$1", "", "Gone!$B$2:$B$3") +
      "<c:ser><c:order val='1'/><c:cat><c:numLit><c:ptCount val='2'/><c:pt idx='0'><c:v>1990"
      "</c:v></c:pt><c:pt idx='1'><c:v>1991</c:v></c:pt></c:numLit></c:cat><c:val><c:numLit>"
      "<c:ptCount val='2'/><c:pt idx='1'><c:v>2.5</c:v></c:pt></c:numLit></c:val></c:ser>"
      "</c:barChart></c:plotArea>");
  ChartBook book({ColumnChart(), missing});
  Chart chart = book.Open(1);
  ASSERT_EQ(chart.SeriesCount(), 2);
  EXPECT_FALSE(chart.SeriesCollection(0));
  EXPECT_FALSE(chart.SeriesCollection(3));
  Series first = *chart.SeriesCollection(1);
  EXPECT_EQ(*first.Name(), "Sales");
  EXPECT_EQ(*first.Values(),
            (std::vector<vb::Variant>{vb::Variant::Double(3), vb::Variant::Double(5), vb::Variant(),
                                      vb::Variant()}));
  EXPECT_EQ(*first.XValues(),
            (std::vector<vb::Variant>{vb::Variant::String("East"), vb::Variant::String("West"),
                                      vb::Variant::String("North"), vb::Variant::String("South")}));
  EXPECT_EQ(*chart.SeriesCollection(2)->Name(), "Cost");

  Chart fallback = book.Open(2);
  Series cached = *fallback.SeriesCollection(1);
  EXPECT_EQ(*cached.Name(), "cached");
  EXPECT_EQ(*cached.Values(),
            (std::vector<vb::Variant>{vb::Variant::Double(7), vb::Variant::Double(8)}));
  EXPECT_EQ(*cached.XValues(),
            (std::vector<vb::Variant>{vb::Variant::Double(1), vb::Variant::Double(2)}));
  Series literal = *fallback.SeriesCollection(2);
  EXPECT_EQ(*literal.Name(), "系列2");
  EXPECT_EQ(*literal.Values(), (std::vector<vb::Variant>{vb::Variant(), vb::Variant::Double(2.5)}));
  EXPECT_EQ(*literal.XValues(),
            (std::vector<vb::Variant>{vb::Variant::Double(1990), vb::Variant::Double(1991)}));
  EXPECT_EQ(*literal.Formula(), "=SERIES(,{1990,1991},{0,2.5},2)");
}

TEST(Chart, CurrencyCellsArriveAsRoundedDoubles) {
  const std::string styles =
      "<numFmts count='1'><numFmt numFmtId='164' formatCode='&quot;¥&quot;#,##0.00'/></numFmts>"
      "<fonts count='1'><font><sz val='11'/><name val='Calibri'/></font></fonts>"
      "<fills count='1'><fill><patternFill patternType='none'/></fill></fills>"
      "<borders count='1'><border/></borders>"
      "<cellXfs count='2'><xf numFmtId='0' fontId='0' fillId='0' borderId='0'/>"
      "<xf numFmtId='164' fontId='0' fillId='0' borderId='0' applyNumberFormat='1'/></cellXfs>";
  TempFolder tmp("chart_currency");
  XlsxContent content;
  content.styles = styles;
  content.sheets = {testing::Sheet(
      "Data", "<row r='1'><c r='A1' s='1'><v>12.345678</v></c><c r='B1'><v>1.5</v></c></row>")};
  testing::AddChart(content, 0, "图表 1",
                    Space("<c:plotArea><c:barChart>" + Ser(0, "", "", "Data!$A$1:$B$1") +
                          "</c:barChart></c:plotArea>"));
  ASSERT_TRUE(testing::WriteXlsx(tmp.Path() / "c.xlsx", content));
  Application app;
  ASSERT_TRUE(app.Workbooks().Open(win::ToWindowsPath(tmp.Path() / "c.xlsx")));
  ASSERT_TRUE(app.ActiveSheet()->ChartObjects("图表 1")->Activate());
  base::Result<std::vector<vb::Variant>> values =
      (*app.ActiveChart()->SeriesCollection(1)).Values();
  ASSERT_TRUE(values);
  EXPECT_EQ(*values,
            (std::vector<vb::Variant>{vb::Variant::Double(12.3457), vb::Variant::Double(1.5)}));
}

TEST(Chart, SeriesFormulasInBothNotations) {
  const std::string quoted =
      Space("<c:plotArea><c:lineChart>" +
            Ser(0, "'My data'!$B$1", "", "('My data'!$B$2:$B$3,'My data'!$B$5)") +
            "</c:lineChart></c:plotArea>");
  ChartBook book({ColumnChart(), quoted});
  Chart chart = book.Open(1);
  struct Case {
    int series;
    std::string a1;
    std::string r1c1;
  } cases[] = {
      {1, "=SERIES(Sheet1!$B$1,Sheet1!$A$2:$A$5,Sheet1!$B$2:$B$5,1)",
       "=SERIES(Sheet1!R1C2,Sheet1!R2C1:R5C1,Sheet1!R2C2:R5C2,1)"},
      {2, "=SERIES(Sheet1!$C$1,Sheet1!$A$2:$A$5,Sheet1!$C$2:$C$5,2)",
       "=SERIES(Sheet1!R1C3,Sheet1!R2C1:R5C1,Sheet1!R2C3:R5C3,2)"},
  };
  for (const Case& c : cases) {
    Series series = *chart.SeriesCollection(c.series);
    EXPECT_EQ(*series.Formula(), c.a1);
    EXPECT_EQ(*series.FormulaR1C1Local(), c.r1c1);
  }
  Series other = *book.Open(2).SeriesCollection(1);
  EXPECT_EQ(*other.FormulaR1C1Local(),
            "=SERIES('My data'!R1C2,,('My data'!R2C2:R3C2,'My data'!R5C2),1)");
}

TEST(Chart, AxesTitlesAndTickLabelFormats) {
  const std::string chart = Space(
      "<c:plotArea><c:barChart><c:barDir val='col'/>" +
      Ser(0, "Sheet1!$B$1", "Sheet1!$A$2:$A$3", "Sheet1!$B$2:$B$3") +
      "<c:axId val='1'/><c:axId val='2'/></c:barChart>"
      "<c:catAx><c:axId val='1'/><c:axPos val='b'/><c:title><c:tx><c:rich><a:bodyPr/><a:p><a:r>"
      "<a:t>Region</a:t></a:r></a:p></c:rich></c:tx></c:title><c:numFmt formatCode='General' "
      "sourceLinked='1'/><c:crossAx val='2'/></c:catAx>"
      "<c:valAx><c:axId val='2'/><c:axPos val='l'/><c:numFmt formatCode='#,##0.00;[Red]-#,##0.00' "
      "sourceLinked='0'/><c:crossAx val='1'/></c:valAx></c:plotArea>");
  const std::string linked = Space(
      "<c:plotArea><c:barChart>" + Ser(0, "", "", "Sheet1!$B$2:$B$3") +
      "<c:axId val='1'/><c:axId val='2'/></c:barChart><c:catAx><c:axId val='1'/><c:crossAx "
      "val='2'/></c:catAx><c:valAx><c:axId val='2'/><c:numFmt formatCode='0%' sourceLinked='1'/>"
      "<c:crossAx val='1'/></c:valAx></c:plotArea>");
  const std::string pie = Space("<c:plotArea><c:pieChart><c:ser/></c:pieChart></c:plotArea>");
  // A scatter chart: its x axis is the value axis at the bottom, its categories the x values.
  const std::string scatter = Space(
      "<c:plotArea><c:scatterChart><c:scatterStyle val='lineMarker'/><c:ser><c:order val='0'/>"
      "<c:xVal><c:numRef><c:f>Sheet1!$C$2:$C$3</c:f></c:numRef></c:xVal><c:yVal><c:numRef><c:f>"
      "Sheet1!$B$2:$B$3</c:f></c:numRef></c:yVal></c:ser><c:axId val='7'/><c:axId val='8'/>"
      "</c:scatterChart><c:valAx><c:axId val='8'/><c:axPos val='l'/><c:crossAx val='7'/>"
      "</c:valAx><c:valAx><c:axId val='7'/><c:axPos val='b'/><c:crossAx val='8'/></c:valAx>"
      "</c:plotArea>");
  ChartBook book({chart, linked, pie, scatter});
  Chart c = book.Open(1);
  Axis category = *c.Axes(xlCategory);
  EXPECT_EQ(category.Type(), xlCategory);
  EXPECT_TRUE(*category.HasTitle());
  EXPECT_EQ(*category.AxisTitle()->Text(), "Region");
  EXPECT_TRUE(category.AxisTitle()->Font()->bold);  // an axis title is bold by default
  EXPECT_FALSE(*c.Axes(xlValue)->HasTitle());
  EXPECT_FALSE(c.Axes(xlValue)->AxisTitle());
  EXPECT_FALSE(c.Axes(xlSeriesAxis));
  EXPECT_EQ(*category.TickLabels().NumberFormatLocal(), "G/通用格式");
  EXPECT_EQ(*c.Axes(xlValue)->TickLabels().NumberFormatLocal(), "#,##0.00;[红色]-#,##0.00");
  EXPECT_EQ(*book.Open(2).Axes(xlValue)->TickLabels().NumberFormat(), "0.0");  // the cache's
  EXPECT_FALSE(book.Open(3).Axes(xlCategory));
  Chart xy = book.Open(4);
  EXPECT_EQ(*xy.ChartType(), 74);
  EXPECT_EQ(*xy.Axes(xlCategory)->MaximumScale(), 25);  // x values 10 and 20
  EXPECT_EQ(*xy.Axes(xlValue)->MaximumScale(), 6);      // y values 3 and 5
  EXPECT_EQ(*xy.SeriesCollection(1)->XValues(),
            (std::vector<vb::Variant>{vb::Variant::Double(10), vb::Variant::Double(20)}));
  EXPECT_EQ(*xy.SeriesCollection(1)->Formula(), "=SERIES(,Sheet1!$C$2:$C$3,Sheet1!$B$2:$B$3,1)");
}

TEST(Chart, ValueScalesExplicitAndAutomatic) {
  auto chart = [](const std::string& scaling, const std::string& units, const std::string& crossing,
                  const std::string& values) {
    return Space("<c:plotArea><c:barChart><c:barDir val='col'/>" + Ser(0, "", "", values) +
                 "<c:axId val='1'/><c:axId val='2'/></c:barChart><c:catAx><c:axId val='1'/>"
                 "<c:crossAx val='2'/>" +
                 crossing + "</c:catAx><c:valAx><c:axId val='2'/><c:scaling>" + scaling +
                 "</c:scaling><c:crossAx val='1'/>" + units + "</c:valAx></c:plotArea>");
  };
  struct Case {
    std::string chart;
    double min, max, major, minor, crosses;
  } cases[] = {
      // Explicit everything; crossesAt on the category axis.
      {chart("<c:max val='50'/><c:min val='10'/>",
             "<c:majorUnit val='10'/><c:minorUnit val='2.5'/>", "<c:crossesAt val='20'/>",
             "Sheet1!$B$2:$B$3"),
       10, 50, 10, 2.5, 20},
      // Values 3 and 5: from 0, a twentieth above 5, steps of 1.
      {chart("", "", "<c:crosses val='autoZero'/>", "Sheet1!$B$2:$B$3"), 0, 6, 1, 0.2, 0},
      // Values 10..40 with a fixed maximum.
      {chart("<c:max val='45'/>", "", "<c:crosses val='max'/>", "Sheet1!$C$2:$C$5"), 0, 45, 5, 1,
       45},
      // 10..40 automatic: 0 to 45 in steps of 5.
      {chart("", "", "<c:crosses val='min'/>", "Sheet1!$C$2:$C$5"), 0, 45, 5, 1, 0},
  };
  std::vector<std::string> charts;
  for (const Case& c : cases) charts.push_back(c.chart);
  ChartBook book(charts);
  for (size_t i = 0; i < std::size(cases); ++i) {
    Axis axis = *book.Open(static_cast<int>(i + 1)).Axes(xlValue);
    EXPECT_DOUBLE_EQ(*axis.MinimumScale(), cases[i].min) << i;
    EXPECT_DOUBLE_EQ(*axis.MaximumScale(), cases[i].max) << i;
    EXPECT_DOUBLE_EQ(*axis.MajorUnit(), cases[i].major) << i;
    EXPECT_DOUBLE_EQ(*axis.MinorUnit(), cases[i].minor) << i;
    EXPECT_DOUBLE_EQ(*axis.CrossesAt(), cases[i].crosses) << i;
  }
  EXPECT_FALSE(book.Open(1).Axes(xlCategory)->MinimumScale());  // no value scale
}

TEST(Chart, AreaFillsBordersAndShadows) {
  const std::string gradient =
      "<c:spPr><a:gradFill><a:gsLst><a:gs pos='0'><a:srgbClr val='FFFFFF'/></a:gs><a:gs "
      "pos='100000'><a:srgbClr val='0000FF'/></a:gs></a:gsLst><a:lin ang='5400000'/></a:gradFill>"
      "<a:ln w='25400'><a:solidFill><a:srgbClr val='FF0000'/></a:solidFill><a:prstDash "
      "val='dash'/></a:ln><a:effectLst><a:outerShdw blurRad='50800' dist='38100' dir='2700000' "
      "algn='tl'><a:prstClr val='black'/></a:outerShdw></a:effectLst></c:spPr>";
  ChartBook book({ColumnChart("", gradient, ""), ColumnChart()});
  Chart chart = book.Open(1);
  ChartFill plot = *chart.PlotArea().Fill();
  EXPECT_EQ(plot.type, 3);
  EXPECT_EQ(plot.presetGradientType, kUnrecognisedPresetGradient);
  EXPECT_EQ(plot.gradientStyle, 1);
  EXPECT_EQ(plot.gradientVariant, 1);
  ChartBorder border = *chart.PlotArea().Border();
  EXPECT_EQ(border.colorIndex, 3);
  EXPECT_EQ(border.weight, -4138);
  EXPECT_EQ(border.lineStyle, -4115);
  EXPECT_EQ(*chart.PlotArea().ShadowType(), 21);

  // Nothing written: automatic fill and border, no shadow.
  Chart plain = book.Open(2);
  ChartFill area = *plain.ChartArea().Fill();
  EXPECT_EQ(area.type, -4105);
  EXPECT_EQ(area.gradientStyle, 0);
  ChartBorder automatic = *plain.ChartArea().Border();
  EXPECT_EQ(automatic.colorIndex, -4105);
  EXPECT_EQ(automatic.lineStyle, 1);
  EXPECT_EQ(*plain.ChartArea().ShadowType(), 0);
}

TEST(Chart, APartWrittenByLibreOffice) {
  std::ifstream in(std::filesystem::path(KIRV_SOURCE_DIR) /
                   "platform/office/excel/testdata/libreoffice_chart.xml");
  const std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(xml.empty());
  ChartBook book({xml});
  Chart chart = book.Open();
  EXPECT_TRUE(*chart.HasTitle());
  EXPECT_EQ(*chart.ChartTitle()->Text(), "Sales");
  ChartFont font = *chart.ChartTitle()->Font();
  EXPECT_EQ(font.colorIndex, 3);
  EXPECT_EQ(font.name, "Arial");
  EXPECT_EQ(font.size, 16);
  EXPECT_FALSE(*chart.HasLegend());
  EXPECT_EQ(*chart.ChartType(), xlColumnClustered);
  Series series = *chart.SeriesCollection(1);
  EXPECT_EQ(*series.Name(), "Sales");  // B1 of the sheet
  EXPECT_EQ(*series.Values(),
            (std::vector<vb::Variant>{vb::Variant::Double(3), vb::Variant::Double(5)}));
  EXPECT_EQ(*series.FormulaR1C1Local(), "=SERIES(Sheet1!R1C2,Sheet1!R2C1:R3C1,Sheet1!R2C2:R3C2,1)");
  EXPECT_EQ(*chart.Axes(xlValue)->TickLabels().NumberFormatLocal(), "G/通用格式");
  EXPECT_EQ(*chart.Axes(xlValue)->CrossesAt(), 0);
  EXPECT_EQ(chart.PlotArea().Fill()->type, 1);
  EXPECT_EQ(chart.ChartArea().Fill()->interiorColorIndex, 36);  // ffff99
  ChartBorder border = *chart.ChartArea().Border();
  EXPECT_EQ(border.colorIndex, 5);
  EXPECT_EQ(border.weight, xlMedium);
  EXPECT_EQ(*chart.ChartArea().ShadowType(), 0);
}

}  // namespace
}  // namespace excel

namespace excel {
namespace {

// A workbook with a column chart saved by LibreOffice Calc (testing/make_suite_fixtures.py).
// Calc leaves the frame's name empty, so the chart is opened by its part.
TEST(Chart, AWorkbookSavedByLibreOffice) {
  Application app;
  base::Result<Workbook*> book = app.Workbooks().Open(win::ToWindowsPath(
      std::filesystem::path(KIRV_SOURCE_DIR) / "platform/office/excel/testdata/suite_chart.xlsx"));
  ASSERT_TRUE(book) << book.error().message;
  base::Result<Chart> opened = Chart::Open(**book, "xl/charts/chart1.xml");
  ASSERT_TRUE(opened) << opened.error().message;
  Chart& chart = *opened;
  EXPECT_EQ(*chart.ChartTitle()->Text(), "销售统计");
  ChartFont title = *chart.ChartTitle()->Font();
  EXPECT_EQ(title.name, "Arial");  // no East Asian typeface is set
  EXPECT_EQ(title.colorIndex, 3);
  EXPECT_TRUE(title.bold);
  EXPECT_EQ(*chart.Legend()->Position(), xlLegendPositionBottom);
  EXPECT_EQ(*chart.ChartType(), xlColumnClustered);
  ASSERT_EQ(chart.SeriesCount(), 2);
  Series cost = *chart.SeriesCollection(2);
  EXPECT_EQ(*cost.Name(), "成本");
  EXPECT_EQ(*cost.Values(),
            (std::vector<vb::Variant>{vb::Variant::Double(80.5), vb::Variant::Double(95.25),
                                      vb::Variant::Double(60), vb::Variant::Double(130.75)}));
  EXPECT_EQ((*cost.XValues())[3], vb::Variant::String("四月"));
  EXPECT_EQ(*cost.FormulaR1C1Local(), "=SERIES(Sheet1!R1C3,Sheet1!R2C1:R5C1,Sheet1!R2C3:R5C3,2)");
  Axis value = *chart.Axes(xlValue);
  EXPECT_EQ(*value.TickLabels().NumberFormatLocal(), "#,##0.00");
  EXPECT_EQ(*chart.Axes(xlCategory)->TickLabels().NumberFormatLocal(), "G/通用格式");
  // Values 60 to 200: from 0, 200 and a twentieth of 140 rounded up to steps of 50.
  EXPECT_EQ(*value.MinimumScale(), 0);
  EXPECT_EQ(*value.MaximumScale(), 250);
  EXPECT_EQ(*value.MajorUnit(), 50);
  EXPECT_EQ(*value.CrossesAt(), 0);
  EXPECT_FALSE(*chart.HasDataTable());
}

}  // namespace
}  // namespace excel
