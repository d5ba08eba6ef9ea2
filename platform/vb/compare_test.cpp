#include "platform/vb/compare.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

TEST(CompareVariants, AsTheComparisonOperatorsOrderThem) {
  struct Case {
    const char* name;
    Variant a, b;
    int order;
  } cases[] = {
      {"numbers", Variant::Double(3), Variant::Integer(7), -1},
      {"equal numbers of other types", Variant::Integer(2), Variant::Double(2), 0},
      {"texts by character code", Variant::String("b"), Variant::String("a"), 1},
      {"text case counts", Variant::String("A"), Variant::String("a"), -1},
      {"Chinese text", Variant::String("张"), Variant::String("李"), -1},
      {"a number is below any text", Variant::Double(100), Variant::String("1"), -1},
      {"text above a number", Variant::String(""), Variant::Double(-5), 1},
      {"empty is 0 beside a number", Variant(), Variant::Double(0), 0},
      {"empty below a positive number", Variant(), Variant::Double(1), -1},
      {"empty is the empty text", Variant(), Variant::String(""), 0},
      {"empty below a text", Variant(), Variant::String("x"), -1},
      {"dates by serial", Variant::Date(45000), Variant::Double(45001), -1},
      {"true is -1", Variant::Boolean(true), Variant::Integer(0), -1},
  };
  for (const Case& c : cases) {
    base::Result<int> order = CompareVariants(c.a, c.b);
    ASSERT_TRUE(order) << c.name;
    EXPECT_EQ(*order, c.order) << c.name;
  }
}

TEST(CompareVariants, ErrorValuesAndNullHaveNoOrder) {
  EXPECT_EQ(ErrorOf(CompareVariants(Variant::Error(xlErrNA), Variant::Error(xlErrNA))),
            ErrorCode::TypeMismatch);
  EXPECT_EQ(ErrorOf(CompareVariants(Variant::Double(1), Variant::Null())),
            ErrorCode::InvalidUseOfNull);
}

}  // namespace
}  // namespace vb
