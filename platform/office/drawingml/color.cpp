#include "platform/office/drawingml/color.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <unordered_map>

#include "platform/office/common/color_value.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

double Clamp01(double v) {
  return std::clamp(v, 0.0, 1.0);
}

// sRGB transfer function and its inverse (channels 0..1).
double ToLinear(double c) {
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double FromLinear(double c) {
  return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}

struct Hsl {
  double h = 0;  // 0..1 of a full turn
  double s = 0;
  double l = 0;
};

// The colour while transforms run: sRGB channels and alpha, all 0..1, unrounded.
struct Working {
  double r = 0;
  double g = 0;
  double b = 0;
  double alpha = 1;

  Hsl ToHsl() const {
    double max = std::max({r, g, b});
    double min = std::min({r, g, b});
    Hsl hsl;
    hsl.l = (max + min) / 2;
    double delta = max - min;
    if (delta <= 0) return hsl;
    hsl.s = hsl.l <= 0.5 ? delta / (max + min) : delta / (2 - max - min);
    double h;
    if (max == r) {
      h = (g - b) / delta;
    } else if (max == g) {
      h = 2 + (b - r) / delta;
    } else {
      h = 4 + (r - g) / delta;
    }
    h /= 6;
    hsl.h = h < 0 ? h + 1 : h;
    return hsl;
  }

  void FromHsl(const Hsl& hsl) {
    if (hsl.s <= 0) {
      r = g = b = hsl.l;
      return;
    }
    double q = hsl.l < 0.5 ? hsl.l * (1 + hsl.s) : hsl.l + hsl.s - hsl.l * hsl.s;
    double p = 2 * hsl.l - q;
    auto channel = [p, q](double t) {
      if (t < 0) t += 1;
      if (t > 1) t -= 1;
      if (t < 1.0 / 6) return p + (q - p) * 6 * t;
      if (t < 0.5) return q;
      if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
      return p;
    };
    r = channel(hsl.h + 1.0 / 3);
    g = channel(hsl.h);
    b = channel(hsl.h - 1.0 / 3);
  }

  Color Rounded() const {
    auto byte = [](double c) { return static_cast<uint8_t>(std::lround(Clamp01(c) * 255)); };
    return Color{byte(r), byte(g), byte(b), Clamp01(alpha)};
  }
};

Working FromColor(const Color& c) {
  return Working{c.r / 255.0, c.g / 255.0, c.b / 255.0, c.alpha};
}

enum class Op {
  kTint,
  kShade,
  kComp,
  kInv,
  kGray,
  kAlpha,
  kAlphaOff,
  kAlphaMod,
  kHue,
  kHueOff,
  kHueMod,
  kSat,
  kSatOff,
  kSatMod,
  kLum,
  kLumOff,
  kLumMod,
  kRed,
  kRedOff,
  kRedMod,
  kGreen,
  kGreenOff,
  kGreenMod,
  kBlue,
  kBlueOff,
  kBlueMod,
  kGamma,
  kInvGamma,
};

const std::unordered_map<std::string_view, Op>& Ops() {
  static const std::unordered_map<std::string_view, Op> ops = {
      {"tint", Op::kTint},         {"shade", Op::kShade},       {"comp", Op::kComp},
      {"inv", Op::kInv},           {"gray", Op::kGray},         {"alpha", Op::kAlpha},
      {"alphaOff", Op::kAlphaOff}, {"alphaMod", Op::kAlphaMod}, {"hue", Op::kHue},
      {"hueOff", Op::kHueOff},     {"hueMod", Op::kHueMod},     {"sat", Op::kSat},
      {"satOff", Op::kSatOff},     {"satMod", Op::kSatMod},     {"lum", Op::kLum},
      {"lumOff", Op::kLumOff},     {"lumMod", Op::kLumMod},     {"red", Op::kRed},
      {"redOff", Op::kRedOff},     {"redMod", Op::kRedMod},     {"green", Op::kGreen},
      {"greenOff", Op::kGreenOff}, {"greenMod", Op::kGreenMod}, {"blue", Op::kBlue},
      {"blueOff", Op::kBlueOff},   {"blueMod", Op::kBlueMod},   {"gamma", Op::kGamma},
      {"invGamma", Op::kInvGamma},
  };
  return ops;
}

bool TakesNoValue(Op op) {
  return op == Op::kComp || op == Op::kInv || op == Op::kGray || op == Op::kGamma ||
         op == Op::kInvGamma;
}

bool TakesAngle(Op op) {
  return op == Op::kHue || op == Op::kHueOff;
}

double Wrap01(double h) {
  h = std::fmod(h, 1.0);
  return h < 0 ? h + 1 : h;
}

// Applies one transform; `v` is the fraction (75000 -> 0.75) or, for hue and hueOff, the angle
// as a fraction of a full turn.
void Apply(Working& c, Op op, double v) {
  auto linear = [&c](auto&& change) {
    double channels[3] = {ToLinear(c.r), ToLinear(c.g), ToLinear(c.b)};
    for (double& channel : channels) channel = Clamp01(change(channel));
    c.r = FromLinear(channels[0]);
    c.g = FromLinear(channels[1]);
    c.b = FromLinear(channels[2]);
  };
  auto hsl = [&c](auto&& change) {
    Hsl value = c.ToHsl();
    change(value);
    value.s = Clamp01(value.s);
    value.l = Clamp01(value.l);
    value.h = Wrap01(value.h);
    c.FromHsl(value);
  };
  auto oneLinear = [](double& channel, auto&& change) {
    channel = FromLinear(Clamp01(change(ToLinear(channel))));
  };
  switch (op) {
    case Op::kTint:
      linear([v](double x) { return 1 - (1 - x) * v; });
      break;
    case Op::kShade:
      linear([v](double x) { return x * v; });
      break;
    case Op::kComp:
      hsl([](Hsl& h) { h.h += 0.5; });
      break;
    case Op::kInv:
      c.r = 1 - c.r;
      c.g = 1 - c.g;
      c.b = 1 - c.b;
      break;
    case Op::kGray:
      c.r = c.g = c.b = 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
      break;
    case Op::kAlpha:
      c.alpha = Clamp01(v);
      break;
    case Op::kAlphaOff:
      c.alpha = Clamp01(c.alpha + v);
      break;
    case Op::kAlphaMod:
      c.alpha = Clamp01(c.alpha * v);
      break;
    case Op::kHue:
      hsl([v](Hsl& h) { h.h = v; });
      break;
    case Op::kHueOff:
      hsl([v](Hsl& h) { h.h += v; });
      break;
    case Op::kHueMod:
      hsl([v](Hsl& h) { h.h *= v; });
      break;
    case Op::kSat:
      hsl([v](Hsl& h) { h.s = v; });
      break;
    case Op::kSatOff:
      hsl([v](Hsl& h) { h.s += v; });
      break;
    case Op::kSatMod:
      hsl([v](Hsl& h) { h.s *= v; });
      break;
    case Op::kLum:
      hsl([v](Hsl& h) { h.l = v; });
      break;
    case Op::kLumOff:
      hsl([v](Hsl& h) { h.l += v; });
      break;
    case Op::kLumMod:
      hsl([v](Hsl& h) { h.l *= v; });
      break;
    case Op::kRed:
      oneLinear(c.r, [v](double) { return v; });
      break;
    case Op::kRedOff:
      oneLinear(c.r, [v](double x) { return x + v; });
      break;
    case Op::kRedMod:
      oneLinear(c.r, [v](double x) { return x * v; });
      break;
    case Op::kGreen:
      oneLinear(c.g, [v](double) { return v; });
      break;
    case Op::kGreenOff:
      oneLinear(c.g, [v](double x) { return x + v; });
      break;
    case Op::kGreenMod:
      oneLinear(c.g, [v](double x) { return x * v; });
      break;
    case Op::kBlue:
      oneLinear(c.b, [v](double) { return v; });
      break;
    case Op::kBlueOff:
      oneLinear(c.b, [v](double x) { return x + v; });
      break;
    case Op::kBlueMod:
      oneLinear(c.b, [v](double x) { return x * v; });
      break;
    case Op::kGamma:
      c.r = ToLinear(Clamp01(c.r));
      c.g = ToLinear(Clamp01(c.g));
      c.b = ToLinear(Clamp01(c.b));
      break;
    case Op::kInvGamma:
      c.r = FromLinear(Clamp01(c.r));
      c.g = FromLinear(Clamp01(c.g));
      c.b = FromLinear(Clamp01(c.b));
      break;
  }
}

base::Error Bad(pugi::xml_node element, std::string_view why) {
  return Malformed(std::string(LocalName(element.name())) + ": " + std::string(why));
}

// The base colour of an element before its transforms.
base::Result<Working> BaseColor(pugi::xml_node element, std::string_view kind,
                                const Context& context) {
  if (kind == "srgbClr") {
    std::optional<uint32_t> rgb = office::ParseRgbHex(Attr(element, "val").value());
    if (!rgb) return Bad(element, "val is not six hex digits");
    return FromColor(Color::FromRgb(*rgb));
  }
  if (kind == "scrgbClr") {
    std::optional<double> r = FractionAttr(element, "r");
    std::optional<double> g = FractionAttr(element, "g");
    std::optional<double> b = FractionAttr(element, "b");
    if (!r || !g || !b) return Bad(element, "r, g and b must be percentages");
    return Working{FromLinear(Clamp01(*r)), FromLinear(Clamp01(*g)), FromLinear(Clamp01(*b)), 1};
  }
  if (kind == "hslClr") {
    std::optional<int64_t> hue = IntAttr(element, "hue");
    std::optional<double> sat = FractionAttr(element, "sat");
    std::optional<double> lum = FractionAttr(element, "lum");
    if (!hue || !sat || !lum) return Bad(element, "hue, sat and lum must be numbers");
    Working c;
    c.FromHsl(Hsl{Wrap01(static_cast<double>(*hue) / 21600000.0), Clamp01(*sat), Clamp01(*lum)});
    return c;
  }
  if (kind == "sysClr") {
    std::optional<uint32_t> rgb = office::ParseRgbHex(Attr(element, "lastClr").value());
    if (!rgb) rgb = SystemColor(Attr(element, "val").value());
    if (!rgb) return Bad(element, "unknown system colour");
    return FromColor(Color::FromRgb(*rgb));
  }
  if (kind == "prstClr") {
    std::optional<uint32_t> rgb = PresetColor(Attr(element, "val").value());
    if (!rgb)
      return Bad(element,
                 "unknown preset colour \"" + std::string(Attr(element, "val").value()) + "\"");
    return FromColor(Color::FromRgb(*rgb));
  }
  // schemeClr
  std::string_view name = Attr(element, "val").value();
  if (name == "phClr") {
    if (context.placeholder == nullptr) return Bad(element, "phClr outside a theme style entry");
    return FromColor(*context.placeholder);
  }
  const ColorMap& map = context.colorMap != nullptr ? *context.colorMap : ColorMap::Default();
  std::optional<SchemeSlot> slot = map.Resolve(name);
  if (!slot) return Bad(element, "unknown scheme colour \"" + std::string(name) + "\"");
  if (context.theme == nullptr)
    return Bad(element, "scheme colour " + std::string(name) + " without a theme");
  std::optional<Color> color = context.theme->SlotColor(*slot);
  if (!color) return Bad(element, "the theme has no colour for " + std::string(name));
  return FromColor(*color);
}

bool IsColorKind(std::string_view kind) {
  return kind == "srgbClr" || kind == "schemeClr" || kind == "sysClr" || kind == "prstClr" ||
         kind == "scrgbClr" || kind == "hslClr";
}

}  // namespace

