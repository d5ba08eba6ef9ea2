// The one value type that crosses a dispatch call: a tagged value with the automation type codes
// (VT_I2, VT_BSTR, ...). Text is UTF-8. Scalars live inline; text, byte arrays, arrays and
// dispatch pointers live in one shared, immutable block, so a Variant is 32 bytes and copying one
// never copies its text. By-reference values point at storage of the caller, which the callee may
// write through during the call (see StoreThrough in change_type.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace com {

class Dispatch;

enum VarType : uint16_t {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R4 = 4,
  VT_R8 = 5,
  VT_CY = 6,
  VT_DATE = 7,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_DECIMAL = 14,
  VT_I1 = 16,
  VT_UI1 = 17,
  VT_UI2 = 18,
  VT_UI4 = 19,
  VT_I8 = 20,
  VT_UI8 = 21,
  VT_INT = 22,
  VT_UINT = 23,
  VT_VOID = 24,
  VT_LPSTR = 30,
  VT_LPWSTR = 31,
  VT_BLOB = 65,
  VT_BLOB_OBJECT = 70,
  VT_ARRAY = 0x2000,
  VT_BYREF = 0x4000,
};

// A truth value as a call carries it by reference: -1 true, 0 false.
using VariantBool = int16_t;
inline constexpr VariantBool kVariantTrue = -1;
inline constexpr VariantBool kVariantFalse = 0;

class Variant {
 public:
  Variant() noexcept : scalar_{} {}  // VT_EMPTY

  static Variant Null();
  static Variant I1(int8_t value);
  static Variant I2(int16_t value);
  static Variant I4(int32_t value);
  static Variant I8(int64_t value);
  static Variant Int(int32_t value);
  static Variant UI1(uint8_t value);
  static Variant UI2(uint16_t value);
  static Variant UI4(uint32_t value);
  static Variant UI8(uint64_t value);
  static Variant UInt(uint32_t value);
  static Variant R4(float value);
  static Variant R8(double value);
  static Variant Currency(int64_t tenThousandths);
  // Days since 1899-12-30, the time of day as the fraction.
  static Variant Date(double serial);
  // Kept as a double, as the database layer reads decimals.
  static Variant Decimal(double value);
  static Variant Bool(bool value);
  // VT_ERROR with its code (a cell error's number, or a result code for a missing argument).
  static Variant Error(int32_t code);
  static Variant String(std::string utf8);
  static Variant Object(std::shared_ptr<Dispatch> object);
  // VT_ARRAY | VT_UI1: a byte array (a blob).
  static Variant Bytes(std::vector<uint8_t> bytes);
  // VT_ARRAY | VT_VARIANT: a one-dimensional array counted from 0.
  static Variant Array(std::vector<Variant> items);

  // By reference: the target must outlive the call the variant is passed to.
  static Variant RefString(std::string* target);
  static Variant RefBool(VariantBool* target);
  static Variant RefI2(int16_t* target);
  static Variant RefI4(int32_t* target);
  static Variant RefR8(double* target);

  uint16_t Type() const { return vt_; }
  // The type without VT_BYREF.
  uint16_t BaseType() const { return vt_ & ~VT_BYREF; }
  bool IsEmpty() const { return vt_ == VT_EMPTY; }
  bool IsNull() const { return vt_ == VT_NULL; }
  bool IsByRef() const { return (vt_ & VT_BYREF) != 0; }

  // Payloads; each is meaningful for its kinds only and 0 / empty otherwise.
  // I1, I2, I4, I8, INT, BOOL (-1 / 0), ERROR, CY (ten-thousandths).
  int64_t IntValue() const { return IsInline() ? scalar_.i : 0; }
  // UI1, UI2, UI4, UI8, UINT.
  uint64_t UIntValue() const { return IsInline() ? scalar_.u : 0; }
  // R4, R8, DATE, DECIMAL.
  double RealValue() const { return IsInline() ? scalar_.d : 0; }
  bool BoolValue() const { return vt_ == VT_BOOL && scalar_.i != 0; }
  const std::string& Text() const {
    return vt_ == VT_BSTR ? *static_cast<const std::string*>(heap_.get()) : NoText();
  }
  // The text of a string variant being consumed: moved out (leaving "") when this variant holds
  // the only reference to it, copied otherwise; "" for other kinds.
  std::string TakeText() &&;
  const std::vector<uint8_t>& ByteArray() const;
  const std::vector<Variant>& Items() const;
  Dispatch* ObjectPointer() const;
  std::shared_ptr<Dispatch> ObjectValue() const;
  // The caller's storage of a by-reference variant (nullptr for other kinds).
  std::string* RefText() const { return Ref<std::string>(VT_BSTR); }
  VariantBool* RefBoolTarget() const { return Ref<VariantBool>(VT_BOOL); }
  int16_t* RefI2Target() const { return Ref<int16_t>(VT_I2); }
  int32_t* RefI4Target() const { return Ref<int32_t>(VT_I4); }
  double* RefR8Target() const { return Ref<double>(VT_R8); }

  // A by-reference variant's current target value as a by-value variant; others as they are.
  Variant Deref() const;

  // Same kind and same value (by-reference ones: same target).
  bool operator==(const Variant& other) const;

 private:
  union Scalar {
    int64_t i;
    uint64_t u;
    double d;
    void* ref;
  };

  static Variant Make(uint16_t vt);
  static const std::string& NoText();
  bool IsInline() const {
    return vt_ != VT_BSTR && vt_ != VT_DISPATCH && (vt_ & (VT_ARRAY | VT_BYREF)) == 0;
  }
  template <class T>
  T* Ref(uint16_t base) const {
    return vt_ == (VT_BYREF | base) ? static_cast<T*>(scalar_.ref) : nullptr;
  }

  uint16_t vt_ = VT_EMPTY;
  Scalar scalar_;
  // Text (std::string), bytes (std::vector<uint8_t>), items (std::vector<Variant>) or a
  // dispatch pointer, as vt_ says; never changed while shared (TakeText empties a text only its
  // last owner holds).
  std::shared_ptr<const void> heap_;
};

// "I2", "BSTR", "BYREF BSTR", "ARRAY UI1", or the number for a type this layer does not know.
std::string VarTypeName(uint16_t vt);

}  // namespace com
