// The run-time's variant: the typed value a spreadsheet cell or an automation property hands back,
// and the conversion functions (CInt, CLng, CDbl, CStr, CBool) with the platform's rounding and
// overflow rules. A failed conversion is an error result (the run-time error number in
// base::Error::code), never an exception, so callers that ignore failures step by step can do so
// without try blocks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/base/result.h"
#include "platform/com/variant.h"

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

// Stored as the dispatch layer's variant (Integer VT_I2, Long VT_I4, Double VT_R8, String
// VT_BSTR, Boolean VT_BOOL, Date VT_DATE, Error VT_ERROR), so a value crosses a dispatch call as
// it is and a copy shares its text.
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

  // A dispatch value as the run-time sees it; a by-reference value converts as what it points
  // at. A kind the run-time does not have (R4, CY, I8, a dispatch pointer, arrays, ...) is a type
  // mismatch rather than changed.
  static base::Result<Variant> FromCom(const com::Variant& value);
  const com::Variant& Com() const { return value_; }

  // Only the kinds above are ever stored, so the code indexes a table of them.
  VarType Type() const { return kTypes[value_.Type()]; }
  bool IsEmpty() const { return value_.IsEmpty(); }
  bool IsNumeric() const;

  // Raw payloads; meaningful only for the matching type.
  // Integer, Long, Double, Boolean (-1/0), Date, Error; 0 for the others.
  double Number() const {
    const uint16_t vt = value_.Type();
    if (vt == com::VT_R8 || vt == com::VT_DATE) return value_.RealValue();
    return static_cast<double>(value_.IntValue());
  }
  const std::string& Text() const { return value_.Text(); }
  std::string TakeText() && { return std::move(value_).TakeText(); }

  bool operator==(const Variant& other) const { return value_ == other.value_; }

 private:
  static constexpr VarType kTypes[] = {
      VarType::Empty,  VarType::Null,   VarType::Integer, VarType::Long,
      VarType::Empty,  VarType::Double, VarType::Empty,   VarType::Date,
      VarType::String, VarType::Empty,  VarType::Error,   VarType::Boolean,
  };

  explicit Variant(com::Variant value) : value_(std::move(value)) {}

  com::Variant value_;
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
