// The selection's movements: to a table and from cell to cell, to a page, by characters, and
// over a story.
#include "platform/office/word/selection.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/application.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/testing/open_docx.h"

namespace word {
namespace {

using testing::TextPara;

// "intro" 0-4 mark 5; table 1 from 6: "ab" 6-7 mark 8, "c" 9 mark 10, row 11; "d" 12 mark 13,
// "" mark 14, row 15; "mid" 16-18 mark 19; table 2 from 20: "x" 20 mark 21, row 22; "end".
std::string TwoTables() {
  return TextPara("intro") + testing::Table({{"ab", "c"}, {"d", ""}}) + TextPara("mid") +
         testing::Table({{"x"}}) + TextPara("end");
}

TEST(Selection, GoesToATableAndWalksItsCells) {
  auto o = testing::OpenBody(TwoTables());
  Selection& s = o->document->Selection();
  base::Result<Range> at = s.GoTo(wdGoToTable, wdGoToFirst, 1);
  ASSERT_TRUE(at) << at.error().message;
  EXPECT_EQ(s.Start(), 6);
  EXPECT_EQ(s.End(), 6);
  struct Step {
    int32_t count;
    int32_t moved, start, end;
  } steps[] = {
      {1, 1, 9, 10},   // "c"
      {1, 1, 12, 13},  // the next row's first cell: "d"
      {1, 1, 14, 14},  // an empty cell: an insertion point
      {1, 0, 14, 14},  // the table's last cell: no further
      {-2, 2, 9, 10},  // back
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.count);
    base::Result<int32_t> moved = s.MoveRight(wdCell, step.count);
    ASSERT_TRUE(moved) << moved.error().message;
    EXPECT_EQ(*moved, step.moved);
    EXPECT_EQ(s.Start(), step.start);
    EXPECT_EQ(s.End(), step.end);
  }
  // Extending by characters from a cell's start, as the cell checks do.
  ASSERT_TRUE(s.GoTo(wdGoToTable, wdGoToFirst, 1));
  EXPECT_EQ(*s.MoveRight(wdCharacter, 2, wdExtend), 2);
  EXPECT_EQ(*s.Text(), "ab");
  // The second table, the next from the first, and none after it.
  EXPECT_EQ(s.GoTo(wdGoToTable, wdGoToFirst, 2)->Start(), 20);
  EXPECT_EQ(s.GoTo(wdGoToTable, wdGoToLast)->Start(), 20);
  s.SetRange(0, 0);
  EXPECT_EQ(s.GoTo(wdGoToTable, wdGoToNext)->Start(), 6);
  EXPECT_EQ(s.GoTo(wdGoToTable, wdGoToNext)->Start(), 20);
  base::Result<Range> none = s.GoTo(wdGoToTable, wdGoToNext);
  ASSERT_FALSE(none);
  EXPECT_EQ(none.error().code, kErrNoSuchMember);
  EXPECT_EQ(s.Start(), 20);  // left where it was
  // Outside a table there is no cell to move to.
  s.SetRange(0, 0);
  EXPECT_EQ(s.MoveRight(wdCell, 1).error().code, kErrNotAvailable);
}

TEST(Selection, MovingCellsPassesTheContinuationOfAVerticalMerge) {
  auto o = testing::OpenBody(
      "<w:tbl><w:tr><w:tc><w:tcPr><w:vMerge w:val=\"restart\"/></w:tcPr>" + TextPara("a") +
      "</w:tc><w:tc>" + TextPara("b") + "</w:tc></w:tr><w:tr><w:tc><w:tcPr><w:vMerge/></w:tcPr>" +
      TextPara("") + "</w:tc><w:tc>" + TextPara("c") + "</w:tc></w:tr></w:tbl>" + TextPara(""));
  Selection& s = o->document->Selection();
  ASSERT_TRUE(s.GoTo(wdGoToTable, wdGoToFirst));
  EXPECT_EQ(*s.MoveRight(wdCell, 2), 2);
  EXPECT_EQ(*s.Text(), "c");
}

TEST(Selection, GoesToAPageByItsKnownStart) {
  auto o = testing::OpenBody(
      TextPara("one") +
      "<w:p><w:r><w:t>two</w:t><w:br w:type=\"page\"/><w:t>three</w:t></w:r></w:p>");
  Selection& s = o->document->Selection();
  s.SetRange(5, 5);
  EXPECT_EQ(s.GoTo(wdGoToPage, wdGoToNext, 1, "1")->Start(), 0);
  EXPECT_EQ(s.GoTo(wdGoToPage, wdGoToFirst, 2)->Start(), 8);
  EXPECT_EQ(s.GoTo(wdGoToPage, wdGoToNext, 1, "9")->Start(), 8);  // past the last: the last
  EXPECT_EQ(s.GoTo(wdGoToPage, wdGoToPrevious)->Start(), 0);
  EXPECT_FALSE(s.GoTo(wdGoToPage, wdGoToNext, 1, "x"));
  EXPECT_EQ(s.GoTo(wdGoToLine).error().code, kErrNotAvailable);
}

TEST(Selection, MovesByCharactersAndOverTheStory) {
  auto o = testing::OpenBody(TextPara("abcdef"));  // mark at 6, story length 7
  Selection& s = o->document->Selection();
  struct Step {
    const char* name;
    int32_t from, to;  // the selection before
    int32_t count, extend;
    int32_t moved, start, end;
  } steps[] = {
      {"an insertion point moves", 1, 1, 2, wdMove, 2, 3, 3},
      {"a selection collapses to its end first", 1, 3, 1, wdMove, 1, 3, 3},
      {"and moves on", 1, 3, 2, wdMove, 2, 4, 4},
      {"extending moves the end", 1, 1, 3, wdExtend, 3, 1, 4},
      {"left from a selection collapses to its start", 2, 4, -1, wdMove, 1, 2, 2},
      {"never past the last paragraph mark", 5, 5, 10, wdMove, 1, 6, 6},
      {"extending may take the last mark", 5, 5, 10, wdExtend, 2, 5, 7},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    s.SetRange(step.from, step.to);
    base::Result<int32_t> moved = s.MoveRight(wdCharacter, step.count, step.extend);
    ASSERT_TRUE(moved);
    EXPECT_EQ(*moved, step.moved);
    EXPECT_EQ(s.Start(), step.start);
    EXPECT_EQ(s.End(), step.end);
  }
  s.WholeStory();
  EXPECT_EQ(s.Start(), 0);
  EXPECT_EQ(s.End(), 7);
  s.Collapse(wdCollapseEnd);
  EXPECT_EQ(s.Start(), 7);
  s.WholeStory();
  s.Collapse();
  EXPECT_EQ(s.End(), 0);
  EXPECT_EQ(*s.EndKey(wdStory), 6);
  EXPECT_EQ(s.Start(), 6);
  EXPECT_EQ(*s.HomeKey(wdStory), 6);
  EXPECT_EQ(s.Start(), 0);
  EXPECT_FALSE(s.MoveRight(wdWord, 1));
}

}  // namespace
}  // namespace word
