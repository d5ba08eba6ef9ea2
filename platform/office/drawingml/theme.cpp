#include "platform/office/drawingml/theme.h"

#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

struct SlotName {
  std::string_view shortName;
  std::string_view longName;
  SchemeSlot slot;
};

constexpr SlotName kSlotNames[] = {
    {"dk1", "dark1", SchemeSlot::kDark1},
    {"lt1", "light1", SchemeSlot::kLight1},
    {"dk2", "dark2", SchemeSlot::kDark2},
    {"lt2", "light2", SchemeSlot::kLight2},
    {"accent1", "accent1", SchemeSlot::kAccent1},
    {"accent2", "accent2", SchemeSlot::kAccent2},
    {"accent3", "accent3", SchemeSlot::kAccent3},
    {"accent4", "accent4", SchemeSlot::kAccent4},
    {"accent5", "accent5", SchemeSlot::kAccent5},
    {"accent6", "accent6", SchemeSlot::kAccent6},
    {"hlink", "hyperlink", SchemeSlot::kHyperlink},
    {"folHlink", "followedHyperlink", SchemeSlot::kFollowedHyperlink},
};

// The logical names a colour map maps, in map_ order, with the other spellings the word
// processor uses for them (as attribute names of its mapping and as theme colour names).
struct LogicalName {
  std::string_view name;
  std::string_view attributeAlias;
  std::string_view colorAlias;
};

constexpr LogicalName kLogicalNames[] = {
    {"bg1", "bg1", "background1"}, {"tx1", "t1", "text1"},
    {"bg2", "bg2", "background2"}, {"tx2", "t2", "text2"},
    {"accent1", "accent1", ""},    {"accent2", "accent2", ""},
    {"accent3", "accent3", ""},    {"accent4", "accent4", ""},
    {"accent5", "accent5", ""},    {"accent6", "accent6", ""},
    {"hlink", "hyperlink", ""},    {"folHlink", "followedHyperlink", ""},
};

ThemeFont ReadThemeFont(pugi::xml_node collection) {
  ThemeFont font;
  font.latin = Attr(Child(collection, "latin"), "typeface").value();
  font.eastAsian = Attr(Child(collection, "ea"), "typeface").value();
  font.complexScript = Attr(Child(collection, "cs"), "typeface").value();
  for (pugi::xml_node child : collection.children()) {
    if (!IsElement(child, "font")) continue;
    font.scripts.emplace_back(Attr(child, "script").value(), Attr(child, "typeface").value());
  }
  return font;
}

std::vector<pugi::xml_node> ElementChildren(pugi::xml_node list) {
  std::vector<pugi::xml_node> children;
  for (pugi::xml_node child : list.children()) {
    if (child.type() == pugi::node_element) children.push_back(child);
  }
  return children;
}

pugi::xml_node Entry(const std::vector<pugi::xml_node>& list, int64_t index) {
  if (index < 1 || index > static_cast<int64_t>(list.size())) return {};
  return list[static_cast<size_t>(index - 1)];
}

