// What a drawing object reports about its look and its place in the text: the outline (its fill
// is background.h's FillFormat), how text wraps around it, its text frame (margins and the text
// box's own story) and a picture's colour mode. Each is a small handle on a shape of an open
// document, read through the values the shape was read with (shape_data.h); every read returns a
// base::Result.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/base/result.h"
#include "platform/office/word/background.h"
#include "platform/office/word/range.h"

namespace word {

class Shape;

// ForeColor / BackColor of a fill or a line: the automation colour value, red in the low byte.
class ColorFormat {
 public:
  explicit ColorFormat(base::Result<int32_t> rgb) : rgb_(std::move(rgb)) {}
  base::Result<int32_t> RGB() const { return rgb_; }

 private:
  base::Result<int32_t> rgb_;
};

class LineFormat {
 public:
  explicit LineFormat(const Shape& shape) : shape_(&shape) {}
  base::Result<int32_t> Visible() const;    // kTrue / kFalse
  base::Result<double> Weight() const;      // points
  base::Result<int32_t> Style() const;      // MsoLineStyle
  base::Result<int32_t> DashStyle() const;  // MsoLineDashStyle
  ColorFormat ForeColor() const;
  // A patterned line's background; white otherwise.
  ColorFormat BackColor() const;

 private:
  const Shape* shape_;
};

class WrapFormat {
 public:
  explicit WrapFormat(const Shape& shape) : shape_(&shape) {}
  base::Result<int32_t> Type() const;  // WdWrapType
  base::Result<int32_t> Side() const;  // WdWrapSideType
  // Points between the shape and the text around it.
  base::Result<double> DistanceTop() const;
  base::Result<double> DistanceBottom() const;
  base::Result<double> DistanceLeft() const;
  base::Result<double> DistanceRight() const;

 private:
  const Shape* shape_;
};

class TextFrame {
 public:
  explicit TextFrame(Shape& shape) : shape_(&shape) {}
  // Points between the shape's edges and its text. A picture or a line has no text frame
  // (4605).
  base::Result<double> MarginTop() const;
  base::Result<double> MarginBottom() const;
  base::Result<double> MarginLeft() const;
  base::Result<double> MarginRight() const;
  // kTrue when the text box holds more than its last paragraph mark; kFalse for a shape
  // without a text box.
  base::Result<int32_t> HasText() const;
  // The whole of the text box's own story (wdTextFrameStory), a range like any other: Find,
  // Copy, Collapse and WholeStory work on it. A shape without a text box fails (4605).
  base::Result<word::Range> TextRange() const;

 private:
  Shape* shape_;
};

class PictureFormat {
 public:
  explicit PictureFormat(const Shape& shape) : shape_(&shape) {}
  // MsoPictureColorType of a picture (or a shape filled with one); 4605 for other shapes.
  base::Result<int32_t> ColorType() const;

 private:
  const Shape* shape_;
};

}  // namespace word
