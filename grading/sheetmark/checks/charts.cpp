// Chart checks (the chart half of the system's units excel and excelexp).
#include "grading/sheetmark/checks/charts.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "grading/sheetmark/checks/formats.h"
#include "grading/sheetmark/workbook_helpers.h"
#include "platform/vb/strings.h"

namespace sheetmark {
namespace {

using excel::Chart;
using excel::ChartFont;

// The active chart, or (again) chart ChartNumber of the active sheet activated first.
std::optional<Chart> Active(SheetState& state, bool again = false) {
  if (again) ActivateChart(state);
  base::Result<Chart> chart = ActiveChart(state);
  if (!chart) return std::nullopt;
  return std::move(*chart);
}

// The title of the chart (axis 0) or of an axis.
std::optional<excel::ChartTitle> TitleOf(const Chart& chart, int16_t axis) {
  if (axis == kChartTitleAxis) {
    base::Result<excel::ChartTitle> title = chart.ChartTitle();
    return title ? std::optional(*title) : std::nullopt;
  }
  base::Result<excel::Axis> found = chart.Axes(axis);
  if (!found) return std::nullopt;
  base::Result<excel::ChartTitle> title = found->AxisTitle();
  return title ? std::optional(*title) : std::nullopt;
}

std::optional<ChartFont> TitleFont(const Chart& chart, int16_t axis) {
  std::optional<excel::ChartTitle> title = TitleOf(chart, axis);
  if (!title) return std::nullopt;
  base::Result<ChartFont> font = title->Font();
  return font ? std::optional(*font) : std::nullopt;
}

std::optional<ChartFont> TickLabelFont(const Chart& chart, int16_t axis) {
  base::Result<excel::Axis> found = chart.Axes(axis);
  if (!found) return std::nullopt;
  base::Result<ChartFont> font = found->TickLabels().Font();
  return font ? std::optional(*font) : std::nullopt;
}

int16_t FontCode(const std::optional<ChartFont>& font) {
  return font ? StyleCode(font->bold, font->italic, font->underline) : 0;
}

// "=" and "<>" compare; any other operator fails the rule.
int16_t CompareBy(std::string_view op, int32_t actual, int32_t expected) {
  if (op == "=") return ToTruth(actual == expected);
  if (op == "<>") return ToTruth(actual != expected);
  return engine::kFalse;
}

int32_t ColorIndexOf(const std::optional<ChartFont>& font) {
  return font ? font->colorIndex : 0;
}

std::string NameOf(const std::optional<ChartFont>& font) {
  return font ? font->name : std::string();
}

// A property rounded to 16 bits as CInt rounds it; 0 when out of range.
int16_t Rounded(double value) {
  return vb::CInt(vb::Variant::Double(value)).value_or(0);
}

// Series names are text; an expected number matches the same number written otherwise.
bool SameName(const std::string& actual, const std::string& expected) {
  if (actual == expected) return true;
  base::Result<double> a = vb::CDbl(vb::Variant::String(actual));
  base::Result<double> b = vb::CDbl(vb::Variant::String(expected));
  return a && b && *a == *b;
}

// One range of an expected data source, split as far as it goes: a part that cannot be split
// keeps the previous range's value. Without "!" the whole text is the range (the sheet is kept),
// without ":" the whole range is its end (the start is kept).
struct SourceRange {
  std::string sheet;
  std::string firstColumn;
  int16_t firstRow = 0;
  std::string lastColumn;
  int16_t lastRow = 0;

