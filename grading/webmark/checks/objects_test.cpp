// The object keywords (HLine, BGsound, ArtText, TextBox, OBJECT, Marquee) over small pages: each
// case a page, the marks set before it, a rule and its verdict with the lines it logs.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "grading/webmark/evaluator.h"
#include "grading/webmark/testing/page_under_test.h"

namespace webmark {
namespace {

using List = std::vector<std::string>;

constexpr std::string_view kHead = "<html><head><meta charset=\"utf-8\"></head><body>";

const std::string kLines = std::string(kHead) + R"(
<p>Title</p><hr align="left" width="80%" size="2" color="#FF0000">
<p>Second</p><hr width="50%">
<table id="t1"><tr><td>Cell</td></tr></table><hr size="3" align="center">
<p>Same</p><hr width="1"><p>SAME</p><hr width="2">
<p id="last">tail</p></body></html>)";

const std::string kSound = std::string(kHead) + R"(<bgsound src="music/Song.mid" loop="3">
<p>x</p></body></html>)";
const std::string kSilentLoop =
    std::string(kHead) + R"(<bgsound src="a.mid" loop="0"></body></html>)";
const std::string kNoSound = std::string(kHead) + "<p>quiet</p></body></html>";

const std::string kArt = std::string(kHead) + R"(
<table id="before"><tr><td>x</td></tr></table>
<p><!--[if gte vml 1]><v:shapetype id="_x0000_t136" coordsize="21600,21600" o:spt="136">
 <v:textpath on="t" fitshape="t"/>
</v:shapetype><v:shape id="_x0000_s1025" type="#_x0000_t136" style='width:201pt;height:51pt' fillcolor="#FF0000">
 <v:shadow on="t" color="#C0C0C0"/>
 <v:textpath style='font-family:"隶书";font-size:40pt;font-weight:bold;v-text-kern:t' trim="t" string="网页设计"/>
</v:shape><![endif]--></p>
<p><!--[if gte vml 1]><v:shape id="_x0000_s1026" type="#_x0000_t136" style='width:100pt;height:30pt'>
 <v:fill type="gradient"/>
 <v:textpath style='font-family:"宋体";font-style:italic' string="设计之美"/>
</v:shape><![endif]--></p>
<table id="mid"><tr><td>y</td></tr></table><table id="after"><tr><td>z</td></tr></table>
</body></html>)";

const std::string kBoxes = std::string(kHead) + R"(
<p><!--[if gte vml 1]><v:shape id="box1" type="#_x0000_t202" style='position:absolute;left:10pt;top:20pt;width:120pt;height:40pt' filled="f" stroked="t">
 <v:textbox><font face="黑体" size="4">盒子里的字</font></v:textbox>
</v:shape><![endif]--></p>
<p><!--[if gte vml 1]><v:shape id="box2" type="#_x0000_t202" style='width:90pt;height:30pt'>
 <v:textbox><font><span style="font-size:14pt; font-family:楷体">第二个框</span></font></v:textbox>
</v:shape><![endif]--></p>
<p><!--[if gte vml 1]><v:shape id="box3" type="#_x0000_t202" style='width:90pt;height:30pt'>
 <v:textbox><span style="font-family:宋体"><font style="font-size:9pt">第三</font></span></v:textbox>
</v:shape><![endif]--></p>
<p><!--[if gte vml 1]><v:shape id="box4" type="#_x0000_t202" style='width:90pt;height:30pt'>
 <v:textbox><span style="font-size:9pt">无字体</span></v:textbox>
</v:shape><![endif]--></p>
</body></html>)";

const std::string kMarked = std::string(kHead) + R"(
<table id="t"><tr><td><p id="p1" align="center"><font id="f1" face="黑体" size="5">甲</font><img src="a.gif"></p>
<div><b><img src="b.gif"></b></div></td>
<td><span id="s1" style="font-family:楷体; font-size:12pt">乙</span></td></tr></table>
<p id="p2"><span style="font-size:10pt;font-family:宋体">丙</span></p>
<p id="p3"><font style="font-size:16pt">戊</font></p>
<div id="d1"><font face="黑体">丁</font></div>
</body></html>)";

