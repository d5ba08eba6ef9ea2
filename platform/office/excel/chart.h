// The chart model: an embedded chart's part (c:chartSpace) as the spreadsheet object model hands
// it out to the checks. Every class is a cheap handle over the part's tree, which the package
// keeps parsed while the workbook is open; reads walk a few nodes, edits (a title switched on,
// the legend's auto-scaled font) change the tree in memory and are never saved unless the
// workbook is. Colours, fills, lines, shadows and text properties are read and resolved by
// platform/office/drawingml; this folder decides which elements and which levels apply.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/vb/variant.h"

namespace excel {

class Workbook;

// The object model's numbers the chart reads answer with.
enum : int {
  // Axis types (Axes(n))
  xlCategory = 1,
  xlValue = 2,
  xlSeriesAxis = 3,
  // Legend positions
  xlLegendPositionBottom = -4107,
  xlLegendPositionCorner = 2,
  xlLegendPositionCustom = -4161,
  xlLegendPositionLeft = -4131,
  xlLegendPositionRight = -4152,
  xlLegendPositionTop = -4160,
  // A few chart types (the whole table is in chart_types.cpp)
  xlColumnClustered = 51,
  xlBarClustered = 57,
  xlLine = 4,
  xlPie = 5,
  xlXYScatter = -4169,
};

// A chart text's font, every property resolved through the levels that apply to it (the run,
// the element's txPr, the chart's txPr, the suite's defaults).
struct ChartFont {
  std::string name;
  double size = 10;
  bool bold = false;
  bool italic = false;
  int underline = -4142;  // xlUnderlineStyleNone, xlUnderlineStyleSingle 2, ...Double -4119
  int32_t color = 0;      // 0xBBGGRR
  int colorIndex = 1;     // nearest entry of the 56-colour palette
};

// The chart title or an axis title.
class ChartTitle {
 public:
  ChartTitle(Workbook* book, pugi::xml_node title) : book_(book), title_(title) {}
  // The title the suite shows for a chart without a c:title element (its only series' name).
  ChartTitle(Workbook* book, pugi::xml_node title, pugi::xml_node chart)
      : book_(book), title_(title), chart_(chart) {}
  // Characters.Text: the rich text's runs joined (paragraphs by "\n"), or the cached text of
  // a title linked to a cell.
  base::Result<std::string> Text() const;
  base::Result<ChartFont> Font() const;

 private:
  Workbook* book_;
  pugi::xml_node title_;
  pugi::xml_node chart_;  // c:chart when title_ is empty
};

class TickLabels {
 public:
  TickLabels(Workbook* book, pugi::xml_node axis) : book_(book), axis_(axis) {}
  base::Result<ChartFont> Font() const;
  // The axis's number format: its own numFmt, or the source data's when linked ("General" when
  // nothing says more); the local form through the workbook's local format table.
  base::Result<std::string> NumberFormat() const;
  base::Result<std::string> NumberFormatLocal() const;

 private:
  Workbook* book_;
  pugi::xml_node axis_;
};

// A value axis's scale, all five numbers the scale members report.
struct AxisScale {
  double minimum = 0;
  double maximum = 1;
  double majorUnit = 0.2;
  double minorUnit = 0.04;
  double crossesAt = 0;
};

class Axis {
 public:
  Axis(Workbook* book, pugi::xml_node axis, pugi::xml_node plotArea)
      : book_(book), axis_(axis), plotArea_(plotArea) {}
  int Type() const;
  base::Result<bool> HasTitle() const;
  // Fails when the axis has no title.
  base::Result<excel::ChartTitle> AxisTitle() const;
  excel::TickLabels TickLabels() const { return excel::TickLabels(book_, axis_); }
  // Value-axis scale: the explicit value when the file holds one, else the suite's automatic
  // choice from the plotted values (see the README for the rule and where it is approximate).
  // Scale() works the plotted values out once for all five.
  base::Result<AxisScale> Scale() const;
  base::Result<double> MinimumScale() const;
  base::Result<double> MaximumScale() const;
  base::Result<double> MajorUnit() const;
  base::Result<double> MinorUnit() const;
  // Where the crossing axis crosses this one: crossesAt, else the minimum (autoZero: 0 when the
  // scale spans it).
  base::Result<double> CrossesAt() const;

 private:
  Workbook* book_;
  pugi::xml_node axis_;
  pugi::xml_node plotArea_;
};

class Legend {
 public:
  Legend(Workbook* book, pugi::xml_node legend) : book_(book), legend_(legend) {}
  // xlLegendPositionRight, ...; a manual layout is xlLegendPositionCustom.
  base::Result<int> Position() const;
  base::Result<ChartFont> Font() const;
  base::Status SetAutoScaleFont(bool on);

