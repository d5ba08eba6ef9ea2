// What the chart classes share: the chart's elements found by local name, the c:x val="..."
// values the chart part writes everything with, its series in plotting order, the colour
// context (the workbook's theme and the chart's colour map override) and the font levels.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/color.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/excel/chart.h"

namespace excel::chart {

// The c:chartSpace element above any node of the chart part.
pugi::xml_node SpaceOf(pugi::xml_node node);
// c:chartSpace/c:chart and its c:plotArea.
pugi::xml_node ChartOf(pugi::xml_node node);
pugi::xml_node PlotAreaOf(pugi::xml_node node);

// The val attribute of child `local` ("" when either is absent).
std::string_view Val(pugi::xml_node node, std::string_view local);
// A boolean child: nullopt when absent; present without val it is true, as the format says.
std::optional<bool> BoolVal(pugi::xml_node node, std::string_view local);
// A number child; nullopt when absent or unreadable.
std::optional<double> NumberVal(pugi::xml_node node, std::string_view local);

// The chart groups of the plot area (c:barChart, c:lineChart, ...), in document order.
std::vector<pugi::xml_node> Groups(pugi::xml_node plotArea);
// Every c:ser of every group, sorted by c:order (document order among equal orders).
std::vector<pugi::xml_node> AllSeries(pugi::xml_node plotArea);
// A series' c:order (its position when the element is missing: -1).
int OrderOf(pugi::xml_node series);

// The colour context of a chart: the workbook's theme and the chart's c:clrMapOvr when it has
// one. Holds what the context points at, so it is neither copied nor moved.
class Colors {
 public:
  Colors(Workbook* book, pugi::xml_node anyNode);
  Colors(const Colors&) = delete;
  Colors& operator=(const Colors&) = delete;
  const drawingml::Context& Context() const { return context_; }

 private:
  std::optional<drawingml::ColorMap> map_;
  drawingml::Context context_;
};

// The built-in font of an element when no level of the file says more.
struct FontDefaults {
  double size = 10;
  bool bold = false;
};
inline constexpr FontDefaults kTitleDefaults{18, true};
inline constexpr FontDefaults kAxisTitleDefaults{10, true};
inline constexpr FontDefaults kTextDefaults{10, false};

// A chart text's font through the levels: `specific` (a run's rPr, its paragraph's pPr; may be
// empty nodes), the first paragraph of `element`'s c:txPr (or of its c:tx/c:rich when
// `richDefaults`), the chart space's c:txPr, then `defaults`. `text` decides whether the East
// Asian typeface names the font.
base::Result<ChartFont> ResolveFont(Workbook* book, pugi::xml_node element,
                                    const std::vector<pugi::xml_node>& specific,
                                    const FontDefaults& defaults, std::string_view text);

// True when the text holds a CJK character (ideographs, kana, hangul, full-width forms).
bool HasEastAsian(std::string_view text);

// The text of a c:tx (rich runs joined, paragraphs by "\n"; a c:strRef's cached points; a c:v).
std::string TxText(pugi::xml_node tx);

}  // namespace excel::chart
