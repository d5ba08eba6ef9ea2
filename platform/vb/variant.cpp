// Variant values and the run-time's conversion functions.
#include "platform/vb/variant.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/base/date_serial.h"
#include "platform/base/rounding.h"
#include "platform/base/text.h"
#include "platform/com/errors.h"
#include "platform/vb/strings.h"

namespace vb {

Variant Variant::Null() {
  return Variant(com::Variant::Null());
}

Variant Variant::Integer(int16_t value) {
  return Variant(com::Variant::I2(value));
}

Variant Variant::Long(int32_t value) {
  return Variant(com::Variant::I4(value));
}

Variant Variant::Double(double value) {
  return Variant(com::Variant::R8(value));
}

Variant Variant::String(std::string utf8) {
  return Variant(com::Variant::String(std::move(utf8)));
}

Variant Variant::Boolean(bool value) {
  return Variant(com::Variant::Bool(value));
}

Variant Variant::Date(double serial) {
  return Variant(com::Variant::Date(serial));
}

Variant Variant::Error(int32_t code) {
  return Variant(com::Variant::Error(code));
}

base::Result<Variant> Variant::FromCom(const com::Variant& value) {
  if (value.IsByRef()) return FromCom(value.Deref());
  switch (value.Type()) {
    case com::VT_EMPTY:
    case com::VT_NULL:
    case com::VT_I2:
    case com::VT_I4:
    case com::VT_R8:
    case com::VT_BSTR:
    case com::VT_BOOL:
    case com::VT_DATE:
    case com::VT_ERROR:
      return Variant(value);
    default:
      return com::DispatchError(com::kErrTypeMismatch,
                                "the run-time has no " + com::VarTypeName(value.Type()) + " value");
  }
}

bool Variant::IsNumeric() const {
  switch (Type()) {
    case VarType::Empty:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
    case VarType::Boolean:
      return true;
    case VarType::String:
      return TextToNumber(Text()).has_value();
    default:
      return false;
  }
}

namespace {

// The run-time reads numbers between spaces and tabs only; a line break is part of the text.
constexpr std::string_view kBlanks = " \t";

base::Result<double> StringToDouble(std::string_view text) {
  base::Result<double> number = TextToNumber(text);
  if (ErrorOf(number) != ErrorCode::TypeMismatch) return number;
  const std::string_view trimmed = base::Trim(text, kBlanks);
  if (TextEquals(trimmed, "True")) return -1.0;
  if (TextEquals(trimmed, "False")) return 0.0;
  return number;
}

template <class T>
base::Result<T> ToInteger(const Variant& value) {
  const base::Result<double> d = CDbl(value);
  if (!d) return d.error();
  const double rounded = base::RoundHalfEven(*d);
  if (!(rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max())) {
    return RuntimeError(ErrorCode::Overflow);
  }
  return static_cast<T>(rounded);
}

}  // namespace

base::Result<double> detail::ReadRadixLiteral(std::string_view text, size_t& end, size_t& digits) {
  const char kind = base::AsciiUpper(text[1]);
  const int radix = kind == 'H' ? 16 : 8;
  end = kind == 'H' || kind == 'O' ? 2 : 1;
  digits = 0;
  uint64_t value = 0;
  for (; end < text.size(); ++end, ++digits) {
    const char c = base::AsciiLower(text[end]);
    const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : radix;
    if (d >= radix) break;
    value = value * radix + d;
    if (value > 0xFFFFFFFFull) return RuntimeError(ErrorCode::Overflow);
  }
  if (value <= 0xFFFF)
    return static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(value)));
  return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

base::Result<double> TextToNumber(std::string_view text) {
  text = base::Trim(text, kBlanks);
  if (text.size() >= 2 && text[0] == '&') {
    size_t end = 0, digits = 0;
    base::Result<double> value = detail::ReadRadixLiteral(text, end, digits);
    if (value && (digits == 0 || end != text.size())) return RuntimeError(ErrorCode::TypeMismatch);
    return value;
  }
  std::string clean;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) clean += text[i++];
  int digits = 0;
  while (i < text.size() &&
         (std::isdigit(static_cast<unsigned char>(text[i])) || (text[i] == ',' && digits > 0))) {
    if (text[i] != ',') {
      clean += text[i];
      ++digits;
    }
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    clean += text[i++];
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      clean += text[i++];
      ++digits;
    }
  }
  if (digits == 0) return RuntimeError(ErrorCode::TypeMismatch);
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    clean += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) clean += text[i++];
    int expDigits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      clean += text[i++];
      ++expDigits;
    }
    if (expDigits == 0) return RuntimeError(ErrorCode::TypeMismatch);
  }
  if (i != text.size()) return RuntimeError(ErrorCode::TypeMismatch);
  const double value = std::strtod(clean.c_str(), nullptr);
  if (!std::isfinite(value)) return RuntimeError(ErrorCode::Overflow);
  return value;
}

