// Palette, nearest index and tints.
#include "platform/office/common/palette.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace office {

const Palette& DefaultPalette() {
  static const Palette kPalette = {
      0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
      0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
      0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
      0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
      0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
      0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
      0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
  };
  return kPalette;
}

int NearestColorIndex(uint32_t rgb, const Palette& palette) {
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  int best = 1;
  long bestDistance = -1;
  for (size_t i = 0; i < palette.size(); ++i) {
    const int pr = (palette[i] >> 16) & 0xFF, pg = (palette[i] >> 8) & 0xFF, pb = palette[i] & 0xFF;
    const long d = long{r - pr} * (r - pr) + long{g - pg} * (g - pg) + long{b - pb} * (b - pb);
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i) + 1;
    }
  }
  return best;
}

namespace {

double HueToRgb(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 0.5) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

}  // namespace

uint32_t ApplyTint(uint32_t rgb, double tint) {
  if (tint == 0 || !std::isfinite(tint)) return rgb;
  tint = std::clamp(tint, -1.0, 1.0);
  const double r = ((rgb >> 16) & 0xFF) / 255.0, g = ((rgb >> 8) & 0xFF) / 255.0,
               b = (rgb & 0xFF) / 255.0;
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
  double h = 0, s = 0, l = (mx + mn) / 2;
  if (mx != mn) {
    const double d = mx - mn;
    s = l > 0.5 ? d / (2 - mx - mn) : d / (mx + mn);
    if (mx == r) {
      h = (g - b) / d + (g < b ? 6 : 0);
    } else if (mx == g) {
      h = (b - r) / d + 2;
    } else {
      h = (r - g) / d + 4;
    }
    h /= 6;
  }
  l = tint < 0 ? l * (1 + tint) : l + (1 - l) * tint;
  double nr = l, ng = l, nb = l;
  if (s != 0) {
    const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    const double p = 2 * l - q;
    nr = HueToRgb(p, q, h + 1.0 / 3);
    ng = HueToRgb(p, q, h);
    nb = HueToRgb(p, q, h - 1.0 / 3);
  }
  auto byte = [](double v) {
    return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
  };
  return (byte(nr) << 16) | (byte(ng) << 8) | byte(nb);
}

bool ParseArgb(const char* text, uint32_t& rgb) {
  const size_t n = std::strlen(text);
  if (n != 6 && n != 8) return false;
  uint32_t v = 0;
  for (size_t i = 0; i < n; ++i) {
    const char c = text[i];
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else {
      return false;
    }
    v = v * 16 + static_cast<uint32_t>(d);
  }
  rgb = v & 0xFFFFFF;
  return true;
}

}  // namespace office
