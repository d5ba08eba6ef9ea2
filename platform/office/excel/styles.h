// The workbook's cell formats as the object model reads them: for each cell format ("s" of a
// cell, an index into <cellXfs>) its number format, font, fill, border and alignment, with
// colours resolved through the theme, tints and the (possibly customised) palette. Parsed once,
// on first use; style resolution lives here and nowhere else.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "platform/office/common/palette.h"

namespace excel {

struct ColorSpec {
  enum class Kind : uint8_t { None, Auto, Indexed, Rgb, Theme };
  Kind kind = Kind::None;
  uint32_t value = 0;  // the index, the theme slot or 0xRRGGBB
  double tint = 0;
};

struct FontSpec {
  std::string name = "Calibri";
  double size = 11;
  bool bold = false;
  bool italic = false;
  bool strike = false;
  std::string underline;  // "" none, "single", "double", "singleAccounting", "doubleAccounting"
  ColorSpec color;
};

struct FillSpec {
  std::string pattern = "none";  // patternType; "gradient" for a gradient fill
  ColorSpec foreground;          // <fgColor>: the fill of a solid pattern, else the pattern's
  ColorSpec background;          // <bgColor>: the cell colour behind a pattern
};

struct BorderLine {
  std::string style;  // "" or "none" for no line, else "thin", "medium", "dashed", ...
  ColorSpec color;
};

struct BorderSpec {
  BorderLine left, right, top, bottom, diagonal;
  bool diagonalUp = false;
  bool diagonalDown = false;
};

struct AlignmentSpec {
  std::string horizontal;  // "" (general), "left", "center", ...
  std::string vertical;    // "" (bottom), "top", "center", ...
  int textRotation = 0;    // 0..180, 255 for stacked text
  bool wrapText = false;
  int indent = 0;
};

struct CellFormat {
  int numberFormat = 0;
  uint32_t font = 0;
  uint32_t fill = 0;
  uint32_t border = 0;
  AlignmentSpec alignment;
};

class Styles {
 public:
  Styles();
  // Reads the styles part (its document element is <styleSheet>) with the theme part's
  // <a:theme> element; null nodes give the suite's defaults.
  Styles(pugi::xml_node styleSheet, pugi::xml_node theme);

  // Cell format `xf`; format 0 for an index the workbook does not have.
  const CellFormat& Format(uint32_t xf) const;
  const FontSpec& Font(uint32_t id) const;
  const FillSpec& Fill(uint32_t id) const;
  const BorderSpec& Border(uint32_t id) const;
  // The font of the Normal style: the unit of column widths and default row heights.
  const FontSpec& DefaultFont() const { return Font(0); }

  // The format code of number format `id` (custom or built-in); "General" for an unknown id.
  std::string NumberFormatCode(int id) const;
  // The local form of the same.
  std::string NumberFormatLocal(int id) const;
  bool IsDateStyle(uint32_t xf) const;
  bool IsCurrencyStyle(uint32_t xf) const;

  // The colour as 0xRRGGBB; false for no colour and for the automatic colour.
  bool Rgb(const ColorSpec& color, uint32_t& rgb) const;
  // The colour index: the nearest palette entry of an RGB or theme colour, the palette slot of
  // an indexed one; `automatic` for the automatic colour, `none` when there is no colour.
  int ColorIndex(const ColorSpec& color, int automatic, int none) const;
  const office::Palette& Palette() const { return palette_; }

 private:
  std::vector<CellFormat> formats_;
  std::vector<FontSpec> fonts_;
  std::vector<FillSpec> fills_;
  std::vector<BorderSpec> borders_;
  std::unordered_map<int, std::string> customFormats_;
  std::vector<uint8_t> dateStyles_;      // per cell format
  std::vector<uint8_t> currencyStyles_;  // per cell format
  office::Palette palette_;
  uint32_t theme_[12];  // dk1 lt1 dk2 lt2 accent1..6 hlink folHlink
};

}  // namespace excel