// A stand-in theme in the suite's standard colours and fonts.
constexpr std::string_view kDefaultTheme = R"(<?xml version="1.0" encoding="UTF-8"?>
<a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" name="Office">
 <a:themeElements>
  <a:clrScheme name="Office">
   <a:dk1><a:sysClr val="windowText" lastClr="000000"/></a:dk1>
   <a:lt1><a:sysClr val="window" lastClr="FFFFFF"/></a:lt1>
   <a:dk2><a:srgbClr val="44546A"/></a:dk2>
   <a:lt2><a:srgbClr val="E7E6E6"/></a:lt2>
   <a:accent1><a:srgbClr val="4472C4"/></a:accent1>
   <a:accent2><a:srgbClr val="ED7D31"/></a:accent2>
   <a:accent3><a:srgbClr val="A5A5A5"/></a:accent3>
   <a:accent4><a:srgbClr val="FFC000"/></a:accent4>
   <a:accent5><a:srgbClr val="5B9BD5"/></a:accent5>
   <a:accent6><a:srgbClr val="70AD47"/></a:accent6>
   <a:hlink><a:srgbClr val="0563C1"/></a:hlink>
   <a:folHlink><a:srgbClr val="954F72"/></a:folHlink>
  </a:clrScheme>
  <a:fontScheme name="Office">
   <a:majorFont><a:latin typeface="Calibri Light"/><a:ea typeface=""/><a:cs typeface=""/>
    <a:font script="Hans" typeface="等线 Light"/></a:majorFont>
   <a:minorFont><a:latin typeface="Calibri"/><a:ea typeface=""/><a:cs typeface=""/>
    <a:font script="Hans" typeface="等线"/></a:minorFont>
  </a:fontScheme>
  <a:fmtScheme name="Office">
   <a:fillStyleLst>
    <a:solidFill><a:schemeClr val="phClr"/></a:solidFill>
    <a:gradFill rotWithShape="1"><a:gsLst>
     <a:gs pos="0"><a:schemeClr val="phClr"><a:tint val="67000"/></a:schemeClr></a:gs>
     <a:gs pos="100000"><a:schemeClr val="phClr"><a:tint val="81000"/></a:schemeClr></a:gs>
    </a:gsLst><a:lin ang="5400000" scaled="0"/></a:gradFill>
    <a:gradFill rotWithShape="1"><a:gsLst>
     <a:gs pos="0"><a:schemeClr val="phClr"><a:tint val="94000"/></a:schemeClr></a:gs>
     <a:gs pos="100000"><a:schemeClr val="phClr"><a:shade val="78000"/></a:schemeClr></a:gs>
    </a:gsLst><a:lin ang="5400000" scaled="0"/></a:gradFill>
   </a:fillStyleLst>
   <a:lnStyleLst>
    <a:ln w="6350" cap="flat" cmpd="sng" algn="ctr"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill><a:prstDash val="solid"/><a:miter lim="800000"/></a:ln>
    <a:ln w="12700" cap="flat" cmpd="sng" algn="ctr"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill><a:prstDash val="solid"/><a:miter lim="800000"/></a:ln>
    <a:ln w="19050" cap="flat" cmpd="sng" algn="ctr"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill><a:prstDash val="solid"/><a:miter lim="800000"/></a:ln>
   </a:lnStyleLst>
   <a:effectStyleLst>
    <a:effectStyle><a:effectLst/></a:effectStyle>
    <a:effectStyle><a:effectLst/></a:effectStyle>
    <a:effectStyle><a:effectLst><a:outerShdw blurRad="57150" dist="19050" dir="5400000" algn="ctr" rotWithShape="0"><a:srgbClr val="000000"><a:alpha val="63000"/></a:srgbClr></a:outerShdw></a:effectLst></a:effectStyle>
   </a:effectStyleLst>
   <a:bgFillStyleLst>
    <a:solidFill><a:schemeClr val="phClr"/></a:solidFill>
    <a:solidFill><a:schemeClr val="phClr"><a:tint val="95000"/></a:schemeClr></a:solidFill>
    <a:solidFill><a:schemeClr val="phClr"><a:shade val="80000"/></a:schemeClr></a:solidFill>
   </a:bgFillStyleLst>
  </a:fmtScheme>
 </a:themeElements>
</a:theme>)";

}  // namespace

std::optional<SchemeSlot> SchemeSlotByName(std::string_view name) {
  for (const SlotName& entry : kSlotNames) {
    if (name == entry.shortName || name == entry.longName) return entry.slot;
  }
  return std::nullopt;
}

ColorMap::ColorMap() {
  map_ = {SchemeSlot::kLight1,  SchemeSlot::kDark1,     SchemeSlot::kLight2,
          SchemeSlot::kDark2,   SchemeSlot::kAccent1,   SchemeSlot::kAccent2,
          SchemeSlot::kAccent3, SchemeSlot::kAccent4,   SchemeSlot::kAccent5,
          SchemeSlot::kAccent6, SchemeSlot::kHyperlink, SchemeSlot::kFollowedHyperlink};
}

const ColorMap& ColorMap::Default() {
  static const ColorMap map;
  return map;
}

base::Result<ColorMap> ColorMap::Read(pugi::xml_node node) {
  if (!node) return Missing("colour map");
  ColorMap map;
  for (size_t i = 0; i < kSchemeSlotCount; ++i) {
    pugi::xml_attribute a = Attr(node, kLogicalNames[i].name);
    if (!a) a = Attr(node, kLogicalNames[i].attributeAlias);
    if (!a) continue;
    std::optional<SchemeSlot> slot = SchemeSlotByName(a.value());
    if (!slot) {
      return Malformed("colour map gives " + std::string(a.name()) +
                       " the unknown scheme colour \"" + a.value() + "\"");
    }
    map.map_[i] = *slot;
  }
  return map;
}

