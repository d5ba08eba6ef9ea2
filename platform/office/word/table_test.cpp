// Tables: counts and widths with merged cells and the refusals, row heights and alignment,
// style names, borders, shading and the reads of a selection walked into a table.
#include "platform/office/word/table.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/errors.h"
#include "platform/office/word/paragraph_format.h"
#include "platform/office/word/testing/open_docx.h"

namespace word {
namespace {

using testing::DocxContent;
using testing::TextPara;

std::string Tc(const std::string& text, const std::string& tcPr = "") {
  return "<w:tc><w:tcPr>" + tcPr + "</w:tcPr>" + TextPara(text) + "</w:tc>";
}

std::string Grid(int columns, int twips = 2000) {
  std::string grid = "<w:tblGrid>";
  for (int c = 0; c < columns; ++c) grid += "<w:gridCol w:w=\"" + std::to_string(twips) + "\"/>";
  return grid + "</w:tblGrid>";
}

std::string Tbl(const std::string& tblPr, int columns, const std::string& rows) {
  return "<w:tbl><w:tblPr>" + tblPr + "</w:tblPr>" + Grid(columns) + rows + "</w:tbl>" +
         TextPara("");
}

std::string Tr(const std::string& cells, const std::string& trPr = "") {
  return "<w:tr><w:trPr>" + trPr + "</w:trPr>" + cells + "</w:tr>";
}

TEST(Table, CountsAndWidthsAsTheWordProcessorCountsThemWithMergedCells) {
  const std::string four = Tc("a") + Tc("b") + Tc("c") + Tc("d");
  struct Case {
    const char* name;
    std::string table;
    int32_t rows, columns;
    int32_t cellsOfRow1;     // -1: Rows(1) refused
    int32_t cellsOfColumn1;  // -1: Columns(1) refused
    float width12;           // Cell(1, 2).Width
  } cases[] = {
      {"a plain 3 x 4 table", Tbl("", 4, Tr(four) + Tr(four) + Tr(four)), 3, 4, 4, 3, 100},
      {"two grid columns merged across in the first row",
       Tbl("", 4,
           Tr(Tc("ab", "<w:gridSpan w:val=\"2\"/>") + Tc("c") + Tc("d")) + Tr(four) + Tr(four)),
       3, 4, 3, -1, 100},
      {"every row merged alike: columns line up",
       Tbl("", 3,
           Tr(Tc("ab", "<w:gridSpan w:val=\"2\"/>") + Tc("c")) +
               Tr(Tc("ab", "<w:gridSpan w:val=\"2\"/>") + Tc("c"))),
       2, 2, 2, 2, 100},
      {"a cell merged down: rows refused, the column counts it once",
       Tbl("", 2,
           Tr(Tc("a", "<w:vMerge w:val=\"restart\"/>") + Tc("b")) +
               Tr(Tc("", "<w:vMerge/>") + Tc("c")) + Tr(Tc("x") + Tc("y"))),
       3, 2, -1, 2, 100},
      {"a width in twips",
       Tbl("", 2, Tr(Tc("a") + Tc("b", "<w:tcW w:w=\"1997\" w:type=\"dxa\"/>"))), 1, 2, 2, 1,
       99.85f},
      {"a width in fiftieths of a percent of the grid",
       Tbl("", 2, Tr(Tc("a") + Tc("b", "<w:tcW w:w=\"1250\" w:type=\"pct\"/>"))), 1, 2, 2, 1, 50},
      {"rows of different lengths", Tbl("", 4, Tr(four) + Tr(Tc("a") + Tc("b"))), 2, 4, 4, -1, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto o = testing::OpenBody(c.table);
    ASSERT_EQ(o->document->Tables().Count(), 1);
    const Table table = *o->document->Tables().Item(1);
    EXPECT_EQ(table.Rows().Count(), c.rows);
    EXPECT_EQ(table.Columns().Count(), c.columns);
    base::Result<Row> row = table.Rows().Item(1);
    if (c.cellsOfRow1 < 0) {
      ASSERT_FALSE(row);
      EXPECT_EQ(row.error().code, kErrVerticallyMerged);
    } else {
      ASSERT_TRUE(row) << row.error().message;
      EXPECT_EQ(row->Cells().Count(), c.cellsOfRow1);
    }
    base::Result<Column> column = table.Columns().Item(1);
    if (c.cellsOfColumn1 < 0) {
      ASSERT_FALSE(column);
      EXPECT_EQ(column.error().code, kErrMixedCellWidths);
    } else {
      ASSERT_TRUE(column) << column.error().message;
      EXPECT_EQ(column->Cells().Count(), c.cellsOfColumn1);
    }
    // Every column, the last included, is refused alike or reached alike.
    base::Result<Column> last = table.Columns().Item(c.columns);
    EXPECT_EQ(static_cast<bool>(last), c.cellsOfColumn1 >= 0);
    base::Result<Cell> cell = table.Cell(1, 2);
    if (c.width12 < 0) {
      ASSERT_FALSE(cell);
      EXPECT_EQ(cell.error().code, kErrNoSuchMember);
    } else {
      ASSERT_TRUE(cell) << cell.error().message;
      EXPECT_FLOAT_EQ(*cell->Width(), c.width12);
    }
    EXPECT_EQ(table.Cell(c.rows + 1, 1).error().code, kErrNoSuchMember);
    EXPECT_EQ(table.Cell(1, c.columns + 1).error().code, kErrNoSuchMember);
    EXPECT_EQ(table.Rows().Item(c.rows + 1).error().code, kErrNoSuchMember);
    EXPECT_EQ(table.Columns().Item(c.columns + 1).error().code, kErrNoSuchMember);
  }
}

TEST(Table, TheContinuationOfAMergedCellCannotBeReached) {
  auto o = testing::OpenBody(
      Tbl("", 2,
          Tr(Tc("a", "<w:vMerge w:val=\"restart\"/><w:tcW w:w=\"4000\"/>") + Tc("b")) +
              Tr(Tc("", "<w:vMerge/>") + Tc("c"))));
  const Table table = *o->document->Tables().Item(1);
  EXPECT_EQ(table.Cell(2, 1).error().code, kErrNoSuchMember);
  EXPECT_EQ(*table.Cell(2, 2)->Range().Text(), "c\r\a");
  EXPECT_EQ(*table.Cell(1, 1)->Width(), 200.0f);
}

TEST(Table, RowHeightsRulesAndAlignment) {
  const std::string longText(300, 'x');
  auto o = testing::OpenBody(Tbl("<w:jc w:val=\"center\"/>", 1,
                                 Tr(Tc("a"), "<w:trHeight w:val=\"600\" w:hRule=\"exact\"/>") +
                                     Tr(Tc("a"), "<w:trHeight w:val=\"500\"/>") + Tr(Tc("a")) +
                                     Tr(Tc(longText)) + Tr(Tc("a"), "<w:jc w:val=\"right\"/>")));
  const Table table = *o->document->Tables().Item(1);
  struct Case {
    int32_t row;
    int32_t rule;
  } cases[] = {
      {1, wdRowHeightExactly}, {2, wdRowHeightAtLeast}, {3, wdRowHeightAuto}, {4, wdRowHeightAuto}};
  for (const Case& c : cases) EXPECT_EQ(*table.Rows().Item(c.row)->HeightRule(), c.rule) << c.row;
  EXPECT_EQ(*table.Rows().Item(1)->Height(), 30.0f);
  EXPECT_EQ(*table.Rows().Item(2)->Height(), 25.0f);
  EXPECT_EQ(*table.Cell(1, 1)->Height(), 30.0f);
  // Automatic rows: about a line for "a"; 300 letters in a 100 pt cell take several lines.
  const float one = *table.Rows().Item(3)->Height();
  const float several = *table.Rows().Item(4)->Height();
  EXPECT_GT(one, 9.0f);
  EXPECT_LT(one, 16.0f);
  EXPECT_GT(several, 5 * one);
  // The table is centred; its last row says right: the rows differ.
  EXPECT_EQ(table.Rows().Item(1)->Alignment(), wdAlignRowCenter);
  EXPECT_EQ(*table.Rows().Alignment(), wdUndefined);
  EXPECT_EQ(*table.Rows().WrapAroundText(), kFalse);

  auto floating = testing::OpenBody(Tbl(
      "<w:tblpPr w:leftFromText=\"180\" w:tblpY=\"100\"/><w:jc w:val=\"right\"/>", 1, Tr(Tc("a"))));
  const Table other = *floating->document->Tables().Item(1);
  EXPECT_EQ(*other.Rows().WrapAroundText(), kTrue);
  EXPECT_EQ(*other.Rows().Alignment(), wdAlignRowRight);
}

TEST(Table, StyleIsTheNameTheWordProcessorShows) {
  const std::string styles =
      R"(<w:style w:type="table" w:default="1" w:styleId="a1"><w:name w:val="Normal Table"/></w:style>)"
      R"(<w:style w:type="table" w:styleId="a3"><w:name w:val="Table Grid"/><w:basedOn w:val="a1"/>)"
      R"(<w:tblPr><w:jc w:val="center"/></w:tblPr></w:style>)"
      R"(<w:style w:type="table" w:styleId="Mine"><w:name w:val="我的表格"/></w:style>)";
  struct Case {
    const char* tblPr;
    const char* style;
  } cases[] = {{"<w:tblStyle w:val=\"a3\"/>", "网格型"},
               {"<w:tblStyle w:val=\"Mine\"/>", "我的表格"},
               {"", "普通表格"},
               {"<w:tblStyle w:val=\"missing\"/>", "普通表格"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tblPr);
    DocxContent content;
    content.styles = styles;
    content.body = Tbl(c.tblPr, 1, Tr(Tc("a")));
    auto o = testing::OpenDocx(content);
    EXPECT_EQ(*o->document->Tables().Item(1)->Style(), c.style);
  }
  DocxContent noStyles;
  noStyles.body = Tbl("", 1, Tr(Tc("a")));
  EXPECT_EQ(*testing::OpenDocx(noStyles)->document->Tables().Item(1)->Style(), "普通表格");
  // The style's alignment reaches the rows.
  DocxContent grid;
  grid.styles = styles;
  grid.body = Tbl("<w:tblStyle w:val=\"a3\"/>", 1, Tr(Tc("a")));
  EXPECT_EQ(*testing::OpenDocx(grid)->document->Tables().Item(1)->Rows().Alignment(),
            wdAlignRowCenter);
}

TEST(Table, CellBordersComeFromTheCellElseTheTablesEdgeOrInsideLine) {
  auto o = testing::OpenBody(Tbl(
      "<w:tblBorders><w:top w:val=\"double\" w:sz=\"4\" w:color=\"auto\"/><w:left w:val=\"single\" "
      "w:sz=\"12\"/><w:bottom w:val=\"single\" w:sz=\"18\" w:color=\"FF0000\"/><w:insideH "
      "w:val=\"dotted\" w:sz=\"4\"/><w:insideV w:val=\"dashed\" w:sz=\"6\"/></w:tblBorders>",
      2,
      Tr(Tc("a",
            "<w:tcBorders><w:top w:val=\"thinThickSmallGap\" w:sz=\"24\" "
            "w:color=\"0000FF\"/></w:tcBorders>") +
         Tc("b")) +
          Tr(Tc("c") + Tc("d"))));
  const Table table = *o->document->Tables().Item(1);
  struct Case {
    int32_t row, column, index;
    int32_t style, width, colorIndex;
  } cases[] = {
      {1, 1, wdBorderTop, wdLineStyleThinThickSmallGap, wdLineWidth300pt, wdBlue},  // its own
      {1, 2, wdBorderTop, wdLineStyleDouble, wdLineWidth050pt, wdAuto},             // table's top
      {1, 1, wdBorderBottom, wdLineStyleDot, wdLineWidth050pt, wdAuto},             // inside line
      {2, 1, wdBorderBottom, wdLineStyleSingle, wdLineWidth225pt, wdRed},  // table's bottom
      {1, 1, wdBorderLeft, wdLineStyleSingle, wdLineWidth150pt, wdAuto},
      {1, 1, wdBorderRight, wdLineStyleDashLargeGap, wdLineWidth075pt, wdAuto},
      {1, 2, wdBorderRight, wdLineStyleNone, wdLineWidth050pt, wdAuto},  // no right edge
      {1, 1, wdBorderDiagonalDown, wdLineStyleNone, wdLineWidth050pt, wdAuto},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.column) + " " +
                 std::to_string(c.index));
    const Border border = *table.Cell(c.row, c.column)->Borders(c.index);
    EXPECT_EQ(*border.LineStyle(), c.style);
    EXPECT_EQ(*border.LineWidth(), c.width);
    EXPECT_EQ(*border.ColorIndex(), c.colorIndex);
  }
  EXPECT_EQ(table.Cell(1, 1)->Borders(3).error().code, kErrNoSuchMember);
}

TEST(Table, ASelectionWalkedIntoATableReadsItsCells) {
  auto o = testing::OpenBody(
      TextPara("before") +
      Tbl("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"C0C0C0\"/>", 2,
          Tr(Tc("甲", "<w:vAlign w:val=\"center\"/>") +
             Tc("乙",
                "<w:shd w:val=\"pct25\" w:color=\"FF0000\" w:fill=\"FFFF00\"/>"
                "<w:vAlign w:val=\"bottom\"/><w:textDirection w:val=\"btLr\"/>")) +
              Tr(Tc("丙") + Tc("丁"))));
  Selection& s = o->document->Selection();
  ASSERT_TRUE(s.GoTo(wdGoToTable, wdGoToFirst, 1));
  EXPECT_EQ(*s.Range().Cells()->VerticalAlignment(), wdCellAlignVerticalCenter);
  // The first cell has no shading of its own: the table's shows.
  EXPECT_EQ(*s.Range().Shading()->BackgroundPatternColorIndex(), wdGray25);
  ASSERT_EQ(*s.MoveRight(wdCell, 1), 1);
  const Shading shading = *s.Range().Shading();
  EXPECT_EQ(*shading.Texture(), wdTexture25Percent);
  EXPECT_EQ(*shading.ForegroundPatternColorIndex(), wdRed);
  EXPECT_EQ(*shading.BackgroundPatternColorIndex(), wdYellow);
  EXPECT_EQ(*s.Range().Cells()->VerticalAlignment(), wdCellAlignVerticalBottom);
  EXPECT_EQ(*s.Range().Orientation(), wdTextOrientationUpward);
  // Extended into the next row: two cells that differ.
  ASSERT_EQ(*s.MoveRight(wdCharacter, 3, wdExtend), 3);
  EXPECT_EQ(*s.Range().Cells()->VerticalAlignment(), wdUndefined);
  EXPECT_EQ(*s.Range().Shading()->Texture(), wdUndefined);
  // Outside the table.
  s.SetRange(0, 0);
  EXPECT_FALSE(s.Range().Cells());
  EXPECT_EQ(*s.Range().Orientation(), wdTextOrientationHorizontal);
}

TEST(Table, NestedTablesBelongToTheirCell) {
  auto o = testing::OpenBody("<w:tbl>" + Grid(1) + "<w:tr><w:tc>" + Tbl("", 1, Tr(Tc("inner"))) +
                             "</w:tc></w:tr></w:tbl>" + TextPara("after"));
  Document& d = *o->document;
  EXPECT_EQ(d.Tables().Count(), 1);
  const Range inside(d, kMainStory, 0, 0);
  const Table inner = *inside.Tables().Item(1);
  EXPECT_EQ(inner.NestingLevel(), 2);
  EXPECT_EQ(*inner.Range().Text(), "inner\r\a\r\a");
  EXPECT_EQ(d.Tables().Item(1)->NestingLevel(), 1);
  EXPECT_EQ(d.Content().Tables().Count(), 1);
}

}  // namespace
}  // namespace word
