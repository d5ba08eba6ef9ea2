// Checks on how cells look: font colour, name, size and style, merging, orientation, alignment,
// row height and column width, number format, fill and borders. A step the spreadsheet
// application refuses leaves its value as it was (0, empty, false) and the comparison goes on
// with it; a rule whose sheet does not exist fails.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "grading/sheetmark/state.h"

namespace sheetmark {

// The cell's font colour index (0 when it has no single one); nothing on a missing sheet.
std::optional<int16_t> ReadFontColorIndex(SheetState& state, std::string_view sheet,
                                          std::string_view cell);
int16_t IsMerged(SheetState& state, std::string_view sheet, std::string_view range);
int16_t CheckFontSize(SheetState& state, std::string_view sheet, std::string_view range,
                      double size);
int16_t CheckFontName(SheetState& state, std::string_view sheet, std::string_view range,
                      std::string_view name);
int16_t CheckOrientation(SheetState& state, std::string_view sheet, std::string_view range,
                         int16_t orientation);
// 100 for bold, 10 for italic, plus the underline style unless it is none (-4142): plain 0,
// bold italic single-underlined 112, italic double-underlined -4109.
int16_t StyleCode(bool bold, bool italic, int underline);
// The style code of a range's font. Nothing on a missing sheet.
std::optional<int16_t> FontStyleCode(SheetState& state, std::string_view sheet,
                                     std::string_view range);
// The named sheet's range read in place, without selecting the sheet or changing CurrentSheet.
int16_t CheckAlignment(SheetState& state, std::string_view sheet, std::string_view range,
                       bool horizontal, int16_t alignment);
// The selection's row height (true) or column width (false), 0 when unreadable; nothing on a
// missing sheet.
std::optional<double> ReadCellSize(SheetState& state, std::string_view sheet,
                                   std::string_view range, bool rowHeight);
// ReadCellSize equal to the size, exactly.
int16_t CheckCellSize(SheetState& state, std::string_view sheet, std::string_view range,
                      bool rowHeight, double size);
int16_t CheckNumberFormat(SheetState& state, std::string_view sheet, std::string_view range,
                          std::string_view format);
// Interior colour index, pattern and pattern colour index. A range without any fill is copied
// to A100 of the sheet and read there: the copy stays for the later rules, and answer workbooks
// were calibrated against it. A value with no single answer over the range matches nothing.
int16_t CheckFill(SheetState& state, std::string_view sheet, std::string_view range,
                  int16_t colorIndex, int16_t pattern, int16_t patternColorIndex);
// The left edge (border 7) of the range, and its inside vertical lines (border 11).
int16_t CheckOuterBorder(SheetState& state, std::string_view sheet, std::string_view range,
                         int16_t lineStyle, int16_t weight, int16_t colorIndex);
int16_t CheckInnerBorder(SheetState& state, std::string_view sheet, std::string_view range,
                         int16_t lineStyle, int16_t weight, int16_t colorIndex);

}  // namespace sheetmark
