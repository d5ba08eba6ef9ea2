// DrawingML lines (a:ln): width, fill, dash, compound type, caps, joins and arrowheads. A shape's
// line is often split between its style reference (lnRef: a theme line) and its own a:ln that
// changes a few attributes; ReadLine lays an a:ln over a base line to give the line shown.
#pragma once

#include <cstdint>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/fill.h"

namespace drawingml {

enum class DashStyle : uint8_t {
  kSolid,
  kDot,
  kDash,
  kLongDash,
  kDashDot,
  kLongDashDot,
  kLongDashDotDot,
  kSystemDash,
  kSystemDot,
  kSystemDashDot,
  kSystemDashDotDot,
  kCustom,  // custDash
};
enum class CompoundLine : uint8_t { kSingle, kDouble, kThickThin, kThinThick, kTriple };
enum class LineCap : uint8_t { kFlat, kRound, kSquare };
enum class LineJoin : uint8_t { kRound, kBevel, kMiter };
enum class LineEndType : uint8_t { kNone, kTriangle, kStealth, kDiamond, kOval, kArrow };
enum class LineEndSize : uint8_t { kSmall, kMedium, kLarge };

struct LineEnd {
  LineEndType type = LineEndType::kNone;
  LineEndSize width = LineEndSize::kMedium;
  LineEndSize length = LineEndSize::kMedium;
};

struct Line {
  Fill fill;                // kNone: no line is drawn
  int64_t widthEmu = 9525;  // 0.75 pt where nothing says otherwise
  DashStyle dash = DashStyle::kSolid;
  CompoundLine compound = CompoundLine::kSingle;
  LineCap cap = LineCap::kFlat;
  LineJoin join = LineJoin::kRound;
  LineEnd head;
  LineEnd tail;

  // The object models' `Line.Visible`.
  bool Visible() const { return fill.Visible(); }
  // The object models' `Line.Weight`, in points.
  double WidthPoints() const;
};

// Lays the a:ln element `ln` over `base`: every attribute and child it has replaces the base's,
// the rest stays. kMissing when `ln` is empty; unknown names and bad numbers are kMalformed.
base::Result<Line> ReadLine(pugi::xml_node ln, const Context& context, const Line& base = Line{});

// The theme line an lnRef names, "phClr" standing for the reference's colour. idx 0 is no line.
// kMissing when the reference is absent; an error without a theme or such an entry.
base::Result<Line> ResolveStyleLine(pugi::xml_node lnRef, const Context& context);

}  // namespace drawingml
