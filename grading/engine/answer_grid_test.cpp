// Loading answer workbooks from real .xlsx files into the grid, and the cell cursor.
#include "grading/engine/answer_grid.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "grading/engine/engine_state.h"
#include "grading/engine/evaluator.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/vb/strings.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"

namespace engine {
namespace {

using excel::testing::TempFolder;
using excel::testing::XlsxContent;
using Rows = std::vector<std::vector<std::string>>;

std::string Slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Answer workbooks go to a temporary folder; drive C: (the scratch file) is mapped there too.
class AnswerWorkbookTest : public ::testing::Test {
 protected:
  AnswerWorkbookTest() : tmp_("answer_workbook"), driveC_("KIRV_DRIVE_C", tmp_.Path() / "c") {
    std::filesystem::create_directories(tmp_.Path() / "c");
  }

  // Writes sheets of cell texts as "name"; returns the Windows-form folder (with separator).
  std::string Write(const std::string& name, const std::vector<Rows>& sheets, int activeTab = -1) {
    XlsxContent content;
    for (size_t i = 0; i < sheets.size(); ++i) {
      content.sheets.push_back(excel::testing::TextSheet("Sheet" + std::to_string(i + 1), sheets[i],
                                                         content.sharedStrings));
    }
    content.activeTab = activeTab;
    const base::Status written = excel::testing::WriteXlsx(tmp_.Path() / name, content);
    EXPECT_TRUE(written) << written.error().message;
    return Folder();
  }
  std::string Folder() const { return win::ToWindowsPath(tmp_.Path()) + "\\"; }

