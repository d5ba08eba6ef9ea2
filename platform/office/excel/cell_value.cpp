// Cell values from the scanned cells: shared and inline strings, cached formula results,
// booleans, error values, ISO dates, and numbers typed by their number format.
#include "platform/office/excel/cell_value.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/base/date_serial.h"
#include "platform/base/rounding.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/number_format.h"
#include "platform/office/excel/text_runs.h"
#include "platform/office/excel/workbook.h"
#include "platform/office/excel/worksheet.h"

namespace excel {
namespace {

// Valid dates run from 100-01-01 to 9999-12-31 (as OLE serials).
constexpr double kFirstDate = -657434;
constexpr double kEndOfDates = 2958466;

struct ErrorEntry {
  const char* text;
  int32_t code;
};
constexpr ErrorEntry kErrors[] = {
    {"#NULL!", vb::xlErrNull}, {"#DIV/0!", vb::xlErrDiv0}, {"#VALUE!", vb::xlErrValue},
    {"#REF!", vb::xlErrRef},   {"#NAME?", vb::xlErrName},  {"#NUM!", vb::xlErrNum},
    {"#N/A", vb::xlErrNA},
};

bool ParseNumber(std::string_view view, double& value) {
  // Plain decimals of up to 15 digits ("12", "3.5", "-0.25"), most of a sheet's numbers: the
  // digits and the power of ten are exact doubles, so one division rounds as strtod does.
  if (!view.empty() && view.size() <= 16) {
    static constexpr double kTens[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    size_t i = view[0] == '-' ? 1 : 0;
    int64_t n = 0;
    int digits = 0, decimals = -1;
    for (; i < view.size(); ++i) {
      const char c = view[i];
      if (c >= '0' && c <= '9') {
        n = n * 10 + (c - '0');
        ++digits;
        if (decimals >= 0) ++decimals;
      } else if (c == '.' && decimals < 0) {
        decimals = 0;
      } else {
        break;
      }
    }
    if (i == view.size() && digits > 0 && digits <= 15) {
      value = static_cast<double>(n);
      if (decimals > 0) value /= kTens[decimals];
      if (view[0] == '-') value = -value;
      return true;
    }
  }
  char buffer[64];
  if (view.size() >= sizeof buffer) return false;
  std::copy(view.begin(), view.end(), buffer);
  buffer[view.size()] = '\0';
  const char* text = buffer;
  while (*text == ' ') ++text;
  if (*text == '\0') return false;
  char* end = nullptr;
  value = std::strtod(text, &end);
  while (*end == ' ') ++end;
  return *end == '\0' && std::isfinite(value);
}

// An ISO 8601 date-time ("2024-06-01T08:05:00") or time as a serial; false when it is none
// or falls outside the valid dates.
bool ParseIsoDate(std::string_view text, double& serial) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0;
  double s = 0;
  const std::string copy(text);
  const int n = std::sscanf(copy.c_str(), "%d-%d-%dT%d:%d:%lf", &y, &mo, &d, &h, &mi, &s);
  if (n < 3 && std::sscanf(copy.c_str(), "%d:%d:%lf", &h, &mi, &s) < 2) return false;
  serial = 0;
  if (n >= 3) {
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || y < 100 || y > 9999) return false;
    serial = base::SerialFromCivil({y, static_cast<unsigned>(mo), static_cast<unsigned>(d)});
  }
  // In doubles: an hour field of a broken file may be any int.
  serial += (h * 3600.0 + mi * 60.0 + s) / 86400.0;
  return std::isfinite(serial) && serial >= kFirstDate && serial < kEndOfDates;
}

std::string ValueText(const SheetCells& table, const CellRecord& cell) {
  const std::string_view value = table.View(cell.value);
  return cell.valueEscaped ? DecodeEntities(value) : std::string(value);
}

// A cell serial as an OLE date serial: the file counts the phantom 1900-02-29.
double OleSerial(double serial, bool date1904) {
  if (date1904) return serial + 1462;
  if (serial >= 1 && serial < 60) return serial + 1;
  return serial;
}

}  // namespace

std::string ErrorText(int32_t code) {
  for (const ErrorEntry& e : kErrors) {
    if (e.code == code) return e.text;
  }
  return "#VALUE!";
}

int32_t ErrorCode(std::string_view text) {
  for (const ErrorEntry& e : kErrors) {
    if (text == e.text) return e.code;
  }
  return vb::xlErrValue;
}

