// Val, case mapping, width narrowing and text comparison.
#include "platform/vb/strings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/base/text.h"

namespace vb {

char32_t DecodeUtf8(std::string_view s, size_t i, size_t& len) {
  const auto b = static_cast<unsigned char>(s[i]);
  int extra = b >= 0xF0 && b < 0xF8 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : 0;
  if (b < 0x80 || extra == 0 || i + extra >= s.size()) {
    len = 1;
    return b;
  }
  char32_t c = b & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const auto t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) {
      len = 1;
      return b;
    }
    c = (c << 6) | (t & 0x3F);
  }
  len = static_cast<size_t>(extra) + 1;
  return c;
}

namespace {

// Applies `map` to every well-formed character; malformed bytes pass through unchanged.
template <class Map>
std::string MapChars(std::string_view text, Map map) {
  std::string out;
  size_t ascii = 0;
  while (ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80) ++ascii;
  if (ascii == text.size()) {  // the common case: plain ASCII maps byte by byte
    out.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i) out[i] = static_cast<char>(map(text[i]));
    return out;
  }
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    size_t len;
    const char32_t c = DecodeUtf8(text, i, len);
    if (len == 1 && c >= 0x80) {
      out += text[i];
    } else {
      AppendUtf8(map(c), out);
    }
    i += len;
  }
  return out;
}

}  // namespace

char32_t NarrowChar(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFEE0;
  if (c == 0x3000) return U' ';
  static constexpr char32_t kSigns[] = {0xA2, 0xA3, 0xAC, 0xAF, 0xA6, 0xA5, 0x20A9};
  if (c >= 0xFFE0 && c <= 0xFFE6) return kSigns[c - 0xFFE0];
  return c;
}

char32_t LowerChar(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c >= 0xFF21 && c <= 0xFF3A) return c + 32;
  return c;
}

char32_t UpperChar(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 32;
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 32;
  return c;
}

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

base::Result<double> Val(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  }
  if (s.size() >= 2 && s[0] == '&') {
    size_t end = 0, digits = 0;
    return detail::ReadRadixLiteral(s, end, digits);
  }
  size_t i = 0;
  std::string number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
  int digits = 0;
  while (i < s.size() && IsDigit(s[i])) number += s[i++], ++digits;
  if (i < s.size() && s[i] == '.') {
    number += s[i++];
    while (i < s.size() && IsDigit(s[i])) number += s[i++], ++digits;
  }
  if (digits == 0) return 0.0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) exponent += s[j++];
      number += exponent;
    }
  }
  const double value = std::strtod(number.c_str(), nullptr);
  if (!std::isfinite(value)) return RuntimeError(ErrorCode::Overflow);
  return value;
}

std::string LCase(std::string_view text) {
  return MapChars(text, LowerChar);
}

std::string UCase(std::string_view text) {
  return MapChars(text, UpperChar);
}

std::string Narrow(std::string_view text) {
  return MapChars(text, NarrowChar);
}

int TextCompare(std::string_view a, std::string_view b) {
  // Plain ASCII on both sides, the usual case of keys and keywords, compares without copies.
  const auto ascii = [](std::string_view s) {
    for (char c : s) {
      if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
  };
  if (ascii(a) && ascii(b)) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
      const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
      const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] + 32) : b[i];
      if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
  }
  const std::string x = MapChars(a, [](char32_t c) { return LowerChar(NarrowChar(c)); });
  const std::string y = MapChars(b, [](char32_t c) { return LowerChar(NarrowChar(c)); });
  const int r = x.compare(y);
  return r < 0 ? -1 : r > 0 ? 1 : 0;
}

size_t InStrText(std::string_view text, std::string_view sought, size_t from) {
  if (from > text.size()) return std::string_view::npos;
  // A plain ASCII text is found as ASCII: no other character folds to an ASCII letter.
  if (std::all_of(sought.begin(), sought.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return base::FindNoCase(text, sought, from);
  // Case mapping keeps every character's length, so offsets in the lowered text are the text's.
  return std::string_view(LCase(text)).find(LCase(sought), from);
}

}  // namespace vb
