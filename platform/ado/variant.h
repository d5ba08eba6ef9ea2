// The value type of fields and parameters: a tagged value with the automation type codes the
// callers switch on. Text is UTF-8; dates are days since 1899-12-30 with the time as fraction.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/variant.h"

namespace ado {

// The automation type codes are the dispatch layer's.
using com::VarType;
using enum com::VarType;

// One value. Integers (and booleans as -1 / 0) live in `i`, unsigned ones in `u`, currency in
// `i` as ten-thousandths, floats, dates and decimals in `d`, text in `s`, bytes in `bytes`.
struct Variant {
  uint16_t vt = VT_EMPTY;
  int64_t i = 0;
  uint64_t u = 0;
  double d = 0;
  std::string s;
  std::vector<unsigned char> bytes;

  static Variant Empty() { return {}; }
  static Variant Null();
  static Variant I1(int8_t v);
  static Variant I2(int16_t v);
  static Variant I4(int32_t v);
  static Variant I8(int64_t v);
  static Variant Int(int32_t v);
  static Variant UI1(uint8_t v);
  static Variant UI2(uint16_t v);
  static Variant UI4(uint32_t v);
  static Variant UI8(uint64_t v);
  static Variant UInt(uint32_t v);
  static Variant R4(float v);
  static Variant R8(double v);
  static Variant Bool(bool v);
  static Variant Date(double oleDate);
  static Variant Currency(int64_t tenThousandths);
  static Variant Decimal(double v);
  static Variant String(std::string_view text);
  static Variant Blob(std::vector<unsigned char> data);

  bool IsNull() const { return vt == VT_NULL; }
  bool IsEmpty() const { return vt == VT_EMPTY; }
};

// The value as a signed integer when it is a number or boolean (floats truncated); nothing
// otherwise.
std::optional<int64_t> AsInteger(const Variant& v);

// The value as a double when it is a number, boolean or date; nothing otherwise.
std::optional<double> AsDouble(const Variant& v);

// Date <-> "YYYY-MM-DD HH:MM:SS". Reading also takes "YYYY/M/D", a date alone or a time alone.
std::string DateToText(double oleDate);
std::optional<double> DateFromText(std::string_view text);

}  // namespace ado
