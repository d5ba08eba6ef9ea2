// The value type of fields and parameters, and the date conversions.
#include "platform/ado/variant.h"

#include <cmath>
#include <cstdio>

#include "platform/base/date_serial.h"

namespace ado {
namespace {

Variant Make(uint16_t vt) {
  Variant v;
  v.vt = vt;
  return v;
}

Variant Signed(uint16_t vt, int64_t value) {
  Variant v = Make(vt);
  v.i = value;
  return v;
}

Variant Unsigned(uint16_t vt, uint64_t value) {
  Variant v = Make(vt);
  v.u = value;
  return v;
}

Variant Floating(uint16_t vt, double value) {
  Variant v = Make(vt);
  v.d = value;
  return v;
}

}  // namespace

Variant Variant::Null() {
  return Make(VT_NULL);
}
Variant Variant::I1(int8_t v) {
  return Signed(VT_I1, v);
}
Variant Variant::I2(int16_t v) {
  return Signed(VT_I2, v);
}
Variant Variant::I4(int32_t v) {
  return Signed(VT_I4, v);
}
Variant Variant::I8(int64_t v) {
  return Signed(VT_I8, v);
}
Variant Variant::Int(int32_t v) {
  return Signed(VT_INT, v);
}
Variant Variant::UI1(uint8_t v) {
  return Unsigned(VT_UI1, v);
}
Variant Variant::UI2(uint16_t v) {
  return Unsigned(VT_UI2, v);
}
Variant Variant::UI4(uint32_t v) {
  return Unsigned(VT_UI4, v);
}
Variant Variant::UI8(uint64_t v) {
  return Unsigned(VT_UI8, v);
}
Variant Variant::UInt(uint32_t v) {
  return Unsigned(VT_UINT, v);
}
Variant Variant::R4(float v) {
  return Floating(VT_R4, v);
}
Variant Variant::R8(double v) {
  return Floating(VT_R8, v);
}
Variant Variant::Bool(bool v) {
  return Signed(VT_BOOL, v ? -1 : 0);
}
Variant Variant::Date(double oleDate) {
  return Floating(VT_DATE, oleDate);
}
Variant Variant::Currency(int64_t tenThousandths) {
  return Signed(VT_CY, tenThousandths);
}
Variant Variant::Decimal(double v) {
  return Floating(VT_DECIMAL, v);
}

Variant Variant::String(std::string_view text) {
  Variant v = Make(VT_BSTR);
  v.s = std::string(text);
  return v;
}

Variant Variant::Blob(std::vector<unsigned char> data) {
  Variant v = Make(VT_ARRAY | VT_UI1);
  v.bytes = std::move(data);
  return v;
}

std::optional<int64_t> AsInteger(const Variant& v) {
  switch (v.vt) {
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_BOOL:
      return v.i;
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
      return static_cast<int64_t>(v.u);
    case VT_CY:
      return v.i / 10000;
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL:
      if (!std::isfinite(v.d) || std::fabs(v.d) > 9.2e18) return std::nullopt;
      return static_cast<int64_t>(v.d);
    default:
      return std::nullopt;
  }
}

std::optional<double> AsDouble(const Variant& v) {
  switch (v.vt) {
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL:
      return v.d;
    case VT_CY:
      return static_cast<double>(v.i) / 10000.0;
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