Color Color::FromRgb(uint32_t rrggbb, double alpha) {
  return Color{static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8),
               static_cast<uint8_t>(rrggbb), alpha};
}

Color Color::FromOle(int32_t ole) {
  return Color{static_cast<uint8_t>(ole), static_cast<uint8_t>(ole >> 8),
               static_cast<uint8_t>(ole >> 16), 1.0};
}

std::ostream& operator<<(std::ostream& out, const Color& color) {
  static const char kDigits[] = "0123456789ABCDEF";
  out << '#';
  for (uint8_t channel : {color.r, color.g, color.b}) {
    out << kDigits[channel >> 4] << kDigits[channel & 15];
  }
  if (color.alpha != 1.0) out << " alpha " << color.alpha;
  return out;
}

bool IsColorElement(pugi::xml_node node) {
  return node.type() == pugi::node_element && IsColorKind(LocalName(node.name()));
}

pugi::xml_node FindColorElement(pugi::xml_node parent) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (IsColorElement(child)) return child;
  }
  return {};
}

base::Result<Color> ResolveColor(pugi::xml_node element, const Context& context) {
  if (element.type() != pugi::node_element) return Missing("colour");
  std::string_view kind = LocalName(element.name());
  if (!IsColorKind(kind)) return Bad(element, "is no colour element");
  base::Result<Working> base = BaseColor(element, kind, context);
  if (!base) return base.error();
  Working c = *base;
  for (pugi::xml_node t = element.first_child(); t; t = t.next_sibling()) {
    if (t.type() != pugi::node_element) continue;
    auto op = Ops().find(LocalName(t.name()));
    if (op == Ops().end()) continue;  // extension lists and the like
    double v = 0;
    if (TakesAngle(op->second)) {
      std::optional<int64_t> angle = IntAttr(t, "val");
      if (!angle) return Bad(t, "val must be an angle");
      v = static_cast<double>(*angle) / 21600000.0;
    } else if (!TakesNoValue(op->second)) {
      std::optional<double> fraction = FractionAttr(t, "val");
      if (!fraction) return Bad(t, "val must be a percentage");
      v = *fraction;
    }
    Apply(c, op->second, v);
  }
  return c.Rounded();
}

base::Result<Color> ReadColor(pugi::xml_node parent, const Context& context) {
  pugi::xml_node element = FindColorElement(parent);
  if (!element) return Missing("colour in <" + std::string(parent.name()) + ">");
  return ResolveColor(element, context);
}

base::Result<Color> ReadRequiredColor(pugi::xml_node parent, const Context& context) {
  base::Result<Color> color = ReadColor(parent, context);
  if (!color && IsMissing(color.error())) {
    return Malformed("<" + std::string(parent.name()) + "> without a colour");
  }
  return color;
}

}  // namespace drawingml
