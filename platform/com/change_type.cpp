// Kind conversions of variants.
#include "platform/com/change_type.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/base/rounding.h"
#include "platform/com/errors.h"

namespace com {
namespace {

bool IsSignedKind(uint16_t vt) {
  return vt == VT_I1 || vt == VT_I2 || vt == VT_I4 || vt == VT_I8 || vt == VT_INT || vt == VT_BOOL;
}
bool IsUnsignedKind(uint16_t vt) {
  return vt == VT_UI1 || vt == VT_UI2 || vt == VT_UI4 || vt == VT_UI8 || vt == VT_UINT;
}
bool IsRealKind(uint16_t vt) {
  return vt == VT_R4 || vt == VT_R8 || vt == VT_DATE || vt == VT_DECIMAL;
}
bool IsNumericKind(uint16_t vt) {
  return IsSignedKind(vt) || IsUnsignedKind(vt) || IsRealKind(vt) || vt == VT_CY;
}

// A numeric value: exact when it came from an integer kind, else a double.
struct Number {
  bool exact = true;
  __int128 whole = 0;
  double real = 0;
};

Number NumberOf(const Variant& v) {
  Number n;
  const uint16_t vt = v.Type();
  if (IsSignedKind(vt)) {
    n.whole = v.IntValue();
  } else if (IsUnsignedKind(vt)) {
    n.whole = static_cast<__int128>(v.UIntValue());
  } else if (vt == VT_CY) {
    // Ten-thousandths to a whole number, halves to even, exactly.
    const int64_t q = v.IntValue() / 10000, r = v.IntValue() % 10000;
    n.whole = q;
    if (r > 5000 || (r == 5000 && (q & 1))) n.whole += 1;
    if (r < -5000 || (r == -5000 && (q & 1))) n.whole -= 1;
    n.exact = false;
    n.real = static_cast<double>(v.IntValue()) / 10000.0;
  } else {
    n.exact = false;
    n.real = v.RealValue();
  }
  return n;
}

double RealOf(const Variant& v) {
  const Number n = NumberOf(v);
  if (v.Type() == VT_CY || !n.exact) return n.real;
  return static_cast<double>(n.whole);
}

base::Error Mismatch(uint16_t from, uint16_t to) {
  return DispatchError(kErrTypeMismatch,
                       "type mismatch: " + VarTypeName(from) + " cannot become " + VarTypeName(to));
}

base::Error Overflow(uint16_t to) {
  return DispatchError(kErrOverflow, "overflow: the value does not fit " + VarTypeName(to));
}

// The whole number a numeric variant rounds to, within [lo, hi].
base::Result<__int128> WholeIn(const Variant& v, __int128 lo, __int128 hi, uint16_t to) {
  const Number n = NumberOf(v);
  __int128 whole = n.whole;
  if (!n.exact && v.Type() != VT_CY) {
    const double r = base::RoundHalfEven(n.real);
    // Beyond +-2^126 no kind of ours fits; NaN fails the comparison too.
    if (!(std::fabs(r) < 8.5e37)) return Overflow(to);
    whole = static_cast<__int128>(r);
  }
  if (whole < lo || whole > hi) return Overflow(to);
  return whole;
}

template <class T>
base::Result<__int128> WholeFor(const Variant& v, uint16_t to) {
  return WholeIn(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), to);
}

base::Result<Variant> FromNumber(const Variant& v, uint16_t to) {
  switch (to) {
    case VT_BOOL:
      return Variant::Bool(NumberOf(v).exact ? NumberOf(v).whole != 0 : RealOf(v) != 0);
    case VT_R8:
      return Variant::R8(RealOf(v));
    case VT_DATE:
      return Variant::Date(RealOf(v));
    case VT_DECIMAL:
      return Variant::Decimal(RealOf(v));
    case VT_R4: {
      const double d = RealOf(v);
      if (std::isfinite(d) && std::fabs(d) > FLT_MAX) return Overflow(to);
      return Variant::R4(static_cast<float>(d));
    }
    case VT_CY: {
      const Number n = NumberOf(v);
      if (v.Type() == VT_CY) return v;
      if (n.exact) {
        const __int128 t = n.whole * 10000;
        if (t < std::numeric_limits<int64_t>::min() || t > std::numeric_limits<int64_t>::max())
          return Overflow(to);
        return Variant::Currency(static_cast<int64_t>(t));
      }
      const double t = base::RoundHalfEven(n.real * 10000.0);
      if (!(std::fabs(t) < 9.2e18)) return Overflow(to);
      return Variant::Currency(static_cast<int64_t>(t));
    }
    default:
      break;
  }
  auto make = [&](auto whole, auto factory) -> base::Result<Variant> {
    if (!whole) return whole.error();
    return factory(*whole);
  };
  switch (to) {
    case VT_I1:
      return make(WholeFor<int8_t>(v, to), [](__int128 w) { return Variant::I1(int8_t(w)); });
    case VT_I2:
      return make(WholeFor<int16_t>(v, to), [](__int128 w) { return Variant::I2(int16_t(w)); });
    case VT_I4:
      return make(WholeFor<int32_t>(v, to), [](__int128 w) { return Variant::I4(int32_t(w)); });
    case VT_INT:
      return make(WholeFor<int32_t>(v, to), [](__int128 w) { return Variant::Int(int32_t(w)); });
    case VT_I8:
      return make(WholeFor<int64_t>(v, to), [](__int128 w) { return Variant::I8(int64_t(w)); });
    case VT_UI1:
      return make(WholeFor<uint8_t>(v, to), [](__int128 w) { return Variant::UI1(uint8_t(w)); });
    case VT_UI2:
      return make(WholeFor<uint16_t>(v, to), [](__int128 w) { return Variant::UI2(uint16_t(w)); });
    case VT_UI4:
      return make(WholeFor<uint32_t>(v, to), [](__int128 w) { return Variant::UI4(uint32_t(w)); });
    case VT_UINT:
      return make(WholeFor<uint32_t>(v, to), [](__int128 w) { return Variant::UInt(uint32_t(w)); });
    case VT_UI8:
      return make(WholeFor<uint64_t>(v, to), [](__int128 w) { return Variant::UI8(uint64_t(w)); });
    default:
      return Mismatch(v.Type(), to);
  }
}

}  // namespace

