// The run-time's variant: the typed value a spreadsheet cell or an automation property hands back,
// and the conversion functions (CInt, CLng, CDbl, CStr, CBool) with the platform's rounding and
// overflow rules. A failed conversion is an error result (the run-time error number in
// base::Error::code), never an exception, so callers that ignore failures step by step can do so
// without try blocks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/result.h"

namespace vb {

enum class VarType { Empty, Null, Integer, Long, Double, String, Boolean, Date, Error };

// The run-time error numbers a conversion can raise.
enum class ErrorCode : int { None = 0, Overflow = 6, TypeMismatch = 13, InvalidUseOfNull = 94 };

// The error the run-time raises: its number as the code, its own words as the message
// ("Overflow", "Type mismatch", "Invalid use of Null").
base::Error RuntimeError(ErrorCode code);

// The run-time error number of a conversion's result; None when it holds a value.
template <class T>
ErrorCode ErrorOf(const base::Result<T>& result) {
  return result ? ErrorCode::None : static_cast<ErrorCode>(result.error().code);
}

// Error values a spreadsheet cell can hold, as its object model numbers them.
enum CellError : int32_t {
  xlErrNull = 2000,
  xlErrDiv0 = 2007,
  xlErrValue = 2015,
  xlErrRef = 2023,
  xlErrName = 2029,
  xlErrNum = 2036,
  xlErrNA = 2042,
};

class Variant {
 public:
  Variant() = default;  // Empty

  static Variant Null();
  static Variant Integer(int16_t value);
  static Variant Long(int32_t value);
  static Variant Double(double value);
  static Variant String(std::string utf8);
  static Variant Boolean(bool value);
  // An OLE date: days since 1899-12-30, the fraction the time of day.
  static Variant Date(double serial);
  static Variant Error(int32_t code);

  VarType Type() const { return type_; }
  bool IsEmpty() const { return type_ == VarType::Empty; }
  bool IsNumeric() const;

  // Raw payloads; meaningful only for the matching type.
  double Number() const { return number_; }  // Integer, Long, Double, Boolean (-1/0), Date, Error
  const std::string& Text() const { return text_; }
  std::string TakeText() && { return std::move(text_); }

  bool operator==(const Variant& other) const = default;

 private:
  static Variant Of(VarType type, double number);

  VarType type_ = VarType::Empty;
  double number_ = 0;
  std::string text_;
};

base::Result<int16_t> CInt(const Variant& value);
base::Result<int32_t> CLng(const Variant& value);
base::Result<double> CDbl(const Variant& value);
base::Result<bool> CBool(const Variant& value);
// Text form: numbers with at most 15 significant digits, dates in the Chinese short form,
// booleans "True"/"False", an error value "Error 2042".
base::Result<std::string> CStr(const Variant& value);
// The same, taking a string variant's text over instead of copying it.
base::Result<std::string> CStr(Variant&& value);

// Text to number as the run-time reads a string variant: surrounding blanks, a sign, ","
// thousands separators, "." decimals, an exponent (E or D), "&H"/"&O" prefixes. Anything else
// is a type mismatch; a magnitude beyond a double is an overflow.
base::Result<double> TextToNumber(std::string_view text);

namespace detail {
// The "&H" (hex), "&O" or "&" (octal) literal `text` starts with ("&" and at least one more
// character), read up to the first character that is no digit of its radix: `end` receives where
// reading stopped, `digits` how many digits it read. Up to 16 bits the value is an Integer's, up
// to 32 bits a Long's (so "&HFFFF" is -1); beyond that an Overflow.
base::Result<double> ReadRadixLiteral(std::string_view text, size_t& end, size_t& digits);
}  // namespace detail

// The number's text form of CStr ("1", "0.5", "1E+16", "1.5E-07").
std::string NumberToText(double value);

// The date's text form of CStr: "2024/6/1", "2024/6/1 8:05:00", or "8:05:00" for a bare time.
std::string DateToText(double serial);

}  // namespace vb
