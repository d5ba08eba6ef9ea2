// Reading and writing fields of the network database's recordsets the way every browsim folder
// does: a field that cannot be read is empty text or 0.
#pragma once

#include <string>
#include <string_view>

#include "netdb/ado_connection.h"
#include "netdb/variant_convert.h"

namespace browsim {

inline ado::Variant TextValue(std::string_view s) {
  return ado::Variant::String(std::string(s));
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
