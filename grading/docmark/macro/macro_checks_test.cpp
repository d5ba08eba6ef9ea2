// The part-B checks on documents saved by a word processor (platform/office/word/testdata) and
// on small ones built in code where that writer cannot save what a check reads (drop caps), by
// family, with the verdicts the keyword rows apply to their answers.
#include "grading/docmark/macro/macro_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/office/word/testing/open_docx.h"

namespace docmark {
namespace {

using word::testing::TextPara;

constexpr int16_t kTrue = engine::kTrue;
constexpr int16_t kFalse = engine::kFalse;

std::filesystem::path SuiteFile(std::string_view name) {
  return std::filesystem::path(KIRV_SOURCE_DIR) / "platform/office/word/testdata" / name;
}

// An application with a saved document open, as part B has its file row's document.
std::unique_ptr<word::Application> Suite(std::string_view name) {
  auto app = std::make_unique<word::Application>();
  base::Result<word::Document*> d = app->Documents().Open(name, SuiteFile(name));
  EXPECT_TRUE(d) << name;
  return app;
}

std::string Selected(word::Application& app) {
  return (*app.Selection())->Text().value_or("<none>");
}

// --- searching ---------------------------------------------------------------------------------

TEST(SearchChecks, FindCountCountsTheOccurrencesUpToTheEnd) {
  auto o = word::testing::OpenBody(TextPara("考试 系统 考试") + TextPara("Exam exam EXAM aaa"));
  auto headfoot = Suite("suite_headfoot.docx");
  auto longDoc = Suite("suite_long.docx");
  struct Case {
    const char* name;
    word::Application& app;
    const char* text;
    int32_t count;
  } cases[] = {
      {"twice", o->app, "考试", 2},
      {"not at all", o->app, "不在文档里", 0},
      {"case not matched", o->app, "exam", 3},
      {"each search goes on after the last found", o->app, "aa", 1},
      {"across a paragraph mark", o->app, "考试^pExam", 1},
      {"an empty text", o->app, "", 0},
      {"the header's text is not the main text's", *headfoot, "全国计算机等级考试模拟试卷", 0},
      {"past position 32,767", *longDoc, "长文档末尾的标记文字", 1},
      {"the last hundred paragraphs, from 31,455 on", *longDoc, "第7", 100},
  };
  for (const Case& c : cases) EXPECT_EQ(FindCount(c.app, c.text), c.count) << c.name;
}

TEST(SearchChecks, FindCountAfterHeadFootCountsThePastedCopy) {
  auto app = Suite("suite_headfoot.docx");
  const char kHeader[] = "全国计算机等级考试模拟试卷";
  EXPECT_EQ(FindCount(*app, kHeader), 0);
  EXPECT_EQ(HeadFoot(*app, kHeader, true), kTrue);
  EXPECT_EQ(FindCount(*app, kHeader), 1);
  // Only the header's first paragraph was pasted.
  EXPECT_EQ(FindCount(*app, "页眉的第二段"), 0);
  EXPECT_EQ(HeadFoot(*app, kHeader, true), kTrue);
  EXPECT_EQ(FindCount(*app, kHeader), 2);
}

TEST(SearchChecks, HeadFootFindsTheHeaderOrFooterPastedAtTheStart) {
  struct Case {
    const char* name;
    const char* text;
    bool header;
    int16_t result;
  } cases[] = {
      {"the header's first paragraph", "全国计算机等级考试模拟试卷", true, kTrue},
      {"its beginning", "全国计算机", true, kTrue},
      {"the footer's text", "页脚文字", false, kTrue},
      {"the header's text looked for in the footer", "全国计算机等级考试模拟试卷", false, kFalse},
      {"the header's second paragraph is not copied", "页眉的第二段", true, kFalse},
      {"a text the header does not start with", "考试模拟试卷", true, kFalse},
      {"one character anywhere past position 1", "卷", true, kTrue},
      {"one character at the very start", "全", true, kTrue},
      {"one character not found", "无", true, kFalse},
      {"an empty text", "", true, kTrue},
  };
  for (const Case& c : cases) {
    auto app = Suite("suite_headfoot.docx");  // each pastes into its own copy in memory
    EXPECT_EQ(HeadFoot(*app, c.text, c.header), c.result) << c.name;
    EXPECT_EQ((*app->Selection())->StoryType(), word::wdMainTextStory) << c.name;
  }
  word::Application none;
  EXPECT_EQ(HeadFoot(none, "", true), kFalse);
}

TEST(SearchChecks, FindReplaceCountsTheOldAndTheNewText) {
  auto o = word::testing::OpenBody(TextPara("新的文字、新的文字和新的文字"));
  struct Case {
    const char* name;
    const char* oldText;
    int16_t oldCount;
    const char* newText;
    int16_t newCount;
    int16_t result;
  } cases[] = {
      {"the old text gone, the new three times", "旧的文字", 0, "新的文字", 3, kTrue},
      {"the new text twice expected", "旧的文字", 0, "新的文字", 2, kFalse},
      {"the old text still expected", "旧的文字", 1, "新的文字", 3, kFalse},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindReplace(o->app, c.oldText, c.oldCount, c.newText, c.newCount), c.result)
        << c.name;
  }
}

TEST(SearchChecks, PositionsPastTheShortRangeCompareAsWholeNumbers) {
  auto app = Suite("suite_long.docx");
  word::WordBasic basic(*app);
  // "第730段" starts at 32,805 and the last paragraph at 35,955: a 16-bit read makes both
  // negative.
  EXPECT_EQ(FindStartPos(basic, "第730段"), 32805);
  EXPECT_EQ(FindEndPos(basic, "长文档末尾的标记文字"), 35965);
  struct Case {
    const char* name;
    const char *a1, *a2, *a3, *a4;
    int16_t result;
  } cases[] = {
      {"in order across 32,767", "第002段", "第500段", "第730段", "长文档末尾", kTrue},
      {"out of order", "第002段", "第730段", "第500段", "长文档末尾", kFalse},
      {"a text not found counts as at the start", "不在文档里", "第002段", "第730段", "长文档末尾",
       kTrue},
      {"two not found are not in order", "不在文档里", "也不在", "第730段", "长文档末尾", kFalse},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlaceInOrder(*app, c.a1, c.a2, c.a3, c.a4), c.result) << c.name;
  // The far text is selected as found and read there.
  EXPECT_EQ(SelectTxt(*app, "长文档末尾的标记文字"), kTrue);
  EXPECT_EQ(Selected(*app), "长文档末尾的标记文字");
  EXPECT_EQ(TxtPara(*app, "长文档末尾的标记文字"), 0);
}

TEST(SearchChecks, SelectTxtSelectsExactlyWhatWasFound) {
  auto app = Suite("suite_paragraphs.docx");
  struct Case {
    const char* text;
    int16_t result;
    const char* selected;
  } cases[] = {
      {"居中对齐", kTrue, "居中对齐"},
      // "^p" is one character of the document: the selection is not cut back by the text's length.
      {"段落^p居中", kTrue, "段落\r居中"},
      {"不在文档里", kFalse, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SelectTxt(*app, c.text), c.result) << c.text;
    EXPECT_EQ(Selected(*app), c.selected) << c.text;
  }
}

// --- paragraphs --------------------------------------------------------------------------------

TEST(ParagraphChecks, DialogValuesCompareAsTheDialogShowsThem) {
  auto app = Suite("suite_paragraphs.docx");
  using Check = int16_t (*)(word::Application&, std::string_view, std::string_view);
  struct Case {
    const char* name;
    Check check;
    const char* text;
    const char* expected;
    int16_t result;
  } cases[] = {
      {"before", FormatStyParaBefore, "段前十二磅", "12 磅", kTrue},
      {"after", FormatStyParaAfter, "段前十二磅", "6 磅", kTrue},
      {"after, other unit", FormatStyParaAfter, "段前十二磅", "6磅", kFalse},
      {"left indent", FormatStyParaLeftInd, "左缩进二厘米", "2 厘米", kTrue},
      {"right indent", FormatStyParaRightInd, "左缩进二厘米", "1 厘米", kTrue},
      {"first line", FormatStyParaFirstInd, "左缩进二厘米", "0.75 厘米", kTrue},
      {"hanging", FormatStyParaFirstInd, "悬挂缩进", "-1 厘米", kTrue},
      {"exact spacing", FormatStyParaLineSpace, "固定值", "20 磅", kTrue},
      {"at least", FormatStyParaLineSpace, "最小值", "16 磅", kTrue},
      {"multiple", FormatStyParaLineSpace, "多倍行距", "1.25", kTrue},
      {"single shows nothing", FormatStyParaLineSpace, "单倍行距", "", kTrue},
      {"not found, empty expected", FormatStyParaBefore, "不在文档里", "", kTrue},
      {"not found, a value expected", FormatStyParaBefore, "不在文档里", "0 磅", kFalse},
  };
  for (const Case& c : cases) EXPECT_EQ(c.check(*app, c.text, c.expected), c.result) << c.name;
}

TEST(ParagraphChecks, LineSpacingRuleComparesAsANumber) {
  auto app = Suite("suite_paragraphs.docx");
  struct Case {
    const char* text;
    int16_t expected;
    int16_t result;
  } cases[] = {
      {"单倍行距", 0, kTrue},      {"一点五倍行距", 1, kTrue}, {"两倍行距", 2, kTrue},
      {"最小值十六磅", 3, kTrue},  {"固定值二十磅", 4, kTrue}, {"多倍行距", 5, kTrue},
      {"固定值二十磅", 0, kFalse}, {"不在文档里", 0, kTrue},   {"不在文档里", 4, kFalse},
      {"行距^p两倍", -1, kTrue},  // over two paragraphs that differ
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatStyParaLineRule(*app, c.text, c.expected), c.result) << c.text << c.expected;
}

TEST(ParagraphChecks, TxtParaAnswersTheAlignmentCode) {
  auto app = Suite("suite_paragraphs.docx");
  struct Case {
    const char* text;
    int16_t code;
  } cases[] = {
      {"左对齐的段落", 0},   {"居中对齐的段落", 1}, {"右对齐的段落", 2}, {"两端对齐的段落", 3},
      {"分散对齐的段落", 4}, {"段落^p居中", 0},  // no one alignment over both paragraphs
      {"不在文档里", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(TxtPara(*app, c.text), c.code) << c.text;
}

TEST(ParagraphChecks, ATextNotFoundReadsNothingOfThePreviousSelection) {
  auto app = Suite("suite_paragraphs.docx");
  // Each pair: the same check first on a text that is there, then on one that is not, with the
  // value the first one read: the second must not read it again.
  EXPECT_EQ(FormatStyParaBefore(*app, "段前十二磅", "12 磅"), kTrue);
  EXPECT_EQ(FormatStyParaBefore(*app, "不在文档里", "12 磅"), kFalse);
  EXPECT_EQ(FormatStyParaLineRule(*app, "固定值二十磅", 4), kTrue);
  EXPECT_EQ(FormatStyParaLineRule(*app, "不在文档里", 4), kFalse);
  EXPECT_EQ(TxtPara(*app, "居中对齐的段落"), 1);
  EXPECT_EQ(TxtPara(*app, "不在文档里"), -1);
  auto characters = Suite("suite_characters.docx");
  EXPECT_EQ(TxtFontSize(*characters, "黑体四号加粗倾斜", 14), kTrue);
  EXPECT_EQ(TxtFontSize(*characters, "不在文档里", 14), kFalse);
  EXPECT_EQ(TxtAttrib(*characters, "黑体四号加粗倾斜"), 6);
  EXPECT_EQ(TxtAttrib(*characters, "不在文档里"), 0);
  EXPECT_EQ(TxtFont(*characters, "黑体四号加粗倾斜", "黑体"), kTrue);
  EXPECT_EQ(TxtFont(*characters, "不在文档里", "黑体"), kFalse);
}

// --- characters --------------------------------------------------------------------------------

TEST(FontChecks, FontNameSizeSpacingAndScripts) {
  auto app = Suite("suite_characters.docx");
  struct Case {
    const char* name;
    int16_t result;
    int16_t expected;
  } cases[] = {
      {"font", TxtFont(*app, "黑体四号加粗倾斜", "黑体"), kTrue},
      {"font of mixed text", TxtFont(*app, "倾斜^p红色", "黑体"), kFalse},
      {"size", TxtFontSize(*app, "黑体四号加粗倾斜", 14), kTrue},
      {"size half points", TxtFontSize(*app, "宋体五号文字", 10.5), kTrue},
      {"size mixed reads 0", TxtFontSize(*app, "倾斜^p红色", 0), kTrue},
      {"spacing expanded", TxtFontSpacing(*app, "加宽三磅", "3 磅"), kTrue},
      {"spacing condensed", TxtFontSpacing(*app, "紧缩一点五磅", "-1.5 磅"), kTrue},
      {"spacing not found", TxtFontSpacing(*app, "不在文档里", ""), kFalse},
      {"superscript", TxtFontScript(*app, "2", 0, 1), kTrue},
      {"plain", TxtFontScript(*app, "面积单位", 0, 0), kTrue},
      {"part superscript", TxtFontScript(*app, "m2", 0, -1), kTrue},
      {"subscript", TxtFontScript(*app, "H2", -1, 0), kTrue},
  };
  for (const Case& c : cases) EXPECT_EQ(c.result, c.expected) << c.name;
}

// --- the verdicts of codes and masks ------------------------------------------------------------

TEST(MaskVerdicts, CodesAndMasksAsTheKeywordRowsJudgeThem) {
  auto attrib = word::testing::OpenBody(
      TextPara("粗体下划线", "", "<w:b/><w:u w:val=\"single\"/>") + TextPara("斜体", "", "<w:i/>") +
      TextPara("双下划线", "", "<w:u w:val=\"double\"/>") + TextPara("普通文字"));
  auto a4 = Suite("suite_page_a4.docx");
  auto custom = Suite("suite_page_custom.docx");
  struct Case {
    const char* name;
    int16_t code;
    int16_t expectedCode;
    int16_t mask;
    bool holds;
  } cases[] = {
      {"bold and underlined, mask 4", TxtAttrib(attrib->app, "粗体下划线"), 5, 4, true},
      {"bold and underlined, mask 2", TxtAttrib(attrib->app, "粗体下划线"), 5, 2, false},
      {"italic", TxtAttrib(attrib->app, "斜体"), 2, 2, true},
      {"double underline is no underline here", TxtAttrib(attrib->app, "双下划线"), 0, 7, false},
      {"plain", TxtAttrib(attrib->app, "普通文字"), 0, 7, false},
      {"not found", TxtAttrib(attrib->app, "不在文档里"), 0, 7, false},
      {"paper right", SetPaper(*a4, "21 厘米", "29.7 厘米"), 11, 11, true},
      {"wrong width, mask 10", SetPaper(*a4, "18.4 厘米", "29.7 厘米"), 1, 10, false},
      {"wrong width, mask 11", SetPaper(*a4, "18.4 厘米", "29.7 厘米"), 1, 11, true},
      {"wrong width, mask 1", SetPaper(*a4, "18.4 厘米", "29.7 厘米"), 1, 1, true},
      {"custom paper", SetPaper(*custom, "18.4 厘米", "26 厘米"), 11, 10, true},
      {"margins right", SetPaperMag(*a4, "2.54 厘米", "2.54 厘米", "3.17 厘米", "3.17 厘米"), 1111,
       1111, true},
      {"custom margins", SetPaperMag(*custom, "2 厘米", "2 厘米", "2.5 厘米", "2.5 厘米"), 1111,
       1000, true},
      {"only the right margin, mask 1", SetPaperMag(*a4, "2 厘米", "2 厘米", "2 厘米", "3.17 厘米"),
       1, 1, true},
      {"only the right margin, mask 10",
       SetPaperMag(*a4, "2 厘米", "2 厘米", "2 厘米", "3.17 厘米"), 1, 10, false},
      // 111 and 1000 share binary bits (8 and 32): a wrong top margin still passes mask 1000.
      {"the top wrong, mask 1000",
       SetPaperMag(*a4, "2 厘米", "2.54 厘米", "3.17 厘米", "3.17 厘米"), 111, 1000, true},
      {"the top wrong, mask 1", SetPaperMag(*a4, "2 厘米", "2.54 厘米", "3.17 厘米", "2 厘米"), 110,
       1, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.code, c.expectedCode) << c.name;
    EXPECT_EQ(MaskHolds(c.code, c.mask), c.holds) << c.name;
  }
}

// --- columns and drop caps ---------------------------------------------------------------------

TEST(PageChecks, FormatStyColumnsCodes) {
  auto two = Suite("suite_columns_two.docx");
  auto three = Suite("suite_columns_three.docx");
  const char kText[] = "分栏的文字";
  struct Case {
    const char* name;
    word::Application& app;
    const char* text;
    int16_t columns, line, even;
    const char *spacing, *width;
    int16_t code;
  } cases[] = {
      {"two evenly spaced, all right", *two, kText, 2, 1, 1, "1 厘米", "", 30},
      {"the width counts only when not evenly spaced", *two, kText, 2, 1, 1, "1 厘米", "8.5 厘米",
       30},
      {"wrong count and spacing", *two, kText, 3, 1, 1, "2 厘米", "", 12},
      {"no line expected", *two, kText, 2, 0, 1, "1 厘米", "", 22},
      {"three unequal, first width", *three, kText, 3, 1, 0, "", "8.25 厘米", 29},
      {"three unequal, wrong width", *three, kText, 3, 1, 0, "", "4 厘米", 28},
      {"not found", *two, "不在文档里", 2, 1, 1, "1 厘米", "", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatStyColumns(c.app, c.text, c.columns, c.line, c.even, c.spacing, c.width),
              c.code)
        << c.name;
  }
  // A text that is not found passes no mask (every bit set would pass them all).
  for (int16_t mask : {1, 2, 16, 31, -1}) {
    EXPECT_FALSE(MaskHolds(FormatStyColumns(*two, "不在文档里", 2, 1, 1, "1 厘米", ""), mask))
        << mask;
  }
}

TEST(PageChecks, WordDropCapCodes) {
  // The dropped "春" is a paragraph of its own before "天来了" (the writer the suite documents
  // come from loses drop caps, so this one is built).
  word::testing::DocxContent content;
  content.body =
      TextPara("春",
               "<w:framePr w:dropCap=\"drop\" w:lines=\"3\" w:hSpace=\"142\" w:wrap=\"around\" "
               "w:vAnchor=\"text\" w:hAnchor=\"text\"/>",
               "<w:rFonts w:ascii=\"隶书\" w:eastAsia=\"隶书\"/><w:sz w:val=\"84\"/>") +
      TextPara("天来了，万物复苏。") +
      TextPara("没有首字下沉的段落", "", "<w:rFonts w:ascii=\"宋体\" w:eastAsia=\"宋体\"/>") +
      word::testing::SectPr();
  auto o = word::testing::OpenDocx(content);
  struct Case {
    const char* name;
    const char* text;
    int16_t position, lines;
    const char *font, *distance;
    int16_t code;
  } cases[] = {
      {"all right", "天来了", 1, 3, "隶书", "0.25 厘米", 30},
      {"in the margin expected", "天来了", 2, 3, "隶书", "0.25 厘米", 14},
      {"two lines expected", "天来了", 1, 2, "隶书", "0.25 厘米", 22},
      {"another font", "天来了", 1, 3, "黑体", "0.25 厘米", 26},
      {"another distance", "天来了", 1, 3, "隶书", "0 厘米", 28},
      {"without a drop cap", "没有首字下沉", 0, 3, "宋体", "0 厘米", 30},
      {"not found", "不在文档里", 0, 0, "", "", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WordDropCap(o->app, c.text, c.position, c.lines, c.font, c.distance), c.code)
        << c.name;
  }
}

}  // namespace
}  // namespace docmark
