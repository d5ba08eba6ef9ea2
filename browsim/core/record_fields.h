// Reading and writing a recordset's fields the way every part of the browser does: a column as
// text (VariantToString) or as a whole number (VariantToInt), "" or 0 when the field is missing;
// a text value to put or to bind.
#pragma once

#include <string>
#include <string_view>

#include "netdb/ado_connection.h"
#include "netdb/variant_convert.h"

namespace browsim {

inline ado::Variant TextValue(std::string_view text) {
  return ado::Variant::String(std::string(text));
}

inline std::string FieldText(const netdb::RecordsetPtr& rs, std::string_view field) {
  ado::Variant value;
  return rs->GetValue(field, value) ? netdb::VariantToString(value) : std::string();
}

inline int FieldInt(const netdb::RecordsetPtr& rs, std::string_view field) {
  ado::Variant value;
  return rs->GetValue(field, value) ? netdb::VariantToInt(value) : 0;
}

}  // namespace browsim
