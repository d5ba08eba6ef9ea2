// What a drawing object was read with, in the object model's terms, and the readers of the two
// stored forms: DrawingML (drawing_shapes.cpp) and VML (vml_shapes.cpp). Shapes keep these
// values and change them in memory (an anchor set, a group taken apart); the part's XML is
// left as the candidate wrote it, except the text box's story, which is a story of the part.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/color.h"
#include "platform/office/drawingml/fill.h"
#include "platform/office/drawingml/line.h"
#include "platform/office/word/constants.h"

namespace word {

struct WrapData {
  int32_t type = wdWrapFront;  // WdWrapType
  int32_t side = wdWrapBoth;   // WdWrapSideType
  double top = 0;              // points
  double bottom = 0;
  double left = 0;
  double right = 0;
};

// A text frame's insets, points.
struct Margins {
  double left = 7.2;
  double top = 3.6;
  double right = 7.2;
  double bottom = 3.6;
};

struct ShapeData {
  std::string name;
  bool nameFromFile = false;    // false for a name made up by GeneratedName
  int32_t type = msoAutoShape;  // MsoShapeType
  // The run's child the main story indexes as the anchor (w:drawing, w:pict or
  // mc:AlternateContent); a group's children share their group's.
  pugi::xml_node anchorObject;

  // Points from the origin the relative positions name, or WdShapePosition constants.
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  int32_t relativeHorizontal = wdRelativeHorizontalPositionColumn;
  int32_t relativeVertical = wdRelativeVerticalPositionParagraph;

  base::Result<drawingml::Fill> fill = drawingml::Fill{};
  base::Result<drawingml::Line> line = NoLine();
  WrapData wrap;
  bool hasTextFrame = false;  // pictures, lines and groups have none
  base::Result<Margins> margins = Margins{};
  pugi::xml_node textBox;        // w:txbxContent; empty without text
  int32_t pictureColorType = 0;  // MsoPictureColorType; 0 for no picture
  // A group's children, placed on the page in their group's terms (its anchors and wrap).
  std::vector<std::unique_ptr<ShapeData>> children;

  static drawingml::Line NoLine() {
    drawingml::Line line;
    line.fill.kind = drawingml::FillKind::kNone;
    return line;
  }
};

// What a reader needs besides the element: scheme colours resolve through the theme, and
// shapes without a name of their own are numbered on.
struct ShapeReadContext {
  drawingml::Context colors;
  int32_t* unnamed = nullptr;  // the last number given to a shape without a name
};

// The shapes a floating object of the main story stands for: one for a DrawingML anchor (the
// choice of an alternate-content block), one per absolutely placed VML shape of a w:pict.
// Nothing for an inline object or a block whose choice is inline.
std::vector<std::unique_ptr<ShapeData>> ReadFloatingObject(pugi::xml_node object,
                                                           const ShapeReadContext& context);

// The two forms' readers.
std::unique_ptr<ShapeData> ReadDrawingAnchor(pugi::xml_node anchor,
                                             const ShapeReadContext& context);
std::vector<std::unique_ptr<ShapeData>> ReadVmlPicture(pugi::xml_node pict,
                                                       const ShapeReadContext& context);

// A name for a shape the file leaves unnamed: its kind and the next number ("Text Box 4").
std::string GeneratedName(int32_t type, const ShapeReadContext& context);

// True for a Left or Top that is one of the WdShapePosition constants, not an offset.
inline bool IsAligned(double offset) {
  return offset <= static_cast<double>(wdShapeOutside);
}

// Groups nested deeper than this are read as groups without children.
inline constexpr int kMaxGroupDepth = 32;

}  // namespace word
