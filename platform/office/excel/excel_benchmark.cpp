// Cost of what a spreadsheet task's checks do to a candidate's workbook: open it and read the
// cells and formats a task reads (the table kTaskReads; extend it for new checks), filter and
// copy as the filter check does, fit columns. The candidate is a demo-sized workbook written
// here (60 rows of a score table with fonts, fills, borders, formats, merges and formulas).
//   excel_benchmark                      run the benchmarks
//   excel_benchmark --write <folder>     only write candidate.xlsx there, for other readers
#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>

#include "platform/office/excel/application.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/win/paths.h"

namespace {

using excel::testing::XlsxContent;

const char kStyles[] =
    "<numFmts><numFmt numFmtId='164' formatCode='0.0'/></numFmts>"
    "<fonts><font><sz val='11'/><color theme='1'/><name val='宋体'/></font>"
    "<font><b/><sz val='14'/><color rgb='FFFF0000'/><name val='黑体'/></font>"
    "<font><i/><u/><sz val='11'/><name val='Arial'/></font></fonts>"
    "<fills><fill><patternFill patternType='none'/></fill><fill><patternFill "
    "patternType='gray125'/></fill>"
    "<fill><patternFill patternType='solid'><fgColor rgb='FFFFFF00'/><bgColor "
    "indexed='64'/></patternFill></fill></fills>"
    "<borders><border/><border><left style='thin'/><right style='thin'/><top style='thin'/><bottom "
    "style='thin'/></border></borders>"
    "<cellXfs><xf/><xf fontId='1' fillId='2' borderId='1'><alignment horizontal='center'/></xf>"
    "<xf fontId='2' borderId='1' numFmtId='164'/><xf borderId='1' numFmtId='14'/></cellXfs>";

XlsxContent Candidate() {
  XlsxContent content;
  content.styles = kStyles;
  std::string rows =
      "<row r='1' ht='24' customHeight='1'><c r='A1' s='1' "
      "t='inlineStr'><is><t>成绩表</t></is></c></row>"
      "<row r='2'>";
  const char* heads[] = {"学号", "姓名", "语文", "数学", "英语", "总分", "平均", "日期"};
  for (int c = 0; c < 8; ++c) {
    rows += "<c r='" + excel::testing::CellName(2, c + 1) + "' s='1' t='inlineStr'><is><t>" +
            heads[c] + "</t></is></c>";
  }
  rows += "</row>";
  for (int r = 3; r <= 62; ++r) {
    const std::string n = std::to_string(r);
    rows += "<row r='" + n + "'><c r='A" + n + "' s='2'><v>" + std::to_string(20240000 + r) +
            "</v></c><c r='B" + n + "' s='2' t='inlineStr'><is><t>学生" + n + "</t></is></c>";
    for (char col : {'C', 'D', 'E'}) {
      rows += std::string("<c r='") + col + n + "' s='2'><v>" +
              std::to_string(50 + (r * 7 + col) % 50) + "</v></c>";
    }
    rows += "<c r='F" + n + "' s='2'><f>SUM(C" + n + ":E" + n + ")</f><v>150</v></c>";
    rows += "<c r='G" + n + "' s='2'><f>AVERAGE(C" + n + ":E" + n + ")</f><v>50</v></c>";
    rows += "<c r='H" + n + "' s='3'><v>" + std::to_string(45444 + r) + "</v></c></row>";
  }
  excel::testing::SheetXml sheet = excel::testing::Sheet("成绩", rows);
  sheet.before =
      "<cols><col min='1' max='1' width='12.7109375' customWidth='1'/>"
      "<col min='2' max='2' width='10.7109375' customWidth='1'/></cols>";
  sheet.after = "<mergeCells><mergeCell ref='A1:H1'/></mergeCells>";
  content.sheets = {sheet, excel::testing::Sheet("Sheet2", "")};
  content.definedNames = "<definedName name='Colum1'>成绩!$A$2:$H$62</definedName>";
  return content;
}

// What one task's rules read, as the checks read it: a property of a range of a sheet.
enum class Read {
  Value,
  FontName,
  FontSize,
  FontStyle,
  FontColor,
  Fill,
  Border,
  Align,
  Merge,
  Width,
  Height,
  Format,
  FormulaR1C1
};
struct TaskRead {
  const char* range;
  Read what;
};
const TaskRead kTaskReads[] = {
    {"A1", Read::Value},        {"A1:H1", Read::Merge},     {"A1", Read::FontName},
    {"A1", Read::FontSize},     {"A2:H2", Read::FontStyle}, {"A1", Read::FontColor},
    {"A2:H2", Read::Fill},      {"A2:H62", Read::Border},   {"A2:H2", Read::Align},
    {"A1", Read::Width},        {"B1", Read::Width},        {"A1", Read::Height},
    {"C3:E62", Read::Format},   {"H3", Read::Format},       {"F3", Read::FormulaR1C1},
    {"G10", Read::FormulaR1C1}, {"F62", Read::Value},       {"B30", Read::Value},
    {"H40", Read::Value},       {"C3:C62", Read::FontName},
};

int64_t Perform(excel::Application& app, const TaskRead& read) {
  base::Result<excel::Range> r = app.Range(read.range);
  if (!r) return 0;
  switch (read.what) {
    case Read::Value:
      return r->Value() ? 1 : 0;
    case Read::FontName:
      return r->Font().Name() ? 1 : 0;
    case Read::FontSize:
      return r->Font().Size() ? 1 : 0;
    case Read::FontStyle:
      return r->Font().Bold().value_or(false) + r->Font().Italic().value_or(false) +
             r->Font().Underline().value_or(0);
    case Read::FontColor:
      return r->Font().ColorIndex().value_or(0);
    case Read::Fill:
      return r->Interior().ColorIndex().value_or(0) + r->Interior().Pattern().value_or(0);
    case Read::Border:
      return r->Borders(excel::xlEdgeLeft).LineStyle().value_or(0) +
             r->Borders(excel::xlInsideVertical).Weight().value_or(0);
    case Read::Align:
      return r->HorizontalAlignment().value_or(0);
    case Read::Merge:
      return r->MergeCells().value_or(false);
    case Read::Width:
      return static_cast<int64_t>(r->ColumnWidth().value_or(0));
    case Read::Height:
      return static_cast<int64_t>(r->RowHeight().value_or(0));
    case Read::Format:
      return r->NumberFormatLocal() ? 1 : 0;
    case Read::FormulaR1C1:
      return r->FormulaR1C1() ? 1 : 0;
  }
  return 0;
}

class Candidate : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    tmp_ = std::make_unique<excel::testing::TempFolder>("excel_benchmark");
    if (!excel::testing::WriteXlsx(tmp_->Path() / "candidate.xlsx", ::Candidate())) std::abort();
    file_ = win::ToWindowsPath(tmp_->Path() / "candidate.xlsx");
  }
  void TearDown(const benchmark::State&) override { tmp_.reset(); }

 protected:
  std::unique_ptr<excel::testing::TempFolder> tmp_;
  std::string file_;
};

