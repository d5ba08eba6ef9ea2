// Find: direction, wrapping, case, whole words, widths, special characters, ranges, positions
// past 16 bits, malformed text, searching after an edit, and what counting in a long story costs.
#include "platform/office/word/find.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/application.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/testing/open_docx.h"

namespace word {
namespace {

using testing::TextPara;

// Executes `find`, which moves `range`: found at [start, end), or not found when `start` is -1.
void ExpectFound(Find& find, const Range& range, int32_t start, int32_t end) {
  base::Result<bool> executed = find.Execute();
  ASSERT_TRUE(executed) << executed.error().message;
  EXPECT_EQ(*executed, start >= 0);
  if (start >= 0) {
    EXPECT_EQ(range.Start(), start);
    EXPECT_EQ(range.End(), end);
  }
}

TEST(Find, SelectionSearchesAfterItselfAndWrapsAsTold) {
  // Positions: "abc " 0-3, "ABC " 4-7, "abc" 8-10, mark 11.
  auto o = testing::OpenBody(TextPara("abc ABC abc"));
  Selection& s = o->document->Selection();
  struct Step {
    const char* name;
    int32_t selectStart, selectEnd;
    const char* text;
    int32_t wrap;
    bool matchCase, forward;
    bool found;
    int32_t start, end;
  } steps[] = {
      {"from the start, case ignored", 0, 0, "abc", wdFindStop, false, true, true, 0, 3},
      {"after a found occurrence the next one", 0, 3, "abc", wdFindStop, false, true, true, 4, 7},
      {"matching case skips the capitals", 0, 3, "abc", wdFindStop, true, true, true, 8, 11},
      {"at the end with Stop: nothing, and the selection stays", 8, 11, "abc", wdFindStop, true,
       true, false, 8, 11},
      {"at the end with Continue: from the start again", 8, 11, "abc", wdFindContinue, true, true,
       true, 0, 3},
      {"backward from the selection's start", 8, 8, "abc", wdFindStop, false, false, true, 4, 7},
      {"backward wrapping from the start to the end", 0, 0, "ABC", wdFindContinue, true, false,
       true, 4, 7},
      {"a text that is not there", 0, 0, "xyz", wdFindContinue, false, true, false, 0, 0},
      {"an empty text finds nothing", 5, 5, "", wdFindContinue, false, true, false, 5, 5},
      {"a blank found in the middle", 0, 0, "c A", wdFindStop, false, true, true, 2, 5},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    s.SetRange(step.selectStart, step.selectEnd);
    Find& find = s.Find();
    find.ClearFormatting();
    find.text = step.text;
    find.wrap = step.wrap;
    find.matchCase = step.matchCase;
    find.forward = step.forward;
    base::Result<bool> executed = find.Execute();
    ASSERT_TRUE(executed) << executed.error().message;
    EXPECT_EQ(*executed, step.found);
    EXPECT_EQ(find.Found(), step.found);
    EXPECT_EQ(s.Start(), step.start);
    EXPECT_EQ(s.End(), step.end);
  }
}

TEST(Find, CountingByRepeatedSearchesStopsAtTheEnd) {
  auto o = testing::OpenBody(TextPara("春天 春天") + TextPara("春天来了"));
  Selection& s = o->document->Selection();
  s.SetRange(0, 0);
  s.Find().text = "春天";
  s.Find().wrap = wdFindStop;
  int count = 0;
  while (*s.Find().Execute()) ++count;
  EXPECT_EQ(count, 3);
}

TEST(Find, WholeWordsWidthsAndSpecialCharacters) {
  // 0: "ab abc ab" mark 9; 10: "ＡＢ" mark 12; 13: "x" mark 14
  auto o = testing::OpenBody(TextPara("ab abc ab") + TextPara("ＡＢ") + TextPara("x\ty") +
                             testing::Table({{"c1", "c2"}}) + TextPara("z"));
  Document& d = *o->document;
  struct Case {
    const char* name;
    const char* text;
    bool wholeWord;
    bool matchByte;
    int32_t start, end;  // -1: not found
  } cases[] = {
      {"a word inside another", "ab", false, true, 0, 2},
      {"whole words only", "abc", true, true, 3, 6},
      {"a whole word standing alone", "ab", true, true, 0, 2},
      {"no whole word inside a longer one", "bc", true, true, -1, -1},
      {"widths differ by default", "ab^p", false, true, 7, 10},
      {"widths alike when told", "ＡＢ^p", false, false, 7, 10},
      {"a full-width text found by its narrow form", "ab^pａ", false, false, 7, 11},
      {"paragraph mark", "ab^pＡＢ", false, true, 7, 12},
      {"tab", "x^ty", false, true, 13, 16},
      {"any character, digit", "c^#^p", false, true, -1, -1},  // cell marks are no ^p
      {"any character then a cell's text", "^?2", false, true, 20, 22},
      {"letters", "^$^$^$", false, true, 3, 6},
      {"caret", "^^", false, true, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Range range = d.Content();
    Find find(range, false);
    find.text = c.text;
    find.matchWholeWord = c.wholeWord;
    find.matchByte = c.matchByte;
    ExpectFound(find, range, c.start, c.end);
  }
  Range range = d.Content();
  Find bad(range, false);
  bad.text = "a^q";
  EXPECT_FALSE(bad.Execute());
  bad.text = "a";
  bad.matchWildcards = true;
  EXPECT_FALSE(bad.Execute());
}

TEST(Find, ARangeSearchesWithinItselfFirst) {
  auto o = testing::OpenBody(TextPara("one two one two"));
  Document& d = *o->document;
  Range range(d, kMainStory, 4, 11);  // "two one"
  Find find(range, false);
  find.text = "two";
  ASSERT_TRUE(*find.Execute());
  EXPECT_EQ(range.Start(), 4);
  EXPECT_EQ(range.End(), 7);
  Range inner(d, kMainStory, 5, 11);  // "wo one": no "two" inside
  Find stop(inner, false);
  stop.text = "two";
  EXPECT_FALSE(*stop.Execute());
  EXPECT_EQ(inner.Start(), 5);
  stop.wrap = wdFindContinue;
  ASSERT_TRUE(*stop.Execute());
  EXPECT_EQ(inner.Start(), 12);
}

TEST(Find, FindsPastSixteenBitsAndThroughFields) {
  const std::string filler(40000, 'x');
  auto o =
      testing::OpenBody(TextPara(filler) +
                        "<w:p><w:fldSimple w:instr=\" PAGE \"><w:r><w:t>7</w:t></w:r></w:fldSimple>"
                        "<w:r><w:t>目标</w:t></w:r></w:p>");
  Selection& s = o->document->Selection();
  s.Find().text = "7目标";
  ASSERT_TRUE(*s.Find().Execute());
  // The paragraph starts at 40001; the field's begin, code and separator come before its "7".
  EXPECT_EQ(s.Start(), 40001 + 1 + 6 + 1);
  EXPECT_EQ(s.End(), s.Start() + 1 + 1 + 2);  // "7", the field's end, "目标"
  EXPECT_EQ(*s.Text(), "7目标");
}

TEST(Find, MalformedTextIsSearchedAsDecodedFromWhereTheSearchStarts) {
  // A lone lead byte ends the first run and the next run starts with two stray continuation
  // bytes: across the runs they read as one character, from the second run on as three.
  // Positions: "\xE4" 0, "\xB8" 1, "\xAD" 2, "x" 3, mark 4.
  auto o =
      testing::OpenBody(testing::Para(testing::TextRun("\xE4") + testing::TextRun("\xB8\xADx")));
  Document& d = *o->document;
  struct Case {
    const char* name;
    int32_t from, to;
    const char* text;
    int32_t start, end;  // -1: not found
  } cases[] = {
      {"from the start the bytes make one character", 0, 4, "中x", 0, 4},
      {"from the start no two characters before x", 0, 4, "^?^?x", -1, -1},
      {"from inside it each stray byte is a character", 1, 4, "^?^?x", 1, 4},
      {"from inside it the text after is found", 2, 5, "x^p", 3, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Range range(d, kMainStory, c.from, c.to);
    Find find(range, false);
    find.text = c.text;
    ExpectFound(find, range, c.start, c.end);
  }
}

TEST(Find, AfterAPasteTheNewTextIsSearched) {
  auto o = testing::OpenBody(TextPara("abc xyz"));
  Document& d = *o->document;
  Selection& s = d.Selection();
  Find& find = s.Find();
  find.text = "xyz";
  ASSERT_TRUE(*find.Execute());
  ASSERT_EQ(s.Start(), 4);
  ASSERT_TRUE(s.Copy());
  s.SetRange(0, 0);
  ASSERT_TRUE(s.Paste());
  ASSERT_EQ(*d.Content().Text(), "xyzabc xyz\r");
  // The pasted text is found, and what was there before at its new position.
  s.SetRange(0, 0);
  find.text = "xyzabc";
  ASSERT_TRUE(*find.Execute());
  EXPECT_EQ(s.Start(), 0);
  EXPECT_EQ(s.End(), 6);
  find.text = "xyz";
  ASSERT_TRUE(*find.Execute());
  EXPECT_EQ(s.Start(), 7);
  EXPECT_EQ(s.End(), 10);
  EXPECT_EQ(*s.Text(), "xyz");
}

TEST(Find, RepeatedSearchesStepThroughEveryOccurrenceOfALongStory) {
  // Each search reads on from the last hit in the story's decoded text; what that costs is
  // word_benchmark's (BM_CountOccurrencesInLongDocument), here only that none is skipped.
  constexpr int kParagraphs = 400;
  std::string body;
  for (int i = 0; i < kParagraphs; ++i)
    body += TextPara("计算机基础知识考试的长文档，第" + std::to_string(10000 + i) + "段。");
  auto o = testing::OpenBody(body);
  Selection& s = o->document->Selection();
  s.SetRange(0, 0);
  s.Find().text = "计算机";
  int count = 0;
  int32_t last = -1;
  while (*s.Find().Execute()) {
    EXPECT_GT(s.Start(), last);
    last = s.Start();
    ++count;
  }
  EXPECT_EQ(count, kParagraphs);
  // Paragraphs of 22 characters and a mark: the last occurrence opens the last one.
  EXPECT_EQ(last, (kParagraphs - 1) * 23);
}

}  // namespace
}  // namespace word
