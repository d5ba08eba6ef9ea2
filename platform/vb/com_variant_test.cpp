// Run-time variants through the dispatch value type and back.
#include "platform/vb/com_variant.h"

#include <gtest/gtest.h>

#include "platform/com/errors.h"

namespace vb {
namespace {

TEST(ComVariant, EveryRunTimeKindSurvivesTheRoundTrip) {
  const struct {
    Variant value;
    uint16_t kind;
  } cases[] = {
      {Variant(), com::VT_EMPTY},
      {Variant::Null(), com::VT_NULL},
      {Variant::Integer(-32768), com::VT_I2},
      {Variant::Long(2147483647), com::VT_I4},
      {Variant::Double(0.1), com::VT_R8},
      {Variant::String("中文"), com::VT_BSTR},
      {Variant::Boolean(true), com::VT_BOOL},
      {Variant::Boolean(false), com::VT_BOOL},
      {Variant::Date(45000.75), com::VT_DATE},
      {Variant::Error(xlErrNA), com::VT_ERROR},
  };
  for (const auto& c : cases) {
    const com::Variant d = ToComVariant(c.value);
    EXPECT_EQ(d.Type(), c.kind);
    auto back = FromComVariant(d);
    ASSERT_TRUE(back) << c.kind;
    EXPECT_EQ(*back, c.value) << c.kind;
  }
  EXPECT_EQ(ToComVariant(Variant::Boolean(true)).IntValue(), -1);
}

TEST(ComVariant, KindsTheRunTimeLacksAreRefusedNotChanged) {
  for (const com::Variant& v :
       {com::Variant::R4(1.5f), com::Variant::Currency(10000), com::Variant::I8(1),
        com::Variant::Bytes({1}), com::Variant::Object(nullptr)}) {
    auto r = FromComVariant(v);
    ASSERT_FALSE(r) << v.Type();
    EXPECT_EQ(r.error().code, com::kErrTypeMismatch);
  }
  int16_t i2 = 12;
  EXPECT_EQ(*FromComVariant(com::Variant::RefI2(&i2)), Variant::Integer(12));
}

}  // namespace
}  // namespace vb
