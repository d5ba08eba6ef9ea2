// The exam client's fixed conversions of field values to an integer and to text.
#pragma once

#include <string>

#include "platform/ado/variant.h"

// By the value's type: 16-bit and 32-bit integers as they are, floats + 0.5 truncated, currency
// and decimal rounded to an integer, text by its leading decimal digits, bytes as unsigned,
// anything else 0.
int VariantToInt(const ado::Variant& value);

// By the value's type: "" for empty and null, integers in decimal, floats with 4 or 8 decimals,
// dates as "%Y-%m-%d %H:%M:%S", booleans "TRUE"/"FALSE", blobs "[BLOB]", else "UN_KNOW".
std::string VariantToString(const ado::Variant& value);
