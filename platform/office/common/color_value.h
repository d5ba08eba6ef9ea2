// Colour values as the files write them and as the object models report them: 0xRRGGBB from
// the files' hex text, the automation colour value (red in the low byte) that `.Color` and
// `.RGB` report, and the spreadsheet's tint of a theme or cell colour.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace office {

// 0xRRGGBB as an automation colour value, and back.
constexpr int32_t OleFromRgb(uint32_t rrggbb) {
  return static_cast<int32_t>(((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) |
                              ((rrggbb & 0xFF) << 16));
}
constexpr uint32_t RgbFromOle(int32_t ole) {
  const auto v = static_cast<uint32_t>(ole);
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

// "RRGGBB" (six hex digits, either case) as 0xRRGGBB; nullopt for anything else.
std::optional<uint32_t> ParseRgbHex(std::string_view text);
// The spreadsheet's "AARRGGBB", or "RRGGBB", with the alpha byte dropped.
std::optional<uint32_t> ParseArgbHex(std::string_view text);

// A spreadsheet colour's tint (-1..1): darker below 0, lighter above, applied to the luminance
// in the desktop's integer HLS form (0..240) with its rounding, as the spreadsheet computes the
// variants its colour picker offers (D9E1F2, B4C6E7, 8EA9DB, 305496, 203764 for 4472C4). These
// differ by a step from DrawingML's lumMod/lumOff. A tint of 0 returns the colour untouched.
uint32_t ApplyTint(uint32_t rrggbb, double tint);

}  // namespace office
