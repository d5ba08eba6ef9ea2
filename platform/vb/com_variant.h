// The run-time's variants as dispatch values and back. Every run-time kind has its dispatch kind
// (Integer I2, Long I4, Double R8, String BSTR, Boolean BOOL, Date DATE, Error ERROR with the same
// number), so a run-time value survives the round trip exactly; a dispatch value of a kind the
// run-time does not have (R4, CY, I8, a dispatch pointer, arrays, ...) is refused rather than
// changed.
#pragma once

#include "platform/base/result.h"
#include "platform/com/variant.h"
#include "platform/vb/variant.h"

namespace vb {

com::Variant ToComVariant(const Variant& value);

// A by-reference value converts as what it points at.
base::Result<Variant> FromComVariant(const com::Variant& value);

}  // namespace vb
