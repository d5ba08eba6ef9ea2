// The keyword table and its dispatcher: every keyword with its argument letters, upper-casing,
// the cells each keyword reads, a check behind every keyword, and what every check answers with
// no presentation open.
#include "grading/slidemark/keywords.h"

#include <gtest/gtest.h>

#include <set>

#include "grading/slidemark/testing/slide_fixture.h"

namespace slidemark {
namespace {

namespace pt = powerpoint::testing;

pt::PptxContent OneSlide() {
  pt::PptxContent content;
  pt::SlideXml slide;
  slide.shapes = pt::TextBox(2, "Box", pt::Box{}, pt::TextPara("Some text"));
  content.slides = {slide};
  return content;
}

TEST(Keywords, EveryKeywordOnceWithLettersOfTheFourKinds) {
  std::set<std::string_view> seen;
  for (const KeywordRow& row : Keywords()) {
    EXPECT_TRUE(seen.insert(row.keyword).second) << row.keyword;
    EXPECT_EQ(row.letters.find_first_not_of("ILFT"), std::string_view::npos) << row.keyword;
    EXPECT_EQ(FindKeyword(row.keyword), &row);
  }
  EXPECT_EQ(FindKeyword("NOSUCHKEYWORD"), nullptr);
}

TEST(Keywords, TheKeywordTestUpperCasesInPlace) {
  std::string token = "findtext";
  EXPECT_TRUE(IsCheckKeyword(token));
  EXPECT_EQ(token, "FINDTEXT");
  token = "SlideShowSettingOption";
  EXPECT_TRUE(IsCheckKeyword(token));
  token = "and";
  EXPECT_FALSE(IsCheckKeyword(token));
}

TEST(Keywords, EachKeywordReadsTheCellsItsRowNames) {
  testing::OpenedPresentation opened(OneSlide());
  ASSERT_TRUE(opened.Opened());
  struct Case {
    std::vector<std::string> cells;
    int16_t lastColumn;
  } cases[] = {
      {{"findtext", "text", "5", "rule"}, 2},
      {{"SHAPETXTFONTATTRIB", "1", "1", "0", "5"}, 4},
      {{"TXTINSLIDESHAPEACTIONSETTINGACTION", "1", "1", "t", "1", "1", "5"}, 6},
      {{"SHAPETXTEFFECTFONT", "1", "1", "Arial", "12", "0", "5"}, 6},
      {{"SLIDESHOWSETTINGRANGE", "1", "2", "5"}, 3},
  };
  for (const Case& c : cases) {
    opened.Rule(c.cells);
    EXPECT_EQ(opened.LastColumnRead(), c.lastColumn) << c.cells[0];
  }
}

TEST(Keywords, ATokenThatIsNoKeywordReadsNoCell) {
  testing::OpenedPresentation opened(OneSlide());
  EXPECT_EQ(opened.Rule({"NOSUCH", "1", "2"}), engine::kNoSuchKeyword);
  EXPECT_EQ(opened.LastColumnRead(), 1);
}

TEST(Keywords, ASixteenBitCellOutOfRangeReadsZero) {
  testing::OpenedPresentation opened(OneSlide());
  // Slide 40000 does not convert: slide 0, which is no slide either; layout 0 holds there.
  EXPECT_EQ(opened.Rule({"SLIDELAYOUT", "40000", "0"}), engine::kCheckHolds);
  EXPECT_EQ(opened.Rule({"SLIDENUMBER", "65537"}), engine::kCheckFails);
}

TEST(Keywords, EveryKeywordHasACheck) {
  for (const KeywordRow& row : Keywords()) EXPECT_NE(row.clause, nullptr) << row.keyword;
}

TEST(Keywords, WithNoPresentationOpenEveryKeywordFails) {
  testing::GradingFolders folders;
  SlideState state;
  state.engine.CheckPath = folders.Candidate();
  for (const KeywordRow& row : Keywords()) {
    // Every argument 0 or empty: what a missing object's reads equal.
    std::vector<std::string> cells = {std::string(row.keyword)};
    for (size_t i = 0; i < row.letters.size(); ++i)
      cells.push_back(row.letters[i] == 'T' ? "" : "0");
    EXPECT_EQ(testing::RunRule(state, cells), engine::kCheckFails) << row.keyword;
  }
}

}  // namespace
}  // namespace slidemark