  TempFolder tmp_;
  win::testing::ScopedEnv driveC_;
};

TEST_F(AnswerWorkbookTest, GridLoadRules) {
  Write("rules.xlsx",
        {{{"filename", "a.pptx", "", "10"},
          {"", "", "", "", "", "", "", "after the gap"},  // col 7 empty: the row ends there
          {"1", "2", "3", "4", "5", "6", "7", "8", "", "10"},
          {"x", "", "", "", "", "", "seventh"},  // empty cells up to column 6 do not end it
          {"end", "T", "3"},                     // lower case does not stop the read
          {"x", "END", "y"},                     // END in column 2 is an ordinary cell
          {"END ", "z"},                         // only the exact text stops
          {"END", "seen"},
          {"never read"}}});
  EngineState state;
  ASSERT_TRUE(LoadAnswerTable(state, Folder(), "rules.xlsx"));
  struct Case {
    int row, column;
    const char* text;
  } cases[] = {
      {1, 1, "filename"}, {1, 4, "10"},  {2, 8, ""},    {3, 8, "8"},   {3, 10, ""},
      {4, 7, "seventh"},  {5, 1, "end"}, {5, 3, "3"},   {6, 2, "END"}, {6, 3, "y"},
      {7, 1, "END "},     {7, 2, "z"},   {8, 1, "END"}, {8, 2, ""},    {9, 1, ""},
      {0, 1, ""},         {101, 1, ""},  {1, 51, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(state.AnswerGrid.Cell(c.row, c.column), c.text) << c.row << "," << c.column;
  }
}

TEST_F(AnswerWorkbookTest, HundredRowsWithoutEndAndTheActiveSheet) {
  Rows many;
  for (int r = 1; r <= 120; ++r) many.push_back({"r" + std::to_string(r), "1.5"});
  Write("many.xls", {{{"first sheet"}}, many}, 1);  // named .xls: the content decides
  EngineState state;
  ASSERT_TRUE(LoadAnswerTable(state, Folder(), "many.xls"));
  EXPECT_EQ(state.AnswerGrid.Cell(1, 1), "r1");
  EXPECT_EQ(state.AnswerGrid.Cell(100, 1), "r100");
  EXPECT_EQ(state.AnswerGrid.Cell(100, 2), "1.5");
}

TEST_F(AnswerWorkbookTest, NoStaleCellsAndFailuresAreReported) {
  Write("big.xlsx", {{{"filename", "a", "", "9"}, {"T", "1", "a", "b", "c", "d", "e", "f"}}});
  Write("small.xlsx", {{{"filename", "b"}}});
  std::ofstream(tmp_.Path() / "text.xls") << "not a workbook";
  EngineState state;
  ASSERT_TRUE(LoadAnswerTable(state, Folder(), "big.xlsx"));
  EXPECT_EQ(state.AnswerGrid.Cell(2, 8), "f");
  ASSERT_TRUE(LoadAnswerTable(state, Folder(), "small.xlsx"));
  EXPECT_EQ(state.AnswerGrid.Cell(1, 2), "b");
  EXPECT_EQ(state.AnswerGrid.Cell(1, 4), "");
  EXPECT_EQ(state.AnswerGrid.Cell(2, 8), "");

  for (const char* bad : {"missing.xlsx", "text.xls", ""}) {
    ASSERT_TRUE(LoadAnswerTable(state, Folder(), "big.xlsx"));
    EXPECT_FALSE(LoadAnswerTable(state, Folder(), bad)) << bad;
    for (int r = 1; r <= kGridRows; ++r) {
      for (int c = 1; c <= kGridColumns; ++c) ASSERT_EQ(state.AnswerGrid.Cell(r, c), "") << bad;
    }
  }
}

// A grid read again from the same bytes is the grid read the first time; a file rewritten in
// place (same name, same size, at once) is read afresh.
TEST_F(AnswerWorkbookTest, RepeatedLoadsFollowTheFile) {
  auto grid = [](const EngineState& state) {
    std::vector<std::string> cells;
    for (int r = 1; r <= kGridRows; ++r) {
      for (int c = 1; c <= kGridColumns; ++c) cells.push_back(state.AnswerGrid.Cell(r, c));
    }
    return cells;
  };
  Write("again.xlsx", {{{"filename", "a", "", "9"}, {"T", "1", "", "", "", "", "x", "y"}}});
  EngineState first;
  ASSERT_TRUE(LoadAnswerTable(first, Folder(), "again.xlsx"));
  EngineState second;
  second.AnswerGrid.SetCell(50, 50, "stale");
  ASSERT_TRUE(LoadAnswerTable(second, Folder(), "again.xlsx"));
  EXPECT_EQ(grid(second), grid(first));
  EXPECT_EQ(second.AnswerGrid.Cell(2, 8), "y");

  for (const char* text : {"b", "c"}) {
    Write("again.xlsx", {{{"filename", text, "", "9"}, {"T", "1", "", "", "", "", "x", "y"}}});
    ASSERT_TRUE(LoadAnswerTable(second, Folder(), "again.xlsx"));
    EXPECT_EQ(second.AnswerGrid.Cell(1, 2), text);
  }
  std::ofstream(tmp_.Path() / "again.xlsx") << "not a workbook any more";
  EXPECT_FALSE(LoadAnswerTable(second, Folder(), "again.xlsx"));
  EXPECT_EQ(second.AnswerGrid.Cell(1, 1), "");
}

TEST_F(AnswerWorkbookTest, AnswerFileIsNeverWrittenAndNoScratchFileIsLeft) {
  Write("keep.xlsx", {{{"filename", "a"}}});
  const std::string before = Slurp(tmp_.Path() / "keep.xlsx");
  for (ControlKind kind :
       {ControlKind::Presentation, ControlKind::WordProcessor, ControlKind::Spreadsheet}) {
    std::ofstream(win::ToHostPath("C:\\tmq.tmq")) << "an older scratch file";
    EngineState state(kind);
    ASSERT_TRUE(LoadAnswerTable(state, Folder(), "keep.xlsx"));
    EXPECT_EQ(Slurp(tmp_.Path() / "keep.xlsx"), before);
    EXPECT_FALSE(std::filesystem::exists(win::ToHostPath("C:\\tmq.tmq")));
  }
}

// A grid copied over another holds exactly the other's cells, whichever used more rows; a rule
// table is copied into the grid that held the previous part's rules.
TEST(Grid, ACopyHoldsExactlyTheOthersCells) {
  auto filled = [](int rows, const std::string& tag) {
    Grid grid;
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= kGridColumns; c += 7) grid.SetCell(r, c, tag + std::to_string(r));
    return grid;
  };
  auto expectSame = [](const Grid& got, const Grid& want, const char* name) {
    EXPECT_EQ(got.RowsUsed(), want.RowsUsed()) << name;
    for (int r = 1; r <= kGridRows; ++r)
      for (int c = 1; c <= kGridColumns; ++c)
        ASSERT_EQ(got.Cell(r, c), want.Cell(r, c)) << name << " at " << r << "," << c;
  };
  const struct {
    const char* name;
    int targetRows, sourceRows;
  } cases[] = {{"fewer rows over more", 90, 3},
               {"more rows over fewer", 3, kGridRows},
               {"over an empty grid", 0, 5},
               {"an empty grid over a full one", kGridRows, 0}};
  for (const auto& c : cases) {
    Grid target = filled(c.targetRows, "old");
    const Grid source = filled(c.sourceRows, "new");
    target = source;
    expectSame(target, source, c.name);
    const Grid constructed(source);
    expectSame(constructed, source, c.name);
  }
  Grid self = filled(4, "self");
  const Grid& alias = self;
  self = alias;
  expectSame(self, filled(4, "self"), "itself");
}

TEST_F(AnswerWorkbookTest, StudentFileName) {
  Write("name.xlsx", {{{"filename", "学生.pptx"}}});
  EngineState state;
  ASSERT_TRUE(ReadStudentFileName(state, Folder(), "name.xlsx"));
  EXPECT_EQ(state.StudentFileName, "学生.pptx");
  EXPECT_FALSE(ReadStudentFileName(state, Folder(), "missing.xlsx"));
  EXPECT_EQ(state.StudentFileName, "");
}

TEST_F(AnswerWorkbookTest, GradesAWorkbookEndToEnd) {
  Write("rules.xlsx", {{{"FileName", "a.pptx", "", "10"},
                        {"K", "2", "first"},
                        {"", "not", "K", "3", "second"},
                        {"K", "or", "K", "4.5", "third"},
                        {"END"}}});
  win::MessageCapture capture;
  EngineState state;
  state.IsCheckKeyword = [](std::string& token) {
    token = vb::UCase(token);
    return token == "K";
  };
  state.RunCheck = [](std::string&) -> int16_t { return 1; };
  ASSERT_TRUE(LoadAnswerTable(state, Folder(), "rules.xlsx"));
  state.GridRow = 1;
  state.GridColumn = 0;
  EXPECT_TRUE(vb::TextEquals(NextCell(state), "filename"));
  RunRuleRows(state);
  EXPECT_EQ(state.TypeScores[41].awarded, 6);
  EXPECT_EQ(state.GridRow, 5);
  EXPECT_TRUE(capture.Shown().empty());
}

TEST(NextCell, Bounds) {
  EngineState state;
  for (int c = 1; c <= kGridColumns; ++c) state.AnswerGrid.SetCell(3, c, std::to_string(c));
  state.GridRow = 3;
  state.GridColumn = 0;
  for (int c = 1; c <= kGridColumns; ++c) ASSERT_EQ(NextCell(state), std::to_string(c));
  EXPECT_EQ(NextCell(state), "");  // the 51st call
  EXPECT_EQ(state.GridColumn, 51);
  for (int16_t row : {0, -1, 101}) {
    state.GridRow = row;
    state.GridColumn = 0;
    EXPECT_EQ(NextCell(state), "") << row;
  }
  state.GridRow = 3;
  state.GridColumn = INT16_MAX;
  EXPECT_EQ(NextCell(state), "");
  EXPECT_EQ(state.GridColumn, INT16_MAX);
}

}  // namespace
}  // namespace engine
