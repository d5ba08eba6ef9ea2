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
