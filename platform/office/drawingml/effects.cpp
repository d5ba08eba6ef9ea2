#include "platform/office/drawingml/effects.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/office/common/units.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

// Reads numeric attributes, remembering the first one that is present but unreadable.
class Numbers {
 public:
  explicit Numbers(pugi::xml_node node) : node_(node) {}

  double Points(std::string_view local, double fallback) {
    std::optional<int64_t> emu = Int(local);
    return emu ? office::EmuToPoints(*emu) : fallback;
  }
  double Degrees(std::string_view local, double fallback) {
    std::optional<int64_t> angle = Int(local);
    return angle ? static_cast<double>(*angle) / 60000.0 : fallback;
  }
  double Fraction(std::string_view local, double fallback) {
    if (!Attr(node_, local)) return fallback;
    std::optional<double> value = FractionAttr(node_, local);
    if (!value) Fail(local);
    return value.value_or(fallback);
  }
  base::Status Status() const {
    if (bad_.empty()) return base::Ok();
    return Malformed("<" + std::string(node_.name()) + "> has an unreadable " + bad_);
  }

 private:
  std::optional<int64_t> Int(std::string_view local) {
    if (!Attr(node_, local)) return std::nullopt;
    std::optional<int64_t> value = IntAttr(node_, local);
    if (!value) Fail(local);
    return value;
  }
  void Fail(std::string_view local) {
    if (bad_.empty()) bad_ = local;
  }

  pugi::xml_node node_;
  std::string bad_;
};

base::Result<Shadow> ReadShadow(pugi::xml_node node, const Context& context) {
  Shadow shadow;
  shadow.inner = IsElement(node, "innerShdw");
  Numbers n(node);
  shadow.blurPt = n.Points("blurRad", 0);
  shadow.distancePt = n.Points("dist", 0);
  shadow.directionDeg = n.Degrees("dir", 0);
  shadow.scaleX = n.Fraction("sx", 1);
  shadow.scaleY = n.Fraction("sy", 1);
  shadow.skewXDeg = n.Degrees("kx", 0);
  shadow.skewYDeg = n.Degrees("ky", 0);
  if (base::Status numbers = n.Status(); !numbers) return numbers.error();
  if (pugi::xml_attribute align = Attr(node, "algn")) shadow.alignment = align.value();
  shadow.rotateWithShape = BoolAttr(node, "rotWithShape").value_or(true);
  if (IsElement(node, "prstShdw")) {
    std::string_view preset = Attr(node, "prst").value();
    std::optional<int64_t> number =
        preset.substr(0, 4) == "shdw" ? ParseInt(preset.substr(4)) : std::nullopt;
    if (!number || *number < 1 || *number > 20) {
      return Malformed("unknown preset shadow \"" + std::string(preset) + "\"");
    }
    shadow.preset = static_cast<int>(*number);
  }
  base::Result<Color> color = ReadRequiredColor(node, context);
  if (!color) return color.error();
  shadow.color = *color;
  return shadow;
}

base::Result<Reflection> ReadReflection(pugi::xml_node node) {
  Reflection reflection;
  Numbers n(node);
  reflection.blurPt = n.Points("blurRad", 0);
  reflection.distancePt = n.Points("dist", 0);
  reflection.directionDeg = n.Degrees("dir", 0);
  reflection.startAlpha = n.Fraction("stA", 1);
  reflection.endAlpha = n.Fraction("endA", 0);
  reflection.startPosition = n.Fraction("stPos", 0);
  reflection.endPosition = n.Fraction("endPos", 1);
  reflection.scaleY = n.Fraction("sy", 1);
  if (base::Status numbers = n.Status(); !numbers) return numbers.error();
  return reflection;
}

base::Result<Bevel> ReadBevel(pugi::xml_node node) {
  Bevel bevel;
  if (pugi::xml_attribute preset = Attr(node, "prst")) bevel.preset = preset.value();
  Numbers n(node);
  bevel.widthPt = n.Points("w", 6);
  bevel.heightPt = n.Points("h", 6);
  if (base::Status numbers = n.Status(); !numbers) return numbers.error();
  return bevel;
}

}  // namespace

