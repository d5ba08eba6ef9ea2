// A cell of a worksheet, as Cells(row, column) hands it out: a cheap handle that reads the
// cell's value from the sheet's XML on request.
#pragma once

#include <optional>

#include "platform/vb/variant.h"

namespace excel {

class Worksheet;

class Range {
 public:
  Range() = default;
  Range(Worksheet* sheet, int row, int column) : sheet_(sheet), row_(row), column_(column) {}

  Worksheet* Parent() const { return sheet_; }
  int Row() const { return row_; }
  int Column() const { return column_; }

  // The cell's value: empty, number, text, boolean, date (by its number format) or error value.
  // Nothing when the read fails: no sheet, a chart sheet, or a position outside the sheet.
  std::optional<vb::Variant> Value() const;

 private:
  Worksheet* sheet_ = nullptr;
  int row_ = 0;
  int column_ = 0;
};

}  // namespace excel