const std::string kMarquees = std::string(kHead) + R"(
<table id="before"><tr><td><b><marquee direction="right" loop="3" bgcolor="#FFFF00" width="300" behavior="alternate" scrollamount="10">欢迎光临</marquee></b></td></tr></table>
<font face="黑体" size="5" color="#FF0000"><table id="wrap"><tr><td><marquee>表格里的字</marquee></td></tr></table></font>
<p><font face="楷体" size="4" color="blue"><i><marquee>欢迎再来</marquee></i></font></p>
<table id="after"><tr><td>x</td></tr></table>
</body></html>)";

struct Case {
  const std::string* page;
  std::vector<std::pair<std::string, std::string>> marks;  // name, the marked element's id
  List object;
  List conditions;
  bool passed;
  std::string message = "";  // logged before the rule's line
  int16_t version = 2003;
};

void RunCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.object[0] + " " + (c.object.size() > 1 ? c.object[1] : "") + " " +
                 (c.conditions.empty() ? "" : c.conditions[0] + "=" + c.conditions[1]));
    WebState state;
    ASSERT_TRUE(testing::OpenPageBytes(state, *c.page));
    state.EditorVersion = c.version;
    for (const auto& [name, id] : c.marks) {
      const frontpage::Element* marked = testing::ElementById(state, id);
      ASSERT_NE(marked, nullptr) << id;
      state.MarkList.push_back({name, marked->sourceIndex()});
    }
    state.Rules.push_back(RuleRecord{c.object, c.conditions, 2, 5, "d"});
    EXPECT_EQ(EvaluateRule(state, 1), c.passed);
    const std::string line =
        c.passed ? "(5)得分：2 -- d\r\n" : "(5)错误！得分：0，本小题满分：2 -- d\r\n";
    EXPECT_EQ(state.LogText, (c.message.empty() ? "" : c.message + "\r\n") + line);
  }
}

TEST(ObjectKeywords, HLine) {
  RunCases({
      {&kLines,
       {},
       {"HLine", "title"},
       {"align", "LEFT", "width", "80%", "size", "2", "color", "#ff0000"},
       true},
      {&kLines, {}, {"HLine", "Second"}, {"width", "50%"}, true},
      {&kLines, {}, {"HLine", "Second"}, {"width", "80%"}, false},
      // The walk back stops at a cell as well as at a paragraph.
      {&kLines, {}, {"HLine", "Cell"}, {"size", "3"}, true},
      // The first line under the text wins, whatever the case of the text.
      {&kLines, {}, {"HLine", "same"}, {"width", "1"}, true},
      {&kLines, {}, {"HLine", "SAME"}, {"width", "2"}, false},
      {&kLines, {}, {"HLine", "Nowhere"}, {}, false},
      {&kLines, {{"m", "t1"}}, {"HLine", "%AFTEROBJ%", "m"}, {"size", "3"}, true},
      {&kLines, {{"m", "t1"}}, {"HLine", "%BEFOREOBJ%", "m"}, {"width", "80%"}, true},
      {&kLines, {{"m", "last"}}, {"HLine", "%AFTEROBJ%", "m"}, {}, false},
      {&kLines, {}, {"HLine", "%AFTEROBJ%", "m"}, {}, false},
      {&kLines,
       {{"m", "t1"}},
       {"HLine", "%NEAROBJ%", "m"},
       {},
       false,
       "(5)错误！答案文件有错，关键字：[HLine]%NEAROBJ%"},
      // The 2000 editor wrote a centred line without align.
      {&kLines, {}, {"HLine", "Second"}, {"align", "center"}, true, "", 2000},
      {&kLines, {}, {"HLine", "Cell"}, {"align", "center"}, false, "", 2000},
      {&kLines, {}, {"HLine", "Cell"}, {"align", "center"}, true},
      {&kLines, {}, {"HLine", "Second"}, {"align", "center"}, false},
      {&kLines, {}, {"HLine", "Cell"}, {"tableid", "t1"}, false},
      {&kLines,
       {},
       {"HLine", "Cell"},
       {"noshade", "t"},
       false,
       "(0)答案文件有错，关键字：[GeneralCheck]noshade=t"},
  });
}

