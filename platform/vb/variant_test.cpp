// Variant conversions: rounding, overflow and the text forms the grader compares.
#include "platform/vb/variant.h"

#include <gtest/gtest.h>

#include "platform/com/errors.h"

namespace vb {
namespace {

TEST(Variant, IntegerConversionsRoundHalvesToEvenAndReportOverflow) {
  struct Case {
    Variant in;
    int16_t cint;
    ErrorCode cintError;
    int32_t clng;
    ErrorCode clngError;
  } cases[] = {
      {Variant::Double(2.5), 2, ErrorCode::None, 2, ErrorCode::None},
      {Variant::Double(3.5), 4, ErrorCode::None, 4, ErrorCode::None},
      {Variant::Double(-2.5), -2, ErrorCode::None, -2, ErrorCode::None},
      {Variant::Double(2.5000001), 3, ErrorCode::None, 3, ErrorCode::None},
      {Variant::Double(32767.4), 32767, ErrorCode::None, 32767, ErrorCode::None},
      {Variant::Double(32767.5), 0, ErrorCode::Overflow, 32768, ErrorCode::None},
      {Variant::Double(-32768.5), -32768, ErrorCode::None, -32768, ErrorCode::None},
      {Variant::Double(3e9), 0, ErrorCode::Overflow, 0, ErrorCode::Overflow},
      {Variant::String(" 1,234.5 "), 1234, ErrorCode::None, 1234, ErrorCode::None},
      {Variant::String("&HFFFF"), -1, ErrorCode::None, -1, ErrorCode::None},
      {Variant::String("&H10000"), 0, ErrorCode::Overflow, 65536, ErrorCode::None},
      {Variant::String("&17"), 15, ErrorCode::None, 15, ErrorCode::None},
      {Variant::String("&H1G"), 0, ErrorCode::TypeMismatch, 0, ErrorCode::TypeMismatch},
      {Variant::String("&H"), 0, ErrorCode::TypeMismatch, 0, ErrorCode::TypeMismatch},
      {Variant::String("1e3"), 1000, ErrorCode::None, 1000, ErrorCode::None},
      {Variant::String("true"), -1, ErrorCode::None, -1, ErrorCode::None},
      {Variant::String("3abc"), 0, ErrorCode::TypeMismatch, 0, ErrorCode::TypeMismatch},
      {Variant::String(""), 0, ErrorCode::TypeMismatch, 0, ErrorCode::TypeMismatch},
      {Variant::String("1e999"), 0, ErrorCode::Overflow, 0, ErrorCode::Overflow},
      {Variant::String(std::string("1\0"
                                   "5",
                                   3)),
       0, ErrorCode::TypeMismatch, 0, ErrorCode::TypeMismatch},
      {Variant(), 0, ErrorCode::None, 0, ErrorCode::None},
      {Variant::Boolean(true), -1, ErrorCode::None, -1, ErrorCode::None},
      {Variant::Null(), 0, ErrorCode::InvalidUseOfNull, 0, ErrorCode::InvalidUseOfNull},
      {Variant::Error(xlErrNA), 0, ErrorCode::TypeMismatch, 0, ErrorCode::TypeMismatch},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(CStr(c.in).value_or("(null)"));
    const auto i = CInt(c.in);
    EXPECT_EQ(ErrorOf(i), c.cintError);
    if (i) {
      EXPECT_EQ(*i, c.cint);
    }
    const auto l = CLng(c.in);
    EXPECT_EQ(ErrorOf(l), c.clngError);
    if (l) {
      EXPECT_EQ(*l, c.clng);
    }
  }
}

TEST(Variant, NumberTextHasFifteenDigitsAndExponentForm) {
  struct Case {
    double in;
    const char* text;
  } cases[] = {
      {1, "1"},
      {-0.0, "0"},
      {1.5, "1.5"},
      {0.1 + 0.2, "0.3"},
      {123456789012345, "123456789012345"},
      {1234567890123456, "1.23456789012346E+15"},
      {1e16, "1E+16"},
      {-2.5e20, "-2.5E+20"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {1.5e-7, "1.5E-07"},
      {1e100, "1E+100"},
      {100, "100"},
      {3.14159265358979, "3.14159265358979"},
      {2.0 / 3.0, "0.666666666666667"},
  };
  for (const Case& c : cases) EXPECT_EQ(NumberToText(c.in), c.text) << c.in;
}

TEST(Variant, TextFormsOfEachType) {
  struct Case {
    Variant in;
    const char* text;
  } cases[] = {
      {Variant(), ""},
      {Variant::Boolean(true), "True"},
      {Variant::Boolean(false), "False"},
      {Variant::Integer(-7), "-7"},
      {Variant::Date(45444), "2024/6/1"},
      {Variant::Date(45444 + (8 * 3600 + 5 * 60) / 86400.0), "2024/6/1 8:05:00"},
      {Variant::Date(45444.99999999), "2024/6/2"},  // rounds to the next midnight
      {Variant::Date(0.5), "12:00:00"},
      {Variant::Date(0), "0:00:00"},
      {Variant::Date(1), "1899/12/31"},
      {Variant::Date(-1.25), "1899/12/29 6:00:00"},
      {Variant::Date(2958465), "9999/12/31"},
      {Variant::Date(1e300), "1E+300"},
      {Variant::Date(-1e18), "-1E+18"},
      {Variant::Error(xlErrDiv0), "Error 2007"},
      {Variant::String("文本"), "文本"},
  };
  for (const Case& c : cases) {
    const auto s = CStr(c.in);
    ASSERT_TRUE(s);
    EXPECT_EQ(*s, c.text);
  }
  const auto null = CStr(Variant::Null());
  EXPECT_EQ(ErrorOf(null), ErrorCode::InvalidUseOfNull);
  EXPECT_EQ(null.error().message, "Invalid use of Null");
  // A temporary variant gives its text away; other types convert as above.
  EXPECT_EQ(CStr(Variant::String("moved")).value(), "moved");
  EXPECT_EQ(CStr(Variant::Double(1e16)).value(), "1E+16");
}

TEST(Variant, BooleanConversion) {
  struct Case {
    Variant in;
    bool value;
    ErrorCode error;
  } cases[] = {
      {Variant::String("False"), false, ErrorCode::None},
      {Variant::String("TRUE"), true, ErrorCode::None},
      {Variant::String("0"), false, ErrorCode::None},
      {Variant::String("-1"), true, ErrorCode::None},
      {Variant::String("0.4"), true, ErrorCode::None},
      {Variant::String("yes"), false, ErrorCode::TypeMismatch},
      {Variant::Double(0), false, ErrorCode::None},
      {Variant(), false, ErrorCode::None},
  };
  for (const Case& c : cases) {
    const auto b = CBool(c.in);
    EXPECT_EQ(ErrorOf(b), c.error) << c.in.Text();
    if (b) {
      EXPECT_EQ(*b, c.value) << c.in.Text();
    }
  }
}

TEST(Variant, EachTypeIsItsDispatchKindAndComesBack) {
  const struct {
    Variant value;
    VarType type;
    uint16_t kind;
    double number;
  } cases[] = {
      {Variant(), VarType::Empty, com::VT_EMPTY, 0},
      {Variant::Null(), VarType::Null, com::VT_NULL, 0},
      {Variant::Integer(-32768), VarType::Integer, com::VT_I2, -32768},
      {Variant::Long(2147483647), VarType::Long, com::VT_I4, 2147483647},
      {Variant::Double(0.1), VarType::Double, com::VT_R8, 0.1},
      {Variant::String("中文"), VarType::String, com::VT_BSTR, 0},
      {Variant::Boolean(true), VarType::Boolean, com::VT_BOOL, -1},
      {Variant::Boolean(false), VarType::Boolean, com::VT_BOOL, 0},
      {Variant::Date(45000.75), VarType::Date, com::VT_DATE, 45000.75},
      {Variant::Error(xlErrNA), VarType::Error, com::VT_ERROR, xlErrNA},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.value.Type(), c.type) << c.kind;
    EXPECT_EQ(c.value.Com().Type(), c.kind);
    EXPECT_EQ(c.value.Number(), c.number) << c.kind;
    auto back = Variant::FromCom(c.value.Com());
    ASSERT_TRUE(back) << c.kind;
    EXPECT_EQ(*back, c.value) << c.kind;
    EXPECT_EQ(back->Type(), c.type) << c.kind;
  }
  EXPECT_EQ(Variant::Boolean(true).Com().IntValue(), -1);
  // Equal means the same type and payload.
  EXPECT_NE(Variant::Integer(1), Variant::Long(1));
  EXPECT_NE(Variant::Double(45000), Variant::Date(45000));
  EXPECT_NE(Variant::String("a"), Variant::String("b"));
  EXPECT_EQ(Variant::String("a"), Variant::String("a"));
}

TEST(Variant, DispatchKindsTheRunTimeLacksAreRefusedNotChanged) {
  for (const com::Variant& v :
       {com::Variant::R4(1.5f), com::Variant::Currency(10000), com::Variant::I8(1),
        com::Variant::Bytes({1}), com::Variant::Object(nullptr), com::Variant::Array({})}) {
    auto r = Variant::FromCom(v);
    ASSERT_FALSE(r) << v.Type();
    EXPECT_EQ(r.error().code, com::kErrTypeMismatch);
  }
  int16_t i2 = 12;
  EXPECT_EQ(*Variant::FromCom(com::Variant::RefI2(&i2)), Variant::Integer(12));
  std::string text = "by reference";
  EXPECT_EQ(*Variant::FromCom(com::Variant::RefString(&text)), Variant::String(text));
}

TEST(Variant, TakeTextLeavesCopiesTheirText) {
  const std::string long_text(64, 'z');
  Variant a = Variant::String(long_text);
  const Variant copy = a;
  EXPECT_EQ(std::move(a).TakeText(), long_text);
  EXPECT_EQ(copy.Text(), long_text);
  EXPECT_EQ(*CStr(Variant(copy)), long_text);
  EXPECT_EQ(copy.Text(), long_text);
}

}  // namespace
}  // namespace vb
