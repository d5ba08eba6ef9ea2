// DrawingML colours: the six colour elements (srgbClr, scrgbClr, hslClr, sysClr, prstClr,
// schemeClr) with their transforms applied in document order, resolved to RGB and alpha, and
// the automation colour value the object models report as `.RGB` / `.Color`. Scheme colours go
// through the part's colour map to the theme's colour scheme. How each transform is computed is
// in README.md; the arithmetic is done in doubles and rounded to 8 bits once, at the end.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string_view>

#include <pugixml.hpp>

#include "platform/base/result.h"

namespace drawingml {

class Theme;
class ColorMap;

struct Color {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  double alpha = 1.0;  // 1 is opaque

  // From 0xRRGGBB.
  static Color FromRgb(uint32_t rrggbb, double alpha = 1.0);
  // From an automation colour value (red in the low byte).
  static Color FromOle(int32_t ole);

  // The automation colour value: red in the low byte, then green, then blue.
  int32_t Ole() const { return r | (g << 8) | (b << 16); }
  uint32_t Rgb() const { return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b; }
  // The object models' `Transparency`: 0 opaque, 1 invisible.
  double Transparency() const { return 1.0 - alpha; }

  bool operator==(const Color&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Color& color);

// What resolving needs beyond the element itself. Every member may be left empty: a scheme
// colour then fails to resolve (no theme), the default colour map is used, a placeholder colour
// fails.
struct Context {
  const Theme* theme = nullptr;
  const ColorMap* colorMap = nullptr;         // the part's clrMap; null means the default mapping
  const Color* placeholder = nullptr;         // what "phClr" stands for inside a theme style entry
  std::string_view eastAsianScript = "Hans";  // the theme's script font used for "+mn-ea"
};

// True for one of the six colour elements.
bool IsColorElement(pugi::xml_node node);
// The first colour element among `parent`'s children; an empty handle when there is none.
pugi::xml_node FindColorElement(pugi::xml_node parent);

// Resolves a colour element with all its transforms. Fails (kMalformed) on an unreadable
// value, an unknown name, a scheme colour without a theme or a "phClr" without a placeholder.
base::Result<Color> ResolveColor(pugi::xml_node colorElement, const Context& context);
// The colour child of `parent` (a solidFill, a gradient stop, a shadow, ...), resolved; kMissing
// when it has none.
base::Result<Color> ReadColor(pugi::xml_node parent, const Context& context);
// The same for elements that must hold a colour (a gradient stop, a shadow): an absent colour
// is kMalformed there, so a damaged element is never taken for one that is not there.
base::Result<Color> ReadRequiredColor(pugi::xml_node parent, const Context& context);

// 0xRRGGBB of a preset colour name ("cornflowerBlue", "dkRed"); nullopt for an unknown name.
std::optional<uint32_t> PresetColor(std::string_view name);
// 0xRRGGBB of a system colour name ("windowText") on a standard desktop; nullopt when unknown.
std::optional<uint32_t> SystemColor(std::string_view name);

}  // namespace drawingml
