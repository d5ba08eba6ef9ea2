// The document-level keywords over the committed pages: each case a page, a rule and its verdict.
#include "grading/webmark/checks/document.h"

#include <gtest/gtest.h>

#include "grading/webmark/testing/page_under_test.h"
#include "grading/webmark/testing/rule_cases.h"

namespace webmark {
namespace {

using List = std::vector<std::string>;

TEST(DocumentKeywords, RulesOverThePages) {
  struct Case {
    const char* page;
    List object;
    List conditions;
    bool passed;
    std::string message;  // logged before the rule's line; "" for none
  } cases[] = {
      {"frames.htm", {"FrameSet"}, {"cols", "LEFT_SMALL"}, true, ""},
      {"frames.htm", {"FrameSet"}, {"cols", "left_big"}, false, ""},
      {"frames.htm", {"FrameSet"}, {"cols", "30"}, true, ""},
      {"frames.htm", {"FrameSet"}, {"cols", "30.0"}, true, ""},
      {"frames.htm", {"FrameSet"}, {"title", "框架网页", "cols", "31"}, false, ""},
      {"frames50.htm", {"FrameSet"}, {"cols", "LEFT_SMALL"}, false, ""},
      {"frames50.htm", {"FrameSet"}, {"cols", "LEFT_BIG"}, false, ""},
      {"frames50.htm", {"FrameSet"}, {"cols", "50"}, true, ""},
      {"frames200.htm", {"FrameSet"}, {"cols", "200"}, false, ""},
      {"index.htm", {"FrameSet"}, {"cols", "0"}, false, ""},
      {"frames.htm",
       {"FrameSet"},
       {"rows", "30%"},
       false,
       "(5)错误！答案文件有错，关键字：[FrameSet]rows30%"},

      {"frames.htm", {"Frame", "main"}, {"src", "main.htm"}, true, ""},
      {"frames.htm", {"Frame", "side"}, {"scrolling", "NO", "src", "side.htm"}, true, ""},
      {"frames.htm", {"Frame", "side"}, {"scrolling", "yes"}, false, ""},
      {"frames.htm", {"Frame", "gone"}, {}, false, ""},
      {"frames.htm", {"Frame", "side"}, {"tableid", ""}, false, ""},

      {"index.htm", {"IFrame", "side"}, {"src", "b.htm", "scrolling", "no"}, true, ""},
      {"index.htm", {"IFrame", "side"}, {"width", "300", "frameborder", "0"}, true, ""},
      {"index.htm", {"IFrame", "side"}, {"height", ""}, true, ""},
      {"index.htm", {"IFrame", "side"}, {"width", "200"}, false, ""},
      {"index.htm", {"IFrame", "main"}, {}, false, ""},

      {"index.htm", {"Meta", "name", "keywords"}, {"content", "网页,考试"}, true, ""},
      {"index.htm",
       {"Meta", "HTTPEQUIV", "content-type"},
       {"content", "text/html; charset=gb2312"},
       true,
       ""},
      {"index.htm", {"Meta", "http-equiv", "content-type"}, {}, false, ""},
      {"index.htm",
       {"Meta", "name", "keywords"},
       {"scheme", "x"},
       false,
       "(5)错误！答案文件有错，关键字：[Meta]scheme=x"},
      {"utf8.htm", {"Meta", "name", "author"}, {"content", "考生"}, true, ""},

      {"index.htm", {"Doc"}, {"title", "我的主页"}, true, ""},
      {"utf8.htm", {"Doc"}, {"title", "my page"}, true, ""},
      {"utf8.htm", {"Doc"}, {"title", " My Page"}, false, ""},
      {"index.htm", {"Doc"}, {"bgcolor", "#ffffcc", "fgColor", "#000080"}, true, ""},
      {"index.htm", {"Doc"}, {"linkcolor", "#0000ff", "vlinkcolor", "#800080"}, true, ""},
      {"index.htm", {"Doc"}, {"alinkcolor", "#ff0000"}, true, ""},
      {"index.htm", {"Doc"}, {"background", "images/bg.gif"}, true, ""},
      {"index.htm", {"Doc", "b1"}, {"BASETARGET", "main"}, true, ""},
      {"b.htm", {"Doc", "b1"}, {"BASETARGET", "main"}, false, ""},
      {"index.htm",
       {"Doc"},
       {"charset", "gb2312"},
       false,
       "(5)错误！答案文件有错，关键字：[Doc]charset=gb2312"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.page) + " " + c.object[0] + " " +
                 (c.conditions.empty() ? "" : c.conditions[0]));
    WebState state;
    ASSERT_TRUE(testing::OpenTestPage(state, c.page));
    state.Rules.push_back(RuleRecord{c.object, c.conditions, 2, 5, "d"});
    EXPECT_EQ(EvaluateRule(state, 1), c.passed);
    const std::string line =
        c.passed ? "(5)得分：2 -- d\r\n" : "(5)错误！得分：0，本小题满分：2 -- d\r\n";
    EXPECT_EQ(state.LogText, (c.message.empty() ? "" : c.message + "\r\n") + line);
  }
}

// A colour compares with the text the document model reports, "#rrggbb" in lower case, however
// the page wrote it: a colour's name reads as its hex form, for every keyword that reads one.
TEST(DocumentKeywords, ColoursCompareAsTheModelReportsThem) {
  constexpr std::string_view kNamed =
      "<html><head><meta charset=utf-8></head><body bgcolor=\"yellow\" text=Red link=\"#00F\">"
      "<p><font id=f color=Red>字</font></p>"
      "<table id=t bgcolor=silver bordercolor=Navy><tr><td bgcolor=lime>c</td></tr></table>"
      "<hr color=green><marquee bgcolor=orange>m</marquee>"
      "<table id=g><tr><td><font color=blue>x</font></td></tr></table></body></html>";
  testing::ExpectRuleCases(
      kNamed, {
                  {"page background", {"Doc"}, {"bgcolor", "#ffff00"}, true},
                  {"page text, any case", {"Doc"}, {"fgcolor", "#FF0000"}, true},
                  {"page links, written #rgb", {"Doc"}, {"linkcolor", "#0000ff"}, true},
                  {"the name is not what the model reports", {"Doc"}, {"bgcolor", "yellow"}, false},
                  {"font", {"Font", "f"}, {"color", "#ff0000"}, true},
                  {"table", {"Table", "t"}, {"bgcolor", "#c0c0c0", "bordercolor", "#000080"}, true},
                  {"cell", {"TableCell", "t", "0", "0"}, {"bgcolor", "#00ff00"}, true},
                  {"font in a cell", {"TableCell", "g", "0", "0"}, {"FONTCOLOR", "#0000ff"}, true},
                  {"line", {"HLine", "c"}, {"color", "#008000"}, true},
                  {"marquee", {"Marquee", "m"}, {"bgcolor", "#ffa500"}, true},
              });
}

}  // namespace
}  // namespace webmark
