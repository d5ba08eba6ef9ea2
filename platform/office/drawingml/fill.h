// DrawingML fills (noFill, solidFill, gradFill, pattFill, blipFill, grpFill) read into one value
// type, whether they stand in a shape's properties, a line, a text run or a theme's style
// matrix. A shape whose properties name no fill takes it from its style reference (fillRef),
// which ResolveStyleFill reads. The object models' numbers for these are in codes.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/color.h"

namespace drawingml {

enum class FillKind : uint8_t {
  kNone,  // noFill: nothing is painted
  kSolid,
  kGradient,
  kPattern,
  kPicture,  // blipFill: stretched, or tiled (a texture)
  kGroup,    // grpFill: the enclosing group's fill, which the caller supplies
};

struct GradientStop {
  double position = 0;  // 0..1 along the gradient
  Color color;
};

// How a gradient runs: along a straight line at `angle`, or outward from a focus rectangle.
enum class GradientPath : uint8_t { kLinear, kCircle, kRect, kShape };

// Fractions of the shape's box inset from each side (fillToRect, tileRect).
struct RelativeRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

struct Fill {
  FillKind kind = FillKind::kNone;
  // Solid: the colour. Pattern: the foreground. Gradient: the first stop. Picture: unset.
  Color color;
  // Pattern: the background. Gradient: the last stop.
  Color background;

  // Gradient.
  std::vector<GradientStop> stops;  // by position
  GradientPath path = GradientPath::kLinear;
  double angle = 0;  // degrees clockwise from left-to-right, linear gradients
  bool scaled = false;
  RelativeRect focus;  // fillToRect of path gradients
  bool rotateWithShape = false;

  // Pattern: the preset name ("pct5", "dkHorz", ...).
  std::string pattern;

  // Picture: the relationship id of the image (r:embed, or r:link for a linked one), whether
  // it is linked, and whether it is tiled (a texture) rather than stretched.
  std::string imageRelationship;
  bool imageLinked = false;
  bool tiled = false;

  // The object models' `Fill.Visible`: something is painted.
  bool Visible() const { return kind != FillKind::kNone; }
};

// True for one of the six fill elements.
bool IsFillElement(pugi::xml_node node);
// The first fill element among `parent`'s children (spPr, ln, rPr, bg properties, ...).
pugi::xml_node FindFillElement(pugi::xml_node parent);

// Reads a fill element itself. Unreadable colours or numbers are errors (kMalformed).
base::Result<Fill> ReadFillElement(pugi::xml_node fillElement, const Context& context);
// Reads the fill among `parent`'s children; kMissing when there is none, so the caller can fall
// back to a style reference or an inherited fill.
base::Result<Fill> ReadFill(pugi::xml_node parent, const Context& context);

// The theme fill a fillRef (or bgRef) names, its "phClr" standing for the reference's colour:
// idx 0 is no fill, 1.. the theme's fill styles, 1001.. its background fills. kMissing when
// the reference is absent; an error when there is no theme or no such entry.
base::Result<Fill> ResolveStyleFill(pugi::xml_node fillRef, const Context& context);

// The colour elements behind a fill element's `color` and `background` (a solid fill's colour,
// a pattern's fgClr / bgClr colour, a gradient's first / last stop by position); empty where
// the fill has none. The object models report a scheme colour from them.
pugi::xml_node ForeColorElement(pugi::xml_node fillElement);
pugi::xml_node BackColorElement(pugi::xml_node fillElement);

// A grpFill replaced by the group's fill; any other fill unchanged.
Fill ResolveGroupFill(const Fill& fill, const Fill& groupFill);

}  // namespace drawingml
