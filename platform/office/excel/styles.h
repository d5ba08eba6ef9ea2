// The workbook's cell styles as far as values need them: each cell format's number format, and
// whether that format shows a date or time. Later slices add fonts, fills, borders and
// alignment here, so style resolution stays in one place.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

namespace excel {

// True for the built-in number formats that show dates or times (14-22, 27-36, 45-47, 50-58).
bool IsBuiltinDateFormat(int id);

// True when a format code shows a date or time: a y, m, d, h or s outside quoted text,
// [brackets] and backslash escapes, in any section.
bool IsDateFormatCode(std::string_view code);

class Styles {
 public:
  Styles() = default;
  // Reads the styles part (its document element is <styleSheet>); a null node gives defaults.
  explicit Styles(pugi::xml_node styleSheet);

  // Number format id of cell format `xf` (the cell's "s"); 0 (General) when unknown.
  int NumberFormatId(uint32_t xf) const;
  // The format code of a custom number format; empty for built-in ones.
  const std::string& NumberFormatCode(int id) const;
  // True when cell format `xf` shows its number as a date or time.
  bool IsDateStyle(uint32_t xf) const;

 private:
  std::vector<int> xfNumFmt_;
  std::vector<bool> xfIsDate_;
  std::unordered_map<int, std::string> customFormats_;
};

}  // namespace excel
