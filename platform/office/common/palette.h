// The office suite's 56-colour palette that colour indexes number (1 black, 2 white, 3 red, ...),
// the nearest index of any colour, and the tint arithmetic that theme colours are shaded with.
// Colours are 0xRRGGBB.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace office {

using Palette = std::array<uint32_t, 56>;

// The default palette: entry i is colour index i + 1.
const Palette& DefaultPalette();

// The colour index (1..56) whose colour is nearest (squared RGB distance, first one on a tie).
int NearestColorIndex(uint32_t rgb, const Palette& palette = DefaultPalette());

// A colour lightened (tint > 0) or darkened (tint < 0) by a fraction of its luminance, as theme
// colours are shaded: in HLS, L' = L * (1 + tint) below 0, L + (1 - L) * tint above.
uint32_t ApplyTint(uint32_t rgb, double tint);

// "FFRRGGBB" or "RRGGBB" (alpha ignored); false when the text is no colour.
bool ParseArgb(const char* text, uint32_t& rgb);

}  // namespace office