std::string NumberToText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-1.#INF" : "1.#INF";
  if (value == 0) return "0";
  // Whole numbers below 1E+15 print as they are; this is most cells, so skip the formatting.
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    return std::to_string(static_cast<int64_t>(value));
  }
  char buf[64];
  const std::to_chars_result done =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  // buf: [-]d.dddddddddddddde[+-]XX
  std::string text(buf, done.ptr);
  const bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  const size_t e = text.find('e');
  std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
  const int exponent = std::atoi(text.c_str() + e + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent <= -5) {
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    out += exp;
  } else if (exponent >= 0) {
    const size_t intLen = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intLen) {
      out += digits + std::string(intLen - digits.size(), '0');
    } else {
      out += digits.substr(0, intLen) + "." + digits.substr(intLen);
    }
  } else {
    out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  }
  return out;
}

std::string DateToText(double serial) {
  // Beyond the calendar's years 100-9999 there is no date to show, only the number.
  if (!(serial > -657435 && serial < 2958466)) return NumberToText(serial);
  const base::CivilTime t = base::CivilTimeFromSerial(serial);
  char time[32];
  std::snprintf(time, sizeof time, "%d:%02d:%02d", t.hour, t.minute, t.second);
  if (base::SerialFromCivil(t.date) == 0) return time;  // a bare time of day
  char date[48];
  std::snprintf(date, sizeof date, "%lld/%u/%u", static_cast<long long>(t.date.year), t.date.month,
                t.date.day);
  std::string out = date;
  if (t.hour != 0 || t.minute != 0 || t.second != 0) out += std::string(" ") + time;
  return out;
}

base::Error RuntimeError(ErrorCode code) {
  switch (code) {
    case ErrorCode::Overflow:
      return base::Error::WithCode(static_cast<int>(code), "Overflow");
    case ErrorCode::TypeMismatch:
      return base::Error::WithCode(static_cast<int>(code), "Type mismatch");
    case ErrorCode::InvalidUseOfNull:
      return base::Error::WithCode(static_cast<int>(code), "Invalid use of Null");
    case ErrorCode::None:
      break;
  }
  return base::Error::WithCode(static_cast<int>(code),
                               "Run-time error " + std::to_string(static_cast<int>(code)));
}

base::Result<double> CDbl(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
      return 0.0;
    case VarType::Null:
      return RuntimeError(ErrorCode::InvalidUseOfNull);
    case VarType::String:
      return StringToDouble(value.Text());
    case VarType::Error:
      return RuntimeError(ErrorCode::TypeMismatch);
    default:
      return value.Number();
  }
}

base::Result<int16_t> CInt(const Variant& value) {
  return ToInteger<int16_t>(value);
}

base::Result<int32_t> CLng(const Variant& value) {
  return ToInteger<int32_t>(value);
}

base::Result<bool> CBool(const Variant& value) {
  const base::Result<double> d = CDbl(value);
  if (!d) return d.error();
  return *d != 0;
}

base::Result<std::string> CStr(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
      return std::string();
    case VarType::Null:
      return RuntimeError(ErrorCode::InvalidUseOfNull);
    case VarType::String:
      return value.Text();
    case VarType::Boolean:
      return std::string(value.Number() != 0 ? "True" : "False");
    case VarType::Date:
      return DateToText(value.Number());
    case VarType::Error:
      return "Error " + std::to_string(static_cast<int32_t>(value.Number()));
    default:
      return NumberToText(value.Number());
  }
}

base::Result<std::string> CStr(Variant&& value) {
  if (value.Type() == VarType::String) return std::move(value).TakeText();
  return CStr(static_cast<const Variant&>(value));
}

}  // namespace vb
