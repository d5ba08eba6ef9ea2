#include "platform/office/drawingml/text.h"

#include <string>
#include <string_view>

#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

constexpr Named<Underline> kUnderlines[] = {
    {"none", Underline::kNone},
    {"words", Underline::kWords},
    {"sng", Underline::kSingle},
    {"dbl", Underline::kDouble},
    {"heavy", Underline::kHeavy},
    {"dotted", Underline::kDotted},
    {"dottedHeavy", Underline::kDottedHeavy},
    {"dash", Underline::kDash},
    {"dashHeavy", Underline::kDashHeavy},
    {"dashLong", Underline::kDashLong},
    {"dashLongHeavy", Underline::kDashLongHeavy},
    {"dotDash", Underline::kDotDash},
    {"dotDashHeavy", Underline::kDotDashHeavy},
    {"dotDotDash", Underline::kDotDotDash},
    {"dotDotDashHeavy", Underline::kDotDotDashHeavy},
    {"wavy", Underline::kWavy},
    {"wavyHeavy", Underline::kWavyHeavy},
    {"wavyDbl", Underline::kWavyDouble},
};
constexpr Named<Strike> kStrikes[] = {
    {"noStrike", Strike::kNone}, {"sngStrike", Strike::kSingle}, {"dblStrike", Strike::kDouble}};
constexpr Named<Caps> kCaps[] = {
    {"none", Caps::kNone}, {"small", Caps::kSmall}, {"all", Caps::kAll}};
constexpr Named<Alignment> kAlignments[] = {
    {"l", Alignment::kLeft},
    {"ctr", Alignment::kCenter},
    {"r", Alignment::kRight},
    {"just", Alignment::kJustify},
    {"dist", Alignment::kDistributed},
    {"thaiDist", Alignment::kThaiDistributed},
    {"justLow", Alignment::kJustifyLow},
};

// Hundredths of a point (sz, spc) as points; false when present but unreadable.
bool ReadHundredths(pugi::xml_node node, std::string_view local, std::optional<double>& target) {
  if (!Attr(node, local)) return true;
  std::optional<int64_t> value = IntAttr(node, local);
  if (!value) return false;
  target = static_cast<double>(*value) / 100.0;
  return true;
}

bool ReadFlag(pugi::xml_node node, std::string_view local, std::optional<bool>& target) {
  if (!Attr(node, local)) return true;
  target = BoolAttr(node, local);
  return target.has_value();
}

std::string Typeface(pugi::xml_node parent, std::string_view local) {
  return Attr(Child(parent, local), "typeface").value();
}

// The first set member along the levels.
template <class T, class Member>
std::optional<T> First(std::span<const TextLevel* const> levels, Member member) {
  for (const TextLevel* level : levels) {
    if (level != nullptr && (level->*member).has_value()) return level->*member;
  }
  return std::nullopt;
}

std::string_view FirstText(std::span<const TextLevel* const> levels, std::string TextLevel::*member,
                           std::string_view fallback) {
  for (const TextLevel* level : levels) {
    if (level != nullptr && !(level->*member).empty()) return level->*member;
  }
  return fallback;
}

std::string ResolveTypeface(std::string_view name, const Context& context) {
  if (context.theme == nullptr) return std::string(name);
  return std::string(context.theme->Typeface(name, context.eastAsianScript));
}

}  // namespace

base::Result<TextLevel> ReadRunProperties(pugi::xml_node rPr) {
  TextLevel level;
  if (!rPr) return level;
  if (!ReadHundredths(rPr, "sz", level.sizePt)) return Unreadable(rPr, "sz");
  if (!ReadFlag(rPr, "b", level.bold)) return Unreadable(rPr, "b");
  if (!ReadFlag(rPr, "i", level.italic)) return Unreadable(rPr, "i");
  if (!ReadNamed(rPr, "u", kUnderlines, level.underline)) return Unreadable(rPr, "u");
  if (!ReadNamed(rPr, "strike", kStrikes, level.strike)) return Unreadable(rPr, "strike");
  if (!ReadNamed(rPr, "cap", kCaps, level.caps)) return Unreadable(rPr, "cap");
  if (!ReadHundredths(rPr, "spc", level.spacingPt)) return Unreadable(rPr, "spc");
  if (Attr(rPr, "baseline")) {
    level.baseline = FractionAttr(rPr, "baseline");
    if (!level.baseline) return Unreadable(rPr, "baseline");
  }
  level.fill = FindFillElement(rPr);
  level.latin = Typeface(rPr, "latin");
  level.eastAsian = Typeface(rPr, "ea");
  level.complexScript = Typeface(rPr, "cs");
  level.language = Attr(rPr, "lang").value();
  return level;
}

