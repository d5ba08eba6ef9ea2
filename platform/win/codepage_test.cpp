#include "platform/win/codepage.h"

#include <gtest/gtest.h>

namespace win {
namespace {

TEST(Codepage, GbkRoundTrip) {
  const std::string utf8 = "考试开始于：";
  const std::string gbk = Utf8ToGbk(utf8);
  EXPECT_EQ(gbk, "\xBF\xBC\xCA\xD4\xBF\xAA\xCA\xBC\xD3\xDA\xA3\xBA");
  EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

TEST(Codepage, BadBytesBecomeQuestionMarks) {
  EXPECT_EQ(GbkToUtf8("a\xFF"
                      "b"),
            "a?b");
  EXPECT_EQ(Utf8ToGbk("a\xC3"
                      "b"),
            "a?b");
  EXPECT_EQ(Utf8ToGbk("x\xF0\x9F\x98\x80y"), "x?y");  // no emoji in GBK
}

TEST(Codepage, DecodeTextTellsTheEncoding) {
  struct Case {
    std::string bytes;
    TextEncoding encoding;
    std::string text;
  } cases[] = {
      {"plain", TextEncoding::Gbk, "plain"},
      {"\xEF\xBB\xBF\xE8\x80\x83", TextEncoding::Utf8Bom, "考"},
      {"\xE8\x80\x83", TextEncoding::Utf8, "考"},
      {"\xBF\xBC", TextEncoding::Gbk, "考"},
  };
  for (const Case& c : cases) {
    TextEncoding found;
    EXPECT_EQ(DecodeText(c.bytes, &found), c.text);
    EXPECT_EQ(found, c.encoding) << c.bytes;
    EXPECT_EQ(EncodeText(c.text, found), c.bytes);
  }
}

}  // namespace
}  // namespace win
