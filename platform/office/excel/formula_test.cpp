// Addresses, the formula tokenizer with its R1C1 and moving writers, and number formats.
#include "platform/office/excel/formula.h"

#include <gtest/gtest.h>

#include "platform/office/excel/address.h"
#include "platform/office/excel/number_format.h"

namespace excel {
namespace {

TEST(Address, AreasInEveryForm) {
  struct Case {
    const char* text;
    bool ok;
    Area area;
  } cases[] = {
      {"B7", true, {7, 2, 7, 2}},
      {"$b$7", true, {7, 2, 7, 2}},
      {" A1:C5 ", true, {1, 1, 5, 3}},
      {"C5:A1", true, {1, 1, 5, 3}},  // corners put in order
      {"C:E", true, {1, 3, kMaxRows, 5}},
      {"$C:$C", true, {1, 3, kMaxRows, 3}},
      {"2:4", true, {2, 1, 4, kMaxColumns}},
      {"XFD1048576", true, {kMaxRows, kMaxColumns, kMaxRows, kMaxColumns}},
      {"XFE1", false, {}},
      {"A1048577", false, {}},
      {"A0", false, {}},
      {"C", false, {}},  // a bare column is no range
      {"A1:B2:C3", false, {}},
      {"Colum1", false, {}},
      {"", false, {}},
  };
  for (const Case& c : cases) {
    Area area;
    EXPECT_EQ(ParseArea(c.text, area), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(area, c.area) << c.text;
    }
  }
  EXPECT_EQ(ColumnLetters(1), "A");
  EXPECT_EQ(ColumnLetters(27), "AA");
  EXPECT_EQ(ColumnLetters(16384), "XFD");
  EXPECT_EQ(ColumnLetters(16385), "");
  for (int c : {1, 26, 27, 702, 703, 16384}) EXPECT_EQ(ColumnNumber(ColumnLetters(c)), c);
  EXPECT_EQ(AreaText({1, 1, 5, 3}), "A1:C5");
}

TEST(Address, SheetQualifiedReferences) {
  struct Case {
    const char* text;
    const char* sheet;
    const char* reference;
  } cases[] = {
      {"Sheet1!$A$1:$D$20", "Sheet1", "$A$1:$D$20"},
      {"'My data'!A1", "My data", "A1"},
      {"'It''s'!B2", "It's", "B2"},
      {"=成绩!$A$1:$C$7", "成绩", "$A$1:$C$7"},
      {"A1", "", "A1"},
  };
  for (const Case& c : cases) {
    const QualifiedReference q = SplitSheet(c.text);
    EXPECT_EQ(q.sheet, c.sheet) << c.text;
    EXPECT_EQ(q.reference, c.reference) << c.text;
  }
}

TEST(Formula, R1C1FormsSeenFromACell) {
  struct Case {
    const char* a1;
    int row, column;
    const char* r1c1;
  } cases[] = {
      {"B3", 5, 3, "R[-2]C[-1]"},
      {"$B$3", 5, 3, "R3C2"},
      {"B$3", 5, 3, "R3C[-1]"},
      {"$B3", 5, 3, "R[-2]C2"},
      {"C5", 5, 3, "RC"},
      {"SUM(A1:B2)", 3, 3, "SUM(R[-2]C[-2]:R[-1]C[-1])"},
      {"SUM(A:A)", 3, 3, "SUM(C[-2])"},
      {"SUM($A:$B)", 3, 3, "SUM(C1:C2)"},
      {"SUM(1:1)", 3, 3, "SUM(R[-2])"},
      {"Sheet2!A1+'My data'!$B$2", 2, 2, "Sheet2!R[-1]C[-1]+'My data'!R2C2"},
      {"汇总!A1&\"!\"", 2, 6, "汇总!R[-1]C[-5]&\"!\""},
      {"\"A1\"&A1", 1, 1, "\"A1\"&RC"},                   // text stays text
      {"LOG10(A2)+1.5E+3", 1, 1, "LOG10(R[1]C)+1.5E+3"},  // a function, a number
      {"_xlfn.IFS(A1>0,1)", 1, 1, "IFS(RC>0,1)"},
      {"Colum1*2", 1, 1, "Colum1*2"},  // a defined name
      {"[1]Sheet1!A1", 1, 1, "[1]Sheet1!RC"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormulaToR1C1(c.a1, c.row, c.column), c.r1c1) << c.a1;
}

TEST(Formula, MovingACopyOrASharedFormula) {
  struct Case {
    const char* a1;
    int rows, columns;
    const char* moved;
  } cases[] = {
      {"B2*C2", 1, 0, "B3*C3"},
      {"$B$2+B2+B$2+$B2", 3, 1, "$B$2+C5+C$2+$B5"},
      {"SUM(A:A)", 0, 2, "SUM(C:C)"},
      {"A1", -1, 0, "#REF!"},
      {"\"B2\"&B2", 1, 1, "\"B2\"&C3"},
      {"_xlfn.IFS(A1>0,1)", 1, 0, "_xlfn.IFS(A2>0,1)"},  // the file's prefix stays in the file
  };
  for (const Case& c : cases) EXPECT_EQ(ShiftFormula(c.a1, c.rows, c.columns), c.moved) << c.a1;
  EXPECT_EQ(DisplayFormula("_xlfn.CONCAT(a1,B2)"), "CONCAT(A1,B2)");
}

TEST(NumberFormat, LocalFormsFromTheTable) {
  struct Case {
    const char* code;
    const char* local;
  } cases[] = {
      {"General", "G/通用格式"},
      {"0.00_);[Red]\\(0.00\\)", "0.00_);[红色]\\(0.00\\)"},
      {"[Blue]#,##0;[Red]-#,##0", "[蓝色]#,##0;[红色]-#,##0"},
      {"h:mm AM/PM", "h:mm 上午/下午"},
      {"\"General\"0", "\"General\"0"},  // quoted text is left alone
      {"yyyy\"年\"m\"月\"d\"日\"", "yyyy\"年\"m\"月\"d\"日\""},
  };
  for (const Case& c : cases) EXPECT_EQ(LocalFormatCode(c.code), c.local) << c.code;
  EXPECT_STREQ(BuiltinFormatLocal(0), "G/通用格式");
  EXPECT_STREQ(BuiltinFormatCode(14), "yyyy/m/d");
  EXPECT_STREQ(BuiltinFormatLocal(31), "yyyy\"年\"m\"月\"d\"日\"");
  EXPECT_EQ(BuiltinFormatCode(23), nullptr);
}

TEST(NumberFormat, DatesAndCurrencyByCode) {
  struct Case {
    const char* code;
    bool date;
    bool currency;
  } cases[] = {
      {"yyyy/m/d", true, false},
      {"h:mm:ss", true, false},
      {"[h]:mm", true, false},
      {"[$-804]yyyy\"年\"m\"月\"d\"日\"", true, false},
      {"General", false, false},
      {"0.00", false, false},
      {"[Red]0.00", false, false},
      {"#,##0 \"days\"", false, false},
      {"0\\h", false, false},
      {"0;d", true, false},
      {"\"¥\"#,##0.00", false, true},
      {"[$¥-804]#,##0.00", false, true},
      {"$#,##0", false, true},
      {"[$-804]#,##0", false, false},
      {"￥#,##0;￥-#,##0", false, true},
      {"\"unclosed", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsDateFormatCode(c.code), c.date) << c.code;
    EXPECT_EQ(IsCurrencyFormatCode(c.code), c.currency) << c.code;
  }
}

TEST(NumberFormat, TextsANumberShows) {
  struct Case {
    double value;
    const char* code;
    const char* text;
  } cases[] = {
      {3.5, "General", "3.5"},
      {1234567.891, "General", "1234567.891"},
      {123456789012345.0, "General", "1.23457E+14"},
      {0.1 + 0.2, "General", "0.3"},
      {1234.5, "#,##0.00", "1,234.50"},
      {-1234.5, "#,##0.00;[Red]-#,##0.00", "-1,234.50"},
      {-5, "0;(0)", "(5)"},
      {0, "0;-0;\"zero\"", "zero"},
      {0.256, "0.0%", "25.6%"},
      {12.345678, "[$¥-804]#,##0.00", "¥12.35"},
      {12345, "0.00E+00", "1.23E+04"},
      {45444, "yyyy/m/d", "2024/6/1"},
      {45444.5, "yyyy\"年\"m\"月\"d\"日\" h:mm", "2024年6月1日 12:00"},
      {45444.75, "h:mm AM/PM", "6:00 PM"},
      {45444, "dddd", "Saturday"},
      {45444, "aaaa", "星期六"},
      {1.5, "[h]:mm", "36:00"},
      {7, "@", "7"},
      // Whole numbers, printed without printf, and the largest ones that still go through it.
      {-42, "General", "-42"},
      {99999999999.0, "General", "99999999999"},
      {-0.0, "General", "0"},
      {88, "0.0", "88.0"},
      {-3, "0.00", "-3.00"},
      {-0.0, "0.0", "0.0"},
      {1234567, "#,##0", "1,234,567"},
      {1e15, "0", "1000000000000000"},
      {999999999999999.0, "0.0", "999999999999999.0"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatNumber(c.value, c.code), c.text) << c.code;
}

}  // namespace
}  // namespace excel
