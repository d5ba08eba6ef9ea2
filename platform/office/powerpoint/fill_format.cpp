// FillFormat's members over a resolved DrawingML fill, and where a shape's fill comes from.
#include "platform/office/powerpoint/fill_format.h"

#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/codes.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/slide_part.h"

namespace powerpoint {
namespace {

using drawingml::FillKind;
using office::Attr;
using office::Child;
using office::IsElement;

// The fill element among a shape element's properties (spPr, or grpSpPr of a group).
pugi::xml_node OwnFillElement(pugi::xml_node element) {
  pugi::xml_node properties = Child(element, "spPr");
  if (!properties) properties = Child(element, "grpSpPr");
  return drawingml::FindFillElement(properties);
}

// The group element around a shape element, skipping mc:AlternateContent wrappers; empty at the
// top of the shape tree.
pugi::xml_node EnclosingGroup(pugi::xml_node element) {
  for (pugi::xml_node up = element.parent(); up; up = up.parent()) {
    if (IsElement(up, "grpSp")) return up;
    if (IsElement(up, "spTree")) return {};
  }
  return {};
}

base::Result<FillFormat> Read(pugi::xml_node element, pugi::xml_node reference,
                              const SlidePart& source, const drawingml::Context& context) {
  base::Result<drawingml::Fill> fill = drawingml::ReadFillElement(element, context);
  if (!fill) return Unreadable("fill: ", fill.error().message);
  return FillFormat(std::move(*fill), element, reference, &source);
}

// A grpFill read from the groups around `element`, outward to the first that has a fill of its
// own; no fill when none has.
base::Result<FillFormat> GroupFill(pugi::xml_node element, const SlidePart& source,
                                   const drawingml::Context& context) {
  for (pugi::xml_node group = EnclosingGroup(element); group; group = EnclosingGroup(group)) {
    pugi::xml_node fill = OwnFillElement(group);
    if (fill && !IsElement(fill, "grpFill")) return Read(fill, {}, source, context);
  }
  return FillFormat(drawingml::Fill{}, {}, {}, &source);
}

}  // namespace

int32_t FillFormat::Visible() const {
  return fill_.Visible() ? msoTrue : msoFalse;
}

base::Result<int32_t> FillFormat::Type() const {
  if (std::optional<int> type = drawingml::MsoFillTypeOf(fill_)) return *type;
  return NotAvailable("the fill paints nothing");
}

base::Result<ColorFormat> FillFormat::ColorOf(const drawingml::Color& color,
                                              pugi::xml_node element) const {
  std::string_view scheme;
  if (IsElement(element, "schemeClr")) {
    scheme = Attr(element, "val").value();
    if (scheme == "phClr" && IsElement(reference_, "schemeClr")) {
      scheme = Attr(reference_, "val").value();
    }
  }
  return ColorFormat(color.Ole(), drawingml::MsoThemeColorIndexOf(scheme));
}

base::Result<ColorFormat> FillFormat::ForeColor() const {
  switch (fill_.kind) {
    case FillKind::kSolid:
    case FillKind::kPattern:
    case FillKind::kGradient:
      return ColorOf(fill_.color, drawingml::ForeColorElement(element_));
    default:
      return NotAvailable("the fill has no foreground colour");
  }
}

base::Result<ColorFormat> FillFormat::BackColor() const {
  if (fill_.kind == FillKind::kPattern || fill_.kind == FillKind::kGradient) {
    return ColorOf(fill_.background, drawingml::BackColorElement(element_));
  }
  return NotAvailable("the fill has no background colour");
}

base::Result<int32_t> FillFormat::GradientColorType() const {
  if (std::optional<int> type = drawingml::MsoGradientColorTypeOf(fill_)) return *type;
  return NotAvailable("the fill is no gradient");
}

base::Result<int32_t> FillFormat::GradientStyle() const {
  if (std::optional<drawingml::GradientCode> code = drawingml::MsoGradientOf(fill_)) {
    return code->style;
  }
  return NotAvailable("the fill is no gradient of a known style");
}

base::Result<int32_t> FillFormat::GradientVariant() const {
  if (std::optional<drawingml::GradientCode> code = drawingml::MsoGradientOf(fill_)) {
    return code->variant;
  }
  return NotAvailable("the fill is no gradient of a known style");
}

base::Result<int32_t> FillFormat::PresetGradientType() const {
  if (std::optional<int> preset = drawingml::MsoPresetGradientOf(fill_)) return *preset;
  return NotAvailable("the fill is no preset gradient");
}

base::Result<int32_t> FillFormat::PresetTexture() const {
  return NotAvailable("preset textures are not recorded in the file");
}

base::Result<int32_t> FillFormat::TextureType() const {
  if (fill_.kind == FillKind::kPicture && fill_.tiled && fill_.imageLinked) {
    return msoTextureUserDefined;
  }
  return NotAvailable("the fill is no linked texture");
}

base::Result<std::string> FillFormat::TextureName() const {
  if (fill_.kind == FillKind::kPicture && fill_.imageLinked && source_ != nullptr) {
    if (const LinkTarget* link = source_->Link(fill_.imageRelationship)) {
      if (!link->address.empty()) return link->address;
    }
  }
  return NotAvailable("the fill names no picture file");
}

base::Result<int32_t> FillFormat::Pattern() const {
  if (fill_.kind == FillKind::kPattern) {
    if (std::optional<int> pattern = drawingml::MsoPatternTypeOf(fill_.pattern)) return *pattern;
    return Unreadable("unknown pattern \"", fill_.pattern, "\"");
  }
  return NotAvailable("the fill is no pattern");
}

base::Result<FillFormat> ReadStyleFill(pugi::xml_node ref, const SlidePart& source,
                                       const drawingml::Context& context) {
  base::Result<drawingml::StyleReference> read = drawingml::ReadStyleReference(ref, context);
  if (!read) return Unreadable("style reference: ", read.error().message);
  if (read->index == 0 || read->index == 1000)
    return FillFormat(drawingml::Fill{}, {}, {}, &source);
  if (context.theme == nullptr) return Unreadable("a style reference without a theme");
  pugi::xml_node entry = context.theme->FillStyle(read->index);
  if (!entry) return Unreadable("the theme has no fill style ", read->index);
  return Read(entry, drawingml::FindColorElement(ref), source, read->Apply(context));
}

base::Result<FillFormat> Shape::Fill() const {
  const drawingml::Context context{&owner_.Theme(), &owner_.ColorMap()};
  for (const Shape* shape = this; shape != nullptr; shape = shape->Inherited()) {
    const SlidePart& source = shape->Owner();
    if (pugi::xml_node own = OwnFillElement(shape->Element())) {
      if (IsElement(own, "grpFill")) return GroupFill(shape->Element(), source, context);
      return Read(own, {}, source, context);
    }
    pugi::xml_node fillRef = Child(Child(shape->Element(), "style"), "fillRef");
    if (fillRef) return ReadStyleFill(fillRef, source, context);
  }
  return FillFormat(drawingml::Fill{}, {}, {}, &owner_);
}

}  // namespace powerpoint
