// The HTML legacy colour rules, as browsers read bgcolor, color and their kin.
#include "platform/office/frontpage/legacy_colour.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <iterator>

#include "platform/base/text.h"
#include "platform/vb/strings.h"

namespace frontpage {
namespace {

struct NamedColour {
  std::string_view name;
  uint32_t rgb;
};

// The names the browsers of the period knew in colour attributes, in byte order for the search.
constexpr NamedColour kNames[] = {
    {"aliceblue", 0xf0f8ff},
    {"antiquewhite", 0xfaebd7},
    {"aqua", 0x00ffff},
    {"aquamarine", 0x7fffd4},
    {"azure", 0xf0ffff},
    {"beige", 0xf5f5dc},
    {"bisque", 0xffe4c4},
    {"black", 0x000000},
    {"blanchedalmond", 0xffebcd},
    {"blue", 0x0000ff},
    {"blueviolet", 0x8a2be2},
    {"brown", 0xa52a2a},
    {"burlywood", 0xdeb887},
    {"cadetblue", 0x5f9ea0},
    {"chartreuse", 0x7fff00},
    {"chocolate", 0xd2691e},
    {"coral", 0xff7f50},
    {"cornflowerblue", 0x6495ed},
    {"cornsilk", 0xfff8dc},
    {"crimson", 0xdc143c},
    {"cyan", 0x00ffff},
    {"darkblue", 0x00008b},
    {"darkcyan", 0x008b8b},
    {"darkgoldenrod", 0xb8860b},
    {"darkgray", 0xa9a9a9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xa9a9a9},
    {"darkkhaki", 0xbdb76b},
    {"darkmagenta", 0x8b008b},
    {"darkolivegreen", 0x556b2f},
    {"darkorange", 0xff8c00},
    {"darkorchid", 0x9932cc},
    {"darkred", 0x8b0000},
    {"darksalmon", 0xe9967a},
    {"darkseagreen", 0x8fbc8f},
    {"darkslateblue", 0x483d8b},
    {"darkslategray", 0x2f4f4f},
    {"darkslategrey", 0x2f4f4f},
    {"darkturquoise", 0x00ced1},
    {"darkviolet", 0x9400d3},
    {"deeppink", 0xff1493},
    {"deepskyblue", 0x00bfff},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1e90ff},
    {"firebrick", 0xb22222},
    {"floralwhite", 0xfffaf0},
    {"forestgreen", 0x228b22},
    {"fuchsia", 0xff00ff},
    {"gainsboro", 0xdcdcdc},
    {"ghostwhite", 0xf8f8ff},
    {"gold", 0xffd700},
    {"goldenrod", 0xdaa520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xadff2f},
    {"grey", 0x808080},
    {"honeydew", 0xf0fff0},
    {"hotpink", 0xff69b4},
    {"indianred", 0xcd5c5c},
    {"indigo", 0x4b0082},
    {"ivory", 0xfffff0},
    {"khaki", 0xf0e68c},
    {"lavender", 0xe6e6fa},
    {"lavenderblush", 0xfff0f5},
    {"lawngreen", 0x7cfc00},
    {"lemonchiffon", 0xfffacd},
    {"lightblue", 0xadd8e6},
    {"lightcoral", 0xf08080},
    {"lightcyan", 0xe0ffff},
    {"lightgoldenrodyellow", 0xfafad2},
    {"lightgray", 0xd3d3d3},
    {"lightgreen", 0x90ee90},
    {"lightgrey", 0xd3d3d3},
    {"lightpink", 0xffb6c1},
    {"lightsalmon", 0xffa07a},
    {"lightseagreen", 0x20b2aa},
    {"lightskyblue", 0x87cefa},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xb0c4de},
    {"lightyellow", 0xffffe0},
    {"lime", 0x00ff00},
    {"limegreen", 0x32cd32},
    {"linen", 0xfaf0e6},
    {"magenta", 0xff00ff},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66cdaa},
    {"mediumblue", 0x0000cd},
    {"mediumorchid", 0xba55d3},
    {"mediumpurple", 0x9370db},
    {"mediumseagreen", 0x3cb371},
    {"mediumslateblue", 0x7b68ee},
    {"mediumspringgreen", 0x00fa9a},
    {"mediumturquoise", 0x48d1cc},
    {"mediumvioletred", 0xc71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xf5fffa},
    {"mistyrose", 0xffe4e1},
    {"moccasin", 0xffe4b5},
    {"navajowhite", 0xffdead},
    {"navy", 0x000080},
    {"oldlace", 0xfdf5e6},
    {"olive", 0x808000},
    {"olivedrab", 0x6b8e23},
    {"orange", 0xffa500},
    {"orangered", 0xff4500},
    {"orchid", 0xda70d6},
    {"palegoldenrod", 0xeee8aa},
    {"palegreen", 0x98fb98},
    {"paleturquoise", 0xafeeee},
    {"palevioletred", 0xdb7093},
    {"papayawhip", 0xffefd5},
    {"peachpuff", 0xffdab9},
    {"peru", 0xcd853f},
    {"pink", 0xffc0cb},
    {"plum", 0xdda0dd},
    {"powderblue", 0xb0e0e6},
    {"purple", 0x800080},
    {"red", 0xff0000},
    {"rosybrown", 0xbc8f8f},
    {"royalblue", 0x4169e1},
    {"saddlebrown", 0x8b4513},
    {"salmon", 0xfa8072},
    {"sandybrown", 0xf4a460},
    {"seagreen", 0x2e8b57},
    {"seashell", 0xfff5ee},
    {"sienna", 0xa0522d},
    {"silver", 0xc0c0c0},
    {"skyblue", 0x87ceeb},
    {"slateblue", 0x6a5acd},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xfffafa},
    {"springgreen", 0x00ff7f},
    {"steelblue", 0x4682b4},
    {"tan", 0xd2b48c},
    {"teal", 0x008080},
    {"thistle", 0xd8bfd8},
    {"tomato", 0xff6347},
    {"turquoise", 0x40e0d0},
    {"violet", 0xee82ee},
    {"wheat", 0xf5deb3},
    {"white", 0xffffff},
    {"whitesmoke", 0xf5f5f5},
    {"yellow", 0xffff00},
    {"yellowgreen", 0x9acd32},
};
static_assert(std::is_sorted(std::begin(kNames), std::end(kNames),
                             [](const NamedColour& a, const NamedColour& b) {
                               return a.name < b.name;
                             }),
              "the names must stay sorted");

