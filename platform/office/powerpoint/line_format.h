// A shape's outline as the object model's LineFormat reports it: whether a line is drawn, its
// weight, dash, compound style and colour. The line shown is built from the theme line the
// shape's style names (lnRef) with the shape's own a:ln laid over it; a placeholder takes what
// it leaves out from the layout's placeholder, and that from the master's. Colours resolve
// against the slide's theme and colour map.
#pragma once

#include <cstdint>

#include "platform/base/result.h"
#include "platform/office/drawingml/line.h"
#include "platform/office/powerpoint/text_range.h"

namespace powerpoint {

class Shape;

class LineFormat {
 public:
  explicit LineFormat(const drawingml::Line& line) : line_(line) {}

  // msoTrue when a line is drawn, msoFalse for none (a:noFill, or nothing names a line).
  int32_t Visible() const;
  // Points, also for a line that is not drawn (0.75 where nothing sets a width).
  float Weight() const;
  // MsoLineDashStyle (msoLineSolid 1 .. msoLineSysDashDot 12); msoLineDashStyleMixed (-2) for
  // a custom dash of no preset's pattern.
  int32_t DashStyle() const;
  // MsoLineStyle of the compound type: msoLineSingle 1 .. msoLineThickBetweenThin 5.
  int32_t Style() const;
  // The line's colour: its solid colour, a pattern's foreground, a gradient's first stop. Fails
  // not available for a line that is not drawn or is painted with a picture.
  base::Result<ColorFormat> ForeColor() const;

 private:
  drawingml::Line line_;
};

// The line `shape` shows. Fails not available for a group, a graphic frame or a content part,
// unreadable when an a:ln or the theme line it names cannot be read.
base::Result<LineFormat> ReadLineFormat(const Shape& shape);

}  // namespace powerpoint
