// Hex colour text and the integer-HLS tint.
#include "platform/office/common/color_value.h"

#include <algorithm>
#include <cmath>

namespace office {
namespace {

// The desktop's classic integer hue/luminance/saturation form (each 0..240) and its
// conversions, rounding where they round.
struct IntegerHls {
  static constexpr int kMax = 240;
  static constexpr int kRgbMax = 255;
  int hue = kMax * 2 / 3;
  int lum = 0;
  int sat = 0;

  static IntegerHls From(int r, int g, int b) {
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    IntegerHls hls;
    hls.lum = ((max + min) * kMax + kRgbMax) / (2 * kRgbMax);
    if (max == min) return hls;
    const int diff = max - min;
    hls.sat = hls.lum <= kMax / 2
                  ? (diff * kMax + (max + min) / 2) / (max + min)
                  : (diff * kMax + (2 * kRgbMax - max - min) / 2) / (2 * kRgbMax - max - min);
    auto delta = [&](int channel) { return ((max - channel) * (kMax / 6) + diff / 2) / diff; };
    if (r == max) {
      hls.hue = delta(b) - delta(g);
    } else if (g == max) {
      hls.hue = kMax / 3 + delta(r) - delta(b);
    } else {
      hls.hue = 2 * kMax / 3 + delta(g) - delta(r);
    }
    if (hls.hue < 0) hls.hue += kMax;
    if (hls.hue > kMax) hls.hue -= kMax;
    return hls;
  }

  static int HueToChannel(int n1, int n2, int hue) {
    if (hue < 0) hue += kMax;
    if (hue > kMax) hue -= kMax;
    if (hue < kMax / 6) return n1 + ((n2 - n1) * hue + kMax / 12) / (kMax / 6);
    if (hue < kMax / 2) return n2;
    if (hue < kMax * 2 / 3) return n1 + ((n2 - n1) * (kMax * 2 / 3 - hue) + kMax / 12) / (kMax / 6);
    return n1;
  }

  uint32_t ToRgb() const {
    auto byte = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, kRgbMax)); };
    const int l = std::clamp(lum, 0, kMax);
    if (sat == 0) {
      // Greys round as the channels below do; truncating them takes the picker's D9D9D9 to D8D8D8.
      const uint32_t grey = byte((l * kRgbMax + kMax / 2) / kMax);
      return (grey << 16) | (grey << 8) | grey;
    }
    const int magic2 = l <= kMax / 2 ? (l * (kMax + sat) + kMax / 2) / kMax
                                     : l + sat - (l * sat + kMax / 2) / kMax;
    const int magic1 = 2 * l - magic2;
    auto channel = [&](int hueShift) {
      return byte((HueToChannel(magic1, magic2, hue + hueShift) * kRgbMax + kMax / 2) / kMax);
    };
    return (channel(kMax / 3) << 16) | (channel(0) << 8) | channel(-kMax / 3);
  }
};

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<uint32_t> ParseRgbHex(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  uint32_t value = 0;
  for (char ch : text) {
    const int digit = HexDigit(ch);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return value;
}

std::optional<uint32_t> ParseArgbHex(std::string_view text) {
  if (text.size() == 8) {
    if (HexDigit(text[0]) < 0 || HexDigit(text[1]) < 0) return std::nullopt;
    text.remove_prefix(2);
  }
  return ParseRgbHex(text);
}

uint32_t ApplyTint(uint32_t rrggbb, double tint) {
  if (tint == 0 || !std::isfinite(tint)) return rrggbb;
  tint = std::clamp(tint, -1.0, 1.0);
  IntegerHls hls = IntegerHls::From((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
  const double lum =
      tint < 0 ? hls.lum * (1 + tint)
               : hls.lum * (1 - tint) + (IntegerHls::kMax - IntegerHls::kMax * (1 - tint));
  hls.lum = static_cast<int>(lum);  // truncated, as the spreadsheet does
  return hls.ToRgb();
}

}  // namespace office
