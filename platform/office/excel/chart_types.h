// The suite's chart-type number (XlChartType) of a chart group: its element, grouping,
// direction, shape and the first series' markers, lines and explosion.
#pragma once

#include <pugixml.hpp>

#include "platform/base/result.h"

namespace excel::chart {

// The type of `group` (c:barChart, c:lineChart, ...); `plotArea` tells a stock chart with
// volume. Fails for an element that is no chart group the suite knows.
base::Result<int> ChartTypeOf(pugi::xml_node group, pugi::xml_node plotArea);

}  // namespace excel::chart
