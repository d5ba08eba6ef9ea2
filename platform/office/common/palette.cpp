#include "platform/office/common/palette.h"

#include "platform/office/common/color_value.h"

namespace office {
namespace {

// The standard palette as 0xRRGGBB, entry 1 first.
constexpr std::array<uint32_t, 56> kStandard = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,  // 1-8
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,  // 9-16
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,  // 17-24
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,  // 25-32
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,  // 33-40
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,  // 41-48
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,  // 49-56
};

int Channel(int32_t color, int shift) {
  return (color >> shift) & 0xFF;
}

}  // namespace

Palette::Palette() {
  for (size_t i = 0; i < kStandard.size(); ++i) colors_[i] = OleFromRgb(kStandard[i]);
}

const Palette& Palette::Default() {
  static const Palette palette;
  return palette;
}

std::optional<int32_t> Palette::Color(int index) const {
  if (index < 1 || index > 56) return std::nullopt;
  return colors_[static_cast<size_t>(index - 1)];
}

bool Palette::Set(int index, int32_t color) {
  if (index < 1 || index > 56) return false;
  colors_[static_cast<size_t>(index - 1)] = color & 0xFFFFFF;
  return true;
}

int Palette::NearestIndex(int32_t color) const {
  int best = 1;
  int bestDistance = -1;
  for (int i = 0; i < 56; ++i) {
    int distance = 0;
    for (int shift : {0, 8, 16}) {
      int d = Channel(color, shift) - Channel(colors_[static_cast<size_t>(i)], shift);
      distance += d * d;
    }
    if (bestDistance < 0 || distance < bestDistance) {
      best = i + 1;
      bestDistance = distance;
      if (distance == 0) break;
    }
  }
  return best;
}

std::optional<int32_t> Palette::Indexed(int n) const {
  if (n >= 0 && n < 8) return OleFromRgb(kStandard[static_cast<size_t>(n)]);
  if (n >= 8 && n < 64) return colors_[static_cast<size_t>(n - 8)];
  return std::nullopt;
}

}  // namespace office
