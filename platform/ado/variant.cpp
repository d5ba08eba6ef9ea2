// The provider's numeric readings of a value, and the date conversions.
#include "platform/ado/variant.h"

#include <cmath>
#include <cstdio>

#include "platform/base/date_serial.h"

namespace ado {

std::optional<int64_t> AsInteger(const Variant& v) {
  switch (v.Type()) {
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_BOOL:
      return v.IntValue();
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
      return static_cast<int64_t>(v.UIntValue());
    case VT_CY:
      return v.IntValue() / 10000;
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL:
      if (!std::isfinite(v.RealValue()) || std::fabs(v.RealValue()) > 9.2e18) return std::nullopt;
      return static_cast<int64_t>(v.RealValue());
    default:
      return std::nullopt;
  }
}

std::optional<double> AsDouble(const Variant& v) {
  switch (v.Type()) {
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL:
      return v.RealValue();
    case VT_CY:
      return static_cast<double>(v.IntValue()) / 10000.0;
    default:
      if (auto n = AsInteger(v)) return static_cast<double>(*n);
      return std::nullopt;
  }
}

std::string DateToText(double oleDate) {
  if (!std::isfinite(oleDate) || std::fabs(oleDate) > 3e6) return "";
  const base::CivilTime t = base::CivilTimeFromSerial(oleDate);
  char text[64];
  std::snprintf(text, sizeof text, "%04lld-%02u-%02u %02d:%02d:%02d",
                static_cast<long long>(t.date.year), t.date.month, t.date.day, t.hour, t.minute,
                t.second);
  return text;
}

std::optional<double> DateFromText(std::string_view text) {
  std::string t(text);
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, used = 0;
  base::CivilTime when;  // a time alone is a time of 1899-12-30, the serial's day 0
  bool haveDate = false;
  const char* rest = t.c_str();
  while (*rest == ' ') ++rest;
  if (std::sscanf(rest, "%d-%d-%d%n", &y, &mo, &d, &used) == 3 ||
      std::sscanf(rest, "%d/%d/%d%n", &y, &mo, &d, &used) == 3) {
    if (mo < 1 || mo > 12 || d < 1 || d > 31) return std::nullopt;
    when.date = {y, static_cast<unsigned>(mo), static_cast<unsigned>(d)};
    haveDate = true;
    rest += used;
    while (*rest == ' ' || *rest == 'T') ++rest;
  }
  if (*rest) {
    used = 0;
    int n = std::sscanf(rest, "%d:%d%n:%d%n", &h, &mi, &used, &s, &used);
    if (n < 2 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) return std::nullopt;
    rest += used;
    while (*rest == ' ') ++rest;
    if (*rest) return std::nullopt;
    when.hour = h;
    when.minute = mi;
    when.second = s;
  } else if (!haveDate) {
    return std::nullopt;
  }
  return base::SerialFromCivilTime(when);
}

}  // namespace ado
