#include "platform/office/drawingml/line.h"

#include <optional>
#include <string>
#include <string_view>

#include "platform/office/common/units.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

constexpr Named<DashStyle> kDashes[] = {
    {"solid", DashStyle::kSolid},
    {"dot", DashStyle::kDot},
    {"dash", DashStyle::kDash},
    {"lgDash", DashStyle::kLongDash},
    {"dashDot", DashStyle::kDashDot},
    {"lgDashDot", DashStyle::kLongDashDot},
    {"lgDashDotDot", DashStyle::kLongDashDotDot},
    {"sysDash", DashStyle::kSystemDash},
    {"sysDot", DashStyle::kSystemDot},
    {"sysDashDot", DashStyle::kSystemDashDot},
    {"sysDashDotDot", DashStyle::kSystemDashDotDot},
};
constexpr Named<CompoundLine> kCompounds[] = {
    {"sng", CompoundLine::kSingle},          {"dbl", CompoundLine::kDouble},
    {"thickThin", CompoundLine::kThickThin}, {"thinThick", CompoundLine::kThinThick},
    {"tri", CompoundLine::kTriple},
};
constexpr Named<LineCap> kCaps[] = {
    {"flat", LineCap::kFlat}, {"rnd", LineCap::kRound}, {"sq", LineCap::kSquare}};
constexpr Named<LineEndType> kEndTypes[] = {
    {"none", LineEndType::kNone},       {"triangle", LineEndType::kTriangle},
    {"stealth", LineEndType::kStealth}, {"diamond", LineEndType::kDiamond},
    {"oval", LineEndType::kOval},       {"arrow", LineEndType::kArrow},
};
constexpr Named<LineEndSize> kEndSizes[] = {
    {"sm", LineEndSize::kSmall}, {"med", LineEndSize::kMedium}, {"lg", LineEndSize::kLarge}};

base::Status ReadEnd(pugi::xml_node node, LineEnd& end) {
  if (!node) return base::Ok();
  if (!ReadNamed(node, "type", kEndTypes, end.type)) return Unreadable(node, "type");
  if (!ReadNamed(node, "w", kEndSizes, end.width)) return Unreadable(node, "w");
  if (!ReadNamed(node, "len", kEndSizes, end.length)) return Unreadable(node, "len");
  return base::Ok();
}

}  // namespace

double Line::WidthPoints() const {
  return office::EmuToPoints(widthEmu);
}

base::Result<Line> ReadLine(pugi::xml_node ln, const Context& context, const Line& base) {
  if (!ln) return Missing("line");
  Line line = base;
  if (pugi::xml_attribute w = Attr(ln, "w")) {
    std::optional<int64_t> width = ParseInt(w.value());
    if (!width || *width < 0) return Malformed("line width \"" + std::string(w.value()) + "\"");
    line.widthEmu = *width;
  }
  if (!ReadNamed(ln, "cmpd", kCompounds, line.compound)) return Unreadable(ln, "cmpd");
  if (!ReadNamed(ln, "cap", kCaps, line.cap)) return Unreadable(ln, "cap");
  if (pugi::xml_node fillElement = FindFillElement(ln)) {
    base::Result<Fill> fill = ReadFillElement(fillElement, context);
    if (!fill) return fill.error().In("line");
    line.fill = *std::move(fill);
  }
  if (pugi::xml_node dash = Child(ln, "prstDash")) {
    if (!ReadNamed(dash, "val", kDashes, line.dash)) return Unreadable(dash, "val");
  } else if (Child(ln, "custDash")) {
    line.dash = DashStyle::kCustom;
  }
  if (Child(ln, "round")) line.join = LineJoin::kRound;
  if (Child(ln, "bevel")) line.join = LineJoin::kBevel;
  if (Child(ln, "miter")) line.join = LineJoin::kMiter;
  if (base::Status end = ReadEnd(Child(ln, "headEnd"), line.head); !end) return end.error();
  if (base::Status end = ReadEnd(Child(ln, "tailEnd"), line.tail); !end) return end.error();
  return line;
}

base::Result<Line> ResolveStyleLine(pugi::xml_node lnRef, const Context& context) {
  base::Result<StyleReference> ref = ReadStyleReference(lnRef, context);
  if (!ref) return ref.error();
  if (ref->index == 0) return Line{};
  if (context.theme == nullptr) return Malformed("line reference without a theme");
  pugi::xml_node entry = context.theme->LineStyle(ref->index);
  if (!entry) return Malformed("the theme has no line style " + std::to_string(ref->index));
  return ReadLine(entry, ref->Apply(context));
}

}  // namespace drawingml
