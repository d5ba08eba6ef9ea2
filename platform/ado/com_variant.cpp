// Field values to dispatch values and back, kind for kind.
#include "platform/ado/com_variant.h"

#include "platform/com/errors.h"

namespace ado {

base::Result<com::Variant> ToComVariant(const Variant& v) {
  switch (v.vt) {
    case VT_EMPTY:
      return com::Variant();
    case VT_NULL:
      return com::Variant::Null();
    case VT_I1:
      return com::Variant::I1(static_cast<int8_t>(v.i));
    case VT_I2:
      return com::Variant::I2(static_cast<int16_t>(v.i));
    case VT_I4:
      return com::Variant::I4(static_cast<int32_t>(v.i));
    case VT_I8:
      return com::Variant::I8(v.i);
    case VT_INT:
      return com::Variant::Int(static_cast<int32_t>(v.i));
    case VT_BOOL:
      return com::Variant::Bool(v.i != 0);
    case VT_CY:
      return com::Variant::Currency(v.i);
    case VT_ERROR:
      return com::Variant::Error(static_cast<int32_t>(v.i));
    case VT_UI1:
      return com::Variant::UI1(static_cast<uint8_t>(v.u));
    case VT_UI2:
      return com::Variant::UI2(static_cast<uint16_t>(v.u));
    case VT_UI4:
      return com::Variant::UI4(static_cast<uint32_t>(v.u));
    case VT_UI8:
      return com::Variant::UI8(v.u);
    case VT_UINT:
      return com::Variant::UInt(static_cast<uint32_t>(v.u));
    case VT_R4:
      return com::Variant::R4(static_cast<float>(v.d));
    case VT_R8:
      return com::Variant::R8(v.d);
    case VT_DATE:
      return com::Variant::Date(v.d);
    case VT_DECIMAL:
      return com::Variant::Decimal(v.d);
    case VT_BSTR:
      return com::Variant::String(v.s);
    case VT_ARRAY | VT_UI1:
      return com::Variant::Bytes({v.bytes.begin(), v.bytes.end()});
    default:
      return com::DispatchError(
          com::kErrBadVarType,
          "a field value of kind " + com::VarTypeName(v.vt) + " has no dispatch value");
  }
}

base::Result<Variant> FromComVariant(const com::Variant& value) {
  const com::Variant c = value.Deref();
  Variant v;
  v.vt = c.Type();
  switch (c.Type()) {
    case VT_EMPTY:
    case VT_NULL:
      break;
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_BOOL:
    case VT_CY:
    case VT_ERROR:
      v.i = c.IntValue();
      break;
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
      v.u = c.UIntValue();
      break;
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL:
      v.d = c.RealValue();
      break;
    case VT_BSTR:
      v.s = c.Text();
      break;
    case VT_ARRAY | VT_UI1:
      v.bytes.assign(c.ByteArray().begin(), c.ByteArray().end());
      break;
    default:
      return com::DispatchError(com::kErrTypeMismatch, "a " + com::VarTypeName(c.Type()) +
                                                           " value cannot be a field value");
  }
  return v;
}

}  // namespace ado
