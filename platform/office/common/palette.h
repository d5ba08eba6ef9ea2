// The spreadsheet's colour index: a palette of 56 colours numbered 1 to 56, the numbers that
// `ColorIndex` properties report, and the look-up from any colour to the nearest palette entry
// (a colour outside the palette reports the index of the entry closest to it). A workbook may
// replace entries with its own palette; `Palette::Default()` is the suite's standard one.
// Colours here are automation colour values: red in the low byte, then green, then blue.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace office {

// `ColorIndex` values that are no palette entry.
inline constexpr int kColorIndexAutomatic = -4105;
inline constexpr int kColorIndexNone = -4142;

class Palette {
 public:
  // The standard palette.
  Palette();
  static const Palette& Default();

  // Entry `index` (1..56); nullopt outside that range.
  std::optional<int32_t> Color(int index) const;
  // Replaces entry `index` (1..56); false outside that range.
  bool Set(int index, int32_t color);

  // The index (1..56) of the entry nearest to `color` by distance in RGB; an exact match is
  // always found, and on ties the lowest index wins (pure blue is 5, not 32).
  int NearestIndex(int32_t color) const;

  // A spreadsheet file's "indexed" colour n: 0..7 are fixed (black, white, red, green, blue,
  // yellow, magenta, cyan), 8..63 are entries 1..56; 64 and 65 (system colours) and anything
  // else give nullopt.
  std::optional<int32_t> Indexed(int n) const;

 private:
  std::array<int32_t, 56> colors_;
};

}  // namespace office
