// A1 addresses: cell references ("B7", "$B$7"), areas ("A1:C5", "C:E", "2:4"), column letters,
// and sheet-qualified references ("Sheet1!$A$1:$D$20", "'My data'!A1"). Rows and columns count
// from 1; an area is always held with its corners in order.
#pragma once

#include <string>
#include <string_view>

namespace excel {

// The sheet's limits, as the spreadsheet program has them.
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

struct Area {
  int top = 1;
  int left = 1;
  int bottom = 1;
  int right = 1;

  int Rows() const { return bottom - top + 1; }
  int Columns() const { return right - left + 1; }
  bool IsCell() const { return top == bottom && left == right; }
  bool Contains(int row, int column) const {
    return row >= top && row <= bottom && column >= left && column <= right;
  }
  bool Intersects(const Area& o) const {
    return top <= o.bottom && o.top <= bottom && left <= o.right && o.left <= right;
  }
  bool operator==(const Area&) const = default;
};

// Splits an A1 cell reference ("AB12", "$AB$12") into row and column; false when it is none
// or lies outside the sheet.
bool ParseCellReference(std::string_view ref, int& row, int& column);

// An area: a cell, two cells joined by ":", whole columns ("C:E") or whole rows ("2:4"),
// each part with or without "$"; blanks around it are ignored. False when the text is none.
bool ParseArea(std::string_view text, Area& area);

// A reference split at its "!": the sheet name (quotes removed, "''" undoubled; empty when
// there is no "!") and the rest.
struct QualifiedReference {
  std::string sheet;
  std::string_view reference;
};
QualifiedReference SplitSheet(std::string_view text);

// "A", "Z", "AA", ... for columns 1, 26, 27, ...; empty outside the sheet.
std::string ColumnLetters(int column);
// The column of "A".."XFD" (any case); 0 when the text is none.
int ColumnNumber(std::string_view letters);

// "B7", or "A1:C5" for an area of more than one cell.
std::string AreaText(const Area& area);

}  // namespace excel
