#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/base/date_serial.h"
#include "platform/base/result.h"
#include "platform/base/rounding.h"
#include "platform/base/text.h"

namespace base {
namespace {

Result<int> Half(int n) {
  if (n % 2 != 0) return Error::Of("cannot halve ", n);
  return n / 2;
}

Status Check(bool ok) {
  if (!ok) return Error::WithCode(13, "type mismatch");
  return Ok();
}

TEST(Result, HoldsValueOrReadableError) {
  Result<int> good = Half(8);
  ASSERT_TRUE(good);
  EXPECT_EQ(*good, 4);

  Result<int> bad = Half(7);
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.error().message, "cannot halve 7");
  EXPECT_EQ(bad.value_or(-1), -1);
  EXPECT_EQ(bad.error().In("dividing").message, "dividing: cannot halve 7");
}

TEST(Result, StatusCarriesTheLayersCode) {
  EXPECT_TRUE(Check(true));
  Status failed = Check(false);
  ASSERT_FALSE(failed);
  EXPECT_EQ(failed.error().code, 13);
}

TEST(Result, MoveOnlyValuesAndConvertingConstruction) {
  Result<std::unique_ptr<int>> owned = std::make_unique<int>(5);
  ASSERT_TRUE(owned);
  std::unique_ptr<int> taken = *std::move(owned);
  EXPECT_EQ(*taken, 5);

  Result<std::string> text = "abc";  // converts from const char*
  EXPECT_EQ(text.value(), "abc");
}

TEST(Text, AsciiCaseFoldingLeavesOtherBytesAlone) {
  EXPECT_EQ(AsciiLower("Wordkt\xE4\xB8\xADZ"), "wordkt\xE4\xB8\xADz");
  EXPECT_EQ(AsciiUpper("excelKT"), "EXCELKT");
  EXPECT_TRUE(EqualsNoCase("KIRV.ini", "kirv.INI"));
  EXPECT_FALSE(EqualsNoCase("kirv", "kirv "));
  EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
  EXPECT_GT(CompareNoCase("abcd", "ABC"), 0);
  EXPECT_TRUE(StartsWithNoCase("Excel.Application", "EXCEL."));
  EXPECT_EQ(FindNoCase("<META Charset=x><meta charset=y>", "<meta"), 0u);
  EXPECT_EQ(FindNoCase("<META Charset=x><meta charset=y>", "<meta", 1), 16u);
  EXPECT_EQ(FindNoCase("abc", "abcd"), std::string_view::npos);
  EXPECT_EQ(FindNoCase("abc", "", 2), 2u);
  EXPECT_EQ(FindNoCase("abc", "C", 3), std::string_view::npos);
  EXPECT_TRUE(EndsWithNoCase("a.XLSX", ".xlsx"));
  EXPECT_FALSE(EndsWithNoCase("x", ".xlsx"));
}

TEST(Text, EscapeMarkupLeavesNoMarkupCharacter) {
  EXPECT_EQ(EscapeMarkup("a<b>&\"c'd"), "a&lt;b&gt;&amp;&quot;c&#39;d");
  EXPECT_EQ(EscapeMarkup("中文 &amp;"),
            "中文 &amp;amp;");  // bytes outside ASCII kept, & always escaped
  EXPECT_EQ(EscapeMarkup(""), "");
}

TEST(Text, TrimRemovesBlanksAndLineBreaks) {
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(Trim(" \t\r\n"), "");
  EXPECT_EQ(TrimLeft("  x "), "x ");
  EXPECT_EQ(TrimRight("  x "), "  x");
  EXPECT_EQ(Trim(" \t12\r\n\t", " \t"), "12\r\n");
  EXPECT_EQ(Trim(" \t ", " \t"), "");
}

TEST(DateSerial, CivilDatesAndTimesRoundTrip) {
  struct Case {
    const char* name;
    CivilTime time;
    double serial;
  };
  const Case cases[] = {
      {"epoch", {{1899, 12, 30}, 0, 0, 0}, 0.0},
      {"first of 1900", {{1900, 1, 1}, 0, 0, 0}, 2.0},
      {"before the epoch with a time", {{1899, 12, 29}, 6, 0, 0}, -1.25},
      {"leap day", {{2024, 2, 29}, 0, 0, 0}, 45351.0},
      {"noon", {{2026, 12, 10}, 12, 0, 0}, 46366.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(SerialFromCivilTime(c.time), c.serial);
    const CivilTime back = CivilTimeFromSerial(c.serial);
    EXPECT_EQ(back.date.year, c.time.date.year);
    EXPECT_EQ(back.date.month, c.time.date.month);
    EXPECT_EQ(back.date.day, c.time.date.day);
    EXPECT_EQ(back.hour, c.time.hour);
  }
  EXPECT_DOUBLE_EQ(SerialFromUnixSeconds(0), 25569.0);
  EXPECT_DOUBLE_EQ(UnixSecondsFromSerial(25570.5), 86400.0 * 1.5);
}

TEST(DateSerial, TimeRoundsToTheSecondAndCarriesIntoTheNextDay) {
  const CivilTime t = CivilTimeFromSerial(1.0 - 0.1 / 86400.0);
  EXPECT_EQ(t.date.day, 31u);  // 1899-12-31 00:00:00 after rounding up from 23:59:59.9
  EXPECT_EQ(t.hour, 0);
}

TEST(Rounding, HalvesGoToEven) {
  const std::pair<double, double> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.4, 0}, {66.5, 66}};
  for (auto [in, out] : cases) EXPECT_EQ(RoundHalfEven(in), out) << in;
}

}  // namespace
}  // namespace base
