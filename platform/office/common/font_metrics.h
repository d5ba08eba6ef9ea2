// How wide text is drawn and how tall a line is in the suites' fonts, for what must be laid out
// to be answered (a column fitted to its contents, a default row height). The widths come from
// Debian's metric-compatible fonts (Carlito for Calibri, Liberation for Arial, Times New Roman
// and Courier New, WenQuanYi Micro Hei for the proportional Chinese fonts); the Song, Hei, Kai
// and Fang families draw Latin letters at half an em and ideographs at a full em. Unknown fonts
// are measured as Calibri, or as a Chinese font when their name is not ASCII. The results are
// approximations of the suites' own rendering: within a pixel or two per word.
#pragma once

#include <string_view>

namespace office {

// The width in pixels (96 per inch) of UTF-8 text in a font, each glyph rounded to whole pixels.
double TextWidthPixels(std::string_view text, std::string_view fontName, double sizePoints,
                       bool bold);

// The widest digit of the font in whole pixels: the unit a column width counts in.
int MaxDigitWidthPixels(std::string_view fontName, double sizePoints);

// A row's height in points when it holds one line of the font and nothing taller.
double DefaultRowHeightPoints(std::string_view fontName, double sizePoints);

}  // namespace office
