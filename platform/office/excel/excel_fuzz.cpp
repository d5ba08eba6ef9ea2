// Arbitrary bytes as a workbook file: every sheet is read through the object model (values,
// texts, formulas in both notations, formats, merges, sizes), then edited as the checks edit it
// (copy and paste, auto-filter, auto-fit), the chart "图表 1" of each sheet read and its title
// switched, and saved. Nothing may crash, hang or leak.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/office/excel/application.h"
#include "platform/office/excel/charts.h"
#include "platform/win/paths.h"

namespace {

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    const char* base = std::getenv("KIRV_TEST_TMP");
    std::error_code ec;
    std::filesystem::path dir =
        (base != nullptr ? std::filesystem::path(base) : std::filesystem::current_path(ec)) /
        "excel_fuzz_tmp";
    std::filesystem::create_directories(dir, ec);
    return dir;
  }();
  return folder;
}

void ReadRange(const excel::Range& r) {
  static_cast<void>(r.Value());
  static_cast<void>(r.Text());
  static_cast<void>(r.Formula());
  static_cast<void>(r.FormulaR1C1());
  static_cast<void>(r.NumberFormatLocal());
  static_cast<void>(r.Font().Name());
  static_cast<void>(r.Font().ColorIndex());
  static_cast<void>(r.Font().Underline());
  static_cast<void>(r.Interior().ColorIndex());
  static_cast<void>(r.Interior().PatternColorIndex());
  static_cast<void>(r.Borders(excel::xlEdgeLeft).LineStyle());
  static_cast<void>(r.Borders(excel::xlInsideVertical).Weight());
  static_cast<void>(r.HorizontalAlignment());
  static_cast<void>(r.Orientation());
  static_cast<void>(r.MergeCells());
  static_cast<void>(r.RowHeight());
  static_cast<void>(r.ColumnWidth());
}

void ReadChart(excel::Chart& chart) {
  static_cast<void>(chart.ChartType());
  if (base::Result<excel::ChartTitle> title = chart.ChartTitle()) {
    static_cast<void>(title->Text());
    static_cast<void>(title->Font());
  }
  if (base::Result<excel::Legend> legend = chart.Legend()) {
    static_cast<void>(legend->Position());
    static_cast<void>(legend->Font());
  }
  if (base::Result<excel::ChartDataTable> table = chart.DataTable())
    static_cast<void>(table->ShowLegendKey());
  for (int type = excel::xlCategory; type <= excel::xlSeriesAxis; ++type) {
    base::Result<excel::Axis> axis = chart.Axes(type);
    if (!axis) continue;
    if (base::Result<excel::ChartTitle> title = axis->AxisTitle()) static_cast<void>(title->Font());
    static_cast<void>(axis->TickLabels().Font());
    static_cast<void>(axis->TickLabels().NumberFormatLocal());
    static_cast<void>(axis->MinimumScale());
    static_cast<void>(axis->MajorUnit());
    static_cast<void>(axis->CrossesAt());
  }
  for (int i = 1; i <= chart.SeriesCount() && i <= 4; ++i) {
    base::Result<excel::Series> series = chart.SeriesCollection(i);
    static_cast<void>(series->Name());
    static_cast<void>(series->Values());
    static_cast<void>(series->XValues());
    static_cast<void>(series->FormulaR1C1Local());
  }
  for (const excel::ChartFormat& area : {chart.PlotArea(), chart.ChartArea()}) {
    static_cast<void>(area.Fill());
    static_cast<void>(area.Border());
    static_cast<void>(area.ShadowType());
  }
  static_cast<void>(chart.SetHasTitle(true));
  static_cast<void>(chart.SetHasTitle(false));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path file = Folder() / "in.xlsx";
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  excel::Application app;
  base::Result<excel::Workbook*> book = app.Workbooks().Open(win::ToWindowsPath(file));
  if (!book) return 0;
  for (int s = 1; s <= (*book)->SheetCount() && s <= 4; ++s) {
    excel::Worksheet* sheet = *(*book)->Sheets(s);
    if (!sheet->Select()) continue;
    for (int r = 1; r <= 12; ++r) {
      for (int c = 1; c <= 8; ++c) ReadRange(sheet->Cells(r, c));
    }
    if (base::Result<excel::Range> all = sheet->Range("A1:H12")) ReadRange(*all);
    if (base::Result<excel::Range> block = app.Range("A1:E20")) {
      if (block->Copy() && app.Range("A100")->Select()) static_cast<void>(sheet->Paste());
      static_cast<void>(block->AutoFilter(1, ">1", excel::xlOr, "a*"));
    }
    if (base::Result<excel::Range> columns = sheet->Columns("A:E"))
      static_cast<void>(columns->AutoFitColumns());
    if (base::Result<excel::ChartObject> object = sheet->ChartObjects("图表 1");
        object && object->Activate()) {
      if (base::Result<excel::Chart> chart = app.ActiveChart()) ReadChart(*chart);
    }
  }
  static_cast<void>((*book)->SaveAs(win::ToWindowsPath(Folder() / "out.xlsx")));
  return 0;
}
