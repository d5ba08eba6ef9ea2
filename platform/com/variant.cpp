// Variant values: construction, payloads and comparison.
#include "platform/com/variant.h"

#include <cstdio>

namespace com {
namespace {

const std::string kNoText;
const std::vector<uint8_t> kNoBytes;
const std::vector<Variant> kNoItems;

}  // namespace

Variant Variant::Make(uint16_t vt) {
  Variant v;
  v.vt_ = vt;
  return v;
}

// Factories that store one scalar: the kind, the parameter type and the union member it goes to.
#define KIRV_SCALAR(Name, Type, Vt, member) \
  Variant Variant::Name(Type value) {       \
    Variant v = Make(Vt);                   \
    v.scalar_.member = value;               \
    return v;                               \
  }

KIRV_SCALAR(I1, int8_t, VT_I1, i)
KIRV_SCALAR(I2, int16_t, VT_I2, i)
KIRV_SCALAR(I4, int32_t, VT_I4, i)
KIRV_SCALAR(I8, int64_t, VT_I8, i)
KIRV_SCALAR(Int, int32_t, VT_INT, i)
KIRV_SCALAR(Currency, int64_t, VT_CY, i)
KIRV_SCALAR(Error, int32_t, VT_ERROR, i)
KIRV_SCALAR(UI1, uint8_t, VT_UI1, u)
KIRV_SCALAR(UI2, uint16_t, VT_UI2, u)
KIRV_SCALAR(UI4, uint32_t, VT_UI4, u)
KIRV_SCALAR(UI8, uint64_t, VT_UI8, u)
KIRV_SCALAR(UInt, uint32_t, VT_UINT, u)
KIRV_SCALAR(R4, float, VT_R4, d)
KIRV_SCALAR(R8, double, VT_R8, d)
KIRV_SCALAR(Date, double, VT_DATE, d)
KIRV_SCALAR(Decimal, double, VT_DECIMAL, d)
KIRV_SCALAR(RefString, std::string*, VT_BYREF | VT_BSTR, ref)
KIRV_SCALAR(RefBool, VariantBool*, VT_BYREF | VT_BOOL, ref)
KIRV_SCALAR(RefI2, int16_t*, VT_BYREF | VT_I2, ref)
KIRV_SCALAR(RefI4, int32_t*, VT_BYREF | VT_I4, ref)
KIRV_SCALAR(RefR8, double*, VT_BYREF | VT_R8, ref)

#undef KIRV_SCALAR

Variant Variant::Null() {
  return Make(VT_NULL);
}

Variant Variant::Bool(bool value) {
  Variant v = Make(VT_BOOL);
  v.scalar_.i = value ? -1 : 0;
  return v;
}

Variant Variant::String(std::string utf8) {
  Variant v = Make(VT_BSTR);
  // Not made const, so that TakeText may move it out of a block no one else shares.
  v.heap_ = std::make_shared<std::string>(std::move(utf8));
  return v;
}

Variant Variant::Object(std::shared_ptr<Dispatch> object) {
  Variant v = Make(VT_DISPATCH);
  v.heap_ = std::move(object);
  return v;
}

Variant Variant::Bytes(std::vector<uint8_t> bytes) {
  Variant v = Make(VT_ARRAY | VT_UI1);
  v.heap_ = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
  return v;
}

Variant Variant::Array(std::vector<Variant> items) {
  Variant v = Make(VT_ARRAY | VT_VARIANT);
  v.heap_ = std::make_shared<const std::vector<Variant>>(std::move(items));
  return v;
}

const std::string& Variant::NoText() {
  return kNoText;
}

std::string Variant::TakeText() && {
  if (vt_ != VT_BSTR) return {};
  if (heap_.use_count() != 1) return Text();
  std::string text;
  text.swap(*static_cast<std::string*>(const_cast<void*>(heap_.get())));
  return text;
}

const std::vector<uint8_t>& Variant::ByteArray() const {
  return vt_ == (VT_ARRAY | VT_UI1) ? *static_cast<const std::vector<uint8_t>*>(heap_.get())
                                    : kNoBytes;
}

const std::vector<Variant>& Variant::Items() const {
  return vt_ == (VT_ARRAY | VT_VARIANT) ? *static_cast<const std::vector<Variant>*>(heap_.get())
                                        : kNoItems;
}

// The block of a dispatch pointer is the object itself, which is not const: only the shared
// handle is typed const so that one member can hold every kind.
Dispatch* Variant::ObjectPointer() const {
  return vt_ == VT_DISPATCH ? static_cast<Dispatch*>(const_cast<void*>(heap_.get())) : nullptr;
}

std::shared_ptr<Dispatch> Variant::ObjectValue() const {
  if (vt_ != VT_DISPATCH) return nullptr;
  return std::shared_ptr<Dispatch>(heap_, ObjectPointer());
}

Variant Variant::Deref() const {
  if (!IsByRef() || scalar_.ref == nullptr) return IsByRef() ? Variant() : *this;
  switch (BaseType()) {
    case VT_BSTR:
      return String(*RefText());
    case VT_BOOL:
      return Bool(*RefBoolTarget() != 0);
    case VT_I2:
      return I2(*RefI2Target());
    case VT_I4:
      return I4(*RefI4Target());
    case VT_R8:
      return R8(*RefR8Target());
    default:
      return Variant();
  }
}

bool Variant::operator==(const Variant& other) const {
  if (vt_ != other.vt_) return false;
  if (IsByRef()) return scalar_.ref == other.scalar_.ref;
  switch (vt_) {
    case VT_EMPTY:
    case VT_NULL:
      return true;
    case VT_BSTR:
      return Text() == other.Text();
    case VT_DISPATCH:
      return heap_ == other.heap_;
    case VT_ARRAY | VT_UI1:
      return ByteArray() == other.ByteArray();
    case VT_ARRAY | VT_VARIANT:
      return Items() == other.Items();
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL:
      return scalar_.d == other.scalar_.d;
    default:
      return scalar_.i == other.scalar_.i;
  }
}

std::string VarTypeName(uint16_t vt) {
  static constexpr struct {
    uint16_t vt;
    const char* name;
  } kNames[] = {
      {VT_EMPTY, "EMPTY"},     {VT_NULL, "NULL"},
      {VT_I2, "I2"},           {VT_I4, "I4"},
      {VT_R4, "R4"},           {VT_R8, "R8"},
      {VT_CY, "CY"},           {VT_DATE, "DATE"},
      {VT_BSTR, "BSTR"},       {VT_DISPATCH, "DISPATCH"},
      {VT_ERROR, "ERROR"},     {VT_BOOL, "BOOL"},
      {VT_VARIANT, "VARIANT"}, {VT_DECIMAL, "DECIMAL"},
      {VT_I1, "I1"},           {VT_UI1, "UI1"},
      {VT_UI2, "UI2"},         {VT_UI4, "UI4"},
      {VT_I8, "I8"},           {VT_UI8, "UI8"},
      {VT_INT, "INT"},         {VT_UINT, "UINT"},
  };
  std::string prefix;
  if (vt & VT_BYREF) prefix += "BYREF ";
  if (vt & VT_ARRAY) prefix += "ARRAY ";
  const uint16_t base = vt & ~(VT_BYREF | VT_ARRAY);
  for (const auto& n : kNames)
    if (n.vt == base) return prefix + n.name;
  return prefix + std::to_string(base);
}

}  // namespace com