std::optional<SchemeSlot> ColorMap::Resolve(std::string_view name) const {
  for (size_t i = 0; i < kSchemeSlotCount; ++i) {
    const LogicalName& logical = kLogicalNames[i];
    if (name == logical.name || name == logical.attributeAlias ||
        (!logical.colorAlias.empty() && name == logical.colorAlias)) {
      return map_[i];
    }
  }
  return SchemeSlotByName(name);
}

std::string_view ThemeFont::Script(std::string_view script) const {
  for (const auto& [name, typeface] : scripts) {
    if (name == script) return typeface;
  }
  return {};
}

std::string_view ThemeFont::EastAsian(std::string_view script) const {
  return eastAsian.empty() ? Script(script) : std::string_view(eastAsian);
}

base::Result<Theme> Theme::Read(pugi::xml_node node) {
  if (node.type() == pugi::node_document) {
    node = node.first_child();
    while (node && node.type() != pugi::node_element) node = node.next_sibling();
  }
  if (!IsElement(node, "theme")) {
    return Malformed("not a theme part (its root is <" + std::string(node.name()) + ">)");
  }
  pugi::xml_node elements = Child(node, "themeElements");
  pugi::xml_node scheme = Child(elements, "clrScheme");
  if (!scheme) return Malformed("theme without a colour scheme");

  Theme theme;
  theme.name_ = Attr(node, "name").value();
  for (pugi::xml_node entry : scheme.children()) {
    if (entry.type() != pugi::node_element) continue;
    std::optional<SchemeSlot> slot = SchemeSlotByName(LocalName(entry.name()));
    if (!slot) continue;
    base::Result<Color> color = ReadColor(entry, Context{});
    if (color) theme.colors_[static_cast<size_t>(*slot)] = *color;
  }
  pugi::xml_node fonts = Child(elements, "fontScheme");
  theme.major_ = ReadThemeFont(Child(fonts, "majorFont"));
  theme.minor_ = ReadThemeFont(Child(fonts, "minorFont"));
  pugi::xml_node format = Child(elements, "fmtScheme");
  theme.fills_ = ElementChildren(Child(format, "fillStyleLst"));
  theme.backgroundFills_ = ElementChildren(Child(format, "bgFillStyleLst"));
  theme.lines_ = ElementChildren(Child(format, "lnStyleLst"));
  theme.effects_ = ElementChildren(Child(format, "effectStyleLst"));
  return theme;
}

base::Result<Theme> Theme::Parse(std::string_view xml) {
  base::Result<std::shared_ptr<pugi::xml_document>> document = ParseXml(xml);
  if (!document) return document.error().In("theme");
  base::Result<Theme> theme = Read(**document);
  if (!theme) return theme;
  theme->document_ = *std::move(document);
  return theme;
}

const Theme& Theme::Default() {
  static const Theme theme = Parse(kDefaultTheme).value();
  return theme;
}

std::string_view Theme::Typeface(std::string_view name, std::string_view script) const {
  if (name.size() != 6 || name[0] != '+' || name[3] != '-') return name;
  const ThemeFont* font = nullptr;
  if (name.substr(1, 2) == "mj") font = &major_;
  if (name.substr(1, 2) == "mn") font = &minor_;
  if (font == nullptr) return name;
  std::string_view kind = name.substr(4);
  if (kind == "lt") return font->latin;
  if (kind == "ea") return font->EastAsian(script);
  if (kind == "cs") return font->complexScript;
  return name;
}

pugi::xml_node Theme::FillStyle(int64_t index) const {
  return index > 1000 ? Entry(backgroundFills_, index - 1000) : Entry(fills_, index);
}

pugi::xml_node Theme::LineStyle(int64_t index) const {
  return Entry(lines_, index);
}

pugi::xml_node Theme::EffectStyle(int64_t index) const {
  return Entry(effects_, index);
}

Context StyleReference::Apply(const Context& context) const {
  Context applied = context;
  applied.placeholder = color ? &*color : nullptr;
  return applied;
}

base::Result<StyleReference> ReadStyleReference(pugi::xml_node ref, const Context& context) {
  if (!ref) return Missing("style reference");
  StyleReference reference;
  std::optional<int64_t> index = IntAttr(ref, "idx");
  if (!index) return Malformed("<" + std::string(ref.name()) + "> without a number");
  reference.index = *index;
  if (pugi::xml_node colorElement = FindColorElement(ref)) {
    base::Result<Color> color = ResolveColor(colorElement, context);
    if (!color) return color.error().In(ref.name());
    reference.color = *color;
  }
  return reference;
}

}  // namespace drawingml
