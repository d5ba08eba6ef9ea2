// A theme part (a:theme) read once: its twelve scheme colours resolved to RGB, its font scheme
// (heading and body fonts per writing system) and its style matrix (the fill, line and effect
// entries shapes refer to by number). And the colour map of a part, which says which scheme
// colour the logical names bg1, tx1, bg2, tx2 (and the others) stand for there.
//
// A Theme read from a node refers to that tree, which must outlive it (a package keeps its
// parsed parts); one made by Parse() or Default() holds its own tree. Copies are cheap.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/color.h"

namespace drawingml {

// The colour scheme's twelve entries.
enum class SchemeSlot : uint8_t {
  kDark1,
  kLight1,
  kDark2,
  kLight2,
  kAccent1,
  kAccent2,
  kAccent3,
  kAccent4,
  kAccent5,
  kAccent6,
  kHyperlink,
  kFollowedHyperlink,
};
inline constexpr size_t kSchemeSlotCount = 12;

// The slot a colour scheme element or a theme colour name names directly: "dk1" or "dark1",
// "lt1" or "light1", ..., "hlink" or "hyperlink", "folHlink" or "followedHyperlink". Mapped
// names (bg1, tx1, ...) and unknown ones give nullopt.
std::optional<SchemeSlot> SchemeSlotByName(std::string_view name);

class ColorMap {
 public:
  // The default mapping: bg1 -> lt1, tx1 -> dk1, bg2 -> lt2, tx2 -> dk2, the rest to themselves.
  ColorMap();
  static const ColorMap& Default();

  // Reads a p:clrMap or a:overrideClrMapping (bg1="lt1" tx1="dk1" ...), or the word
  // processor's w:clrSchemeMapping (w:bg1="light1" w:t1="dark1" ...). A name left out keeps its
  // default; a value that names no scheme colour is an error.
  static base::Result<ColorMap> Read(pugi::xml_node node);

  // The slot a scheme colour value stands for in this part: bg1, tx1, bg2, tx2, accent1..6,
  // hlink and folHlink (also background1, text1, hyperlink, ...) through the map; dk1, lt1, ...
  // directly. nullopt for "phClr" and unknown names.
  std::optional<SchemeSlot> Resolve(std::string_view name) const;

 private:
  // By logical name: bg1, tx1, bg2, tx2, accent1..6, hlink, folHlink.
  std::array<SchemeSlot, kSchemeSlotCount> map_;
};

// One of the font scheme's two collections: major (headings) or minor (body).
struct ThemeFont {
  std::string latin;
  std::string eastAsian;
  std::string complexScript;
  std::vector<std::pair<std::string, std::string>> scripts;  // script ("Hans") -> typeface

  // The typeface for a script ("Hans", "Jpan", ...); empty when there is none.
  std::string_view Script(std::string_view script) const;
  // The East Asian typeface; where the collection leaves it empty, the script's typeface.
  std::string_view EastAsian(std::string_view script) const;
};

class Theme {
 public:
  // Reads the theme element, or a document whose root it is. An element that is no theme, or a
  // theme without a colour scheme, is an error; a scheme entry that cannot be resolved is left
  // out (SlotColor answers nullopt for it).
  static base::Result<Theme> Read(pugi::xml_node node);
  // Parses a theme part's bytes and keeps the tree.
  static base::Result<Theme> Parse(std::string_view xml);
  // A stand-in for packages without a theme: the suite's standard colours and fonts (body
  // "Calibri", East Asian "等线") and a small style matrix.
  static const Theme& Default();

  const std::string& Name() const { return name_; }
  std::optional<Color> SlotColor(SchemeSlot slot) const {
    return colors_[static_cast<size_t>(slot)];
  }
  const ThemeFont& Major() const { return major_; }
  const ThemeFont& Minor() const { return minor_; }

  // The typeface a font reference stands for: "+mj-lt", "+mn-lt", "+mj-ea", "+mn-ea", "+mj-cs",
  // "+mn-cs" through the font scheme (East Asian by `script` where the scheme leaves it empty);
  // any other name is returned as it is.
  std::string_view Typeface(std::string_view name, std::string_view script = "Hans") const;

  // Style matrix entries numbered as fillRef, lnRef and effectRef count them (1 is the first);
  // fill numbers from 1001 pick the background fills. An empty handle when there is none.
  pugi::xml_node FillStyle(int64_t index) const;
  pugi::xml_node LineStyle(int64_t index) const;
  pugi::xml_node EffectStyle(int64_t index) const;

 private:
  Theme() = default;

  std::shared_ptr<pugi::xml_document> document_;  // set when this theme parsed its own bytes
  std::string name_;
  std::array<std::optional<Color>, kSchemeSlotCount> colors_;
  ThemeFont major_;
  ThemeFont minor_;
  std::vector<pugi::xml_node> fills_;
  std::vector<pugi::xml_node> backgroundFills_;
  std::vector<pugi::xml_node> lines_;
  std::vector<pugi::xml_node> effects_;
};

// A style reference (fillRef, lnRef, effectRef, bgRef) read: the number of the theme entry it
// names and the colour that "phClr" stands for inside that entry.
struct StyleReference {
  int64_t index = 0;
  std::optional<Color> color;

  // `context` with its placeholder set to this reference's colour; valid while this lives.
  Context Apply(const Context& context) const;
};

// kMissing when `ref` is empty; an error when it has no number or its colour does not resolve.
base::Result<StyleReference> ReadStyleReference(pugi::xml_node ref, const Context& context);

}  // namespace drawingml