BENCHMARK_F(Candidate, OpenOnly)(benchmark::State& st) {
  for (auto _ : st) {
    excel::Application app;
    benchmark::DoNotOptimize(app.Workbooks().Open(file_).has_value());
  }
}

BENCHMARK_F(Candidate, OpenAndTaskReads)(benchmark::State& st) {
  for (auto _ : st) {
    excel::Application app;
    if (!app.Workbooks().Open(file_)) st.SkipWithError("open failed");
    int64_t sum = 0;
    for (const TaskRead& read : kTaskReads) sum += Perform(app, read);
    benchmark::DoNotOptimize(sum);
  }
}

BENCHMARK_F(Candidate, OpenFilterAndCopy)(benchmark::State& st) {
  for (auto _ : st) {
    excel::Application app;
    if (!app.Workbooks().Open(file_)) st.SkipWithError("open failed");
    excel::Worksheet* sheet = app.ActiveSheet();
    bool ok = app.Range("a1:z50")->Copy() && app.Range("a100")->Select() && sheet->Paste() &&
              app.Range("Colum1")->Select() && app.Selection()->AutoFilter(3, ">=60") &&
              app.Range("a1:z50")->Copy() && app.Range("a200")->Select() && sheet->Paste();
    for (int r = 100; ok && r <= 130; ++r)
      ok = *sheet->Cells(r, 2).Value() == *sheet->Cells(r + 100, 2).Value();
    benchmark::DoNotOptimize(ok);
  }
}

BENCHMARK_F(Candidate, OpenAndAutoFit)(benchmark::State& st) {
  for (auto _ : st) {
    excel::Application app;
    if (!app.Workbooks().Open(file_)) st.SkipWithError("open failed");
    benchmark::DoNotOptimize(app.Columns("A:H")->AutoFitColumns().has_value());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
    const base::Status written =
        excel::testing::WriteXlsx(std::filesystem::path(argv[2]) / "candidate.xlsx", Candidate());
    if (!written) std::cerr << written.error().message << "\n";
    return written ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
