// The font and paragraph keywords over a small page and the committed misnested page: each case a
// rule, its verdict and the message logged before the rule's line.
#include "grading/webmark/checks/text.h"

#include <gtest/gtest.h>

#include <span>

#include "grading/webmark/testing/page_under_test.h"

namespace webmark {
namespace {

using List = std::vector<std::string>;

constexpr std::string_view kTextPage = R"(<html><head><meta charset="utf-8"></head><body>
<font id="top" size="2">段前</font>
<p>第一段<b><font id="whole">全粗</font></b></p>
<p><b><font id="part">部分</font>另有文字</b></p>
<p align="right"><font id="plain" face="宋体">平常</font></p>
<table id="t1"><tr><td align="center"><p>格中段</p><font id="cell">格中</font></td></tr></table>
<p><span style="color:#ff0000; font-size:16pt; font-family:楷体"><font id="inspan">红</font></span></p>
<p><font id="outer" size="4" face="隶书"><font id="inner">内</font></font></p>
<p><font id="styled" style="font-size:12pt">样式</font></p>
<p><font id="spanin" face="宋体" style="font-size:9pt"><span style="font-size:18pt; font-family:隶书">内层</span></font></p>
<p><span style="font-weight:bold"><font id="boldword">粗词</font></span></p>
<p><span style="font-weight:700"><font id="bold700">粗数</font></span></p>
<p><font id="markup"><b>粗</b></font><i><font id="it">斜</font></i><u><font id="ul">线</font></u></p>
<p id="last">末段</p>
<p>二段<font id="moved" face="黑体"><p align="center">错位</font>之后</p>
<font id="twice">重复</font><font id="second">重复</font>
<table id="t2"><tr><td>x</td></tr></table>
</body></html>)";

struct Case {
  const char* page;  // "" for kTextPage
  List object;
  List conditions;
  bool passed;
  std::string message;  // logged before the rule's line; "" for none
};

void ExpectCases(std::span<const Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.object[0] + " " + c.object[1] + " " +
                 (c.conditions.empty() ? "" : c.conditions[0]));
    WebState state;
    ASSERT_TRUE(*c.page ? testing::OpenTestPage(state, c.page)
                        : testing::OpenPageBytes(state, kTextPage));
    state.Rules.push_back(RuleRecord{c.object, c.conditions, 2, 5, "d"});
    EXPECT_EQ(EvaluateRule(state, 1), c.passed);
    const std::string line =
        c.passed ? "(5)得分：2 -- d\r\n" : "(5)错误！得分：0，本小题满分：2 -- d\r\n";
    EXPECT_EQ(state.LogText, (c.message.empty() ? "" : c.message + "\r\n") + line);
  }
}

