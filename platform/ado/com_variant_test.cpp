// Field values through the dispatch value type and back.
#include "platform/ado/com_variant.h"

#include <gtest/gtest.h>

#include "platform/com/errors.h"

namespace ado {
namespace {

bool Same(const Variant& a, const Variant& b) {
  return a.vt == b.vt && a.i == b.i && a.u == b.u && (a.d == b.d || (a.d != a.d && b.d != b.d)) &&
         a.s == b.s && a.bytes == b.bytes;
}

TEST(ComVariant, EveryFieldKindSurvivesTheRoundTrip) {
  Variant error;
  error.vt = VT_ERROR;
  error.i = 2042;
  const Variant values[] = {
      Variant::Empty(),
      Variant::Null(),
      Variant::I1(-5),
      Variant::I2(-32768),
      Variant::I4(123456789),
      Variant::I8(-(1ll << 60)),
      Variant::Int(7),
      Variant::UI1(255),
      Variant::UI2(65535),
      Variant::UI4(4000000000u),
      Variant::UI8(~0ull),
      Variant::UInt(9),
      Variant::R4(1.5f),
      Variant::R8(0.1),
      Variant::Bool(true),
      Variant::Bool(false),
      Variant::Date(45000.5),
      Variant::Currency(-123456),
      Variant::Decimal(12.25),
      Variant::String("中文 text"),
      Variant::Blob({0, 1, 255}),
      error,
  };
  for (const Variant& v : values) {
    auto c = ToComVariant(v);
    ASSERT_TRUE(c) << v.vt;
    EXPECT_EQ(c->Type(), v.vt);
    auto back = FromComVariant(*c);
    ASSERT_TRUE(back) << v.vt;
    EXPECT_TRUE(Same(*back, v)) << v.vt;
  }
}

TEST(ComVariant, KindsWithoutAValueOnTheOtherSideAreRefused) {
  Variant lpstr;
  lpstr.vt = VT_LPSTR;
  EXPECT_EQ(ToComVariant(lpstr).error().code, com::kErrBadVarType);
  EXPECT_EQ(FromComVariant(com::Variant::Array({})).error().code, com::kErrTypeMismatch);
  EXPECT_FALSE(FromComVariant(com::Variant::Object(nullptr)));
  std::string text = "by reference";
  auto deref = FromComVariant(com::Variant::RefString(&text));
  ASSERT_TRUE(deref);
  EXPECT_EQ(deref->s, "by reference");
}

}  // namespace
}  // namespace ado
