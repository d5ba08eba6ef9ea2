// The keyword table: its rows, the conversion of argument cells by their letters, and the hooks.
#include "grading/sheetmark/keywords.h"

#include <gtest/gtest.h>

#include <set>

#include "grading/sheetmark/testing/sheet_fixture.h"
#include "platform/vb/strings.h"

namespace sheetmark {
namespace {

using excel::testing::Sheet;
using excel::testing::XlsxContent;

TEST(Keywords, OneRowPerKeywordInUpperCase) {
  std::set<std::string_view> seen;
  for (const KeywordRow& row : Keywords()) {
    EXPECT_TRUE(seen.insert(row.keyword).second) << row.keyword;
    EXPECT_EQ(vb::UCase(row.keyword), row.keyword);
    EXPECT_EQ(row.letters.find_first_not_of("SIDBLN"), std::string_view::npos) << row.keyword;
    EXPECT_EQ(FindKeyword(row.keyword), &row);
  }
  EXPECT_EQ(seen.size(), 50u);  // the contract with the answer workbooks' authors
  std::string token = "exceldata";
  EXPECT_TRUE(IsCheckKeyword(token));
  EXPECT_EQ(token, "EXCELDATA");  // upper-cased in place
  token = "excel data";
  EXPECT_FALSE(IsCheckKeyword(token));
  EXPECT_EQ(FindKeyword(""), nullptr);
}

TEST(Keywords, ArgumentCellsConvertByTheirLetters) {
  engine::EngineState state(engine::ControlKind::Spreadsheet);
  struct Case {
    const char* name;
    std::vector<std::string> cells;  // S I D B L
    const char* text;
    int16_t i;
    double d;
    bool b;
    int32_t l;
  } cases[] = {
      {"plain values", {"x", "7", "2.5", "True", "70000"}, "x", 7, 2.5, true, 70000},
      {"halves to even", {"", "2.5", "1,234.5", "false", "3.5"}, "", 2, 1234.5, false, 4},
      {"a number as truth", {" y ", "-3.5", "1E3", "-2", "-1"}, " y ", -4, 1000, true, -1},
      {"nothing converts", {"", "abc", "", "maybe", "x"}, "", 0, 0, false, 0},
      {"out of range is 0", {"", "40000", "1", "0", "9999999999"}, "", 0, 1, false, 0},
  };
  for (const Case& c : cases) {
    for (int column = 1; column <= 6; ++column)
      state.AnswerGrid.SetCell(2, column, column <= 5 ? c.cells[column - 1] : "after");
    state.GridRow = 2;
    state.GridColumn = 0;
    const Arguments args = Arguments::Read(state, "SIDBL");
    EXPECT_EQ(args.S(0), c.text) << c.name;
    EXPECT_EQ(args.I(1), c.i) << c.name;
    EXPECT_EQ(args.D(2), c.d) << c.name;
    EXPECT_EQ(args.B(3), c.b) << c.name;
    EXPECT_EQ(args.L(4), c.l) << c.name;
    EXPECT_EQ(state.GridColumn, 5) << c.name;  // every cell consumed, converted or not
  }
}

XlsxContent EmptyBook() {
  XlsxContent content;
  content.sheets = {Sheet("Sheet1", "")};
  return content;
}

TEST(Keywords, ALegendListReadsTwentyNumbersAtMost) {
  testing::OpenedWorkbook book(EmptyBook());
  ASSERT_EQ(book.Error(), "");
  std::vector<std::string> cells = {"EXCELPICLEGENDNAME", "22"};
  for (int i = 1; i <= 22; ++i) cells.push_back(std::to_string(i));
  EXPECT_EQ(book.Rule(cells), 0);        // no chart: series 1 has no name of the list
  EXPECT_EQ(book.LastColumnRead(), 22);  // keyword, count, 20 numbers: the 21st is left
  EXPECT_EQ(book.Rule({"EXCELPICLEGENDNAME", "-3", "1"}), 1);  // no series asked about
  EXPECT_EQ(book.LastColumnRead(), 2);
}

// Without a chart a read leaves its value unset (0, empty) and the comparison goes on with it.
TEST(Keywords, ChartRulesWithoutAChartConsumeTheirCells) {
  testing::OpenedWorkbook book(EmptyBook());
  struct Case {
    std::vector<std::string> cells;
    int16_t lastColumn;
    int16_t holds;
  } cases[] = {
      {{"EXCELPICCHARTTYPE", "0"}, 2, 1},
      {{"EXCELPICCHARTTYPE", "51"}, 2, 0},
      {{"GETEXCELPICCHARTTITLE", ""}, 2, 1},
      {{"GETEXCELPICCHARTTITLE", "图表标题"}, 2, 0},
      {{"EXCELPICHASLEGEND"}, 1, 0},
      {{"EXCELGETPICXYZCOLOR", "1", ">", "3"}, 4, 0},
      {{"EXCELPICCHARTAREAFILLSTYLEJB", "1", "2", "3", "4", "5", "6", "7", "8"}, 9, 0},
      {{"EXCELDATASOURCECORRECT", "Sheet1", "=Sheet1!$A$1:$B$3"}, 3, 1},  // empty cells
  };
  for (const Case& c : cases) {
    EXPECT_EQ(book.Rule(c.cells), c.holds) << c.cells[0] << " " << c.cells.back();
    EXPECT_EQ(book.LastColumnRead(), c.lastColumn) << c.cells[0];
  }
}

TEST(Keywords, RunCheckAnswersOneZeroOrNoKeyword) {
  XlsxContent content;
  content.sheets = {Sheet("Sheet1", "<row r='1'><c r='A1'><v>5</v></c></row>")};
  testing::OpenedWorkbook book(content);
  EXPECT_EQ(book.Rule({"exceldata", "Sheet1", "A1", "5"}), 1);
  EXPECT_EQ(book.Rule({"EXCELDATA", "Sheet1", "A1", "6"}), 0);
  EXPECT_EQ(book.Rule({"EXCELDATAX", "Sheet1", "A1", "5"}), -1);
}

}  // namespace
}  // namespace sheetmark
