// Variants, kind conversions, writing through by-reference arguments, class ids, result codes.
#include "platform/com/variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/com/change_type.h"
#include "platform/com/clsid.h"
#include "platform/com/errors.h"

namespace com {
namespace {

TEST(Variant, ChangeTypeConvertsNumbersWithHalvesToEvenAndReportsOverflowAndMismatch) {
  int16_t i2 = 7;
  struct Case {
    const char* name;
    Variant in;
    uint16_t to;
    HResult error;  // kOk: `out` expected
    Variant out;
  } cases[] = {
      {"half down to even", Variant::R8(2.5), VT_I2, kOk, Variant::I2(2)},
      {"half up to even", Variant::R8(3.5), VT_I2, kOk, Variant::I2(4)},
      {"negative half", Variant::R8(-2.5), VT_I2, kOk, Variant::I2(-2)},
      {"currency half", Variant::Currency(25000), VT_I2, kOk, Variant::I2(2)},
      {"currency above half", Variant::Currency(25001), VT_I4, kOk, Variant::I4(3)},
      {"whole to currency", Variant::I4(7), VT_CY, kOk, Variant::Currency(70000)},
      {"true is -1", Variant::Bool(true), VT_I2, kOk, Variant::I2(-1)},
      {"zero is false", Variant::I2(0), VT_BOOL, kOk, Variant::Bool(false)},
      {"fraction is true", Variant::R8(0.1), VT_BOOL, kOk, Variant::Bool(true)},
      {"empty text", Variant(), VT_BSTR, kOk, Variant::String("")},
      {"empty number", Variant(), VT_R8, kOk, Variant::R8(0)},
      {"by reference read", Variant::RefI2(&i2), VT_I4, kOk, Variant::I4(7)},
      {"I2 limit", Variant::I4(32767), VT_I2, kOk, Variant::I2(32767)},
      {"I2 overflow", Variant::I4(32768), VT_I2, kErrOverflow, {}},
      {"UI8 into I8", Variant::UI8(std::numeric_limits<uint64_t>::max()), VT_I8, kErrOverflow, {}},
      {"negative unsigned", Variant::I8(-1), VT_UI4, kErrOverflow, {}},
      {"NaN", Variant::R8(std::nan("")), VT_I4, kErrOverflow, {}},
      {"beyond R4", Variant::R8(1e39), VT_R4, kErrOverflow, {}},
      {"text is no number here", Variant::String("5"), VT_I2, kErrTypeMismatch, {}},
      {"number is no text here", Variant::I2(5), VT_BSTR, kErrTypeMismatch, {}},
      {"null", Variant::Null(), VT_I2, kErrTypeMismatch, {}},
      {"error value", Variant::Error(2042), VT_I4, kErrTypeMismatch, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto r = ChangeType(c.in, c.to);
    if (c.error == kOk) {
      ASSERT_TRUE(r) << r.error().message;
      EXPECT_EQ(*r, c.out);
    } else {
      ASSERT_FALSE(r);
      EXPECT_EQ(r.error().code, c.error) << r.error().message;
    }
  }
}

TEST(Variant, StoreThroughWritesTheCallersStorageInItsOwnKind) {
  std::string text = "old";
  VariantBool flag = kVariantFalse;
  int16_t small = 5;
  ASSERT_TRUE(StoreThrough(Variant::RefString(&text), Variant::String("new")));
  ASSERT_TRUE(StoreThrough(Variant::RefBool(&flag), Variant::I4(3)));
  EXPECT_EQ(text, "new");
  EXPECT_EQ(flag, kVariantTrue);

  const auto overflow = StoreThrough(Variant::RefI2(&small), Variant::I4(70000));
  ASSERT_FALSE(overflow);
  EXPECT_EQ(overflow.error().code, kErrOverflow);
  EXPECT_EQ(small, 5);  // a failed write leaves the storage alone

  const auto byValue = StoreThrough(Variant::I2(1), Variant::I2(2));
  ASSERT_FALSE(byValue);
  EXPECT_EQ(byValue.error().code, kErrTypeMismatch);
}

TEST(Variant, IsSmallAndCopiesShareTheirText) {
  static_assert(sizeof(Variant) <= 32);
  const Variant a = Variant::String(std::string(100, 'x'));
  const Variant b = a;
  EXPECT_EQ(a.Text().data(), b.Text().data());
  EXPECT_EQ(a, b);
  EXPECT_NE(a, Variant::String("x"));
  EXPECT_NE(Variant::I2(1), Variant::I4(1));  // kinds differ
  const Variant bytes = Variant::Bytes({1, 2, 3});
  EXPECT_EQ(bytes.Type(), VT_ARRAY | VT_UI1);
  EXPECT_EQ(bytes.ByteArray().size(), 3u);
  EXPECT_TRUE(Variant::I2(3).Text().empty());  // another kind's payload is empty, not garbage
  EXPECT_EQ(VarTypeName(VT_BYREF | VT_BSTR), "BYREF BSTR");
}

TEST(Variant, TakeTextMovesOnlyATextNoOneElseShares) {
  const std::string long_text(100, 'y');
  Variant shared = Variant::String(long_text);
  const Variant keeper = shared;
  EXPECT_EQ(std::move(shared).TakeText(), long_text);
  EXPECT_EQ(keeper.Text(), long_text);  // the copy still holds its text

  Variant sole = Variant::String(long_text);
  const char* block = sole.Text().data();
  const std::string taken = std::move(sole).TakeText();
  EXPECT_EQ(taken, long_text);
  EXPECT_EQ(taken.data(), block);  // moved, not copied
  EXPECT_EQ(Variant::I4(5).TakeText(), "");
}

TEST(Clsid, ParsesTheWrittenFormAndRefusesAnythingElse) {
  constexpr Clsid id = Clsid::Of("{58761E9E-8E05-4AF3-B331-A1CFAD77C33E}");
  EXPECT_EQ(id.ToString(), "{58761E9E-8E05-4AF3-B331-A1CFAD77C33E}");
  EXPECT_EQ(Clsid::Parse("58761e9e-8e05-4af3-b331-a1cfad77c33e"), id);
  for (const char* bad :
       {"", "{58761E9E-8E05-4AF3-B331-A1CFAD77C33}", "{58761E9E-8E05-4AF3-B331-A1CFAD77C33G}",
        "{58761E9E+8E05-4AF3-B331-A1CFAD77C33E}", "{58761E9E-8E05-4AF3-B331-A1CFAD77C33E"})
    EXPECT_FALSE(Clsid::Parse(bad)) << bad;
}

TEST(Errors, AControlsOwnFailureBecomesAResultCode) {
  EXPECT_EQ(ResultCodeOf(base::Error{"overflow", 6}), static_cast<HResult>(0x800A0006u));
  EXPECT_EQ(RuntimeErrorNumber(ResultCodeOf(base::Error{"overflow", 6})), 6);
  EXPECT_EQ(ResultCodeOf(base::Error{"no number", 0}), kErrException);
  EXPECT_EQ(ResultCodeOf(base::Error{"as is", kErrTypeMismatch}), kErrTypeMismatch);
  EXPECT_EQ(DescribeResultCode(kErrMemberNotFound), "0x80020003 (member not found)");
  EXPECT_EQ(DescribeResultCode(RuntimeErrorCode(13)), "0x800A000D (run-time error 13)");
}

TEST(Errors, AUserSeesTheSystemsTextOrTheCodesKind) {
  const struct {
    HResult code;
    const char* shown;
  } cases[] = {
      {kErrFail, "未指定的错误"},
      {kErrRegisterTypeLib, "IDispatch error #0"},
      {static_cast<HResult>(0x80040E37u), "IDispatch error #3127"},
      {static_cast<HResult>(0x8004FFFFu), "IDispatch error #65023"},
      {static_cast<HResult>(0x800401FFu), "Unknown error 0x800401FF"},
      {RuntimeErrorCode(13), "Unknown error 0x800A000D"},
      {7, "Unknown error 0x7"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorMessageOf(c.code), c.shown) << c.code;
}

}  // namespace
}  // namespace com