base::Result<vb::Variant> CellValue(Worksheet& sheet, int row, int column) {
  const SheetCells* table = sheet.ScannedCells();
  if (table == nullptr) return sheet.CellTable().error();
  if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
    return Failed("no cell at row ", row, ", column ", column);
  const CellRecord* cell = table->Find(row, column);
  if (cell == nullptr) return vb::Variant();
  const std::string_view value = table->View(cell->value);
  if (cell->type == CellType::InlineString) return vb::Variant::String(StringItemText(value));
  if (!cell->hasValue) return vb::Variant();  // no value, or a formula never calculated
  Workbook& book = sheet.Parent();
  switch (cell->type) {
    case CellType::SharedString: {
      uint32_t index = 0;
      bool ok = !value.empty() && value.size() <= 9;
      for (char c : value) {
        ok = ok && c >= '0' && c <= '9';
        index = index * 10 + static_cast<uint32_t>(c - '0');
      }
      const std::string* s = ok ? book.SharedString(index) : nullptr;
      return s == nullptr ? vb::Variant() : vb::Variant::String(*s);
    }
    case CellType::FormulaString:
      return vb::Variant::String(DecodeEscapes(ValueText(*table, *cell)));
    case CellType::Boolean: {
      const std::string_view b = value;
      return vb::Variant::Boolean(b == "1" || b == "true" || b == "TRUE");
    }
    case CellType::Error:
      return vb::Variant::Error(ErrorCode(ValueText(*table, *cell)));
    case CellType::IsoDate: {
      double serial;
      if (!ParseIsoDate(value, serial)) return vb::Variant::String(ValueText(*table, *cell));
      return vb::Variant::Date(serial);
    }
    default:
      break;
  }
  double number;
  if (!ParseNumber(value, number)) return vb::Variant::String(ValueText(*table, *cell));
  if (cell->style != 0) {
    const Styles& styles = book.StyleSheet();
    if (number >= 0 && styles.IsDateStyle(cell->style)) {
      const double serial = OleSerial(number, book.Date1904());
      if (serial >= kFirstDate && serial < kEndOfDates) return vb::Variant::Date(serial);
    }
    // The currency type keeps four decimals, rounded halves to even.
    if (styles.IsCurrencyStyle(cell->style) && std::fabs(number) < 9.2e14)
      return vb::Variant::Double(base::RoundHalfEven(number * 10000) / 10000);
  }
  return vb::Variant::Double(number);
}

namespace {

// The text of a value that is no number or date; nothing for numbers and dates.
std::optional<std::string> PlainText(const vb::Variant& value) {
  switch (value.Type()) {
    case vb::VarType::Empty:
      return std::string();
    case vb::VarType::String:
      return value.Text();
    case vb::VarType::Boolean:
      return std::string(value.Number() != 0 ? "TRUE" : "FALSE");
    case vb::VarType::Error:
      return ErrorText(static_cast<int32_t>(value.Number()));
    default:
      return std::nullopt;
  }
}

}  // namespace

base::Result<std::string> CellText(Worksheet& sheet, int row, int column) {
  base::Result<const SheetCells*> table = sheet.CellTable();
  if (!table) return table.error();
  const CellRecord* cell = (*table)->Find(row, column);
  if (cell == nullptr) return std::string();
  base::Result<vb::Variant> value = CellValue(sheet, row, column);
  if (!value) return value.error();
  if (std::optional<std::string> text = PlainText(*value)) return std::move(*text);
  double number;
  if (!ParseNumber((*table)->View(cell->value), number)) number = value->Number();
  const Styles& styles = sheet.Parent().StyleSheet();
  const std::string code = styles.NumberFormatCode(styles.Format(cell->style).numberFormat);
  if (value->Type() == vb::VarType::Date) {
    // The formatter counts serials as the OLE calendar does.
    return FormatNumber(value->Number(), code);
  }
  return FormatNumber(number, code);
}

base::Result<std::string> CellConstantText(Worksheet& sheet, int row, int column) {
  base::Result<vb::Variant> value = CellValue(sheet, row, column);
  if (!value) return value.error();
  if (std::optional<std::string> text = PlainText(*value)) return std::move(*text);
  if (value->Type() == vb::VarType::Date) return vb::DateToText(value->Number());
  return vb::NumberToText(value->Number());
}

}  // namespace excel
