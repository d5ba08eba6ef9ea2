#include "platform/office/drawingml/fill.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

bool IsFillKind(std::string_view kind) {
  return kind == "solidFill" || kind == "noFill" || kind == "gradFill" || kind == "pattFill" ||
         kind == "blipFill" || kind == "grpFill";
}

base::Status ReadGradient(pugi::xml_node element, const Context& context, Fill& fill) {
  for (pugi::xml_node stop : Child(element, "gsLst").children()) {
    if (!IsElement(stop, "gs")) continue;
    std::optional<double> position = FractionAttr(stop, "pos");
    if (!position) return Malformed("gradient stop without a position");
    base::Result<Color> color = ReadRequiredColor(stop, context);
    if (!color) return color.error().In("gradient stop");
    fill.stops.push_back(GradientStop{*position, *color});
  }
  std::stable_sort(
      fill.stops.begin(), fill.stops.end(),
      [](const GradientStop& a, const GradientStop& b) { return a.position < b.position; });
  if (!fill.stops.empty()) {
    fill.color = fill.stops.front().color;
    fill.background = fill.stops.back().color;
  }
  fill.rotateWithShape = BoolAttr(element, "rotWithShape").value_or(false);
  if (pugi::xml_node lin = Child(element, "lin")) {
    fill.path = GradientPath::kLinear;
    fill.angle = static_cast<double>(IntAttr(lin, "ang").value_or(0)) / 60000.0;
    fill.scaled = BoolAttr(lin, "scaled").value_or(false);
  } else if (pugi::xml_node path = Child(element, "path")) {
    std::string_view kind = Attr(path, "path").value();
    fill.path = kind == "circle" ? GradientPath::kCircle
                : kind == "rect" ? GradientPath::kRect
                                 : GradientPath::kShape;
    pugi::xml_node focus = Child(path, "fillToRect");
    fill.focus =
        RelativeRect{FractionAttr(focus, "l").value_or(0), FractionAttr(focus, "t").value_or(0),
                     FractionAttr(focus, "r").value_or(0), FractionAttr(focus, "b").value_or(0)};
  }
  return base::Ok();
}

base::Status ReadPattern(pugi::xml_node element, const Context& context, Fill& fill) {
  fill.pattern = Attr(element, "prst").value();
  fill.color = Color::FromRgb(0x000000);
  fill.background = Color::FromRgb(0xFFFFFF);
  if (pugi::xml_node fg = Child(element, "fgClr")) {
    base::Result<Color> color = ReadRequiredColor(fg, context);
    if (!color) return color.error().In("pattern foreground");
    fill.color = *color;
  }
  if (pugi::xml_node bg = Child(element, "bgClr")) {
    base::Result<Color> color = ReadRequiredColor(bg, context);
    if (!color) return color.error().In("pattern background");
    fill.background = *color;
  }
  return base::Ok();
}

void ReadPicture(pugi::xml_node element, Fill& fill) {
  pugi::xml_node blip = Child(element, "blip");
  if (pugi::xml_attribute embed = Attr(blip, "embed")) {
    fill.imageRelationship = embed.value();
  } else if (pugi::xml_attribute link = Attr(blip, "link")) {
    fill.imageRelationship = link.value();
    fill.imageLinked = true;
  }
  fill.tiled = static_cast<bool>(Child(element, "tile"));
  fill.rotateWithShape = BoolAttr(element, "rotWithShape").value_or(false);
}

}  // namespace

bool IsFillElement(pugi::xml_node node) {
  return node.type() == pugi::node_element && IsFillKind(LocalName(node.name()));
}

pugi::xml_node FindFillElement(pugi::xml_node parent) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (IsFillElement(child)) return child;
  }
  return {};
}

base::Result<Fill> ReadFillElement(pugi::xml_node element, const Context& context) {
  if (element.type() != pugi::node_element) return Missing("fill");
  std::string_view kind = LocalName(element.name());
  Fill fill;
  if (kind == "noFill") {
    fill.kind = FillKind::kNone;
  } else if (kind == "solidFill") {
    fill.kind = FillKind::kSolid;
    base::Result<Color> color = ReadRequiredColor(element, context);
    if (!color) return color.error();
    fill.color = *color;
  } else if (kind == "gradFill") {
    fill.kind = FillKind::kGradient;
    if (base::Status read = ReadGradient(element, context, fill); !read) return read.error();
  } else if (kind == "pattFill") {
    fill.kind = FillKind::kPattern;
    if (base::Status read = ReadPattern(element, context, fill); !read) return read.error();
  } else if (kind == "blipFill") {
    fill.kind = FillKind::kPicture;
    ReadPicture(element, fill);
  } else if (kind == "grpFill") {
    fill.kind = FillKind::kGroup;
  } else {
    return Malformed("<" + std::string(element.name()) + "> is no fill");
  }
  return fill;
}

base::Result<Fill> ReadFill(pugi::xml_node parent, const Context& context) {
  pugi::xml_node element = FindFillElement(parent);
  if (!element) return Missing("fill");
  return ReadFillElement(element, context);
}

base::Result<Fill> ResolveStyleFill(pugi::xml_node fillRef, const Context& context) {
  base::Result<StyleReference> ref = ReadStyleReference(fillRef, context);
  if (!ref) return ref.error();
  if (ref->index == 0 || ref->index == 1000) return Fill{};
  if (context.theme == nullptr) return Malformed("fill reference without a theme");
  pugi::xml_node entry = context.theme->FillStyle(ref->index);
  if (!entry) return Malformed("the theme has no fill style " + std::to_string(ref->index));
  return ReadFillElement(entry, ref->Apply(context));
}

namespace {

// The colour element of the gradient stop at the first (or last) position.
pugi::xml_node EndStopColor(pugi::xml_node gradient, bool last) {
  pugi::xml_node chosen;
  double chosenPosition = 0;
  for (pugi::xml_node stop : Child(gradient, "gsLst").children()) {
    if (!IsElement(stop, "gs")) continue;
    const double position = FractionAttr(stop, "pos").value_or(0);
    // Ties go to the stop written first at the start and last at the end, as the sorted stops do.
    if (!chosen || (last ? position >= chosenPosition : position < chosenPosition)) {
      chosen = stop;
      chosenPosition = position;
    }
  }
  return FindColorElement(chosen);
}

pugi::xml_node FillColorElement(pugi::xml_node fillElement, bool background) {
  const std::string_view kind = LocalName(fillElement.name());
  if (kind == "solidFill") return background ? pugi::xml_node() : FindColorElement(fillElement);
  if (kind == "pattFill")
    return FindColorElement(Child(fillElement, background ? "bgClr" : "fgClr"));
  if (kind == "gradFill") return EndStopColor(fillElement, background);
  return {};
}

}  // namespace

pugi::xml_node ForeColorElement(pugi::xml_node fillElement) {
  return FillColorElement(fillElement, false);
}

pugi::xml_node BackColorElement(pugi::xml_node fillElement) {
  return FillColorElement(fillElement, true);
}

Fill ResolveGroupFill(const Fill& fill, const Fill& groupFill) {
  return fill.kind == FillKind::kGroup ? groupFill : fill;
}

}  // namespace drawingml
