// Tests of the paper-list-to-tabs rules.
#include "client/exam/paper_tabs.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Kind = PaperTab::Kind;

std::string Describe(const std::vector<PaperTab>& tabs) {
  std::string out;
  for (const PaperTab& t : tabs) {
    out += t.kind == Kind::SingleChoice ? "S" : "Q" + std::to_string(t.controlId);
    out += "(" + t.moduleId + "," + t.paperId + ") ";
  }
  return out;
}

TEST(PaperTabs, OneTabPerItemInPaperOrder) {
  struct Case {
    std::string papers, expected;
  } cases[] = {
      {"2-5|0-q1,q2|3-7", "Q1(2,5) S(0,q1,q2) Q2(3,7) "},
      {"0-a,b", "S(0,a,b) "},
      {"  4-12|  ", "Q1(4,12) "},
      {"2-5|", "Q1(2,5) "},
      {"2-5||3-6", "Q1(2,5) Q2(3,6) "},
      {"6", "Q1(6,) "},
      {"5-1-2", "Q1(5,1-2) "},
      {"", ""},
      {"0-a|0-b|2-1", "S(0,a) Q1(2,1) "},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(PaperTabs(c.papers)), c.expected) << c.papers;
}

TEST(PaperTabs, NoLimitOfTwelveViews) {
  std::string papers;
  for (int i = 1; i <= 20; ++i)
    papers += (i > 1 ? "|" : "") + std::to_string(i % 6 + 1) + "-" + std::to_string(i);
  const auto tabs = PaperTabs(papers);
  ASSERT_EQ(tabs.size(), 20u);
  EXPECT_EQ(tabs.back().controlId, 20);
  EXPECT_EQ(tabs.back().paperId, "20");
}

TEST(QuestionSource, FileMissingOrNone) {
  const std::set<std::string> present = {"C:\\KIRV\\\\Data\\Paper\\w1.rtf"};
  auto exists = [&](const std::string& p) { return present.count(p) > 0; };
  const QuestionSource file = QuestionSourceFor("C:\\KIRV\\", "w1.rtf", exists);
  EXPECT_EQ(file.kind, QuestionSource::Kind::File);
  EXPECT_EQ(file.path, "C:\\KIRV\\\\Data\\Paper\\w1.rtf");
  const QuestionSource missing = QuestionSourceFor("C:\\KIRV\\", "w2.rtf", exists);
  EXPECT_EQ(missing.kind, QuestionSource::Kind::Missing);
  EXPECT_EQ(missing.text, "找不到题签");
  const QuestionSource none = QuestionSourceFor("C:\\KIRV\\", "", exists);
  EXPECT_EQ(none.kind, QuestionSource::Kind::None);
  EXPECT_EQ(none.text, "无题签");
  EXPECT_EQ(ModuleTabLabel(""), "未知模块");
  EXPECT_EQ(ModuleTabLabel("Word"), "Word");
}

}  // namespace

namespace {

TEST(PaperTabs, IdsAreWholeNumbersOnly) {
  struct Case {
    const char* text;
    std::optional<int> id;
  } cases[] = {{"5", 5},
               {"-3", -3},
               {"", std::nullopt},
               {"5 or 1=1", std::nullopt},
               {"x", std::nullopt},
               {"99999999999", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(ParseId(c.text), c.id) << c.text;
}

}  // namespace
