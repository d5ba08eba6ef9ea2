// The selection helpers on the suite-saved 3 x 4 table, and the point conversions.
#include "grading/docmark/checks/navigation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grading/docmark/checks/testing/part_a_document.h"
#include "platform/office/word/constants.h"

namespace docmark {
namespace {

using testing::OpenSuiteDocument;
using testing::PartADocument;

std::unique_ptr<PartADocument> Suite(const char* name) {
  auto opened = OpenSuiteDocument(name);
  EXPECT_EQ(opened->error, "") << name;
  return opened;
}

std::string SelectedText(word::Application& app) {
  base::Result<word::Selection*> selection = app.Selection();
  if (!selection) return "<no selection>";
  return (*selection)->Text().value_or(std::string("<unreadable>"));
}

TEST(Navigation, CentimetresBecomeWholePoints) {
  const struct {
    const char* name;
    double cm;
    int16_t points;
  } cases[] = {
      {"two centimetres", 2, 57},
      {"half a centimetre rounds 14.175 down", 0.5, 14},
      {"zero", 0, 0},
      {"negative", -2, -57},
      {"largest that fits", 1155.8, 32767},
      {"just too large for 16 bits", 1155.9, 0},
      {"far too large", 2000, 0},
      {"too small for 16 bits", -2000, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(CmToPoints(c.cm), c.points) << c.name;
}

TEST(Navigation, OnePointApartIsWithinOnePoint) {
  const struct {
    const char* name;
    int16_t a;
    int16_t b;
    bool within;
  } cases[] = {
      {"one above", 57, 58, true},
      {"one below", 57, 56, true},
      {"equal", 57, 57, true},
      {"two apart", 57, 59, false},
      {"at the bottom", -32768, -32767, true},
      {"difference beyond 16 bits", 32767, -32768, false},
  };
  for (const auto& c : cases) EXPECT_EQ(WithinOnePoint(c.a, c.b), c.within) << c.name;
}

// Each walk starts from a freshly opened 3 x 4 table (cells "R1C1" .. "R3C4") after a paragraph.
TEST(Navigation, WalksThroughTheFirstTable) {
  using Walk = std::function<bool(word::Application&)>;
  const struct {
    const char* name;
    Walk walk;
    bool reached;
    std::string selected;
  } cases[] = {
      {"first table", [](word::Application& a) { return GoToFirstItem(a, word::wdGoToTable); },
       true, ""},
      {"no cell moved stays in the first",
       [](word::Application& a) { return GoToTableCell(a, 0, 0); }, true, ""},
      {"first cell extended", [](word::Application& a) { return GoToTableCell(a, 0, 2); }, true,
       "R1"},
      {"one cell right", [](word::Application& a) { return GoToTableCell(a, 1, 0); }, true, "R1C2"},
      {"to the next row", [](word::Application& a) { return GoToTableCell(a, 4, 0); }, true,
       "R2C1"},
      {"to the last cell", [](word::Application& a) { return GoToTableCell(a, 11, 0); }, true,
       "R3C4"},
      {"past the last cell", [](word::Application& a) { return GoToTableCell(a, 12, 0); }, false,
       "R3C4"},
      {"moving outside any table", [](word::Application& a) { return MoveRightCells(a, 1); }, false,
       ""},
      {"moving no cell outside a table", [](word::Application& a) { return MoveRightCells(a, 0); },
       true, ""},
      {"extending at the start", [](word::Application& a) { return ExtendRight(a, 3); }, true,
       "三行四"},
  };
  for (const auto& c : cases) {
    auto doc = Suite("suite_table.docx");
    EXPECT_EQ(c.walk(doc->app), c.reached) << c.name;
    EXPECT_EQ(SelectedText(doc->app), c.selected) << c.name;
  }
}

TEST(Navigation, NoTableLeavesTheSelectionWhereItWas) {
  auto doc = Suite("suite_characters.docx");
  ASSERT_TRUE(FindTextForward(doc->app, "蓝色文字"));
  EXPECT_FALSE(GoToFirstItem(doc->app, word::wdGoToTable));
  EXPECT_FALSE(GoToTableCell(doc->app, 0, 0));
  EXPECT_FALSE(SelectionInTable(doc->app));
  EXPECT_EQ(SelectedText(doc->app), "蓝色文字");
}

TEST(Navigation, GoingToAnItemResetsTheSearch) {
  auto doc = Suite("suite_table.docx");
  word::Find& find = (*doc->app.Selection())->Find();
  find.text = "R2";
  find.matchCase = true;
  find.matchWholeWord = true;
  find.wrap = word::wdFindStop;
  find.matchByte = false;
  ASSERT_TRUE(GoToFirstItem(doc->app, word::wdGoToTable));
  EXPECT_EQ(find.text, "");
  EXPECT_FALSE(find.matchCase);
  EXPECT_FALSE(find.matchWholeWord);
  EXPECT_EQ(find.wrap, word::wdFindContinue);
  EXPECT_TRUE(find.matchByte);
}

TEST(Navigation, FindingTextSelectsTheNextOccurrence) {
  auto doc = Suite("suite_table.docx");
  word::Application& app = doc->app;
  EXPECT_TRUE(FindTextForward(app, "r2c3")) << "case is ignored";
  EXPECT_EQ(SelectedText(app), "R2C3");
  EXPECT_TRUE(SelectionInTable(app));
  EXPECT_TRUE(FindTextForward(app, "三行")) << "on from the start once the end is passed";
  EXPECT_EQ(SelectedText(app), "三行");
  EXPECT_FALSE(FindTextForward(app, "不在文档里"));
  EXPECT_EQ(SelectedText(app), "三行") << "a text not found leaves the selection";
}

TEST(Navigation, NoDocumentMovesNothing) {
  word::Application app;
  EXPECT_FALSE(GoToFirstItem(app, word::wdGoToTable));
  EXPECT_FALSE(MoveRightCells(app, 1));
  EXPECT_FALSE(ExtendRight(app, 1));
  EXPECT_FALSE(GoToTableCell(app, 0, 0));
  EXPECT_FALSE(FindTextForward(app, "R1C1"));
  EXPECT_FALSE(SelectionInTable(app));
  SelectionBorder border{7, 7, 7};
  ReadSelectionBorder(app, word::wdBorderTop, border);
  EXPECT_EQ(border.lineStyle, 7);
  EXPECT_EQ(border.lineWidth, 7);
  EXPECT_EQ(border.colorIndex, 7);
}

TEST(Navigation, ReadsTheSelectedCellsBorder) {
  const struct {
    const char* name;
    int16_t cells;
    int16_t which;
    SelectionBorder border;
  } cases[] = {
      {"R2C2 dashed 1 pt red",
       5,
       word::wdBorderTop,
       {word::wdLineStyleDashLargeGap, word::wdLineWidth100pt, word::wdRed}},
      {"R2C3 dotted 2.25 pt blue",
       6,
       word::wdBorderLeft,
       {word::wdLineStyleDot, word::wdLineWidth225pt, word::wdBlue}},
      {"R2C4 single 3 pt green",
       7,
       word::wdBorderBottom,
       {word::wdLineStyleSingle, word::wdLineWidth300pt, word::wdBrightGreen}},
  };
  for (const auto& c : cases) {
    auto doc = Suite("suite_table.docx");
    ASSERT_TRUE(GoToTableCell(doc->app, c.cells, 0)) << c.name;
    SelectionBorder border;
    ReadSelectionBorder(doc->app, c.which, border);
    EXPECT_EQ(border.lineStyle, c.border.lineStyle) << c.name;
    EXPECT_EQ(border.lineWidth, c.border.lineWidth) << c.name;
    EXPECT_EQ(border.colorIndex, c.border.colorIndex) << c.name;
  }
}

}  // namespace
}  // namespace docmark
