// Converting a Variant to another kind, as a dispatch call needs it: an argument into the type a
// member takes, a member's value into a by-reference argument. Numbers convert among all numeric
// kinds (to whole numbers with halves to even; out of range is kErrOverflow), truth values are
// -1 / 0 as numbers and any non-zero number is true, Empty is 0, false or "". Text converts only
// to text: reading numbers from text follows the run-time's own rules, which live in platform/vb.
// Everything else is kErrTypeMismatch.
#pragma once

#include <string>

#include "platform/base/result.h"
#include "platform/com/variant.h"

namespace com {

// `value` (dereferenced first) as a by-value variant of kind `type`.
base::Result<Variant> ChangeType(const Variant& value, uint16_t type);

// Writes `value`, converted to the target's kind, into the caller's storage of the by-reference
// variant `ref`. kErrTypeMismatch when `ref` is not by reference.
base::Status StoreThrough(const Variant& ref, const Variant& value);

// C++ types a dispatch member takes or gives, with their variant kinds. Specialised for bool,
// int16_t, int32_t, float, double, std::string and Variant (any kind, dereferenced).
template <class T>
struct VariantTraits;

template <>
struct VariantTraits<bool> {
  static Variant Make(bool v) { return Variant::Bool(v); }
  static base::Result<bool> From(const Variant& v);
};
template <>
struct VariantTraits<int16_t> {
  static Variant Make(int16_t v) { return Variant::I2(v); }
  static base::Result<int16_t> From(const Variant& v);
};
template <>
struct VariantTraits<int32_t> {
  static Variant Make(int32_t v) { return Variant::I4(v); }
  static base::Result<int32_t> From(const Variant& v);
};
template <>
struct VariantTraits<float> {
  static Variant Make(float v) { return Variant::R4(v); }
  static base::Result<float> From(const Variant& v);
};
template <>
struct VariantTraits<double> {
  static Variant Make(double v) { return Variant::R8(v); }
  static base::Result<double> From(const Variant& v);
};
template <>
struct VariantTraits<std::string> {
  static Variant Make(std::string v) { return Variant::String(std::move(v)); }
  static base::Result<std::string> From(const Variant& v);
};
template <>
struct VariantTraits<Variant> {
  static Variant Make(Variant v) { return v; }
  static base::Result<Variant> From(const Variant& v) { return v.Deref(); }
};

}  // namespace com
