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
#include "platform/vb/strings.h"

namespace vb {

Variant Variant::Of(VarType type, double number) {
  Variant v;
  v.type_ = type;
  v.number_ = number;
  return v;
}

Variant Variant::Null() {
  return Of(VarType::Null, 0);
}

Variant Variant::Integer(int16_t value) {
  return Of(VarType::Integer, value);
}

Variant Variant::Long(int32_t value) {
  return Of(VarType::Long, value);
}

Variant Variant::Double(double value) {
  return Of(VarType::Double, value);
}

Variant Variant::String(std::string utf8) {
  Variant v = Of(VarType::String, 0);
  v.text_ = std::move(utf8);
  return v;
}

Variant Variant::Boolean(bool value) {
  return Of(VarType::Boolean, value ? -1 : 0);
}

Variant Variant::Date(double serial) {
  return Of(VarType::Date, serial);
}

Variant Variant::Error(int32_t code) {
  return Of(VarType::Error, code);
}

bool Variant::IsNumeric() const {
  switch (type_) {
    case VarType::Empty:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
    case VarType::Boolean:
      return true;
    case VarType::String:
      return TextToNumber(text_).ok();
    default:
      return false;
  }
}

namespace {

template <class T>
Converted<T> Fail(ErrorCode code) {
  Converted<T> out;
  out.error = code;
  return out;
}

// The run-time reads numbers between spaces and tabs only; a line break is part of the text.
constexpr std::string_view kBlanks = " \t";

// "&H" / "&O" literals: up to 16 bits they are an Integer, up to 32 bits a Long.
Converted<double> RadixToNumber(std::string_view digits, int radix) {
  if (digits.empty()) return Fail<double>(ErrorCode::TypeMismatch);
  uint64_t value = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (radix == 16 && std::isxdigit(static_cast<unsigned char>(c))) {
      d = base::AsciiLower(c) - 'a' + 10;
    } else {
      return Fail<double>(ErrorCode::TypeMismatch);
    }
    if (d >= radix) return Fail<double>(ErrorCode::TypeMismatch);
    value = value * radix + d;
    if (value > 0xFFFFFFFFull) return Fail<double>(ErrorCode::Overflow);
  }
  Converted<double> out;
  if (value <= 0xFFFF) {
    out.value = static_cast<int16_t>(static_cast<uint16_t>(value));
  } else {
    out.value = static_cast<int32_t>(static_cast<uint32_t>(value));
  }
  return out;
}

bool IsWord(std::string_view text, std::string_view word) {
  return TextEquals(text, word);
}

Converted<double> StringToDouble(std::string_view text) {
  Converted<double> number = TextToNumber(text);
  if (number.ok() || number.error == ErrorCode::Overflow) return number;
  std::string_view trimmed = base::Trim(text, kBlanks);
  if (IsWord(trimmed, "True")) return {-1.0, ErrorCode::None};
  if (IsWord(trimmed, "False")) return {0.0, ErrorCode::None};
  return number;
}

template <class T>
Converted<T> ToInteger(const Variant& value) {
  Converted<double> d = CDbl(value);
  if (!d.ok()) return Fail<T>(d.error);
  double rounded = base::RoundHalfEven(d.value);
  if (!(rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max())) {
    return Fail<T>(ErrorCode::Overflow);
  }
  return {static_cast<T>(rounded), ErrorCode::None};
}

}  // namespace

Converted<double> TextToNumber(std::string_view text) {
  text = base::Trim(text, kBlanks);
  if (text.size() >= 2 && text[0] == '&') {
    const char kind = base::AsciiUpper(text[1]);
    if (kind == 'H') return RadixToNumber(text.substr(2), 16);
    if (kind == 'O') return RadixToNumber(text.substr(2), 8);
    return RadixToNumber(text.substr(1), 8);
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
  if (digits == 0) return Fail<double>(ErrorCode::TypeMismatch);
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    clean += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) clean += text[i++];
    int expDigits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      clean += text[i++];
      ++expDigits;
    }
    if (expDigits == 0) return Fail<double>(ErrorCode::TypeMismatch);
  }
  if (i != text.size()) return Fail<double>(ErrorCode::TypeMismatch);
  const double value = std::strtod(clean.c_str(), nullptr);
  if (!std::isfinite(value)) return Fail<double>(ErrorCode::Overflow);
  return {value, ErrorCode::None};
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

Converted<double> CDbl(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
      return {0.0, ErrorCode::None};
    case VarType::Null:
      return Fail<double>(ErrorCode::InvalidUseOfNull);
    case VarType::String:
      return StringToDouble(value.Text());
    case VarType::Error:
      return Fail<double>(ErrorCode::TypeMismatch);
    default:
      return {value.Number(), ErrorCode::None};
  }
}

Converted<int16_t> CInt(const Variant& value) {
  return ToInteger<int16_t>(value);
}

Converted<int32_t> CLng(const Variant& value) {
  return ToInteger<int32_t>(value);
}

Converted<bool> CBool(const Variant& value) {
  Converted<double> d = CDbl(value);
  if (!d.ok()) return Fail<bool>(d.error);
  return {d.value != 0, ErrorCode::None};
}

Converted<std::string> CStr(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
      return {"", ErrorCode::None};
    case VarType::Null:
      return Fail<std::string>(ErrorCode::InvalidUseOfNull);
    case VarType::String:
      return {value.Text(), ErrorCode::None};
    case VarType::Boolean:
      return {value.Number() != 0 ? "True" : "False", ErrorCode::None};
    case VarType::Date:
      return {DateToText(value.Number()), ErrorCode::None};
    case VarType::Error:
      return {"Error " + std::to_string(static_cast<int32_t>(value.Number())), ErrorCode::None};
    default:
      return {NumberToText(value.Number()), ErrorCode::None};
  }
}

Converted<std::string> CStr(Variant&& value) {
  if (value.Type() == VarType::String) return {std::move(value).TakeText(), ErrorCode::None};
  return CStr(static_cast<const Variant&>(value));
}

}  // namespace vb
