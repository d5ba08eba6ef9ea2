// Reading one level of run and paragraph properties, with the tables from the names the files
// write to the object model's numbers.
#include "platform/office/word/properties.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "platform/office/common/color_value.h"
#include "platform/office/common/xml_names.h"

namespace word {
namespace {

using office::Attr;
using office::Child;
using office::LocalName;

template <class T>
struct Named {
  std::string_view name;
  T value;
};

template <class T, size_t N>
std::optional<T> Lookup(const Named<T> (&table)[N], std::string_view name) {
  for (const Named<T>& entry : table) {
    if (entry.name == name) return entry.value;
  }
  return std::nullopt;
}

constexpr Named<int32_t> kUnderlines[] = {
    {"none", wdUnderlineNone},
    {"single", wdUnderlineSingle},
    {"words", wdUnderlineWords},
    {"double", wdUnderlineDouble},
    {"dotted", wdUnderlineDotted},
    {"thick", wdUnderlineThick},
    {"dash", wdUnderlineDash},
    {"dotDash", wdUnderlineDotDash},
    {"dotDotDash", wdUnderlineDotDotDash},
    {"wave", wdUnderlineWavy},
    {"dottedHeavy", wdUnderlineDottedHeavy},
    {"dashedHeavy", wdUnderlineDashHeavy},
    {"dashDotHeavy", wdUnderlineDotDashHeavy},
    {"dashDotDotHeavy", wdUnderlineDotDotDashHeavy},
    {"wavyHeavy", wdUnderlineWavyHeavy},
    {"dashLong", wdUnderlineDashLong},
    {"wavyDouble", wdUnderlineWavyDouble},
    {"dashLongHeavy", wdUnderlineDashLongHeavy},
};

constexpr Named<int32_t> kAnimations[] = {
    {"none", wdAnimationNone},
    {"lights", wdAnimationLasVegasLights},
    {"blinkBackground", wdAnimationBlinkingBackground},
    {"sparkle", wdAnimationSparkleText},
    {"antsBlack", wdAnimationMarchingBlackAnts},
    {"antsRed", wdAnimationMarchingRedAnts},
    {"shimmer", wdAnimationShimmer},
};

constexpr Named<int32_t> kEmphasisMarks[] = {
    {"none", wdEmphasisMarkNone},
    {"dot", wdEmphasisMarkOverSolidCircle},
    {"comma", wdEmphasisMarkOverComma},
    {"circle", wdEmphasisMarkOverWhiteCircle},
    {"underDot", wdEmphasisMarkUnderSolidCircle},
};

constexpr Named<int32_t> kLineStyles[] = {
    {"nil", wdLineStyleNone},
    {"none", wdLineStyleNone},
    {"single", wdLineStyleSingle},
    {"thick", wdLineStyleSingle},
    {"dotted", wdLineStyleDot},
    {"dashSmallGap", wdLineStyleDashSmallGap},
    {"dashed", wdLineStyleDashLargeGap},
    {"dotDash", wdLineStyleDashDot},
    {"dotDotDash", wdLineStyleDashDotDot},
    {"double", wdLineStyleDouble},
    {"triple", wdLineStyleTriple},
    {"thinThickSmallGap", wdLineStyleThinThickSmallGap},
    {"thickThinSmallGap", wdLineStyleThickThinSmallGap},
    {"thinThickThinSmallGap", wdLineStyleThinThickThinSmallGap},
    {"thinThickMediumGap", wdLineStyleThinThickMedGap},
    {"thickThinMediumGap", wdLineStyleThickThinMedGap},
    {"thinThickThinMediumGap", wdLineStyleThinThickThinMedGap},
    {"thinThickLargeGap", wdLineStyleThinThickLargeGap},
    {"thickThinLargeGap", wdLineStyleThickThinLargeGap},
    {"thinThickThinLargeGap", wdLineStyleThinThickThinLargeGap},
    {"wave", wdLineStyleSingleWavy},
    {"doubleWave", wdLineStyleDoubleWavy},
    {"dashDotStroked", wdLineStyleDashDotStroked},
    {"threeDEmboss", wdLineStyleEmboss3D},
    {"threeDEngrave", wdLineStyleEngrave3D},
    {"outset", wdLineStyleOutset},
    {"inset", wdLineStyleInset},
};

constexpr Named<int32_t> kTextures[] = {
    {"nil", wdTextureNone},
    {"clear", wdTextureNone},
    {"solid", wdTextureSolid},
    {"pct5", wdTexture5Percent},
    {"pct10", wdTexture10Percent},
    {"pct12", wdTexture12Pt5Percent},
    {"pct15", wdTexture15Percent},
    {"pct20", wdTexture20Percent},
    {"pct25", wdTexture25Percent},
    {"pct30", wdTexture30Percent},
    {"pct35", wdTexture35Percent},
    {"pct37", wdTexture37Pt5Percent},
    {"pct40", wdTexture40Percent},
    {"pct45", wdTexture45Percent},
    {"pct50", wdTexture50Percent},
    {"pct55", wdTexture55Percent},
    {"pct60", wdTexture60Percent},
    {"pct62", wdTexture62Pt5Percent},
    {"pct65", wdTexture65Percent},
    {"pct70", wdTexture70Percent},
    {"pct75", wdTexture75Percent},
    {"pct80", wdTexture80Percent},
    {"pct85", wdTexture85Percent},
    {"pct87", wdTexture87Pt5Percent},
    {"pct90", wdTexture90Percent},
    {"pct95", wdTexture95Percent},
    {"horzStripe", wdTextureDarkHorizontal},
    {"vertStripe", wdTextureDarkVertical},
    {"diagStripe", wdTextureDarkDiagonalDown},
    {"reverseDiagStripe", wdTextureDarkDiagonalUp},
    {"horzCross", wdTextureDarkCross},
    {"diagCross", wdTextureDarkDiagonalCross},
    {"thinHorzStripe", wdTextureHorizontal},
    {"thinVertStripe", wdTextureVertical},
    {"thinDiagStripe", wdTextureDiagonalDown},
    {"thinReverseDiagStripe", wdTextureDiagonalUp},
    {"thinHorzCross", wdTextureCross},
    {"thinDiagCross", wdTextureDiagonalCross},
};

constexpr Named<int32_t> kHighlights[] = {
    {"none", wdNoHighlight},
    {"black", wdBlack},
    {"blue", wdBlue},
    {"cyan", wdTurquoise},
    {"green", wdBrightGreen},
    {"magenta", wdPink},
    {"red", wdRed},
    {"yellow", wdYellow},
    {"white", wdWhite},
    {"darkBlue", wdDarkBlue},
    {"darkCyan", wdTeal},
    {"darkGreen", wdGreen},
    {"darkMagenta", wdViolet},
    {"darkRed", wdDarkRed},
    {"darkYellow", wdDarkYellow},
    {"darkGray", wdGray50},
    {"lightGray", wdGray25},
};

constexpr Named<int32_t> kAlignments[] = {
    {"left", wdAlignParagraphLeft},
    {"start", wdAlignParagraphLeft},
    {"center", wdAlignParagraphCenter},
    {"right", wdAlignParagraphRight},
    {"end", wdAlignParagraphRight},
    {"both", wdAlignParagraphJustify},
    {"distribute", wdAlignParagraphDistribute},
    {"mediumKashida", wdAlignParagraphJustifyMed},
    {"highKashida", wdAlignParagraphJustifyHi},
    {"lowKashida", wdAlignParagraphJustifyLow},
    {"thaiDistribute", wdAlignParagraphThaiJustify},
};

constexpr Named<int32_t> kTextDirections[] = {
    {"lrTb", wdTextOrientationHorizontal},
    {"lr", wdTextOrientationHorizontal},
    {"tbRlV", wdTextOrientationVerticalFarEast},
    {"tbV", wdTextOrientationVerticalFarEast},
    {"btLr", wdTextOrientationUpward},
    {"tbRl", wdTextOrientationDownward},
    {"tb", wdTextOrientationDownward},
    {"lrTbV", wdTextOrientationHorizontalRotatedFarEast},
    {"lrV", wdTextOrientationHorizontalRotatedFarEast},
    {"tbLrV", wdTextOrientationVertical},
};

constexpr Named<int32_t> kDropCaps[] = {
    {"none", wdDropNone},
    {"drop", wdDropNormal},
    {"margin", wdDropMargin},
};

std::string_view Val(pugi::xml_node node) {
  return Attr(node, "val").value();
}

// An on/off property: present without a value, or "1", "true", "on", is on.
std::optional<bool> OnOff(pugi::xml_node node) {
  if (!node) return std::nullopt;
  const pugi::xml_attribute a = Attr(node, "val");
  if (!a) return true;
  const std::string_view v = a.value();
  return !(v == "0" || v == "false" || v == "off");
}

// An on/off attribute ("1", "true", "on"); nullopt when absent.
std::optional<bool> OnOffAttribute(pugi::xml_node node, std::string_view attribute) {
  const pugi::xml_attribute a = Attr(node, attribute);
  if (!a) return std::nullopt;
  const std::string_view v = a.value();
  return v == "1" || v == "true" || v == "on";
}

std::optional<long long> Number(pugi::xml_node node, std::string_view attribute) {
  const pugi::xml_attribute a = Attr(node, attribute);
  if (!a) return std::nullopt;
  const char* text = a.value();
  char* end = nullptr;
  const long long v = std::strtoll(text, &end, 10);
  if (end == text) return std::nullopt;
  // Lengths beyond a few metres are damage; keep them within what positions and points hold.
  return std::clamp<long long>(v, -31680000, 31680000);
}

ColorValue ReadColor(pugi::xml_node node, std::string_view attribute) {
  ColorValue c;
  if (std::optional<uint32_t> rgb = office::ParseRgbHex(Attr(node, attribute).value())) {
    c.automatic = false;
    c.rgb = *rgb;
  }
  return c;
}

// The typeface a theme font name stands for ("minorEastAsia"); nullopt for an unknown one.
std::optional<std::string> ThemeFont(std::string_view name, const ReadContext& context) {
  if (context.theme == nullptr || name.empty()) return std::nullopt;
  const bool major = name.starts_with("major");
  const drawingml::ThemeFont& font = major ? context.theme->Major() : context.theme->Minor();
  if (name.ends_with("EastAsia")) return std::string(font.EastAsian(context.eastAsianScript));
  if (name.ends_with("Bidi")) return font.complexScript;
  if (name.ends_with("HAnsi") || name.ends_with("Ascii")) return font.latin;
  return std::nullopt;
}

void ReadFonts(pugi::xml_node rFonts, const ReadContext& context, RunProps& props) {
  if (!rFonts) return;
  struct Slot {
    const char* plain;
    const char* theme;
    std::optional<std::string> RunProps::*member;
  };
  static constexpr Slot kSlots[] = {
      {"ascii", "asciiTheme", &RunProps::ascii},
      {"hAnsi", "hAnsiTheme", &RunProps::hAnsi},
      {"eastAsia", "eastAsiaTheme", &RunProps::eastAsia},
      {"cs", "cstheme", &RunProps::complex},
  };
  for (const Slot& slot : kSlots) {
    if (std::optional<std::string> themed = ThemeFont(Attr(rFonts, slot.theme).value(), context)) {
      props.*slot.member = std::move(themed);
    } else if (const pugi::xml_attribute a = Attr(rFonts, slot.plain)) {
      props.*slot.member = a.value();
    }
  }
  if (const pugi::xml_attribute hint = Attr(rFonts, "hint"))
    props.hintEastAsia = std::string_view(hint.value()) == "eastAsia";
}

UnitLength Length(pugi::xml_node node, std::string_view twips, std::string_view units) {
  UnitLength length;
  length.twips = static_cast<int32_t>(Number(node, twips).value_or(0));
  if (std::optional<long long> u = Number(node, units))
    length.hundredths = static_cast<int32_t>(*u);
  return length;
}

// One side of w:ind: the first attribute of each list that is there.
std::optional<UnitLength> Indent(pugi::xml_node ind, std::initializer_list<std::string_view> twips,
                                 std::initializer_list<std::string_view> units) {
  std::optional<UnitLength> side;
  for (std::string_view name : twips) {
    if (std::optional<long long> v = Number(ind, name)) {
      side.emplace().twips = static_cast<int32_t>(*v);
      break;
    }
  }
  for (std::string_view name : units) {
    if (std::optional<long long> v = Number(ind, name)) {
      if (!side) side.emplace();
      side->hundredths = static_cast<int32_t>(*v);
      break;
    }
  }
  return side;
}

void ReadIndents(pugi::xml_node ind, ParagraphProps& props) {
  if (!ind) return;
  props.left = Indent(ind, {"left", "start"}, {"leftChars", "startChars"});
  props.right = Indent(ind, {"right", "end"}, {"rightChars", "endChars"});
  // A first line and a hanging indent are one length of two signs; hanging wins.
  std::optional<UnitLength> first = Indent(ind, {"firstLine"}, {"firstLineChars"});
  if (std::optional<UnitLength> hanging = Indent(ind, {"hanging"}, {"hangingChars"})) {
    if (!first) first.emplace();
    if (Attr(ind, "hanging")) first->twips = -hanging->twips;
    if (hanging->hundredths && *hanging->hundredths != 0) first->hundredths = -*hanging->hundredths;
  }
  props.firstLine = first;
}

void ReadSpacing(pugi::xml_node spacing, ParagraphProps& props) {
  if (!spacing) return;
  if (Attr(spacing, "before") || Attr(spacing, "beforeLines"))
    props.before = Length(spacing, "before", "beforeLines");
  if (Attr(spacing, "after") || Attr(spacing, "afterLines"))
    props.after = Length(spacing, "after", "afterLines");
  props.beforeAuto = OnOffAttribute(spacing, "beforeAutospacing");
  props.afterAuto = OnOffAttribute(spacing, "afterAutospacing");
  if (std::optional<long long> line = Number(spacing, "line")) {
    LineSpacing l;
    l.value = static_cast<int32_t>(*line);
    const std::string_view rule = Attr(spacing, "lineRule").value();
    l.rule = rule == "exact"     ? LineRule::kExact
             : rule == "atLeast" ? LineRule::kAtLeast
                                 : LineRule::kAuto;
    props.line = l;
  }
}

}  // namespace

int32_t ColorValue::Ole() const {
  return automatic ? wdColorAutomatic : office::OleFromRgb(rgb);
}

int32_t ColorValue::Index() const {
  if (automatic) return wdAuto;
  for (size_t i = 1; i < kColorIndexRgb.size(); ++i) {
    if (kColorIndexRgb[i] == rgb) return static_cast<int32_t>(i);
  }
  return wdUndefined;
}

void RunProps::Overlay(const RunProps& top) {
  auto take = [](auto& mine, const auto& theirs) {
    if (theirs) mine = theirs;
  };
  take(style, top.style);
  take(ascii, top.ascii);
  take(hAnsi, top.hAnsi);
  take(eastAsia, top.eastAsia);
  take(complex, top.complex);
  take(hintEastAsia, top.hintEastAsia);
  take(bold, top.bold);
  take(italic, top.italic);
  take(shadow, top.shadow);
  take(strike, top.strike);
  take(caps, top.caps);
  take(smallCaps, top.smallCaps);
  take(hidden, top.hidden);
  take(size, top.size);
  take(underline, top.underline);
  take(underlineColor, top.underlineColor);
  take(color, top.color);
  take(animation, top.animation);
  take(emphasis, top.emphasis);
  take(scaling, top.scaling);
  take(spacing, top.spacing);
  take(verticalAlign, top.verticalAlign);
  take(highlight, top.highlight);
  take(shading, top.shading);
  take(border, top.border);
}

namespace {

uint64_t HeapBytes(const std::optional<std::string>& text) {
  return text ? text->capacity() : 0;
}

}  // namespace

uint64_t HeapBytes(const RunProps& props) {
  return HeapBytes(props.style) + HeapBytes(props.ascii) + HeapBytes(props.hAnsi) +
         HeapBytes(props.eastAsia) + HeapBytes(props.complex);
}

uint64_t HeapBytes(const ParagraphProps& props) {
  return HeapBytes(props.style) + (props.frame ? props.frame->xAlign.capacity() : 0) +
         HeapBytes(props.mark);
}

void ParagraphProps::Overlay(const ParagraphProps& over) {
  auto take = [](auto& mine, const auto& theirs) {
    if (theirs) mine = theirs;
  };
  take(style, over.style);
  take(alignment, over.alignment);
  take(left, over.left);
  take(right, over.right);
  take(firstLine, over.firstLine);
  take(before, over.before);
  take(after, over.after);
  take(beforeAuto, over.beforeAuto);
  take(afterAuto, over.afterAuto);
  take(line, over.line);
  take(shading, over.shading);
  take(top, over.top);
  take(leftBorder, over.leftBorder);
  take(bottom, over.bottom);
  take(rightBorder, over.rightBorder);
  take(between, over.between);
  take(frame, over.frame);
  take(numId, over.numId);
  take(level, over.level);
  take(textDirection, over.textDirection);
  take(pageBreakBefore, over.pageBreakBefore);
}

std::optional<BorderProps> ReadBorder(pugi::xml_node border) {
  if (!border) return std::nullopt;
  BorderProps b;
  b.lineStyle = Lookup(kLineStyles, Val(border)).value_or(wdLineStyleSingle);
  b.width = static_cast<int32_t>(std::clamp<long long>(Number(border, "sz").value_or(0), 0, 96));
  b.color = ReadColor(border, "color");
  b.shadow = OnOffAttribute(border, "shadow").value_or(false);
  b.space = static_cast<int32_t>(Number(border, "space").value_or(0));
  return b;
}

std::optional<ShadingProps> ReadShading(pugi::xml_node shd) {
  if (!shd) return std::nullopt;
  ShadingProps s;
  s.texture = Lookup(kTextures, Val(shd)).value_or(wdTextureNone);
  s.foreground = ReadColor(shd, "color");
  s.background = ReadColor(shd, "fill");
  return s;
}

std::optional<int32_t> ReadTextDirection(pugi::xml_node textDirection) {
  if (!textDirection) return std::nullopt;
  return Lookup(kTextDirections, Val(textDirection)).value_or(wdTextOrientationHorizontal);
}

RunProps ReadRunProps(pugi::xml_node rPr, const ReadContext& context) {
  RunProps p;
  for (pugi::xml_node c = rPr.first_child(); c; c = c.next_sibling()) {
    if (c.type() != pugi::node_element) continue;
    const std::string_view name = LocalName(c.name());
    if (name == "rStyle") {
      p.style = std::string(Val(c));
    } else if (name == "rFonts") {
      ReadFonts(c, context, p);
    } else if (name == "b") {
      p.bold = OnOff(c);
    } else if (name == "i") {
      p.italic = OnOff(c);
    } else if (name == "shadow") {
      p.shadow = OnOff(c);
    } else if (name == "strike") {
      p.strike = OnOff(c);
    } else if (name == "caps") {
      p.caps = OnOff(c);
    } else if (name == "smallCaps") {
      p.smallCaps = OnOff(c);
    } else if (name == "vanish") {
      p.hidden = OnOff(c);
    } else if (name == "sz") {
      if (std::optional<long long> half = Number(c, "val"))
        p.size = static_cast<float>(std::clamp<long long>(*half, 2, 3276)) / 2.0f;
    } else if (name == "u") {
      const pugi::xml_attribute val = Attr(c, "val");
      p.underline =
          val ? Lookup(kUnderlines, val.value()).value_or(wdUnderlineSingle) : wdUnderlineSingle;
      p.underlineColor = ReadColor(c, "color");
    } else if (name == "color") {
      p.color = ReadColor(c, "val");
    } else if (name == "effect") {
      p.animation = Lookup(kAnimations, Val(c)).value_or(wdAnimationNone);
    } else if (name == "em") {
      p.emphasis = Lookup(kEmphasisMarks, Val(c)).value_or(wdEmphasisMarkNone);
    } else if (name == "w") {
      if (std::optional<long long> w = Number(c, "val"))
        p.scaling = static_cast<int32_t>(std::clamp<long long>(*w, 1, 600));
    } else if (name == "spacing") {
      if (std::optional<long long> s = Number(c, "val")) p.spacing = static_cast<float>(*s) / 20.0f;
    } else if (name == "vertAlign") {
      const std::string_view v = Val(c);
      p.verticalAlign = v == "superscript" ? 1 : v == "subscript" ? 2 : 0;
    } else if (name == "highlight") {
      p.highlight = Lookup(kHighlights, Val(c)).value_or(wdNoHighlight);
    } else if (name == "shd") {
      p.shading = ReadShading(c);
    } else if (name == "bdr") {
      p.border = ReadBorder(c);
    }
  }
  return p;
}

ParagraphProps ReadParagraphProps(pugi::xml_node pPr, const ReadContext& context) {
  ParagraphProps p;
  for (pugi::xml_node c = pPr.first_child(); c; c = c.next_sibling()) {
    if (c.type() != pugi::node_element) continue;
    const std::string_view name = LocalName(c.name());
    if (name == "pStyle") {
      p.style = std::string(Val(c));
    } else if (name == "jc") {
      p.alignment = Lookup(kAlignments, Val(c)).value_or(wdAlignParagraphLeft);
    } else if (name == "ind") {
      ReadIndents(c, p);
    } else if (name == "spacing") {
      ReadSpacing(c, p);
    } else if (name == "shd") {
      p.shading = ReadShading(c);
    } else if (name == "pBdr") {
      p.top = ReadBorder(Child(c, "top"));
      p.leftBorder = ReadBorder(Child(c, "left") ? Child(c, "left") : Child(c, "start"));
      p.bottom = ReadBorder(Child(c, "bottom"));
      p.rightBorder = ReadBorder(Child(c, "right") ? Child(c, "right") : Child(c, "end"));
      p.between = ReadBorder(Child(c, "between"));
    } else if (name == "framePr") {
      FrameProps f;
      f.dropCap = Lookup(kDropCaps, Attr(c, "dropCap").value()).value_or(wdDropNone);
      f.lines = static_cast<int32_t>(std::clamp<long long>(Number(c, "lines").value_or(0), 0, 100));
      f.hSpace = static_cast<int32_t>(Number(c, "hSpace").value_or(0));
      f.xAlign = Attr(c, "xAlign").value();
      p.frame = f;
    } else if (name == "numPr") {
      if (std::optional<long long> id = Number(Child(c, "numId"), "val"))
        p.numId = static_cast<int32_t>(*id);
      if (std::optional<long long> level = Number(Child(c, "ilvl"), "val"))
        p.level = static_cast<int32_t>(std::clamp<long long>(*level, 0, 8));
    } else if (name == "textDirection") {
      p.textDirection = ReadTextDirection(c);
    } else if (name == "pageBreakBefore") {
      p.pageBreakBefore = OnOff(c);
    } else if (name == "rPr") {
      p.mark = ReadRunProps(c, context);
    }
  }
  return p;
}

const RunProps& BuiltInRunProps() {
  static const RunProps props = [] {
    RunProps p;
    p.ascii = p.hAnsi = p.complex = "Times New Roman";
    p.eastAsia = "宋体";
    p.hintEastAsia = false;
    p.bold = p.italic = p.shadow = p.strike = p.caps = p.smallCaps = p.hidden = false;
    p.size = 10.0f;
    p.underline = wdUnderlineNone;
    p.underlineColor = ColorValue{};
    p.color = ColorValue{};
    p.animation = wdAnimationNone;
    p.emphasis = wdEmphasisMarkNone;
    p.scaling = 100;
    p.spacing = 0.0f;
    p.verticalAlign = 0;
    p.highlight = wdNoHighlight;
    p.shading = ShadingProps{};
    p.border = BorderProps{};
    return p;
  }();
  return props;
}

const ParagraphProps& BuiltInParagraphProps() {
  static const ParagraphProps props = [] {
    ParagraphProps p;
    p.alignment = wdAlignParagraphLeft;
    p.left = p.right = p.firstLine = p.before = p.after = UnitLength{};
    p.beforeAuto = p.afterAuto = false;
    p.line = LineSpacing{};
    p.shading = ShadingProps{};
    p.top = p.leftBorder = p.bottom = p.rightBorder = p.between = BorderProps{};
    p.frame = FrameProps{};
    p.textDirection = wdTextOrientationHorizontal;
    p.pageBreakBefore = false;
    return p;
  }();
  return props;
}

}  // namespace word
