// The charts embedded in a worksheet, found by the names the suite gives their frames ("图表 1")
// in the sheet's drawing part, and activating one (Application.ActiveChart then names its
// part). The chart's own contents belong to the chart model built on this.
#pragma once

#include <string>

#include "platform/base/result.h"

namespace excel {

class Worksheet;

class ChartObject {
 public:
  ChartObject(Worksheet& sheet, std::string name, std::string chartPart)
      : sheet_(&sheet), name_(std::move(name)), chartPart_(std::move(chartPart)) {}

  const std::string& Name() const { return name_; }
  // The chart part ("xl/charts/chart1.xml"); empty for a frame that holds no chart.
  const std::string& ChartPart() const { return chartPart_; }
  Worksheet& Parent() const { return *sheet_; }
  // Makes the chart the application's active chart; a frame without a chart fails.
  base::Status Activate() const;

 private:
  Worksheet* sheet_;
  std::string name_;
  std::string chartPart_;
};

}  // namespace excel
