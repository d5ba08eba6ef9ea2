// A range of a worksheet as the object model hands it out: a cheap handle (a sheet and an area)
// whose every read goes to the sheet's XML and can fail. A property that differs across the
// range fails as "mixed" (error code kErrMixed), where the suite answers Null; the caller keeps
// its previous value either way. The constants are the object model's own numbers.
#pragma once

#include <string>
#include <string_view>

#include "platform/base/result.h"
#include "platform/office/excel/address.h"
#include "platform/vb/variant.h"

namespace excel {

class Worksheet;

// The object model's constants these reads answer with.
enum : int {
  xlNone = -4142,
  xlAutomatic = -4105,
  // Horizontal and vertical alignment
  xlGeneral = 1,
  xlLeft = -4131,
  xlCenter = -4108,
  xlRight = -4152,
  xlFill = 5,
  xlJustify = -4130,
  xlCenterAcrossSelection = 7,
  xlDistributed = -4117,
  xlTop = -4160,
  xlBottom = -4107,
  // Orientation
  xlHorizontal = -4128,
  xlVertical = -4166,
  xlUpward = -4171,
  xlDownward = -4170,
  // Underline
  xlUnderlineStyleSingle = 2,
  xlUnderlineStyleDouble = -4119,
  xlUnderlineStyleSingleAccounting = 4,
  xlUnderlineStyleDoubleAccounting = 5,
  // Line styles and weights
  xlContinuous = 1,
  xlDash = -4115,
  xlDot = -4118,
  xlDouble = -4119,
  xlDashDot = 4,
  xlDashDotDot = 5,
  xlSlantDashDot = 13,
  xlHairline = 1,
  xlThin = 2,
  xlMedium = -4138,
  xlThick = 4,
  // Border indexes
  xlDiagonalDown = 5,
  xlDiagonalUp = 6,
  xlEdgeLeft = 7,
  xlEdgeTop = 8,
  xlEdgeBottom = 9,
  xlEdgeRight = 10,
  xlInsideVertical = 11,
  xlInsideHorizontal = 12,
  // Patterns
  xlSolid = 1,
  xlGray50 = -4125,
  xlGray75 = -4126,
  xlGray25 = -4124,
  xlPatternLinearGradient = 4000,
  // Auto-filter operators
  xlAnd = 1,
  xlOr = 2,
};

// Columns.AutoFit adds this many pixels to the widest text (the cell margins and the grid
// line), and leaves a column alone whose width is within the larger of one character and this
// fraction of the fitted width: the text measurement approximates the suite's.
inline constexpr double kAutoFitMarginPixels = 7;
inline constexpr double kAutoFitTolerance = 0.08;

class Font;
class Interior;
class Border;

class Range {
 public:
  Range() = default;
  Range(Worksheet* sheet, const excel::Area& area) : sheet_(sheet), area_(area) {}

  Worksheet* Parent() const { return sheet_; }
  const excel::Area& Area() const { return area_; }
  int Row() const { return area_.top; }
  int Column() const { return area_.left; }
  // A cell counted from this range's first cell (1, 1).
  Range Cells(int row, int column) const;
  // "$A$1:$C$5", as Address() gives it.
  std::string Address() const;

  // The value of a one-cell range: empty, number, text, boolean, date or error value. Numbers
  // whose format shows a date are dates; under a currency format they are rounded to the four
  // decimals of the currency type. Fails for several cells (the suite answers an array).
  base::Result<vb::Variant> Value() const;
  // The text the cell shows under its number format.
  base::Result<std::string> Text() const;
  // The first cell's formula with its "=", in A1 (as shown) or R1C1 notation; a cell without a
  // formula answers its value as text, an empty cell "".
  base::Result<std::string> Formula() const;
  base::Result<std::string> FormulaR1C1() const;
  base::Result<std::string> NumberFormat() const;
  base::Result<std::string> NumberFormatLocal() const;

  excel::Font Font() const;
  excel::Interior Interior() const;
  excel::Border Borders(int index) const;
  base::Result<int> HorizontalAlignment() const;
  base::Result<int> VerticalAlignment() const;
  // Degrees from -90 to 90, or xlHorizontal, xlVertical (stacked), xlUpward, xlDownward.
  base::Result<int> Orientation() const;
  // True when every cell is in a merged area, false when none is, mixed otherwise.
  base::Result<bool> MergeCells() const;
  base::Result<double> RowHeight() const;
  base::Result<double> ColumnWidth() const;

  // Selecting needs the range's sheet to be the active one.
  base::Status Select() const;
  // Activates the range's sheet and selects the range on it.
  base::Status Activate() const;
  // Puts the range on the application's clipboard; under a filter only the visible rows.
  base::Status Copy() const;
  // Filters the range's auto-filter area (the sheet's, else the range, else the range's current
  // region) on column `field` of it; criteria as the suite takes them (see autofilter.h).
  base::Status AutoFilter(int field, std::string_view criteria1, int op = xlAnd,
                          std::string_view criteria2 = {}) const;
  // Columns.AutoFit: fits each of the range's columns to the widest text it shows.
  base::Status AutoFitColumns() const;
  base::Status SetValue(const vb::Variant& value) const;
  base::Status SetColumnWidth(double characters) const;

 private:
  Worksheet* sheet_ = nullptr;
  excel::Area area_;
};

class Font {
 public:
  explicit Font(Range range) : range_(range) {}
  base::Result<std::string> Name() const;
  base::Result<double> Size() const;
  base::Result<bool> Bold() const;
  base::Result<bool> Italic() const;
  // xlNone, xlUnderlineStyleSingle, ...
  base::Result<int> Underline() const;
  // 1..56, or xlAutomatic.
  base::Result<int> ColorIndex() const;
  // The colour as the object model's Color: 0xBBGGRR.
  base::Result<int32_t> Color() const;

 private:
  Range range_;
};

class Interior {
 public:
  explicit Interior(Range range) : range_(range) {}
  // The cell colour: 1..56, or xlNone.
  base::Result<int> ColorIndex() const;
  base::Result<int32_t> Color() const;
  // xlNone, xlSolid, xlGray50, ...
  base::Result<int> Pattern() const;
  // The pattern's colour: 1..56, xlAutomatic, or xlNone without a pattern.
  base::Result<int> PatternColorIndex() const;

 private:
  Range range_;
};

class Border {
 public:
  Border(Range range, int index) : range_(range), index_(index) {}
  // xlNone, xlContinuous, xlDash, ...
  base::Result<int> LineStyle() const;
  // xlHairline, xlThin, xlMedium, xlThick.
  base::Result<int> Weight() const;
  // 1..56, xlAutomatic, or xlNone without a line.
  base::Result<int> ColorIndex() const;

 private:
  Range range_;
  int index_;
};

}  // namespace excel
