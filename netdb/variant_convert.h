// The fixed conversions of field values to an integer, to text and to a date/time, shared by the
// network database's classes, the network-part grader and the exam client's recordset.
#pragma once

#include <string>

#include "platform/ado/variant.h"

namespace netdb {

// By the value's type: 16-bit and 32-bit integers as they are, floats + 0.5 truncated, currency
// and decimal rounded to an integer, text by its leading decimal digits, bytes as unsigned,
// anything else 0.
int VariantToInt(const ado::Variant& value);

// By the value's type: "" for empty and null, integers in decimal, floats with 4 or 8 decimals,
// dates as "%Y-%m-%d %H:%M:%S", booleans "TRUE"/"FALSE", blobs "[BLOB]", else "UN_KNOW".
std::string VariantToString(const ado::Variant& value);

// A date/time value that may be in the null state.
struct DateTime {
  double serial = 0;  // days since 1899-12-30, the time of day as the fraction
  bool valid = false;

  // "%Y-%m-%d %H:%M:%S", or "" in the null state.
  std::string Format() const;
};

// The value of a date variant; the null state for any other type.
DateTime VariantToDateTime(const ado::Variant& value);

}  // namespace netdb
