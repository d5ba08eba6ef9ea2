// VariantToInt and VariantToString, one row per value type.
#include "netdb/variant_convert.h"

#include <gtest/gtest.h>

namespace {

using ado::Variant;
using netdb::VariantToInt;
using netdb::VariantToString;

TEST(VariantToInt, ByType) {
  struct Case {
    Variant value;
    int expected;
  } cases[] = {
      {Variant::R8(2.5), 3},
      {Variant::R8(-2.5), -2},
      {Variant::R8(1.49), 1},
      {Variant::R8(-2.7), -2},
      {Variant::R4(0.5f), 1},
      {Variant::R8(1e12), INT32_MAX},
      {Variant::I2(-7), -7},
      {Variant::Bool(true), -1},
      {Variant::Bool(false), 0},
      {Variant::UI2(65535), -1},
      {Variant::I4(123456), 123456},
      {Variant::Int(-5), -5},
      {Variant::UI4(7), 7},
      {Variant::Currency(25000), 2},
      {Variant::Currency(35000), 4},
      {Variant::Decimal(-1.5), -2},
      {Variant::String("42abc"), 42},
      {Variant::String(" -3"), -3},
      {Variant::String("abc"), 0},
      {Variant::String(""), 0},
      {Variant::I1(-1), 255},
      {Variant::UI1(200), 200},
      {Variant::I8(5), 0},
      {Variant::Null(), 0},
      {Variant(), 0},
      {Variant::Date(2.5), 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VariantToInt(c.value), c.expected)
        << "vt " << c.value.Type() << " " << c.value.RealValue();
}

TEST(VariantToString, ByType) {
  struct Case {
    Variant value;
    const char* expected;
  } cases[] = {
      {Variant(), ""},
      {Variant::Null(), ""},
      {Variant::I2(-12), "-12"},
      {Variant::I4(2147483647), "2147483647"},
      {Variant::I8(-9000000000LL), "-9000000000"},
      {Variant::UI4(4000000000u), "4000000000"},
      {Variant::I1(-1), "255"},
      {Variant::UI1(7), "7"},
      {Variant::R4(1.5f), "1.5000"},
      {Variant::R8(2.0 / 3.0), "0.66666667"},
      {Variant::Decimal(-1.25), "-1.25000000"},
      {Variant::Currency(125000), "12.5"},
      {Variant::Currency(-30000), "-3"},
      {Variant::Date(41825.75), "2014-07-05 18:00:00"},
      {Variant::String("准考证"), "准考证"},
      {Variant::Bool(true), "TRUE"},
      {Variant::Bool(false), "FALSE"},
      {Variant::Bytes({1, 2}), "[BLOB]"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VariantToString(c.value), c.expected) << "vt " << c.value.Type();
  for (const Variant& odd : {Variant::Object(nullptr), Variant::Array({}), Variant::Error(7)})
    EXPECT_EQ(VariantToString(odd), "UN_KNOW") << "vt " << odd.Type();
}

}  // namespace
