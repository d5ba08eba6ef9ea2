// Val, width narrowing, case mapping and text comparison.
#include "platform/vb/strings.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

TEST(Strings, ValReadsTheNumericPrefix) {
  struct Case {
    const char* in;
    double value;
  } cases[] = {
      {"3abc", 3},    {"  3.5", 3.5}, {"2.5.1", 2.5}, {"1 2 3", 123}, {"-4", -4},  {"1e2x", 100},
      {"1e", 1},      {"1d+1", 10},   {".5", 0.5},    {"abc", 0},     {"", 0},     {"&H10", 16},
      {"&HFFFF", -1}, {"&O17", 15},   {"\t7\n", 7},   {"&H1g", 1},    {"&17", 15}, {"&o8", 0},
      {"+", 0},       {"0", 0},       {"１", 0},  // full-width digits are not digits
  };
  for (const Case& c : cases) {
    const auto v = Val(c.in);
    ASSERT_TRUE(v) << c.in;
    EXPECT_DOUBLE_EQ(*v, c.value) << c.in;
  }
  EXPECT_EQ(ErrorOf(Val("1e400")), ErrorCode::Overflow);
  EXPECT_EQ(ErrorOf(Val("&H1FFFFFFFF")), ErrorCode::Overflow);
}

TEST(Strings, NarrowAndCaseAndCompare) {
  EXPECT_EQ(Narrow("ＡＢＣ１２３（）　ｚ，中文￥"), "ABC123() z,中文¥");
  EXPECT_EQ(Narrow("bad\xFF"
                   "byte"),
            "bad\xFF"
            "byte");
  EXPECT_EQ(UCase("abcＡｂ中"), "ABCＡＢ中");
  EXPECT_EQ(LCase("NOT And"), "not and");
  struct Case {
    const char* a;
    const char* b;
    int result;
  } cases[] = {
      {"FileName", "filename", 0}, {"ＥＮＤ", "end", 0}, {"abc", "abd", -1}, {"b", "A", 1},
      {"中文", "中文", 0},         {"", "", 0},          {"a", "", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(TextCompare(c.a, c.b), c.result) << c.a << " " << c.b;
}

TEST(Strings, InStrTextFindsWithoutCaseAtByteOffsets) {
  struct Case {
    const char* text;
    const char* sought;
    size_t from;
    size_t found;
  } cases[] = {
      {"<MAP NAME=\"m\">", "map name=", 0, 1},
      {"中文<B>粗</B>", "</b>", 0, 12},
      {"ａＢｃ", "ＡＢＣ", 0, 0},
      {"abcabc", "ABC", 1, 3},
      {"abc", "", 3, 3},
      {"abc", "x", 0, std::string_view::npos},
      {"abc", "a", 4, std::string_view::npos},
  };
  for (const Case& c : cases)
    EXPECT_EQ(InStrText(c.text, c.sought, c.from), c.found) << c.text << " " << c.sought;
}

}  // namespace
}  // namespace vb
