// Text measurement over the generated metrics table.
#include "platform/office/common/font_metrics.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "platform/base/text.h"
#include "platform/office/common/units.h"

namespace office {
namespace {

struct Metrics {
  const char* family;
  bool bold;
  int lineSpacing;  // thousandths of an em
  int ideograph;
  int ascii[95];  // advances of ' '..'~'
};

const Metrics kTable[] = {
#include "platform/office/common/font_metrics_table.inc"
};

// The Song, Hei, Kai and Fang families: Latin letters at half an em.
const Metrics& HalfWidth() {
  static const Metrics kHalf = [] {
    Metrics m{"half-width", false, 1000, 1000, {}};
    for (int& a : m.ascii) a = 500;
    return m;
  }();
  return kHalf;
}

const Metrics* Find(std::string_view family, bool bold) {
  const Metrics* regular = nullptr;
  for (const Metrics& m : kTable) {
    if (family != m.family) continue;
    if (m.bold == bold) return &m;
    if (!m.bold) regular = &m;
  }
  return regular;
}

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

const Metrics& LookUpFont(std::string_view name, bool bold) {
  struct Alias {
    const char* name;
    const char* family;  // null: half-width
  };
  static const Alias kAliases[] = {
      {"calibri", "Carlito"},
      {"calibri light", "Carlito"},
      {"arial", "Liberation Sans"},
      {"helvetica", "Liberation Sans"},
      {"tahoma", "Liberation Sans"},
      {"verdana", "Liberation Sans"},
      {"times new roman", "Liberation Serif"},
      {"cambria", "Liberation Serif"},
      {"courier new", "Liberation Mono"},
      {"microsoft yahei", "WenQuanYi Micro Hei"},
      {"微软雅黑", "WenQuanYi Micro Hei"},
      {"等线", "WenQuanYi Micro Hei"},
      {"等线 light", "WenQuanYi Micro Hei"},
      {"dengxian", "WenQuanYi Micro Hei"},
      {"宋体", nullptr},
      {"新宋体", nullptr},
      {"simsun", nullptr},
      {"nsimsun", nullptr},
      {"黑体", nullptr},
      {"simhei", nullptr},
      {"楷体", nullptr},
      {"楷体_gb2312", nullptr},
      {"kaiti", nullptr},
      {"仿宋", nullptr},
      {"仿宋_gb2312", nullptr},
      {"fangsong", nullptr},
      {"隶书", nullptr},
      {"幼圆", nullptr},
  };
  const std::string lower = base::AsciiLower(base::Trim(name));
  for (const Alias& a : kAliases) {
    if (lower != a.name) continue;
    if (a.family == nullptr) return HalfWidth();
    if (const Metrics* m = Find(a.family, bold)) return *m;
  }
  const Metrics* fallback = Find(IsAscii(lower) ? "Carlito" : "WenQuanYi Micro Hei", bold);
  return fallback != nullptr ? *fallback : HalfWidth();
}

// The same font is measured cell after cell: the last answer is kept (all point into static
// tables).
const Metrics& ForFont(std::string_view name, bool bold) {
  thread_local std::string lastName;
  thread_local bool lastBold = false;
  thread_local const Metrics* last = nullptr;
  if (last == nullptr || lastBold != bold || lastName != name) {
    last = &LookUpFont(name, bold);
    lastName = std::string(name);
    lastBold = bold;
  }
  return *last;
}

// Decodes one UTF-8 character at text[i], advancing i; U+FFFD for a broken sequence.
char32_t NextChar(std::string_view text, size_t& i) {
  const auto b = static_cast<unsigned char>(text[i++]);
  if (b < 0x80) return b;
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
  if (extra < 0) return 0xFFFD;
  char32_t c = b & (0x3F >> extra);
  for (; extra > 0; --extra) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return c;
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

double TextWidthPixels(std::string_view text, std::string_view fontName, double sizePoints,
                       bool bold) {
  const Metrics& m = ForFont(fontName, bold);
  const double em = PointsToPixels(sizePoints);
  // Each glyph advances by whole pixels, as the suites' screen text does.
  double pixels = 0;
  for (size_t i = 0; i < text.size();) {
    const char32_t c = NextChar(text, i);
    int advance = 0;
    if (c >= 32 && c < 127) {
      advance = m.ascii[c - 32];
    } else if (IsWide(c)) {
      advance = m.ideograph;
    } else if (c >= 0x80) {
      advance = m.ascii['n' - 32];
    }
    pixels += std::round(advance / 1000.0 * em);
  }
  return pixels;
}

int MaxDigitWidthPixels(std::string_view fontName, double sizePoints) {
  const Metrics& m = ForFont(fontName, false);
  int widest = 0;
  for (char d = '0'; d <= '9'; ++d) widest = std::max(widest, m.ascii[d - 32]);
  return std::max(1, static_cast<int>(std::lround(widest / 1000.0 * PointsToPixels(sizePoints))));
}

double DefaultRowHeightPoints(std::string_view fontName, double sizePoints) {
  const Metrics& m = ForFont(fontName, false);
  const double pixels = std::lround(m.lineSpacing / 1000.0 * PointsToPixels(sizePoints)) + 2;
  return PixelsToPoints(pixels);
}

}  // namespace office