  // The sheet its cells are read on: a range that never named one is read where the chart is,
  // the sheet in front when its cells are read.
  std::string_view DataSheet(std::string_view chartSheet) const {
    return sheet.empty() ? chartSheet : std::string_view(sheet);
  }
};

void SplitSourceRange(std::string_view text, SourceRange& range) {
  std::string_view cells = text;
  if (const size_t bang = text.find('!'); bang != std::string_view::npos) {
    range.sheet = std::string(text.substr(0, bang));
    cells = text.substr(bang + 1);
  }
  std::string_view last = cells;
  if (const size_t colon = cells.find(':'); colon != std::string_view::npos) {
    SplitCellAddress(cells.substr(0, colon), range.firstColumn, range.firstRow);
    last = cells.substr(colon + 1);
  }
  SplitCellAddress(last, range.lastColumn, range.lastRow);
}

std::string NextColumn(const std::string& column) {
  if (column.empty()) return column;
  return std::string(1, static_cast<char>(column[0] + 1));
}

std::string SeriesFormula(SheetState& state, int16_t k) {
  std::optional<Chart> chart = Active(state);
  if (!chart) return {};
  base::Result<excel::Series> series = chart->SeriesCollection(k);
  if (!series) return {};
  return series->FormulaR1C1Local().value_or(std::string());
}

}  // namespace

std::string SeriesField(std::string_view formula, int index) {
  size_t from = 1;  // the first comma is searched from the second character on
  size_t comma = std::string_view::npos;
  for (int i = 0; i < index; ++i) {
    comma = formula.find(',', from);
    if (comma == std::string_view::npos) return {};
    from = comma + 1;
  }
  const size_t end = formula.find(',', from);
  if (end == std::string_view::npos) return {};
  return std::string(formula.substr(from, end - from));
}

int16_t CheckChartTitle(SheetState& state, std::string_view title) {
  std::string text;
  if (std::optional<Chart> chart = Active(state)) {
    (void)chart->SetHasTitle(true);
    if (std::optional<excel::ChartTitle> found = TitleOf(*chart, kChartTitleAxis))
      text = found->Text().value_or(std::string());
  }
  return ToTruth(text == title);
}

int16_t CheckAxisTitle(SheetState& state, int16_t axis, std::string_view title) {
  std::string text;
  if (std::optional<Chart> chart = Active(state)) {
    (void)chart->SetHasTitle(true);  // the chart's own title, whichever axis is read
    if (std::optional<excel::ChartTitle> found = TitleOf(*chart, axis))
      text = found->Text().value_or(std::string());
  }
  return ToTruth(text == title);
}

int16_t CheckHasLegend(SheetState& state) {
  std::optional<Chart> chart = Active(state);
  return ToTruth(chart && chart->HasLegend().value_or(false));
}

int16_t CheckChartType(SheetState& state, int16_t type) {
  std::optional<Chart> chart = Active(state);
  const int actual = chart ? chart->ChartType().value_or(0) : 0;
  return ToTruth(actual == type);
}

int16_t CheckLegendPosition(SheetState& state, int16_t position) {
  int actual = 0;
  if (std::optional<Chart> chart = Active(state); chart && chart->HasLegend().value_or(false)) {
    if (base::Result<excel::Legend> legend = chart->Legend())
      actual = legend->Position().value_or(0);
  }
  return ToTruth(actual == position);
}

int16_t CheckLegendNames(SheetState& state, std::span<const std::string> names) {
  for (size_t i = 1; i <= names.size(); ++i) {
    std::vector<vb::Variant> values;
    std::string name;
    ReadSeries(state, static_cast<int16_t>(i), values, name);
    const bool listed = std::any_of(names.begin(), names.end(),
                                    [&](const std::string& n) { return SameName(name, n); });
    if (!listed) return engine::kFalse;
  }
  return engine::kTrue;
}

int16_t CheckLegendFontName(SheetState& state, std::string_view name) {
  std::string actual;
  if (std::optional<Chart> chart = Active(state)) {
    if (base::Result<excel::Legend> legend = chart->Legend()) {
      (void)legend->SetAutoScaleFont(true);
      if (base::Result<ChartFont> font = legend->Font()) actual = font->name;
    }
  }
  return ToTruth(actual == name);
}

int16_t CheckDataTable(SheetState& state, int16_t code) {
  int actual = 0;
  if (std::optional<Chart> chart = Active(state); chart && chart->HasDataTable().value_or(false)) {
    actual = 4;
    if (base::Result<excel::ChartDataTable> table = chart->DataTable())
      if (table->ShowLegendKey().value_or(false)) actual += 2;
  }
  return ToTruth(actual == code);
}

int16_t CheckTitleColor(SheetState& state, int16_t axis, std::string_view op, int32_t index) {
  std::optional<Chart> chart = Active(state, true);
  const int32_t actual = chart ? ColorIndexOf(TitleFont(*chart, axis)) : 0;
  return CompareBy(op, actual, index);
}

int16_t CheckTitleFont(SheetState& state, int16_t axis, std::string_view name) {
  std::optional<Chart> chart = Active(state, true);
  return ToTruth((chart ? NameOf(TitleFont(*chart, axis)) : std::string()) == name);
}

int16_t CheckTickLabelFont(SheetState& state, int16_t axis, std::string_view name) {
  std::optional<Chart> chart = Active(state, true);
  return ToTruth((chart ? NameOf(TickLabelFont(*chart, axis)) : std::string()) == name);
}

int16_t CheckTickLabelColor(SheetState& state, int16_t axis, std::string_view op, int32_t index) {
  std::optional<Chart> chart = Active(state, true);
  const int32_t actual = chart ? ColorIndexOf(TickLabelFont(*chart, axis)) : 0;
  return CompareBy(op, actual, index);
}

int16_t CheckTitleStyle(SheetState& state, int16_t axis, int16_t code) {
  std::optional<Chart> chart = Active(state);
  return ToTruth((chart ? FontCode(TitleFont(*chart, axis)) : 0) == code);
}

int16_t CheckTickLabelStyle(SheetState& state, int16_t axis, int16_t code) {
  std::optional<Chart> chart = Active(state, true);
  return ToTruth((chart ? FontCode(TickLabelFont(*chart, axis)) : 0) == code);
}

int16_t CheckLegendStyle(SheetState& state, int16_t code) {
  std::optional<ChartFont> font;
  if (std::optional<Chart> chart = Active(state, true)) {
    if (base::Result<excel::Legend> legend = chart->Legend())
      if (base::Result<ChartFont> read = legend->Font()) font = *read;
  }
  return ToTruth(FontCode(font) == code);
}

int16_t CheckTickLabelFormats(SheetState& state, std::string_view valueFormat,
                              std::string_view categoryFormat) {
  std::string value, category;
  if (std::optional<Chart> chart = Active(state, true)) {
    if (base::Result<excel::Axis> axis = chart->Axes(excel::xlValue))
      value = axis->TickLabels().NumberFormatLocal().value_or(std::string());
    if (base::Result<excel::Axis> axis = chart->Axes(excel::xlCategory))
      category = axis->TickLabels().NumberFormatLocal().value_or(std::string());
  }
  return ToTruth(value == valueFormat && category == categoryFormat);
}

int16_t CheckValueScale(SheetState& state, int16_t minimum, int16_t maximum, int16_t minorUnit,
                        int16_t majorUnit, int16_t crossesAt) {
  int16_t read[5] = {0, 0, 0, 0, 0};
  if (std::optional<Chart> chart = Active(state, true)) {
    if (base::Result<excel::Axis> axis = chart->Axes(excel::xlValue)) {
      if (base::Result<excel::AxisScale> scale = axis->Scale()) {
        read[0] = Rounded(scale->minimum);
        read[1] = Rounded(scale->maximum);
        read[2] = Rounded(scale->minorUnit);
        read[3] = Rounded(scale->majorUnit);
        read[4] = Rounded(scale->crossesAt);
      }
    }
  }
  return ToTruth(read[0] == minimum && read[1] == maximum && read[2] == minorUnit &&
                 read[3] == majorUnit && read[4] == crossesAt);
}

int16_t CheckSourceCategories(SheetState& state, std::string_view sheet,
                              std::string_view reference) {
  EnsureSheet(state, sheet);
  ActivateChart(state);
  return ToTruth(SeriesField(SeriesFormula(state, 1), 1) == reference);
}

int16_t CheckSourceValues(SheetState& state, std::string_view sheet, std::string_view reference,
                          int16_t series) {
  EnsureSheet(state, sheet);
  ActivateChart(state);
  return ToTruth(SeriesField(SeriesFormula(state, series), 2) == reference);
}

int16_t CheckDataSource(SheetState& state, std::string_view chartSheet, std::string_view source) {
  std::string_view text = source;
  if (!text.empty() && text.front() == '=') text.remove_prefix(1);
  std::vector<std::string_view> ranges;
  for (size_t from = 0;;) {
    const size_t comma = text.find(',', from);
    ranges.push_back(text.substr(from, comma - from));
    if (comma == std::string_view::npos) break;
    from = comma + 1;
  }

  SourceRange range;
  SplitSourceRange(ranges[0], range);
  bool holds =
      CompareSeriesXValues(state, range.DataSheet(chartSheet), chartSheet, range.firstColumn,
                           range.firstRow, range.lastColumn, range.lastRow);
  SelectSheet(state, chartSheet);
  if (!holds) return engine::kFalse;
  int16_t k = 0;
  holds = CompareSeriesValues(state, range.DataSheet(chartSheet), chartSheet, k,
                              NextColumn(range.firstColumn), range.firstRow, range.lastColumn,
                              range.lastRow);
  SelectSheet(state, chartSheet);
  if (!holds) return engine::kFalse;
  for (size_t i = 1; i < ranges.size(); ++i) {
    SplitSourceRange(ranges[i], range);
    if (!CompareSeriesValues(state, range.DataSheet(chartSheet), chartSheet, k, range.firstColumn,
                             range.firstRow, range.lastColumn, range.lastRow))
      return engine::kFalse;
  }
  return engine::kTrue;
}

int16_t CheckPlotAreaGradient(SheetState& state, int16_t preset, int16_t style, int16_t variant) {
  excel::ChartFill fill{0, 0, 0, 0, 0};
  if (std::optional<Chart> chart = Active(state, true))
    if (base::Result<excel::ChartFill> read = chart->PlotArea().Fill()) fill = *read;
  return ToTruth(fill.presetGradientType == preset && fill.gradientStyle == style &&
                 fill.gradientVariant == variant);
}

ChartAreaLook ReadChartAreaLook(SheetState& state) {
  ChartAreaLook look;
  std::optional<Chart> chart = Active(state, true);
  if (!chart) return look;
  const excel::ChartFormat area = chart->ChartArea();
  if (base::Result<excel::ChartBorder> border = area.Border()) {
    look.borderColorIndex = static_cast<int16_t>(border->colorIndex);
    look.borderWeight = static_cast<int16_t>(border->weight);
    look.borderLineStyle = static_cast<int16_t>(border->lineStyle);
  }
  look.shadowType = static_cast<int16_t>(area.ShadowType().value_or(0));
  if (base::Result<excel::ChartFill> fill = area.Fill()) {
    look.fillType = static_cast<int16_t>(fill->type);
    if (fill->type == 3) {  // msoFillGradient
      look.gradientOrColorIndex = static_cast<int16_t>(fill->presetGradientType);
      look.gradientStyle = static_cast<int16_t>(fill->gradientStyle);
      look.gradientVariant = static_cast<int16_t>(fill->gradientVariant);
    } else {
      look.gradientOrColorIndex = static_cast<int16_t>(fill->interiorColorIndex);
    }
  }
  return look;
}

int16_t CheckChartAreaLook(SheetState& state, const ChartAreaLook& expected) {
  return ToTruth(ReadChartAreaLook(state) == expected);
}

}  // namespace sheetmark
