// Cell values from the sheet XML: shared and inline strings, cached formula results, booleans,
// error values, and numbers that become dates when their number format shows a date.
#include "platform/office/excel/range.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/office/excel/text_runs.h"
#include "platform/office/excel/workbook.h"
#include "platform/office/excel/worksheet.h"
#include "platform/office/excel/xml_names.h"

namespace excel {
namespace {

// Valid dates run from 100-01-01 to 9999-12-31 (as OLE serials).
constexpr double kFirstDate = -657434;
constexpr double kEndOfDates = 2958466;

int32_t ErrorCode(std::string_view text) {
  struct Entry {
    const char* text;
    int32_t code;
  };
  static constexpr Entry kErrors[] = {
      {"#NULL!", vb::xlErrNull}, {"#DIV/0!", vb::xlErrDiv0}, {"#VALUE!", vb::xlErrValue},
      {"#REF!", vb::xlErrRef},   {"#NAME?", vb::xlErrName},  {"#NUM!", vb::xlErrNum},
      {"#N/A", vb::xlErrNA},
  };
  for (const Entry& e : kErrors) {
    if (text == e.text) return e.code;
  }
  return vb::xlErrValue;
}

bool ParseNumber(const char* text, double& value) {
  while (*text == ' ') ++text;
  if (*text == '\0') return false;
  char* end = nullptr;
  value = std::strtod(text, &end);
  while (*end == ' ') ++end;
  return *end == '\0' && std::isfinite(value);
}

// An ISO 8601 date-time ("2024-06-01T08:05:00") as an OLE serial; false when it is none or
// falls outside the valid dates.
bool ParseIsoDate(std::string_view text, double& serial) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0;
  double s = 0;
  const std::string copy(text);
  const int n = std::sscanf(copy.c_str(), "%d-%d-%dT%d:%d:%lf", &y, &mo, &d, &h, &mi, &s);
  if (n < 3 && std::sscanf(copy.c_str(), "%d:%d:%lf", &h, &mi, &s) < 2) return false;
  if (n >= 3) {
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || y < 100 || y > 9999) return false;
    // days from civil (proleptic Gregorian), relative to 1899-12-30
    const int yy = y - (mo <= 2);
    const int era = yy / 400;
    const unsigned yoe = static_cast<unsigned>(yy - era * 400);
    const unsigned doy = static_cast<unsigned>((153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1);
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    serial = static_cast<double>(era) * 146097 + doe - 719468 + 25569;
  } else {
    serial = 0;
  }
  // In doubles: an hour field of a broken file may be any int.
  serial += (h * 3600.0 + mi * 60.0 + s) / 86400.0;
  return std::isfinite(serial) && serial >= kFirstDate && serial < kEndOfDates;
}

}  // namespace

std::optional<vb::Variant> Range::Value() const {
  if (sheet_ == nullptr || sheet_->IsChart() || row_ < 1 || row_ > kMaxRows || column_ < 1 ||
      column_ > kMaxColumns) {
    return std::nullopt;
  }
  pugi::xml_node cell = sheet_->CellNode(row_, column_);
  if (!cell) return vb::Variant();
  // One pass over the cell's few attributes for its type and style.
  std::string_view type;
  pugi::xml_attribute styleAttribute;
  for (pugi::xml_attribute a = cell.first_attribute(); a; a = a.next_attribute()) {
    const char* name = a.name();
    if (name[0] == 't' && name[1] == '\0') type = a.value();
    if (name[0] == 's' && name[1] == '\0') styleAttribute = a;
  }
  if (type == "inlineStr") return vb::Variant::String(StringItemText(ChildElement(cell, "is")));
  pugi::xml_node v = ChildElement(cell, "v");
  if (!v) return vb::Variant();  // no value, or a formula whose result was never cached
  const char* text = v.child_value();
  Workbook& book = sheet_->Parent();
  if (type == "s") {
    char* end = nullptr;
    const unsigned long index = std::strtoul(text, &end, 10);
    const std::string* s = end != text ? book.SharedString(static_cast<uint32_t>(index)) : nullptr;
    return s == nullptr ? vb::Variant() : vb::Variant::String(*s);
  }
  if (type == "str") return vb::Variant::String(DecodeEscapes(text));
  if (type == "b") {
    const std::string_view b = text;
    return vb::Variant::Boolean(b == "1" || b == "true" || b == "TRUE");
  }
  if (type == "e") return vb::Variant::Error(ErrorCode(text));
  if (type == "d") {
    double serial;
    if (!ParseIsoDate(text, serial)) return vb::Variant::String(text);
    return vb::Variant::Date(serial);
  }
  double number;
  if (!ParseNumber(text, number)) return vb::Variant::String(text);
  const auto style = static_cast<uint32_t>(styleAttribute.as_uint(0));
  if (number >= 0 && book.StyleSheet().IsDateStyle(style)) {
    double serial = number;
    if (book.Date1904()) {
      serial += 1462;
    } else if (serial >= 1 && serial < 60) {
      serial += 1;  // serials before the phantom 1900-02-29 are one day off the OLE calendar
    }
    if (serial >= kFirstDate && serial < kEndOfDates) return vb::Variant::Date(serial);
  }
  return vb::Variant::Double(number);
}

}  // namespace excel