TEST(ObjectKeywords, BGsound) {
  RunCases({
      {&kSound, {}, {"BGsound"}, {"src", "song.MID", "loop", "3"}, true},
      {&kSound, {}, {"BGsound"}, {"src", "other"}, false},
      {&kSound, {}, {"BGsound"}, {"loop", "2"}, false},
      {&kSound,
       {},
       {"BGsound"},
       {"volume", "0", "src", "song"},
       false,
       "(5)错误！答案文件有错，关键字：[BGsound]volume0"},
      {&kNoSound, {}, {"BGsound"}, {}, false},
      // A value that is no number fails, never reading as 0.
      {&kSilentLoop, {}, {"BGsound"}, {"loop", "0"}, true},
      {&kSilentLoop, {}, {"BGsound"}, {"loop", "none"}, false},
  });
}

TEST(ObjectKeywords, ArtText) {
  RunCases({
      {&kArt,
       {},
       {"ArtText", "设计"},
       {"fontfamily", "隶书", "fontsize", "40PT", "fontweight", "bold"},
       true},
      {&kArt, {}, {"ArtText", "之美"}, {"fontfamily", "宋体", "fontstyle", "italic"}, true},
      {&kArt, {}, {"ArtText", "之美"}, {"fontfamily", "隶书"}, false},
      {&kArt,
       {},
       {"ArtText", "网页"},
       {"SHAPEFILLCOLOR", "#ff0000", "SHAPETYPE", "#_x0000_t136"},
       true},
      {&kArt, {}, {"ArtText", "网页"}, {"SHAPEFILLCOLOR", "NULL"}, false},
      {&kArt, {}, {"ArtText", "之美"}, {"SHAPEFILLCOLOR", "NULL", "FILLTYPE", "gradient"}, true},
      {&kArt, {}, {"ArtText", "之美"}, {"SHAPEFILLCOLOR", ""}, true},
      {&kArt, {}, {"ArtText", "网页"}, {"FILLTYPE", "null", "SHADOWCOLOR", "#c0c0c0"}, true},
      {&kArt, {}, {"ArtText", "之美"}, {"SHADOWCOLOR", "NULL"}, true},
      {&kArt, {}, {"ArtText", "之美"}, {"SHADOWCOLOR", "#c0c0c0"}, false},
      {&kArt,
       {},
       {"ArtText", "网页"},
       {"TEXTSTYLEHAVE", "V-TEXT-KERN:t", "SHAPESTYLEHAVE", "width:201pt"},
       true},
      {&kArt, {}, {"ArtText", "网页"}, {"TEXTSTRING", "网页设计"}, true},
      {&kArt, {}, {"ArtText", "网页"}, {"TEXTSTRING", "网页"}, false},
      {&kArt, {}, {"ArtText", "网页"}, {"ABOVETABLE", "AFTER"}, true},
      {&kArt, {}, {"ArtText", "网页"}, {"ABOVETABLE", "before"}, false},
      {&kArt, {}, {"ArtText", "艺术字"}, {}, false},
      {&kArt,
       {},
       {"ArtText", "网页"},
       {"color", "red"},
       false,
       "(5)错误！答案文件有错，关键字：[ArtText]colorred"},
  });
}

TEST(ObjectKeywords, TextBox) {
  RunCases({
      {&kBoxes,
       {},
       {"TextBox", "盒子"},
       {"left", "10pt", "top", "20pt", "width", "120pt", "height", "40pt", "filled", "f", "stroked",
        "t"},
       true},
      {&kBoxes, {}, {"TextBox", "盒子"}, {"width", "90pt"}, false},
      {&kBoxes, {}, {"TextBox", "盒子"}, {"ISTEXT", "盒子里的字", "HAVETEXT", "里的"}, true},
      {&kBoxes, {}, {"TextBox", "盒子"}, {"ISTEXT", "盒子"}, false},
      {&kBoxes, {}, {"TextBox", "盒子"}, {"fontsize", "4", "fontface", "黑体"}, true},
      {&kBoxes, {}, {"TextBox", "盒子"}, {"fontface", "宋体"}, false},
      // Found by id: the argument is not in any box's text.
      {&kBoxes, {}, {"TextBox", "box2"}, {"ISTEXT", "第二个框"}, true},
      // A font without size or face: the span below it, then the span above it, then its style.
      {&kBoxes, {}, {"TextBox", "box2"}, {"fontsize", "14pt", "fontface", "楷体"}, true},
      {&kBoxes, {}, {"TextBox", "第三"}, {"fontsize", "9pt", "fontface", "宋体"}, true},
      {&kBoxes, {}, {"TextBox", "无字体"}, {"fontsize", "9pt"}, false},
      {&kBoxes, {}, {"TextBox", "box9"}, {}, false},
      {&kBoxes,
       {},
       {"TextBox", "盒子"},
       {"left:", "10pt"},
       false,
       "(5)错误！答案文件有错，关键字：[TextBox]left:10pt"},
  });
}

