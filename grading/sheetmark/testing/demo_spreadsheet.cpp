// The demo spreadsheet task's workbooks.
#include "grading/sheetmark/testing/demo_spreadsheet.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "platform/office/excel/application.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/paths.h"

namespace demo {
namespace {

namespace fs = std::filesystem;
using excel::testing::XlsxContent;

struct Pupil {
  const char* name;
  int chinese, maths, english;
  int Total() const { return chinese + maths + english; }
};

constexpr Pupil kPupils[] = {
    {"张明", 88, 92, 79}, {"李华", 76, 95, 85}, {"王芳", 91, 85, 93}, {"赵强", 65, 72, 70},
    {"陈静", 82, 90, 86}, {"刘洋", 70, 98, 75}, {"杨柳", 95, 88, 91}, {"黄磊", 58, 66, 62},
    {"周敏", 87, 93, 84}, {"吴迪", 73, 80, 77},
};
constexpr const char* kHeads[] = {"姓名", "语文", "数学", "英语", "总分"};
constexpr const char* kSheet = "成绩表";

// Default font 宋体 11; 1 the bold 12-point heading with borders, 2 a name with borders, 3 a
// mark with borders and one decimal.
constexpr const char* kStyles =
    "<numFmts count='1'><numFmt numFmtId='164' formatCode='0.0'/></numFmts>"
    "<fonts count='2'><font><sz val='11'/><name val='宋体'/><charset val='134'/></font>"
    "<font><b/><sz val='12'/><name val='宋体'/><charset val='134'/></font></fonts>"
    "<fills count='2'><fill><patternFill patternType='none'/></fill>"
    "<fill><patternFill patternType='gray125'/></fill></fills>"
    "<borders count='2'><border><left/><right/><top/><bottom/><diagonal/></border>"
    "<border><left style='thin'><color indexed='64'/></left><right style='thin'><color "
    "indexed='64'/></right><top style='thin'><color indexed='64'/></top><bottom "
    "style='thin'><color indexed='64'/></bottom><diagonal/></border></borders>"
    "<cellStyleXfs count='1'><xf numFmtId='0' fontId='0' fillId='0' borderId='0'/></cellStyleXfs>"
    "<cellXfs count='4'><xf numFmtId='0' fontId='0' fillId='0' borderId='0' xfId='0'/>"
    "<xf numFmtId='0' fontId='1' fillId='0' borderId='1' xfId='0' applyFont='1' "
    "applyBorder='1'/>"
    "<xf numFmtId='0' fontId='0' fillId='0' borderId='1' xfId='0' applyBorder='1'/>"
    "<xf numFmtId='164' fontId='0' fillId='0' borderId='1' xfId='0' applyNumberFormat='1' "
    "applyBorder='1'/></cellXfs>";

// Step 9's chart: the totals by name, as a clustered column chart titled 总分统计 with its
// legend at the bottom, drawn from the sorted table.
constexpr const char* kChartTitle = "总分统计";
constexpr const char* kChartSource = "成绩表!$A$1:$A$11,成绩表!$E$1:$E$11";

std::string TotalsChart(char column) {
  const std::string c(1, column);
  return std::string(
             "<c:chartSpace xmlns:c='http://schemas.openxmlformats.org/drawingml/2006/chart' "
             "xmlns:a='http://schemas.openxmlformats.org/drawingml/2006/main' "
             "xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships'>"
             "<c:chart><c:title><c:tx><c:rich><a:bodyPr/><a:p><a:r><a:t>") +
         kChartTitle +
         "</a:t></a:r></a:p></c:rich></c:tx><c:overlay val='0'/></c:title>"
         "<c:autoTitleDeleted val='0'/><c:plotArea><c:barChart><c:barDir val='col'/>"
         "<c:grouping val='clustered'/><c:varyColors val='0'/><c:ser><c:idx val='0'/>"
         "<c:order val='0'/><c:tx><c:strRef><c:f>成绩表!$" +
         c +
         "$1</c:f></c:strRef></c:tx>"
         "<c:cat><c:strRef><c:f>成绩表!$A$2:$A$11</c:f></c:strRef></c:cat>"
         "<c:val><c:numRef><c:f>成绩表!$" +
         c + "$2:$" + c +
         "$11</c:f></c:numRef></c:val></c:ser>"
         "<c:gapWidth val='150'/><c:axId val='1'/><c:axId val='2'/></c:barChart>"
         "<c:catAx><c:axId val='1'/><c:scaling><c:orientation val='minMax'/></c:scaling>"
         "<c:delete val='0'/><c:axPos val='b'/><c:crossAx val='2'/></c:catAx>"
         "<c:valAx><c:axId val='2'/><c:scaling><c:orientation val='minMax'/></c:scaling>"
         "<c:delete val='0'/><c:axPos val='l'/><c:crossAx val='1'/></c:valAx></c:plotArea>"
         "<c:legend><c:legendPos val='b'/><c:overlay val='0'/></c:legend>"
         "<c:plotVisOnly val='0'/></c:chart></c:chartSpace>";
}

constexpr const char* kColum1 = "<definedName name='Colum1'>成绩表!$A$1:$E$11</definedName>";

std::string Cell(const std::string& ref, int style, const std::string& body) {
  return "<c r='" + ref + "'" + (style != 0 ? " s='" + std::to_string(style) + "'" : "") + body +
         "</c>";
}
std::string Text(const std::string& ref, int style, std::vector<std::string>& shared,
                 const std::string& text) {
  auto at = std::find(shared.begin(), shared.end(), "<t>" + text + "</t>");
  if (at == shared.end()) at = shared.insert(shared.end(), "<t>" + text + "</t>");
  return Cell(ref, style, " t='s'><v>" + std::to_string(at - shared.begin()) + "</v>");
}
std::string Number(const std::string& ref, int style, int value) {
  return Cell(ref, style, "><v>" + std::to_string(value) + "</v>");
}

// The table of 成绩表 (and of its copy): the pupils in the given order; totals as formulas
// with their values, as plain values, or left out.
enum class Totals { None, Formulas, Values };
std::string Table(const std::vector<Pupil>& pupils, Totals totals, bool styled,
                  std::vector<std::string>& shared) {
  const int head = styled ? 1 : 0, name = styled ? 2 : 0, mark = styled ? 3 : 0;
  std::string rows = "<row r='1'>";
  for (int c = 0; c < 5; ++c)
    rows += Text(excel::testing::CellName(1, c + 1), head, shared, kHeads[c]);
  rows += "</row>";
  for (size_t i = 0; i < pupils.size(); ++i) {
    const int r = static_cast<int>(i) + 2;
    const std::string n = std::to_string(r);
    const Pupil& p = pupils[i];
    rows += "<row r='" + n + "'>" + Text("A" + n, name, shared, p.name) +
            Number("B" + n, mark, p.chinese) + Number("C" + n, mark, p.maths) +
            Number("D" + n, mark, p.english);
    if (totals == Totals::Formulas) {
      rows += Cell("E" + n, mark,
                   "><f>SUM(B" + n + ":D" + n + ")</f><v>" + std::to_string(p.Total()) + "</v>");
    } else if (totals == Totals::Values) {
      rows += Number("E" + n, mark, p.Total());
    }
    rows += "</row>";
  }
  return rows;
}

}  // namespace

base::Status WriteStartingWorkbook(const fs::path& file) {
  XlsxContent content;
  content.styles = kStyles;
  content.sheets = {excel::testing::Sheet(
      kSheet,
      Table({std::begin(kPupils), std::end(kPupils)}, Totals::None, false, content.sharedStrings))};
  content.definedNames = kColum1;
  return excel::testing::WriteXlsx(file, content);
}

base::Status WriteSpreadsheetAnswer(const fs::path& file) {
  const std::string top = std::to_string(
      std::max_element(std::begin(kPupils), std::end(kPupils), [](const Pupil& a, const Pupil& b) {
        return a.Total() < b.Total();
      })->Total());
  const std::vector<std::vector<std::string>> rows = {
      {"filename", kSpreadsheetWorkbook, "", std::to_string(kSpreadsheetFullMarks)},
      {"EXCELFORMULATION", kSheet, "E2", "E2", "SUM(RC[-3]:RC[-1])", "or", "EXCELFORMULATION",
       kSheet, "E2", "E2", "RC[-3]+RC[-2]+RC[-1]", "10", "总分用公式计算"},
      {"EXCELEXISTDATA", kSheet, "E2", top, "10", "总分计算正确"},
      {"EXCELFONTBOLDITALICUNDERLINE", kSheet, "A1:E1", "100", "and", "EXCELFONTSIZE", kSheet,
       "A1:E1", "12", "10", "标题行加粗、12 磅"},
      {"EXCELSORT", kSheet, "5", "2", "11", "False", "10", "按总分降序排列"},
      {"EXCELBIANKUANGWAI", kSheet, "A1:E11", "1", "2", "-4105", "and", "EXCELBIANKUANGNEI", kSheet,
       "A1:E11", "1", "2", "-4105", "10", "细实线边框"},
      {"EXCELCELLFORMAT", kSheet, "B2:E11", "0.0", "10", "保留 1 位小数"},
      {"EXCELISSHEETCOPY", kSheet, "1", "11", "1", "5", "备份", "10", "复制到工作表“备份”"},
      {"EXCELCOLUMNSAUTOFIT", kSheet, "A:E", "True", "10", "自动调整列宽"},
      {"EXCELEXISTPIC", kSheet, "and", "GETEXCELPICCHARTTITLE", kChartTitle, "and",
       "EXCELPICCHARTTYPE", "51", "and", "EXCELPICLEGEND", "-4107", "and", "EXCELDATASOURCECORRECT",
       kSheet, kChartSource, "10", "插入总分的簇状柱形图"},
      // A row is read up to its first empty cell after the sixth: the unused cells say "none".
      {"EXCELAUTOFILTER", kSheet, "C", ">=90", "none", "none", "none", "none", "10",
       "筛选数学成绩大于或等于 90 的记录"},
      {"END"},
  };
  XlsxContent content;
  content.sheets = {excel::testing::StringSheet("Sheet1", rows, content.sharedStrings)};
  return excel::testing::WriteXlsx(file, content);
}

base::Status WriteSolvedWorkbook(const fs::path& file, char chartColumn) {
  std::vector<Pupil> sorted(std::begin(kPupils), std::end(kPupils));
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Pupil& a, const Pupil& b) { return a.Total() > b.Total(); });
  XlsxContent content;
  content.styles = kStyles;
  excel::testing::SheetXml table =
      excel::testing::Sheet(kSheet, Table(sorted, Totals::Formulas, true, content.sharedStrings));
  content.sheets = {table, excel::testing::Sheet(
                               "备份", Table(sorted, Totals::Values, true, content.sharedStrings))};
  content.definedNames = kColum1;
  if (chartColumn != 0) excel::testing::AddChart(content, 0, "图表 1", TotalsChart(chartColumn));
  // Written as it stands, then filtered and fitted by the object model as the suite would do.
  const fs::path draft = fs::path(file).concat(".draft");
  if (base::Status written = excel::testing::WriteXlsx(draft, content); !written) return written;
  base::Status done = [&]() -> base::Status {
    excel::Application app;
    base::Result<excel::Workbook*> book = app.Workbooks().Open(win::ToWindowsPath(draft));
    if (!book) return book.error();
    base::Result<excel::Range> area = app.Range("Colum1");
    if (!area) return area.error();
    if (base::Status filtered = area->AutoFilter(3, ">=90"); !filtered) return filtered;
    base::Result<excel::Range> columns = app.Columns("A:E");
    if (!columns) return columns.error();
    if (base::Status fitted = columns->AutoFitColumns(); !fitted) return fitted;
    return (*book)->SaveAs(win::ToWindowsPath(file));
  }();
  std::error_code ec;
  fs::remove(draft, ec);
  return done;
}

}  // namespace demo
