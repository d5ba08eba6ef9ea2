// Variants and the date conversions.
#include "platform/ado/variant.h"

#include <gtest/gtest.h>

namespace ado {
namespace {

TEST(AdoDate, TextRoundTrips) {
  struct Case {
    const char* text;
    double ole;
  } cases[] = {
      {"1899-12-30 00:00:00", 0.0},     {"1900-01-01 00:00:00", 2.0},
      {"2014-07-05 00:00:00", 41825.0}, {"2014-07-05 18:00:00", 41825.75},
      {"1899-12-29 06:00:00", -1.25},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DateToText(c.ole), c.text) << c.ole;
    auto back = DateFromText(c.text);
    ASSERT_TRUE(back.has_value()) << c.text;
    EXPECT_NEAR(*back, c.ole, 1e-9) << c.text;
  }
}

TEST(AdoDate, ReadsOtherFormsAndRefusesJunk) {
  EXPECT_NEAR(*DateFromText("2014/7/5"), 41825.0, 1e-9);
  EXPECT_NEAR(*DateFromText("12:00"), 0.5, 1e-9);
  EXPECT_NEAR(*DateFromText("2014-07-05T06:00:00"), 41825.25, 1e-9);
  for (const char* junk : {"", "abc", "2014-13-01", "2014-07-05 25:00", "12:00 x"})
    EXPECT_FALSE(DateFromText(junk).has_value()) << junk;
}

TEST(AdoVariant, NumericViews) {
  EXPECT_EQ(AsInteger(Variant::Bool(true)), -1);
  EXPECT_EQ(AsInteger(Variant::UI8(7)), 7);
  EXPECT_EQ(AsInteger(Variant::Currency(25000)), 2);
  EXPECT_EQ(AsInteger(Variant::R8(-2.7)), -2);
  EXPECT_FALSE(AsInteger(Variant::String("5")).has_value());
  EXPECT_FALSE(AsInteger(Variant::Null()).has_value());
  EXPECT_DOUBLE_EQ(*AsDouble(Variant::Currency(25000)), 2.5);
}

}  // namespace
}  // namespace ado
