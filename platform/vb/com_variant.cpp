// Run-time variants to dispatch values and back, kind for kind.
#include "platform/vb/com_variant.h"

#include "platform/com/errors.h"

namespace vb {

com::Variant ToComVariant(const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty:
      return com::Variant();
    case VarType::Null:
      return com::Variant::Null();
    case VarType::Integer:
      return com::Variant::I2(static_cast<int16_t>(v.Number()));
    case VarType::Long:
      return com::Variant::I4(static_cast<int32_t>(v.Number()));
    case VarType::Double:
      return com::Variant::R8(v.Number());
    case VarType::String:
      return com::Variant::String(v.Text());
    case VarType::Boolean:
      return com::Variant::Bool(v.Number() != 0);
    case VarType::Date:
      return com::Variant::Date(v.Number());
    case VarType::Error:
      return com::Variant::Error(static_cast<int32_t>(v.Number()));
  }
  return com::Variant();
}

base::Result<Variant> FromComVariant(const com::Variant& value) {
  const com::Variant c = value.Deref();
  switch (c.Type()) {
    case com::VT_EMPTY:
      return Variant();
    case com::VT_NULL:
      return Variant::Null();
    case com::VT_I2:
      return Variant::Integer(static_cast<int16_t>(c.IntValue()));
    case com::VT_I4:
      return Variant::Long(static_cast<int32_t>(c.IntValue()));
    case com::VT_R8:
      return Variant::Double(c.RealValue());
    case com::VT_BSTR:
      return Variant::String(c.Text());
    case com::VT_BOOL:
      return Variant::Boolean(c.BoolValue());
    case com::VT_DATE:
      return Variant::Date(c.RealValue());
    case com::VT_ERROR:
      return Variant::Error(static_cast<int32_t>(c.IntValue()));
    default:
      return com::DispatchError(com::kErrTypeMismatch,
                                "the run-time has no " + com::VarTypeName(c.Type()) + " value");
  }
}

}  // namespace vb