TEST(ObjectKeywords, MarkedObject) {
  RunCases({
      {&kMarked,
       {{"m1", "p1"}},
       {"OBJECT", "m1"},
       {"FontFace", "黑体", "FontSize", "5", "Align", "CENTER"},
       true},
      {&kMarked, {{"m1", "p1"}}, {"OBJECT", "m1"}, {"TDIMAGECNT", "2"}, true},
      {&kMarked, {{"m1", "p1"}}, {"OBJECT", "m1"}, {"TDIMAGECNT", "1"}, false},
      {&kMarked, {{"m1", "p2"}}, {"OBJECT", "m1"}, {"TDIMAGECNT", "0"}, false},
      {&kMarked, {{"m1", "s1"}}, {"OBJECT", "m1"}, {"TDIMAGECNT", "none"}, false},
      // The value's leading number counts.
      {&kMarked, {{"m1", "p1"}}, {"OBJECT", "m1"}, {"TDIMAGECNT", "2张"}, true},
      {&kMarked, {{"m1", "p1"}}, {"OBJECT", "m1"}, {"TDIMAGECNT", " 2 pictures"}, true},
      {&kMarked, {{"m1", "p1"}}, {"OBJECT", "m1"}, {"TDIMAGECNT", "3张"}, false},
      // "m1" is found in "xm1:..." too; the later entry decides.
      {&kMarked,
       {{"m1", "p1"}, {"xm1", "s1"}},
       {"OBJECT", "m1"},
       {"FontFace", "楷体", "FontSize", "12pt"},
       true},
      {&kMarked, {{"xm1", "s1"}, {"m1", "p1"}}, {"OBJECT", "m1"}, {"FontFace", "黑体"}, true},
      {&kMarked, {{"xm1", "s1"}, {"m1", "p1"}}, {"OBJECT", "xm1"}, {"FontFace", "楷体"}, true},
      {&kMarked,
       {{"a", "p1"}, {"b", "p2"}},
       {"OBJECT", ""},
       {"FontSize", "10pt", "FontFace", "宋体"},
       true},
      {&kMarked, {{"a", "p3"}}, {"OBJECT", "a"}, {"FontSize", "16pt"}, true},
      {&kMarked, {{"a", "f1"}}, {"OBJECT", "a"}, {"FontFace", "黑体", "FontSize", "5"}, true},
      {&kMarked, {{"a", "d1"}}, {"OBJECT", "a"}, {"FontFace", "黑体"}, false},
      {&kMarked, {{"a", "s1"}}, {"OBJECT", "a"}, {"Align", "left"}, false},
      {&kMarked,
       {{"a", "d1"}},
       {"OBJECT", "a"},
       {"TDPARACNT", "x", "ATROWS", "9", "ATCOLS", "", "HAVETEXT", "?"},
       true},
      {&kMarked, {{"a", "s1"}}, {"OBJECT", "a"}, {"tableid", "t", "cellindex", "1"}, true},
      {&kMarked, {{"a", "s1"}}, {"OBJECT", "b"}, {}, false, "对象没有找到！对象名：OBJECTb"},
  });
}