base::Result<Variant> ChangeType(const Variant& value, uint16_t type) {
  const Variant v = value.Deref();
  if (v.Type() == type) return v;
  if (v.IsEmpty()) {
    if (type == VT_BSTR) return Variant::String("");
    if (IsNumericKind(type)) return FromNumber(Variant::I2(0), type);
    return Mismatch(v.Type(), type);
  }
  if (IsNumericKind(v.Type()) && IsNumericKind(type)) return FromNumber(v, type);
  return Mismatch(v.Type(), type);
}

base::Status StoreThrough(const Variant& ref, const Variant& value) {
  if (!ref.IsByRef())
    return DispatchError(kErrTypeMismatch,
                         "a " + VarTypeName(ref.Type()) + " argument cannot be written through");
  auto converted = ChangeType(value, ref.BaseType());
  if (!converted) return converted.error();
  if (std::string* s = ref.RefText()) {
    *s = converted->Text();
  } else if (VariantBool* b = ref.RefBoolTarget()) {
    *b = converted->BoolValue() ? kVariantTrue : kVariantFalse;
  } else if (int16_t* i2 = ref.RefI2Target()) {
    *i2 = static_cast<int16_t>(converted->IntValue());
  } else if (int32_t* i4 = ref.RefI4Target()) {
    *i4 = static_cast<int32_t>(converted->IntValue());
  } else if (double* r8 = ref.RefR8Target()) {
    *r8 = converted->RealValue();
  } else {
    return DispatchError(kErrBadVarType, "no storage behind a " + VarTypeName(ref.Type()));
  }
  return base::Ok();
}

namespace {

template <class T, class Get>
base::Result<T> Extract(const Variant& v, uint16_t type, Get get) {
  auto converted = ChangeType(v, type);
  if (!converted) return converted.error();
  return get(*converted);
}

}  // namespace

base::Result<bool> VariantTraits<bool>::From(const Variant& v) {
  return Extract<bool>(v, VT_BOOL, [](const Variant& c) { return c.BoolValue(); });
}
base::Result<int16_t> VariantTraits<int16_t>::From(const Variant& v) {
  return Extract<int16_t>(v, VT_I2,
                          [](const Variant& c) { return static_cast<int16_t>(c.IntValue()); });
}
base::Result<int32_t> VariantTraits<int32_t>::From(const Variant& v) {
  return Extract<int32_t>(v, VT_I4,
                          [](const Variant& c) { return static_cast<int32_t>(c.IntValue()); });
}
base::Result<float> VariantTraits<float>::From(const Variant& v) {
  return Extract<float>(v, VT_R4,
                        [](const Variant& c) { return static_cast<float>(c.RealValue()); });
}
base::Result<double> VariantTraits<double>::From(const Variant& v) {
  return Extract<double>(v, VT_R8, [](const Variant& c) { return c.RealValue(); });
}
base::Result<std::string> VariantTraits<std::string>::From(const Variant& v) {
  return Extract<std::string>(v, VT_BSTR, [](const Variant& c) { return c.Text(); });
}

}  // namespace com
