#include "platform/office/frontpage/page_source.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/frontpage/testing/pages.h"
#include "platform/win/codepage.h"

namespace frontpage {
namespace {

TEST(DetectCharset, ByteOrderMarkThenMetaThenGbk) {
  struct Case {
    const char* name;
    std::string bytes;
    Charset charset;
  };
  const std::string pad(5000, ' ');
  const Case cases[] = {
      {"nothing says", "<html><body>x", Charset::Gbk},
      {"UTF-8 mark", "\xEF\xBB\xBF<p>x", Charset::Utf8},
      {"UTF-16 little-endian mark", "\xFF\xFE<\0p\0", Charset::Utf16LE},
      {"UTF-16 big-endian mark", "\xFE\xFF\0<\0p", Charset::Utf16BE},
      {"mark wins over meta", "\xEF\xBB\xBF<meta charset=gb2312>", Charset::Utf8},
      {"meta charset", "<head><meta charset=\"utf-8\">", Charset::Utf8},
      {"meta charset unquoted, any case", "<HEAD><META CHARSET=UTF-8>", Charset::Utf8},
      {"content type", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">",
       Charset::Gbk},
      {"content type UTF-8", "<meta http-equiv='Content-Type' content='text/html;charset=utf-8'>",
       Charset::Utf8},
      {"content before http-equiv", "<meta content=\"text/html; charset=UTF-8\" http-equiv=x>",
       Charset::Utf8},
      {"GBK spelled otherwise", "<meta charset=GB18030>", Charset::Gbk},
      {"Latin-1", "<meta charset=iso-8859-1>", Charset::Latin1},
      {"an unknown label leaves the default", "<meta charset=klingon>", Charset::Gbk},
      {"the first meta that names a known one", "<meta charset=x><meta charset=utf-8>",
       Charset::Utf8},
      {"a meta far down is not read", "<html>" + pad + "<meta charset=utf-8>", Charset::Gbk},
      {"a name that ends in charset is no charset", "<meta xcharset=utf-8>", Charset::Gbk},
      {"valid UTF-8 without a word still reads as GBK", "<p>\xE4\xBD\xA0\xE5\xA5\xBD",
       Charset::Gbk},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DetectCharset(c.bytes), c.charset);
  }
}

TEST(DecodePage, GivesUtf8TextInEveryCharset) {
  const std::string hello = "<p>你好</p>";
  struct Case {
    const char* name;
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"GBK", win::Utf8ToGbk(hello), hello},
      {"UTF-8 with its mark removed", "\xEF\xBB\xBF" + hello, hello},
      {"UTF-16LE", std::string("\xFF\xFE<\0p\0>\0\x60\x4F\x7D\x59", 12), "<p>你好"},
      {"UTF-16BE with a pair", std::string("\xFE\xFF\xD8\x40\xDC\x00", 6), "\xF0\xA0\x80\x80"},
      {"UTF-16 lone surrogate", std::string("\xFF\xFE\x00\xD8", 4), "\xEF\xBF\xBD"},
      {"Latin-1", "<meta charset=latin1>\xE9", "<meta charset=latin1>\xC3\xA9"},
      {"bad UTF-8 bytes", "\xEF\xBB\xBFok\xFF\xC3", "ok\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"NUL bytes become blanks", std::string("a\0b", 3), "a b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodePage(c.bytes).text, c.text);
  }
}

TEST(DecodePage, TestPagesReadInTheirCharsets) {
  EXPECT_EQ(DecodePage(testing::ReadTestPage("editor_gbk.htm")).charset, Charset::Gbk);
  EXPECT_EQ(DecodePage(testing::ReadTestPage("plain_utf8.htm")).charset, Charset::Utf8);
  EXPECT_NE(DecodePage(testing::ReadTestPage("editor_gbk.htm")).text.find("欢迎光临"),
            std::string::npos);
  EXPECT_NE(DecodePage(testing::ReadTestPage("plain_utf8.htm")).text.find("你好，世界"),
            std::string::npos);
  EXPECT_EQ(CharsetName(Charset::Gbk), "gb2312");
  EXPECT_EQ(CharsetName(Charset::Utf8), "utf-8");
}

}  // namespace
}  // namespace frontpage