 private:
  Workbook* book_;
  pugi::xml_node legend_;
};

class Series {
 public:
  Series(Workbook* book, pugi::xml_node series) : book_(book), series_(series) {}
  // The name: the cell it refers to, else its literal text, else "系列n" (n its order + 1).
  base::Result<std::string> Name() const;
  // The plotted values, read from the cells the reference names (numbers as doubles; text and
  // empty cells as empty values), else from the cached or literal points.
  base::Result<std::vector<vb::Variant>> Values() const;
  // The category values: the referenced cells' values as the cells hold them (text, numbers,
  // dates), else the cache; without categories 1, 2, 3, ...
  base::Result<std::vector<vb::Variant>> XValues() const;
  // "=SERIES(name,categories,values,order)" in A1 form, and in R1C1 form with the local list
  // separator (",").
  base::Result<std::string> Formula() const;
  base::Result<std::string> FormulaR1C1Local() const;

 private:
  Workbook* book_;
  pugi::xml_node series_;
};

class ChartDataTable {
 public:
  explicit ChartDataTable(pugi::xml_node table) : table_(table) {}
  base::Result<bool> ShowLegendKey() const;

 private:
  pugi::xml_node table_;
};

// What PresetGradientType answers for every gradient: the file stores a preset gradient as its
// stops, and the suites' preset stop tables are not public, so none is recognised.
inline constexpr int kUnrecognisedPresetGradient = 0;

// A chart element's fill as Fill.Type and its gradient numbers report it.
struct ChartFill {
  int type = -4105;                // MsoFillType, xlNone -4142, xlAutomatic -4105
  int presetGradientType = 0;      // see the README: preset gradients are not recognised
  int gradientStyle = 0;           // MsoGradientStyle, 0 when not a gradient
  int gradientVariant = 0;         // 1..4, 0 when not a gradient
  int interiorColorIndex = -4142;  // Interior.ColorIndex: the solid colour's nearest index
};

struct ChartBorder {
  int colorIndex = -4105;  // xlAutomatic when the line has no colour of its own
  int weight = 2;          // xlHairline 1, xlThin 2, xlMedium -4138, xlThick 4
  int lineStyle = 1;       // xlContinuous 1, ..., xlLineStyleNone -4142
};

// The plot area or the chart area.
class ChartFormat {
 public:
  ChartFormat(Workbook* book, pugi::xml_node properties) : book_(book), properties_(properties) {}
  base::Result<ChartFill> Fill() const;
  base::Result<ChartBorder> Border() const;
  // Format.Shadow.Type: MsoShadowType, or 0 without a shadow.
  base::Result<int> ShadowType() const;

 private:
  Workbook* book_;
  pugi::xml_node properties_;  // the element that holds c:spPr (c:chartSpace or c:plotArea)
};

class Chart {
 public:
  // The chart in `part` of the workbook's package; fails when the part is missing or is no
  // chart.
  static base::Result<Chart> Open(Workbook& book, std::string_view part);

  Workbook& Parent() const { return *book_; }

  base::Result<bool> HasTitle() const;
  // Switching the title on gives a chart without one the suite's default title: the only
  // series' name, else "图表标题".
  base::Status SetHasTitle(bool on);
  base::Result<excel::ChartTitle> ChartTitle() const;
  // Axes(xlCategory), Axes(xlValue), Axes(xlSeriesAxis) of the primary group; fails when the
  // chart has no such axis (a pie has none).
  base::Result<Axis> Axes(int type) const;
  base::Result<bool> HasLegend() const;
  base::Result<excel::Legend> Legend() const;
  // The series in plotting order, counted from 1 across every chart group.
  int SeriesCount() const;
  base::Result<Series> SeriesCollection(int index) const;
  // XlChartType of the first chart group, through the suite's chart-type table.
  base::Result<int> ChartType() const;
  base::Result<bool> HasDataTable() const;
  base::Result<ChartDataTable> DataTable() const;
  ChartFormat PlotArea() const;
  ChartFormat ChartArea() const;

 private:
  Chart(Workbook& book, pugi::xml_node chartSpace, std::string part)
      : book_(&book), space_(chartSpace), part_(std::move(part)) {}
  Workbook* book_;
  pugi::xml_node space_;  // c:chartSpace
  std::string part_;
};

}  // namespace excel
