#include "browsim/core/query_params.h"

#include <gtest/gtest.h>

namespace browsim {
namespace {

TEST(GetQueryParam, FindsTheParameterByItsExactName) {
  struct Case {
    const char* name;
    const char* address;
    const char* param;
    const char* expected;
  } cases[] = {
      {"first", "search://s?keyword=abc&engine=so", "keyword", "abc"},
      {"last", "search://s?keyword=abc&engine=so", "engine", "so"},
      {"a value naming another parameter", "email://sendmail?content=the type is 9&type=2", "type",
       "2"},
      {"a name that ends another name", "email://x?subtype=5&type=1", "type", "1"},
      {"absent", "email://x?a=1", "type", ""},
      {"no query", "email://quit", "type", ""},
      {"no value", "email://x?type&id=3", "type", ""},
      {"empty value", "email://x?id=&type=3", "id", ""},
      {"name in capitals", "email://x?ID=7", "id", "7"},
      {"value holding =", "email://x?title=a=b&id=1", "title", "a=b"},
      {"no question mark", "search://keyword=abc&engine=baidu", "engine", "baidu"},
  };
  for (const Case& c : cases) EXPECT_EQ(GetQueryParam(c.address, c.param), c.expected) << c.name;
}

TEST(PercentDecode, DecodesEscapesAndLeavesBrokenOnes) {
  EXPECT_EQ(PercentDecode("a%20b"), "a b");
  EXPECT_EQ(PercentDecode("%E4%BD%A0%e5%a5%bd"), "你好");
  EXPECT_EQ(PercentDecode("100%"), "100%");
  EXPECT_EQ(PercentDecode("%4"), "%4");
  EXPECT_EQ(PercentDecode("%zz1"), "%zz1");
  EXPECT_EQ(PercentDecode("a+b"), "a+b");
}

TEST(DecodeQueryText, ReadsTheBytesInThePagesCharset) {
  struct Case {
    const char* name;
    const char* encoded;
    const char* charset;
    const char* text;
  } cases[] = {
      {"UTF-8", "%E5%85%B3%E4%BA%8E", "UTF-8", "关于"},
      {"GBK", "%B9%D8%D3%DA", "GBK", "关于"},
      {"gb2312 in any case", "%B9%D8%D3%DA", "GB2312", "关于"},
      {"gb18030", "%B9%D8%D3%DA", "gb18030", "关于"},
      // GBK bytes that happen to be well-formed UTF-8 too: only the charset tells.
      {"GBK that reads as UTF-8", "%CD%AC%CA%B1", "GBK", "同时"},
      {"the same bytes from a UTF-8 page", "%CD%AC%CA%B1", "UTF-8", "ͬʱ"},
      {"not UTF-8, charset not known", "%B9%D8%D3%DA", "", "关于"},
      {"not UTF-8 from a UTF-8 page", "%B9%D8%D3%DA", "UTF-8", "关于"},
      {"plain text", "abc+1", "GBK", "abc+1"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeQueryText(c.encoded, c.charset), c.text) << c.name;
}

TEST(DecodeAddress, ReadsOnlyTheQueryInThePagesCharset) {
  // Paths and fragments are always UTF-8; the query is what a form or script of the page sent.
  EXPECT_EQ(DecodeAddress("search://?keyword=%CD%AC%CA%B1&engine=baidu", "GBK"),
            "search://?keyword=同时&engine=baidu");
  EXPECT_EQ(DecodeAddress("http://a.cn/%E5%85%B3.htm?q=%CD%AC%CA%B1#%E5%85%B3", "GBK"),
            "http://a.cn/关.htm?q=同时#关");
  EXPECT_EQ(DecodeAddress("http://a.cn/%E5%85%B3.htm", "GBK"), "http://a.cn/关.htm");
  EXPECT_EQ(DecodeAddress("http://g.cn/#q=%E5%85%B3?x", "GBK"), "http://g.cn/#q=关?x");
}

TEST(PageEscapes, KeepMarkupAndScriptsFromBreakingOut) {
  EXPECT_EQ(BrToJsNewline("a<br>b<br>"), "a\\r\\nb\\r\\n");
  EXPECT_EQ(HtmlEscape("<b a=\"x\">'&"), "&lt;b a=&quot;x&quot;&gt;&#39;&amp;");
  EXPECT_EQ(JsStringEscape("a\"b\\c</script>\n"), "a\\\"b\\\\c\\x3c/script>\\n");
}

TEST(ParseId, AcceptsOnlyWholeNumbers) {
  long id = -1;
  EXPECT_TRUE(ParseId("12", id));
  EXPECT_EQ(id, 12);
  for (const char* bad : {"", "1 or 1=1", "3x", " 4", "9999999999999999999999"}) {
    EXPECT_FALSE(ParseId(bad, id)) << bad;
  }
}

}  // namespace
}  // namespace browsim
