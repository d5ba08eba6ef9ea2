#include "platform/office/drawingml/line.h"

#include <array>
#include <cmath>
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

// The presets' dash and space lengths in thousandths of a percent of the line's width, as a
// custom dash spells them out; every preset's pattern is distinct.
struct DashPattern {
  DashStyle style;
  size_t count;
  std::array<int64_t, 6> lengths;
};
constexpr DashPattern kDashPatterns[] = {
    {DashStyle::kDot, 2, {100000, 300000}},
    {DashStyle::kDash, 2, {400000, 300000}},
    {DashStyle::kLongDash, 2, {800000, 300000}},
    {DashStyle::kDashDot, 4, {400000, 300000, 100000, 300000}},
    {DashStyle::kLongDashDot, 4, {800000, 300000, 100000, 300000}},
    {DashStyle::kLongDashDotDot, 6, {800000, 300000, 100000, 300000, 100000, 300000}},
    {DashStyle::kSystemDash, 2, {300000, 100000}},
    {DashStyle::kSystemDot, 2, {100000, 100000}},
    {DashStyle::kSystemDashDot, 4, {300000, 100000, 100000, 100000}},
    {DashStyle::kSystemDashDotDot, 6, {300000, 100000, 100000, 100000, 100000, 100000}},
};

// A length of a:ds in thousandths of a percent, from either way of writing it.
std::optional<int64_t> DashLength(pugi::xml_node ds, std::string_view local) {
  std::optional<double> fraction = FractionAttr(ds, local);
  if (!fraction) return std::nullopt;
  return std::llround(*fraction * 100000.0);
}

// The preset whose pattern a custDash spells out exactly (editors that write every dash as a
// custom one save the presets this way); kCustom for any other pattern or an unreadable one.
DashStyle CustomDash(pugi::xml_node custDash) {
  std::array<int64_t, 6> lengths{};
  size_t count = 0;
  for (pugi::xml_node ds = custDash.first_child(); ds; ds = ds.next_sibling()) {
    if (!IsElement(ds, "ds")) continue;
    if (count + 2 > lengths.size()) return DashStyle::kCustom;
    std::optional<int64_t> dash = DashLength(ds, "d");
    std::optional<int64_t> space = DashLength(ds, "sp");
    if (!dash || !space) return DashStyle::kCustom;
    lengths[count++] = *dash;
    lengths[count++] = *space;
  }
  for (const DashPattern& pattern : kDashPatterns) {
    if (pattern.count == count && pattern.lengths == lengths) return pattern.style;
  }
  return DashStyle::kCustom;
}

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
  } else if (pugi::xml_node custom = Child(ln, "custDash")) {
    line.dash = CustomDash(custom);
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
