// Checks on an embedded chart: title and axis-title texts, the legend, series names and
// sources, chart type, data table, fonts and colours, tick-label formats, the value-axis scale,
// and the fills, border and shadow of the plot and chart areas. EXCELEXISTPIC chooses the chart
// beforehand (ChartNumber); the checks marked "again" activate that chart by name first, the
// others read whichever chart is active. A read the application refuses leaves its value as it
// was (0 or empty text) and the comparison goes on with it, so with no chart active the text
// checks compare an empty text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "grading/sheetmark/state.h"

namespace sheetmark {

// Axis numbers: 1 category, 2 value, 3 series; in the title checks 0 is the chart title.
inline constexpr int16_t kChartTitleAxis = 0;

// Switch the chart's title on (a chart without one gets the default title), then compare the
// chart title's text, or axis 1, 2 or 3's title text.
int16_t CheckChartTitle(SheetState& state, std::string_view title);
int16_t CheckAxisTitle(SheetState& state, int16_t axis, std::string_view title);

int16_t CheckHasLegend(SheetState& state);
int16_t CheckChartType(SheetState& state, int16_t type);
// The legend's position code, 0 when the chart has none.
int16_t CheckLegendPosition(SheetState& state, int16_t position);
// Series 1..n of the active chart each carry one of the expected names, in any order. Names are
// compared as text; two numbers compare by value ("2024" and "2024.0").
int16_t CheckLegendNames(SheetState& state, std::span<const std::string> names);
// Switches the legend's AutoScaleFont on and compares its font name.
int16_t CheckLegendFontName(SheetState& state, std::string_view name);
// 0 without a data table, 4 with one, plus 2 when it shows the legend keys.
int16_t CheckDataTable(SheetState& state, int16_t code);

// Again: the colour index of the chart title (axis 0) or of the axis title, by operator "=" or
// "<>" (any other operator fails).
int16_t CheckTitleColor(SheetState& state, int16_t axis, std::string_view op, int32_t index);
// Again: the font name of the chart title (axis 0) or of the axis title.
int16_t CheckTitleFont(SheetState& state, int16_t axis, std::string_view name);
// Again: the tick labels' font name and colour index of an axis.
int16_t CheckTickLabelFont(SheetState& state, int16_t axis, std::string_view name);
int16_t CheckTickLabelColor(SheetState& state, int16_t axis, std::string_view op, int32_t index);
// 100 bold + 10 italic + the underline style (none: 0) of the chart title (axis 0) or the axis
// title; of the axis's tick labels (again); of the legend (again).
int16_t CheckTitleStyle(SheetState& state, int16_t axis, int16_t code);
int16_t CheckTickLabelStyle(SheetState& state, int16_t axis, int16_t code);
int16_t CheckLegendStyle(SheetState& state, int16_t code);
// Again: the local number formats of the value and the category axes' tick labels.
int16_t CheckTickLabelFormats(SheetState& state, std::string_view valueFormat,
                              std::string_view categoryFormat);
// Again: the value axis's minimum, maximum, minor unit, major unit and crossing point, each
// rounded to 16 bits.
int16_t CheckValueScale(SheetState& state, int16_t minimum, int16_t maximum, int16_t minorUnit,
                        int16_t majorUnit, int16_t crossesAt);

// The sheet selected, the chart again: the category reference of series 1 (X), or the values
// reference of series k (Y), cut out of its SERIES formula in R1C1 form, equals `reference`.
int16_t CheckSourceCategories(SheetState& state, std::string_view sheet,
                              std::string_view reference);
int16_t CheckSourceValues(SheetState& state, std::string_view sheet, std::string_view reference,
                          int16_t series);
// The chart on `chartSheet` draws exactly the expected ranges ("Sheet!$A$1:$C$5,Sheet!$E$1:$E$5",
// with or without "="): the first range's first column its categories, every other column a
// series, numbered on across the further ranges; header rows are not compared.
int16_t CheckDataSource(SheetState& state, std::string_view chartSheet, std::string_view source);

// Again: the plot area's preset gradient type, gradient style and variant.
int16_t CheckPlotAreaGradient(SheetState& state, int16_t preset, int16_t style, int16_t variant);
// Again: the chart area's border colour index, weight and line style, shadow type, fill type, and
// for a gradient its preset type, style and variant, otherwise the interior colour index, 0, 0.
struct ChartAreaLook {
  int16_t borderColorIndex = 0;
  int16_t borderWeight = 0;
  int16_t borderLineStyle = 0;
  int16_t shadowType = 0;
  int16_t fillType = 0;
  int16_t gradientOrColorIndex = 0;
  int16_t gradientStyle = 0;
  int16_t gradientVariant = 0;
  bool operator==(const ChartAreaLook&) const = default;
};
ChartAreaLook ReadChartAreaLook(SheetState& state);
int16_t CheckChartAreaLook(SheetState& state, const ChartAreaLook& expected);

// The SERIES formula field `index` (0 name, 1 categories, 2 values): the text between the
// index-th and the next comma, the first searched from the second character on; "" when a comma
// is missing.
std::string SeriesField(std::string_view formula, int index);

}  // namespace sheetmark