// HTML's blanks: space, tab, LF, FF, CR.
constexpr std::string_view kBlanks = " \t\n\f\r";

bool IsHex(char32_t c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return base::AsciiLower(c) - 'a' + 10;
}

std::string Hex(uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xffffff));
  return text;
}

std::optional<uint32_t> Named(std::string_view text) {
  const std::string lower = base::AsciiLower(text);
  const auto* it = std::lower_bound(
      std::begin(kNames), std::end(kNames), lower,
      [](const NamedColour& entry, const std::string& key) { return entry.name < key; });
  if (it == std::end(kNames) || it->name != lower) return std::nullopt;
  return it->rgb;
}

}  // namespace

std::optional<std::string> LegacyColour(std::string_view written) {
  if (written.empty()) return std::nullopt;
  const std::string_view text = base::Trim(written, kBlanks);
  if (base::EqualsNoCase(text, "transparent")) return std::nullopt;
  if (const std::optional<uint32_t> rgb = Named(text)) return Hex(*rgb);

  // Code points, each past the basic plane as "00"; at most 128 of them.
  std::u32string chars;
  for (size_t i = 0, length = 0; i < text.size() && chars.size() < 128; i += length) {
    const char32_t c = vb::DecodeUtf8(text, i, length);
    if (c > 0xFFFF) {
      chars += U"00";
    } else {
      chars += c;
    }
  }
  if (chars.size() > 128) chars.resize(128);
  if (chars.size() == 4 && chars[0] == '#' && IsHex(chars[1]) && IsHex(chars[2]) &&
      IsHex(chars[3])) {
    uint32_t rgb = 0;
    for (size_t i = 1; i < 4; ++i)
      rgb = rgb << 8 | static_cast<uint32_t>(HexValue(char(chars[i])) * 17);
    return Hex(rgb);
  }
  std::string digits;
  for (size_t i = !chars.empty() && chars[0] == '#' ? 1 : 0; i < chars.size(); ++i)
    digits += IsHex(chars[i]) ? static_cast<char>(chars[i]) : '0';
  while (digits.empty() || digits.size() % 3 != 0) digits += '0';

  // Three equal components, each cut to its last eight digits, then stripped of leading zeros
  // while longer than two, then cut to its first two.
  size_t length = digits.size() / 3;
  std::array<std::string, 3> parts;
  for (size_t i = 0; i < 3; ++i) parts[i] = digits.substr(i * length, length);
  if (length > 8) {
    for (std::string& part : parts) part.erase(0, length - 8);
    length = 8;
  }
  while (length > 2 && parts[0][0] == '0' && parts[1][0] == '0' && parts[2][0] == '0') {
    for (std::string& part : parts) part.erase(0, 1);
    --length;
  }
  uint32_t rgb = 0;
  for (std::string& part : parts) {
    part.resize(std::min<size_t>(length, 2));
    int value = 0;
    for (char c : part) value = value * 16 + HexValue(c);
    rgb = rgb << 8 | static_cast<uint32_t>(value);
  }
  return Hex(rgb);
}

}  // namespace frontpage
