// The evaluator's frame and the position conditions, over the committed pages.
#include "grading/webmark/evaluator.h"

#include <gtest/gtest.h>

#include "grading/webmark/testing/page_under_test.h"
#include "platform/office/frontpage/application.h"
#include "platform/win/message_box.h"

namespace webmark {
namespace {

using List = std::vector<std::string>;

// One rule evaluated on a page; the verdict and the log it wrote.
struct Evaluated {
  bool passed = false;
  std::string log;
};
Evaluated EvaluateOn(std::string_view page, RuleRecord rule) {
  WebState state;
  EXPECT_TRUE(testing::OpenTestPage(state, page)) << page;
  state.Rules.push_back(std::move(rule));
  Evaluated e;
  e.passed = EvaluateRule(state, 1);
  e.log = state.LogText;
  return e;
}

TEST(EvaluateRule, TheFrameLogsOneLineForIdsBelowAHundred) {
  struct Case {
    const char* name;
    RuleRecord rule;
    bool passed;
    std::string log;
  } cases[] = {
      {"keyword and keys in any case",
       {{"frameset"}, {"TITLE", "框架网页"}, 3, 7, "标题"},
       true,
       "(7)得分：3 -- 标题\r\n"},
      {"a failing rule",
       {{"FrameSet"}, {"title", "别的"}, 3, 7, "标题"},
       false,
       "(7)错误！得分：0，本小题满分：3 -- 标题\r\n"},
      {"id 100 writes nothing", {{"FrameSet"}, {"title", "框架网页"}, 3, 100, "x"}, true, ""},
      {"id 100 failing writes nothing", {{"FrameSet"}, {"title", "别的"}, 3, 100, "x"}, false, ""},
      {"a negative id writes its line",
       {{"FrameSet"}, {}, 1, -2, "x"},
       true,
       "(-2)得分：1 -- x\r\n"},
      {"a key without its value fails",
       {{"FrameSet"}, {"title", "框架网页", "title"}, 3, 7, "t"},
       false,
       "(7)错误！得分：0，本小题满分：3 -- t\r\n"},
      {"an unknown keyword",
       {{"Picture", "a"}, {}, 2, 8, "p"},
       false,
       "(8)错误！对象描述有错，关键字：Picturea\r\n(8)错误！得分：0，本小题满分：2 -- p\r\n"},
      {"no keyword at all", {{}, {}, 2, 8, "p"}, false, "(8)错误！得分：0，本小题满分：2 -- p\r\n"},
      {"an element keyword whose element the page lacks",
       {{"Marquee", "x"}, {"size", "3"}, 2, 9, "f"},
       false,
       "(9)错误！得分：0，本小题满分：2 -- f\r\n"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Evaluated e = EvaluateOn("frames.htm", c.rule);
    EXPECT_EQ(e.passed, c.passed);
    EXPECT_EQ(e.log, c.log);
  }
}

TEST(EvaluateRule, NoPageFailsTheRule) {
  WebState state;
  state.Rules.push_back(RuleRecord{{"Doc"}, {}, 2, 4, "d"});
  EXPECT_FALSE(EvaluateRule(state, 1));
  EXPECT_EQ(state.LogText, "(4)错误！得分：0，本小题满分：2 -- d\r\n");
}

// The first element of the page whose inner text is `text`, tagged `tag`.
const frontpage::Element* Tagged(const WebState& state, std::string_view tag,
                                 std::string_view text) {
  for (const frontpage::Element* e : state.PageWindow->document()->all()) {
    if (e->Is(tag) && e->innerText() == text) return e;
  }
  return nullptr;
}

TEST(GeneralCheck, PositionConditionsReadTheEnclosingTableRowAndCell) {
  WebState state;
  ASSERT_TRUE(testing::OpenTestPage(state, "index.htm"));
  const frontpage::Element* inner = testing::ElementById(state, "f1");
  const frontpage::Element* last = testing::ElementById(state, "last");
  const frontpage::Element* outside = testing::ElementById(state, "after");
  const frontpage::Element* secondCell = Tagged(state, "TD", "外二");
  const frontpage::Element* innerSecondRow = Tagged(state, "TD", "内二");
  const frontpage::Element* cellParagraph = Tagged(state, "P", "格中段");
  ASSERT_TRUE(inner && last && outside && secondCell && innerSecondRow && cellParagraph);
  struct Case {
    const char* name;
    const frontpage::Element* element;
    const char* key;
    const char* value;
    bool holds;
  } cases[] = {
      {"the nearest table wins", inner, "tableid", "inner", true},
      {"not the outer one", inner, "TableID", "outer", false},
      {"outside any table: tableid", outside, "tableid", "", false},
      {"outside any table: rowindex", outside, "rowindex", "0", false},
      {"outside any table: cellindex", outside, "cellindex", "0", false},
      {"the last row of four", last, "rowindex", "%lastrow%", true},
      {"the last row by number", last, "RowIndex", "3", true},
      {"not the last row of the inner table", inner, "rowindex", "%LASTROW%", false},
      {"rowindexLE", last, "rowindexLE", "3", true},
      {"rowindexLE below", last, "rowindexle", "2", false},
      {"rowindexGE", inner, "rowindexGE", "1", false},
      {"cellindex of a paragraph in the second cell", cellParagraph, "cellindex", "1", true},
      {"cellindexGE", cellParagraph, "cellindexGE", "1", true},
      {"cellindexLE", cellParagraph, "cellindexLE", "0", false},
      {"a cell tests the cell around it, not itself", secondCell, "cellindex", "1", false},
      {"a nested cell's enclosing cell", innerSecondRow, "cellindex", "0", true},
      {"a nested cell's own row", innerSecondRow, "rowindex", "1", true},
  };
  for (const Case& c : cases) {
    base::Result<bool> held = GeneralCheck(state, *c.element, c.key, c.value);
    ASSERT_TRUE(held) << c.name << ": " << held.error().message;
    EXPECT_EQ(*held, c.holds) << c.name;
  }
  EXPECT_TRUE(state.LogText.empty());
}

TEST(GeneralCheck, MarksOrderElementsByTheirPlace) {
  WebState state;
  ASSERT_TRUE(testing::OpenTestPage(state, "index.htm"));
  const frontpage::ElementList& all = state.PageWindow->document()->all();
  const frontpage::Element* marked = all.at(20);
  ASSERT_TRUE(marked);
  ASSERT_TRUE(*GeneralCheck(state, *marked, "MARKOBJ", "m1"));
  EXPECT_EQ(state.MarkList.size(), 1u);
  struct Case {
    int32_t index;
    const char* key;
    bool holds;
  } cases[] = {
      {19, "AFTEROBJ", false}, {20, "AFTEROBJ", true},  {21, "afterobj", true},
      {19, "BEFOREOBJ", true}, {20, "BEFOREOBJ", true}, {21, "BEFOREOBJ", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(*GeneralCheck(state, *all.at(c.index), c.key, "m1"), c.holds) << c.index << c.key;
  EXPECT_FALSE(*GeneralCheck(state, *all.at(21), "AFTEROBJ", "m2"));
  EXPECT_FALSE(GeneralCheck(state, *all.at(25), "MARKOBJ", "M1"));     // the name is taken
  EXPECT_FALSE(*GeneralCheck(state, *all.at(22), "BEFOREOBJ", "m1"));  // still the first mark
  EXPECT_TRUE(state.LogText.empty());
}

// A fault of the answer workbook: logged, and shown in a box that the run waits on.
TEST(GeneralCheck, AnUnknownKeyIsLoggedShownAndFails) {
  WebState state;
  ASSERT_TRUE(testing::OpenTestPage(state, "index.htm"));
  win::MessageCapture boxes;
  EXPECT_FALSE(*GeneralCheck(state, *testing::ElementById(state, "f1"), "colindex", "2"));
  EXPECT_EQ(state.LogText, "(0)答案文件有错，关键字：[GeneralCheck]colindex=2\r\n");
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "错误答案描述：colindex=2");
  EXPECT_EQ(boxes.Shown()[0].caption, "");
  EXPECT_EQ(boxes.Shown()[0].flags, win::MB_OK);
  // The known keys show none.
  EXPECT_TRUE(*GeneralCheck(state, *testing::ElementById(state, "f1"), "MARKOBJ", "m"));
  EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST(GeneralCheck, MarksAcrossRulesOfOneRun) {
  WebState state;
  ASSERT_TRUE(testing::OpenTestPage(state, "index.htm"));
  state.Rules.push_back(RuleRecord{{"IFrame", "side"}, {"MARKOBJ", "frame"}, 1, 1, "mark"});
  state.Rules.push_back(RuleRecord{{"IFrame", "side"}, {"AFTEROBJ", "frame"}, 1, 2, "after"});
  state.Rules.push_back(RuleRecord{{"IFrame", "side"}, {"MARKOBJ", "frame"}, 1, 3, "again"});
  EXPECT_TRUE(EvaluateRule(state, 1));
  EXPECT_TRUE(EvaluateRule(state, 2));
  EXPECT_FALSE(EvaluateRule(state, 3));
}

}  // namespace
}  // namespace webmark
