// The value type of fields and parameters is the dispatch layer's variant, so a field value
// crosses a dispatch call as it is. Text is UTF-8; dates are days since 1899-12-30 with the time
// as fraction. Here: the readings the provider makes of a value, and the date conversions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com/variant.h"

namespace ado {

// The automation type codes are the dispatch layer's.
using com::VarType;
using enum com::VarType;

using Variant = com::Variant;

// The value as a signed integer when it is a number or boolean (floats truncated); nothing
// otherwise.
std::optional<int64_t> AsInteger(const Variant& v);

// The value as a double when it is a number, boolean or date; nothing otherwise.
std::optional<double> AsDouble(const Variant& v);

// Date <-> "YYYY-MM-DD HH:MM:SS". Reading also takes "YYYY/M/D", a date alone or a time alone.
std::string DateToText(double oleDate);
std::optional<double> DateFromText(std::string_view text);

}  // namespace ado