base::Result<TextLevel> ReadParagraphProperties(pugi::xml_node pPr) {
  base::Result<TextLevel> level = ReadRunProperties(Child(pPr, "defRPr"));
  if (!level) return level;
  if (!ReadNamed(pPr, "algn", kAlignments, level->alignment)) return Unreadable(pPr, "algn");
  return level;
}

base::Result<TextLevel> ReadFontReference(pugi::xml_node fontRef) {
  if (!fontRef) return Missing("font reference");
  std::string_view collection = Attr(fontRef, "idx").value();
  std::string prefix;
  if (collection == "major") {
    prefix = "+mj-";
  } else if (collection == "minor") {
    prefix = "+mn-";
  } else if (collection != "none") {
    return Unreadable(fontRef, "idx");
  }
  TextLevel level;
  if (!prefix.empty()) {
    level.latin = prefix + "lt";
    level.eastAsian = prefix + "ea";
    level.complexScript = prefix + "cs";
  }
  level.fill = FindColorElement(fontRef);
  return level;
}

base::Result<ListStyle> ListStyle::Read(pugi::xml_node listStyle) {
  ListStyle style;
  for (pugi::xml_node child = listStyle.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    std::string_view name = LocalName(child.name());
    size_t slot;
    if (name == "defPPr") {
      slot = 0;
    } else if (name.size() == 7 && name.substr(0, 3) == "lvl" && name.substr(4) == "pPr" &&
               name[3] >= '1' && name[3] <= '9') {
      slot = static_cast<size_t>(name[3] - '0');
    } else {
      continue;
    }
    base::Result<TextLevel> level = ReadParagraphProperties(child);
    if (!level) return level.error();
    style.levels_[slot] = *std::move(level);
  }
  return style;
}

const TextLevel* ListStyle::Level(int level) const {
  if (level < 0 || level > 8) return nullptr;
  const std::optional<TextLevel>& entry = levels_[static_cast<size_t>(level + 1)];
  return entry ? &*entry : nullptr;
}

const TextLevel* ListStyle::Default() const {
  return levels_[0] ? &*levels_[0] : nullptr;
}

base::Result<ResolvedText> ResolveText(std::span<const TextLevel* const> levels,
                                       const Context& context) {
  ResolvedText text;
  text.sizePt = First<double>(levels, &TextLevel::sizePt).value_or(text.sizePt);
  text.bold = First<bool>(levels, &TextLevel::bold).value_or(false);
  text.italic = First<bool>(levels, &TextLevel::italic).value_or(false);
  text.underline = First<Underline>(levels, &TextLevel::underline).value_or(Underline::kNone);
  text.strike = First<Strike>(levels, &TextLevel::strike).value_or(Strike::kNone);
  text.baseline = First<double>(levels, &TextLevel::baseline).value_or(0);
  text.caps = First<Caps>(levels, &TextLevel::caps).value_or(Caps::kNone);
  text.spacingPt = First<double>(levels, &TextLevel::spacingPt).value_or(0);
  text.alignment = First<Alignment>(levels, &TextLevel::alignment).value_or(Alignment::kLeft);
  text.latin = ResolveTypeface(FirstText(levels, &TextLevel::latin, "+mn-lt"), context);
  text.eastAsian = ResolveTypeface(FirstText(levels, &TextLevel::eastAsian, "+mn-ea"), context);
  text.complexScript =
      ResolveTypeface(FirstText(levels, &TextLevel::complexScript, "+mn-cs"), context);
  text.language = FirstText(levels, &TextLevel::language, "");

  for (const TextLevel* level : levels) {
    if (level == nullptr || !level->fill) continue;
    if (IsColorElement(level->fill)) {
      base::Result<Color> color = ResolveColor(level->fill, context);
      if (!color) return color.error().In("text colour");
      text.color = *color;
      break;
    }
    base::Result<Fill> fill = ReadFillElement(level->fill, context);
    if (!fill) return fill.error().In("text fill");
    text.fillKind = fill->kind;
    text.color = fill->color;
    break;
  }
  return text;
}

base::Result<ResolvedText> ResolveText(std::initializer_list<const TextLevel*> levels,
                                       const Context& context) {
  return ResolveText(std::span<const TextLevel* const>(levels.begin(), levels.size()), context);
}

}  // namespace drawingml
