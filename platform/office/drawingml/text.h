// DrawingML text properties and the one place their inheritance is resolved. Each level (a
// run's rPr, a paragraph's pPr with its defRPr, a list style's level, a style's fontRef, a
// chart's txPr, a master's text style, ...) is read once into a TextLevel whose empty members
// inherit. ResolveText walks the levels the caller lists, most specific first, and takes each
// property from the first level that sets it; theme fonts ("+mn-lt") and scheme colours resolve
// at that point with the caller's context, so levels read from a master serve every slide.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/color.h"
#include "platform/office/drawingml/fill.h"

namespace drawingml {

// In the order of the object models' text underline numbers (0 none .. 17 wavy double).
enum class Underline : uint8_t {
  kNone,
  kWords,
  kSingle,
  kDouble,
  kHeavy,
  kDotted,
  kDottedHeavy,
  kDash,
  kDashHeavy,
  kDashLong,
  kDashLongHeavy,
  kDotDash,
  kDotDashHeavy,
  kDotDotDash,
  kDotDotDashHeavy,
  kWavy,
  kWavyHeavy,
  kWavyDouble,
};
enum class Strike : uint8_t { kNone, kSingle, kDouble };
enum class Caps : uint8_t { kNone, kSmall, kAll };
enum class Alignment : uint8_t {
  kLeft,
  kCenter,
  kRight,
  kJustify,
  kDistributed,
  kThaiDistributed,
  kJustifyLow,
};

// One level of text properties as written; an empty member inherits from the next level.
struct TextLevel {
  std::optional<double> sizePt;
  std::optional<bool> bold;
  std::optional<bool> italic;
  std::optional<Underline> underline;
  std::optional<Strike> strike;
  std::optional<double> baseline;  // fraction of the size: 0.3 raised, -0.25 lowered
  std::optional<Caps> caps;
  std::optional<double> spacingPt;
  pugi::xml_node fill;  // a fill element, or a bare colour element (from a fontRef)
  std::string latin;    // typefaces as written, "+mn-lt" and the like included
  std::string eastAsian;
  std::string complexScript;
  std::string language;
  std::optional<Alignment> alignment;  // paragraph levels only
};

// Run properties: a:rPr, a:defRPr, a:endParaRPr. Unknown names and bad numbers are kMalformed;
// an empty node gives an empty level.
base::Result<TextLevel> ReadRunProperties(pugi::xml_node rPr);
// Paragraph properties (a:pPr, a:lvl1pPr .. a:lvl9pPr, a:defPPr): the alignment and the
// run properties of their defRPr.
base::Result<TextLevel> ReadParagraphProperties(pugi::xml_node pPr);
// A shape style's a:fontRef: the theme's major or minor fonts and the reference's colour.
base::Result<TextLevel> ReadFontReference(pugi::xml_node fontRef);

// A list style (a:lstStyle, a master's title/body/other style, a presentation's default text
// style): its default and nine level entries, read once.
class ListStyle {
 public:
  // An empty node gives an empty style.
  static base::Result<ListStyle> Read(pugi::xml_node listStyle);

  // The entry for paragraph level `level` (0-based, as a:pPr's lvl counts); null when unset.
  const TextLevel* Level(int level) const;
  // The defPPr entry; null when unset.
  const TextLevel* Default() const;

 private:
  std::array<std::optional<TextLevel>, 10> levels_;  // 0: defPPr, 1..9: lvl1pPr..lvl9pPr
};

// What a run shows, every property resolved.
struct ResolvedText {
  double sizePt = 18;
  bool bold = false;
  bool italic = false;
  Underline underline = Underline::kNone;
  Strike strike = Strike::kNone;
  double baseline = 0;
  Caps caps = Caps::kNone;
  double spacingPt = 0;
  FillKind fillKind = FillKind::kSolid;  // kNone: the text is not painted
  Color color;  // the solid colour; a gradient's first stop, a pattern's foreground
  std::string latin;
  std::string eastAsian;
  std::string complexScript;
  std::string language;
  Alignment alignment = Alignment::kLeft;
};

// Resolves through `levels`, most specific first; null entries are skipped. A property no level
// sets takes the built-in default: 18 pt, black, upright, not bold, no underline, left aligned,
// the theme's body fonts. A colour or fill that does not resolve is an error; a theme font
// without a theme in `context` is answered as written ("+mn-lt").
base::Result<ResolvedText> ResolveText(std::span<const TextLevel* const> levels,
                                       const Context& context);
base::Result<ResolvedText> ResolveText(std::initializer_list<const TextLevel*> levels,
                                       const Context& context);

}  // namespace drawingml