TEST(FontKeyword, RulesOverAPage) {
  const Case cases[] = {
      {"", {"Font", "nothing"}, {}, false, ""},
      {"", {"Font", "全粗"}, {"BOLD", "TRUE"}, true, ""},
      {"", {"Font", "part"}, {"BOLD", "TRUE"}, false, ""},
      {"", {"Font", "part"}, {"BOLD", "FALSE"}, true, ""},
      {"", {"Font", "plain"}, {"BOLD", "false", "ITALIC", "FALSE", "UNDERLINE", "FALSE"}, true, ""},
      {"", {"Font", "boldword"}, {"BOLD", "TRUE"}, false, ""},
      {"", {"Font", "bold700"}, {"BOLD", "TRUE"}, true, ""},
      {"", {"Font", "markup"}, {"BOLD", "TRUE"}, true, ""},
      {"", {"Font", "it"}, {"ITALIC", "TRUE", "UNDERLINE", "TRUE"}, false, ""},
      {"", {"Font", "it"}, {"ITALIC", "TRUE"}, true, ""},
      {"", {"Font", "ul"}, {"UNDERLINE", "TRUE"}, true, ""},
      {"",
       {"Font", "plain"},
       {"BOLD", "yes"},
       false,
       "(5)错误！答案文件有错，关键字：[Font|BOLD]BOLD=yes"},
      {"",
       {"Font", "plain"},
       {"Underline", "1"},
       false,
       "(5)错误！答案文件有错，关键字：[Font|UNDERLINE]Underline=1"},
      {"", {"Font", "top"}, {"size", "2"}, true, ""},
      {"", {"Font", "plain"}, {"size", "3"}, false, ""},
      {"", {"Font", "inspan"}, {"size", "16pt", "face", "楷体", "color", "#FF0000"}, true, ""},
      {"", {"Font", "inspan"}, {"color", "#00FF00"}, false, ""},
      {"", {"Font", "outer"}, {"size", "4", "face", "隶书"}, true, ""},
      {"", {"Font", "inner"}, {"size", "4", "face", "隶书"}, true, ""},
      {"", {"Font", "styled"}, {"size", "12pt"}, true, ""},
      // Read from the span inside the font alone: its own style and face say otherwise.
      {"", {"Font", "spanin"}, {"size", "18pt"}, true, ""},
      {"", {"Font", "spanin"}, {"face", "隶书"}, true, ""},
      {"", {"Font", "spanin"}, {"size", "9pt", "face", "宋体"}, true, ""},
      {"", {"Font", "spanin"}, {"size", "10pt"}, false, ""},
      // A font left open when the next paragraph began: by id as by its text, the font in that
      // paragraph.
      {"", {"Font", "moved"}, {"align", "center", "face", "黑体"}, true, ""},
      {"", {"Font", "错位"}, {"align", "center"}, true, ""},
      {"", {"Font", "plain"}, {"face", "宋体", "align", "right"}, true, ""},
      {"", {"Font", "cell"}, {"align", "center"}, true, ""},
      {"", {"Font", "cell"}, {"align", "left"}, false, ""},
      {"", {"Font", "top"}, {"ATLINE", "0"}, true, ""},
      {"", {"Font", "whole"}, {"ATLINE", "1"}, true, ""},
      {"", {"Font", "whole"}, {"ATLINE", "one"}, false, ""},
      {"", {"Font", "重复"}, {"tableid", ""}, false, ""},
      {"", {"Font", "second"}, {"MARKOBJ", "m"}, true, ""},
      {"index.htm",
       {"Font", "欢迎光临"},
       {"size", "5", "face", "黑体", "color", "#ff0000"},
       true,
       ""},
      {"index.htm", {"Font", "欢迎光临"}, {"align", "CENTER"}, true, ""},
      {"index.htm", {"Font", "f1"}, {"tableid", "inner"}, true, ""},
      {"index.htm", {"Font", "错位的字体"}, {"color", "#0000FF"}, true, ""},
  };
  ExpectCases(cases);
}

TEST(ParaKeyword, RulesOverAPage) {
  const Case cases[] = {
      {"", {"Para", "无此段"}, {}, false, ""},
      {"", {"Para", "第一段"}, {"ATLINE", "1"}, true, ""},
      {"", {"Para", "平常"}, {"align", "RIGHT", "ATLINE", "3"}, true, ""},
      {"", {"Para", "格中段"}, {"align", "center"}, true, ""},
      {"", {"Para", "第一段"}, {"align", "center"}, false, ""},
      {"", {"Para", "第一"}, {"ATLINE", "x"}, false, ""},
      {"", {"Para", "last"}, {"ABOVETABLE", "t2"}, true, ""},
      {"", {"Para", "last"}, {"ABOVETABLE", "t1"}, false, ""},
      {"", {"Para", "第一段"}, {"ABOVETABLE", "T2"}, true, ""},
      {"", {"Para", "格中段"}, {"tableid", "t1"}, true, ""},
      {"", {"Para", ""}, {"ATLINE", "1"}, true, ""},
      {"index.htm", {"Para", "未闭合的段落"}, {"ATLINE", "2"}, true, ""},
      {"index.htm", {"Para", "欢迎"}, {"align", "center", "ABOVETABLE", "outer"}, true, ""},
      {"index.htm", {"Para", "格中段"}, {"cellindex", "1"}, true, ""},
  };
  ExpectCases(cases);
}

}  // namespace
}  // namespace webmark
