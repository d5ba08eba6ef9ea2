// The chart-type table: which element and settings make which XlChartType.
#include "platform/office/excel/chart_types.h"

#include <string_view>

#include "platform/office/common/xml_names.h"
#include "platform/office/excel/chart_xml.h"
#include "platform/office/excel/errors.h"

namespace excel::chart {
namespace {

using office::Child;
using office::IsElement;

// By grouping: clustered (or standard), stacked, percentStacked.
struct ByGrouping {
  int clustered;
  int stacked;
  int stacked100;
};

int Pick(const ByGrouping& g, std::string_view grouping) {
  if (grouping == "stacked") return g.stacked;
  if (grouping == "percentStacked") return g.stacked100;
  return g.clustered;
}

pugi::xml_node FirstSeries(pugi::xml_node group) {
  return Child(group, "ser");
}

// Whether the group's first series shows markers: its own c:marker/c:symbol, else the group's
// c:marker (shown when the group says nothing).
bool ShowsMarkers(pugi::xml_node group, bool groupDefault) {
  const pugi::xml_node series = FirstSeries(group);
  const std::string_view symbol = Val(Child(series, "marker"), "symbol");
  if (!symbol.empty()) return symbol != "none";
  return BoolVal(group, "marker").value_or(groupDefault);
}

// Whether the first series' own line is switched off (c:spPr/a:ln/a:noFill).
std::optional<bool> LineHidden(pugi::xml_node group) {
  const pugi::xml_node ln = Child(Child(FirstSeries(group), "spPr"), "ln");
  if (!ln) return std::nullopt;
  return static_cast<bool>(Child(ln, "noFill"));
}

bool AnyExploded(pugi::xml_node group) {
  for (pugi::xml_node s = group.first_child(); s; s = s.next_sibling()) {
    if (IsElement(s, "ser") && NumberVal(s, "explosion").value_or(0) > 0) return true;
  }
  return false;
}

int SeriesCount(pugi::xml_node group) {
  int n = 0;
  for (pugi::xml_node s = group.first_child(); s; s = s.next_sibling()) n += IsElement(s, "ser");
  return n;
}

int BarType(pugi::xml_node group, bool threeD) {
  const bool bar = Val(group, "barDir") == "bar";
  const std::string_view grouping = Val(group, "grouping");
  if (!threeD) return Pick(bar ? ByGrouping{57, 58, 59} : ByGrouping{51, 52, 53}, grouping);
  // The shape of the group, else of its first series.
  std::string_view shape = Val(group, "shape");
  if (shape.empty()) shape = Val(FirstSeries(group), "shape");
  const bool standard = grouping == "standard";
  if (shape == "cylinder") {
    return standard ? 98 : Pick(bar ? ByGrouping{95, 96, 97} : ByGrouping{92, 93, 94}, grouping);
  }
  if (shape == "cone" || shape == "coneToMax") {
    return standard ? 105
                    : Pick(bar ? ByGrouping{102, 103, 104} : ByGrouping{99, 100, 101}, grouping);
  }
  if (shape == "pyramid" || shape == "pyramidToMax") {
    return standard ? 112
                    : Pick(bar ? ByGrouping{109, 110, 111} : ByGrouping{106, 107, 108}, grouping);
  }
  if (standard) return bar ? 60 : -4100;
  return Pick(bar ? ByGrouping{60, 61, 62} : ByGrouping{54, 55, 56}, grouping);
}

int ScatterType(pugi::xml_node group) {
  const std::string_view style = Val(group, "scatterStyle");
  const bool smooth =
      BoolVal(FirstSeries(group), "smooth").value_or(style == "smooth" || style == "smoothMarker");
  const bool markers = ShowsMarkers(group, style != "line" && style != "smooth");
  const bool lines = !LineHidden(group).value_or(style == "marker" || style == "none");
  if (!lines) return -4169;
  if (smooth) return markers ? 72 : 73;
  return markers ? 74 : 75;
}

}  // namespace

base::Result<int> ChartTypeOf(pugi::xml_node group, pugi::xml_node plotArea) {
  const std::string_view name = office::LocalName(group.name());
  const std::string_view grouping = Val(group, "grouping");
  if (name == "barChart") return BarType(group, false);
  if (name == "bar3DChart") return BarType(group, true);
  if (name == "lineChart") {
    return ShowsMarkers(group, true) ? Pick({65, 66, 67}, grouping) : Pick({4, 63, 64}, grouping);
  }
  if (name == "line3DChart") return -4101;
  if (name == "pieChart") return AnyExploded(group) ? 69 : 5;
  if (name == "pie3DChart") return AnyExploded(group) ? 70 : -4102;
  if (name == "ofPieChart") return Val(group, "ofPieType") == "bar" ? 71 : 68;
  if (name == "doughnutChart") return AnyExploded(group) ? 80 : -4120;
  if (name == "scatterChart") return ScatterType(group);
  if (name == "areaChart") return Pick({1, 76, 77}, grouping);
  if (name == "area3DChart") return Pick({-4098, 78, 79}, grouping);
  if (name == "radarChart") {
    const std::string_view style = Val(group, "radarStyle");
    if (style == "filled") return 82;
    return ShowsMarkers(group, style == "marker") ? 81 : -4151;
  }
  if (name == "bubbleChart") {
    const bool threeD = BoolVal(group, "bubble3D").value_or(false) ||
                        BoolVal(FirstSeries(group), "bubble3D").value_or(false);
    return threeD ? 87 : 15;
  }
  if (name == "stockChart") {
    // With volume the chart also has a column group.
    const bool volume = static_cast<bool>(Child(plotArea, "barChart"));
    const bool open = SeriesCount(group) >= 4;
    return volume ? (open ? 91 : 90) : (open ? 89 : 88);
  }
  if (name == "surface3DChart") return BoolVal(group, "wireframe").value_or(false) ? 84 : 83;
  if (name == "surfaceChart") return BoolVal(group, "wireframe").value_or(false) ? 86 : 85;
  return Failed("the chart group \"", name, "\" has no chart type");
}

}  // namespace excel::chart
