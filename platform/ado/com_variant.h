// Field values as dispatch values and back. Every kind a field value takes has the dispatch kind
// of the same code, so a field value survives the round trip exactly; a dispatch value of a kind
// no field holds (a dispatch pointer, an array of variants) is refused.
#pragma once

#include "platform/ado/variant.h"
#include "platform/base/result.h"
#include "platform/com/variant.h"

namespace ado {

// Fails only for a field value whose code names no value kind (VT_LPSTR, VT_BLOB, ...).
base::Result<com::Variant> ToComVariant(const Variant& value);

// A by-reference value converts as what it points at.
base::Result<Variant> FromComVariant(const com::Variant& value);

}  // namespace ado