const Shadow* Effects::ShownShadow() const {
  if (outerShadow) return &*outerShadow;
  if (presetShadow) return &*presetShadow;
  if (innerShadow) return &*innerShadow;
  return nullptr;
}

bool ThreeD::Visible() const {
  return top || bottom || extrusionPt > 0 || (!camera.empty() && camera != "orthographicFront");
}

base::Result<Effects> ReadEffectList(pugi::xml_node list, const Context& context) {
  if (!list) return Missing("effect list");
  Effects effects;
  for (pugi::xml_node child = list.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    std::string_view kind = LocalName(child.name());
    if (kind == "outerShdw" || kind == "innerShdw" || kind == "prstShdw") {
      base::Result<Shadow> shadow = ReadShadow(child, context);
      if (!shadow) return shadow.error();
      (kind == "outerShdw"   ? effects.outerShadow
       : kind == "innerShdw" ? effects.innerShadow
                             : effects.presetShadow) = *shadow;
    } else if (kind == "glow") {
      Numbers n(child);
      Glow glow;
      glow.radiusPt = n.Points("rad", 0);
      if (base::Status numbers = n.Status(); !numbers) return numbers.error();
      base::Result<Color> color = ReadRequiredColor(child, context);
      if (!color) return color.error();
      glow.color = *color;
      effects.glow = glow;
    } else if (kind == "softEdge") {
      Numbers n(child);
      double radius = n.Points("rad", 0);
      if (base::Status numbers = n.Status(); !numbers) return numbers.error();
      effects.softEdgePt = radius;
    } else if (kind == "reflection") {
      base::Result<Reflection> reflection = ReadReflection(child);
      if (!reflection) return reflection.error();
      effects.reflection = *reflection;
    }
  }
  return effects;
}

base::Result<Effects> ReadEffects(pugi::xml_node parent, const Context& context) {
  pugi::xml_node list = Child(parent, "effectLst");
  if (!list) list = Child(parent, "effectDag");
  if (!list) return Missing("effects");
  return ReadEffectList(list, context);
}

base::Result<ThreeD> ReadThreeD(pugi::xml_node parent) {
  ThreeD threeD;
  if (pugi::xml_node scene = Child(parent, "scene3d")) {
    threeD.camera = Attr(Child(scene, "camera"), "prst").value();
  }
  pugi::xml_node shape = Child(parent, "sp3d");
  if (!shape) return threeD;
  Numbers n(shape);
  threeD.extrusionPt = n.Points("extrusionH", 0);
  threeD.contourPt = n.Points("contourW", 0);
  if (base::Status numbers = n.Status(); !numbers) return numbers.error();
  threeD.material = Attr(shape, "prstMaterial").value();
  if (pugi::xml_node top = Child(shape, "bevelT")) {
    base::Result<Bevel> bevel = ReadBevel(top);
    if (!bevel) return bevel.error();
    threeD.top = *bevel;
  }
  if (pugi::xml_node bottom = Child(shape, "bevelB")) {
    base::Result<Bevel> bevel = ReadBevel(bottom);
    if (!bevel) return bevel.error();
    threeD.bottom = *bevel;
  }
  return threeD;
}

base::Result<EffectStyle> ResolveStyleEffects(pugi::xml_node effectRef, const Context& context) {
  base::Result<StyleReference> ref = ReadStyleReference(effectRef, context);
  if (!ref) return ref.error();
  if (ref->index == 0) return EffectStyle{};
  if (context.theme == nullptr) return Malformed("effect reference without a theme");
  pugi::xml_node entry = context.theme->EffectStyle(ref->index);
  if (!entry) return Malformed("the theme has no effect style " + std::to_string(ref->index));
  EffectStyle style;
  base::Result<Effects> effects = ReadEffects(entry, ref->Apply(context));
  if (effects) {
    style.effects = *std::move(effects);
  } else if (!IsMissing(effects.error())) {
    return effects.error();
  }
  base::Result<ThreeD> threeD = ReadThreeD(entry);
  if (!threeD) return threeD.error();
  style.threeD = *std::move(threeD);
  return style;
}

}  // namespace drawingml