TEST(ObjectKeywords, Marquee) {
  RunCases({
      {&kMarquees,
       {},
       {"Marquee", "欢迎"},
       {"DIRECTION", "Right", "loop", "3", "bgcolor", "#ffff00", "width", "300", "behavior",
        "alternate", "scrollamount", "10", "scrolldelay", "85"},
       true},
      {&kMarquees, {}, {"Marquee", ""}, {"direction", "right"}, true},
      {&kMarquees, {}, {"Marquee", "欢迎"}, {}, true},
      {&kMarquees, {}, {"Marquee", "再见"}, {}, false},
      {&kMarquees, {}, {"Marquee", "欢迎"}, {"loop", "2"}, false},
      {&kMarquees, {}, {"Marquee", "欢迎"}, {"loop", "three"}, false},
      {&kMarquees, {}, {"Marquee", "欢迎"}, {"height", "0"}, false},
      {&kMarquees, {}, {"Marquee", "欢迎"}, {"ABOVETABLE", "after"}, true},
      {&kMarquees, {}, {"Marquee", "欢迎"}, {"ABOVETABLE", "before"}, false},
      {&kMarquees, {}, {"Marquee", "欢迎"}, {"FontBold", "TRUE", "FontItalic", "false"}, true},
      {&kMarquees, {}, {"Marquee", "再来"}, {"FontBold", "TRUE"}, false},
      {&kMarquees,
       {},
       {"Marquee", "再来"},
       {"FontBold", "FALSE", "FontItalic", "true", "FontUnderline", "FALSE"},
       true},
      // Outside any table the font around the marquee counts.
      {&kMarquees,
       {},
       {"Marquee", "再来"},
       {"FontFace", "楷体", "FontSize", "4", "FontColor", "#0000FF"},  // written "blue"
       true},
      // A font around the whole table does not reach into its cell.
      {&kMarquees, {}, {"Marquee", "表格"}, {"FontFace", "黑体"}, false},
      {&kMarquees, {}, {"Marquee", "表格"}, {"FontColor", "#FF0000"}, false},
      // Any value but TRUE asks for no b, i or u around the marquee.
      {&kMarquees, {}, {"Marquee", "欢迎"}, {"FontBold", "YES"}, false},
      {&kMarquees, {}, {"Marquee", "再来"}, {"FontBold", "YES", "FontUnderline", ""}, true},
      {&kMarquees, {}, {"Marquee", "再来"}, {"FontItalic", "1"}, false},
      {&kMarquees, {}, {"Marquee", "欢迎"}, {"tableid", "before", "rowindex", "0"}, true},
      {&kMarquees, {}, {"Marquee", "表格"}, {"tableid", "before"}, false},
  });
}

// The editor's own vector markup in the committed page: shape types, fallback pictures.
TEST(ObjectKeywords, DrawingsOfTheEditorsPage) {
  struct Case {
    List object;
    List conditions;
    bool passed;
  } cases[] = {
      {{"ArtText", "设计"}, {"fontfamily", "隶书", "SHAPEFILLCOLOR", "#ff0000"}, true},
      {{"ArtText", "设计"}, {"SHAPESTYLEHAVE", "height:51pt", "SHADOWCOLOR", "NULL"}, true},
      {{"TextBox", "文本框"}, {"width", "120pt", "HAVETEXT", "color:#0000FF"}, true},
      {{"TextBox", "_x0000_s1026"}, {"ISTEXT", "文本框里的字"}, true},
      {{"TextBox", "文本框"}, {"fontsize", "12pt"}, false},  // no font element in the box
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.object[1] + " " + c.conditions[0]);
    WebState state;
    ASSERT_TRUE(testing::OpenTestPage(state, "vml.htm"));
    state.Rules.push_back(RuleRecord{c.object, c.conditions, 1, 5, "d"});
    EXPECT_EQ(EvaluateRule(state, 1), c.passed);
  }
}

// Marks are set as rules run: a rule that reads a mark before it is set does not find it.
TEST(ObjectKeywords, MarksSetByEarlierRules) {
  WebState state;
  ASSERT_TRUE(testing::OpenPageBytes(state, kMarquees + kLines));
  state.Rules = {
      RuleRecord{{"OBJECT", "m"}, {"TDIMAGECNT", "0"}, 1, 1, "a"},
      RuleRecord{{"Marquee", "表格"}, {"MARKOBJ", "m"}, 1, 2, "b"},
      RuleRecord{{"OBJECT", "m"}, {"TDIMAGECNT", "0", "tableid", "wrap"}, 1, 3, "c"},
      RuleRecord{{"HLine", "%AFTEROBJ%", "m"}, {"width", "80%"}, 1, 4, "d"},
      RuleRecord{{"HLine", "%BEFOREOBJ%", "m"}, {}, 1, 5, "e"},
  };
  EXPECT_FALSE(EvaluateRule(state, 1));
  EXPECT_TRUE(EvaluateRule(state, 2));
  EXPECT_TRUE(EvaluateRule(state, 3));
  EXPECT_TRUE(EvaluateRule(state, 4));
  EXPECT_FALSE(EvaluateRule(state, 5));
  EXPECT_EQ(state.LogText.substr(0, state.LogText.find("\r\n")), "对象没有找到！对象名：OBJECTm");
}

}  // namespace
}  // namespace webmark
