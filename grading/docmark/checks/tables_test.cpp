// The table checks, one row per rule, on the suite-saved 3 x 4 and merged tables and on tables
// built for what that suite cannot save (shading patterns, table styles, floating tables, sizes
// to the tenth of a point).
#include "grading/docmark/checks/tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grading/docmark/checks/navigation.h"
#include "grading/docmark/checks/testing/part_a_document.h"
#include "grading/engine/engine_state.h"
#include "platform/office/word/constants.h"

namespace docmark {
namespace {

using testing::ExpectChecks;
using testing::OpenPartABody;
using testing::OpenPartAContent;
using testing::OpenSuiteDocument;
using testing::SuiteOpener;
using word::testing::DocxContent;
using word::testing::TextPara;

constexpr int16_t T = engine::kTrue;
constexpr int16_t F = engine::kFalse;

// Colour values as the object model gives them: red in the low byte.
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kYellow = 0x00FFFF;

using A = word::Application&;

// suite_table: "R1C1" .. "R3C4", 12 cm wide, centred; R2C2 dashed 1 pt red, R2C3 dotted 2.25 pt
// blue, R2C4 single 3 pt green; R1C1 yellow, R1C2 grey; row 1 exactly 1 cm, row 2 at least
// 0.8 cm, row 3 automatic; R3C3 centred both ways, R3C4 at the bottom; row 1 centred.
TEST(TableChecks, IndexedChecksOnTheSuiteTable) {
  ExpectChecks(
      SuiteOpener("suite_table.docx"),
      {
          {"TABCOLANDROWCOUNT 3, 4, 11", [](A a) { return CheckTableSize(a, 3, 4, 11); }, T},
          {"TABCOLANDROWCOUNT 3, 5, 10", [](A a) { return CheckTableSize(a, 3, 5, 10); }, T},
          {"TABCOLANDROWCOUNT 3, 5, 11", [](A a) { return CheckTableSize(a, 3, 5, 11); }, F},
          {"TABCOLANDROWCOUNT 4, 4, 1", [](A a) { return CheckTableSize(a, 4, 4, 1); }, T},
          {"CELLCOUNTOFROW 1, 4", [](A a) { return CheckRowCellCount(a, 1, 4); }, T},
          {"CELLCOUNTOFROW 3, 3", [](A a) { return CheckRowCellCount(a, 3, 3); }, F},
          {"CELLCOUNTOFROW 4 of 3 rows", [](A a) { return CheckRowCellCount(a, 4, 4); }, F},
          {"CELLCOUNTOFROW 4 of 3 rows, none expected",
           [](A a) { return CheckRowCellCount(a, 4, 0); }, F},
          {"CELLCOUNTOFCOL 2, 3", [](A a) { return CheckColumnCellCount(a, 2, 3); }, T},
          {"CELLCOUNTOFCOL 5 of 4 columns", [](A a) { return CheckColumnCellCount(a, 5, 0); }, F},
          {"TABCELLWIDTHANDHEIGHT 3 cm wide, 1 cm high",
           [](A a) { return CheckCellSize(a, 1, 1, 85, 28, 11); }, T},
          {"TABCELLWIDTHANDHEIGHT only the width",
           [](A a) { return CheckCellSize(a, 1, 2, 85, 29, 10); }, T},
          {"TABCELLWIDTHANDHEIGHT past the row's cells",
           [](A a) { return CheckCellSize(a, 1, 5, 0, 0, 11); }, F},
          {"TABCELLWIDTHANDHEIGHT past the rows",
           [](A a) { return CheckCellSize(a, 4, 1, 0, 0, 11); }, F},
          {"LLCOFCELL R2C2 dashed 1 pt red",
           [](A a) {
             return CheckCellBorder(a, 2, 2, word::wdBorderTop, word::wdLineStyleDashLargeGap,
                                    word::wdLineWidth100pt, kRed, 111);
           },
           T},
          {"LLCOFCELL R2C2 not in green",
           [](A a) {
             return CheckCellBorder(a, 2, 2, word::wdBorderTop, word::wdLineStyleDashLargeGap,
                                    word::wdLineWidth100pt, 0x00FF00, 111);
           },
           F},
          {"LLCOFCELL R2C2 style and width only",
           [](A a) {
             return CheckCellBorder(a, 2, 2, word::wdBorderTop, word::wdLineStyleDashLargeGap,
                                    word::wdLineWidth100pt, 0x00FF00, 110);
           },
           T},
          {"LLCOFCELL past the columns",
           [](A a) { return CheckCellBorder(a, 2, 5, word::wdBorderTop, 0, 0, 0, 0); }, F},
          {"TABBAKESHADING R1C1 yellow",
           [](A a) {
             return CheckCellShading(a, 1, 1, word::wdTextureNone, word::wdColorAutomatic, kYellow,
                                     111);
           },
           T},
          {"TABBAKESHADING R1C2 is not yellow",
           [](A a) {
             return CheckCellShading(a, 1, 2, word::wdTextureNone, word::wdColorAutomatic, kYellow,
                                     110);
           },
           T},
          {"RULEOFROW row 1 exactly 28.35 pt",
           [](A a) { return CheckRowHeight(a, 1, word::wdRowHeightExactly, 28); }, T},
          {"RULEOFROW row 1 is not at least",
           [](A a) { return CheckRowHeight(a, 1, word::wdRowHeightAtLeast, 28); }, F},
          {"RULEOFROW row 2 at least 22.7 pt",
           [](A a) { return CheckRowHeight(a, 2, word::wdRowHeightAtLeast, 23); }, T},
          {"RULEOFROW row 4 of 3", [](A a) { return CheckRowHeight(a, 4, 0, 0); }, F},
          {"POSSETOFTAB centred",
           [](A a) { return CheckTableAlignment(a, word::wdAlignRowCenter); }, T},
          {"POSSETOFTAB not left", [](A a) { return CheckTableAlignment(a, word::wdAlignRowLeft); },
           F},
          {"TABWRAP in the text flow", [](A a) { return CheckTableWrap(a, false); }, T},
          {"TABWRAP not wrapped", [](A a) { return CheckTableWrap(a, true); }, F},
          {"TABLESTYLECHOICE the default table style",
           [](A a) { return CheckTableStyle(a, "普通表格"); }, T},
          {"TABLESTYLECHOICE not the grid", [](A a) { return CheckTableStyle(a, "网格型"); }, F},
      });
}

// Walked from the first cell: cell n is n cells to the right, row by row (R3C3 is 10, R3C4 11).
TEST(TableChecks, WalkedChecksOnTheSuiteTable) {
  const int32_t dashed = word::wdLineStyleDashLargeGap;
  ExpectChecks(
      SuiteOpener("suite_table.docx"),
      {
          {"VERTICALALIGN R3C3 centred", [](A a) { return CellVerticalAlignment(a, 10); },
           word::wdCellAlignVerticalCenter},
          {"VERTICALALIGN R3C4 at the bottom", [](A a) { return CellVerticalAlignment(a, 11); },
           word::wdCellAlignVerticalBottom},
          {"VERTICALALIGN past the last cell", [](A a) { return CellVerticalAlignment(a, 12); }, 0},
          {"HORIZONTALALIGN R3C3 centred", [](A a) { return CellHorizontalAlignment(a, 10); },
           word::wdAlignParagraphCenter},
          {"HORIZONTALALIGN R1C1 centred heading",
           [](A a) { return CellHorizontalAlignment(a, 0); }, word::wdAlignParagraphCenter},
          {"HORIZONTALALIGN past the last cell", [](A a) { return CellHorizontalAlignment(a, 40); },
           0},
          {"CELLBACKCOLOR R1C1 yellow",
           [](A a) { return CheckCellBackgroundColorIndex(a, 0, 0, word::wdYellow); }, T},
          {"CELLBACKCOLOR R1C2 grey 25",
           [](A a) { return CheckCellBackgroundColorIndex(a, 1, 0, word::wdGray25); }, T},
          {"CELLBACKCOLOR R1C2 is not yellow",
           [](A a) { return CheckCellBackgroundColorIndex(a, 1, 0, word::wdYellow); }, F},
          {"CELLBACKCOLOR past the last cell",
           [](A a) { return CheckCellBackgroundColorIndex(a, 12, 0, word::wdAuto); }, F},
          {"CELLLINE R2C2 top",
           [=](A a) {
             return CellLineCode(a, true, 5, word::wdBorderTop, dashed, word::wdLineWidth100pt,
                                 word::wdRed);
           },
           111},
          {"CELLLINE R2C2 top, another colour",
           [=](A a) {
             return CellLineCode(a, true, 5, word::wdBorderTop, dashed, word::wdLineWidth100pt,
                                 word::wdBlue);
           },
           110},
          {"CELLLINE past the last cell",
           [=](A a) {
             return CellLineCode(a, true, 12, word::wdBorderTop, dashed, word::wdLineWidth100pt,
                                 word::wdRed);
           },
           0},
          {"CELLLINE from a selection outside the table",
           [=](A a) {
             return CellLineCode(a, false, 0, word::wdBorderTop, 0, word::wdLineWidth050pt, 0);
           },
           0},
      });
}

// CELLLINE with a false first cell walks on from where an earlier rule left the selection.
TEST(TableChecks, CellLineWalksOnFromTheSelection) {
  auto doc = OpenSuiteDocument("suite_table.docx");
  ASSERT_EQ(doc->error, "");
  const int32_t dashed = word::wdLineStyleDashLargeGap;
  ASSERT_TRUE(GoToTableCell(doc->app, 4, 0));  // R2C1
  EXPECT_EQ(CellLineCode(doc->app, false, 1, word::wdBorderTop, dashed, word::wdLineWidth100pt,
                         word::wdRed),
            111);
  EXPECT_EQ(CellLineCode(doc->app, false, 1, word::wdBorderTop, word::wdLineStyleDot,
                         word::wdLineWidth225pt, word::wdBlue),
            111)
      << "R2C3 next";
}

// A document without tables: every indexed check is false, walked ones reach nothing.
TEST(TableChecks, ADocumentWithoutTables) {
  ExpectChecks(
      SuiteOpener("suite_characters.docx"),
      {
          {"TABCOLANDROWCOUNT 0, 0, 11", [](A a) { return CheckTableSize(a, 0, 0, 11); }, F},
          {"TABCOLANDROWCOUNT code 0", [](A a) { return CheckTableSize(a, 3, 4, 0); }, F},
          {"CELLCOUNTOFROW", [](A a) { return CheckRowCellCount(a, 1, 0); }, F},
          {"CELLCOUNTOFCOL", [](A a) { return CheckColumnCellCount(a, 1, 0); }, F},
          {"TABCELLWIDTHANDHEIGHT", [](A a) { return CheckCellSize(a, 1, 1, 0, 0, 11); }, F},
          {"LLCOFCELL", [](A a) { return CheckCellBorder(a, 1, 1, word::wdBorderTop, 0, 0, 0, 0); },
           F},
          {"TABBAKESHADING", [](A a) { return CheckCellShading(a, 1, 1, 0, 0, 0, 0); }, F},
          {"RULEOFROW", [](A a) { return CheckRowHeight(a, 1, 0, 0); }, F},
          {"POSSETOFTAB", [](A a) { return CheckTableAlignment(a, 0); }, F},
          {"TABWRAP", [](A a) { return CheckTableWrap(a, false); }, F},
          {"TABLESTYLECHOICE", [](A a) { return CheckTableStyle(a, ""); }, F},
          {"VERTICALALIGN", [](A a) { return CellVerticalAlignment(a, 0); }, 0},
          {"HORIZONTALALIGN", [](A a) { return CellHorizontalAlignment(a, 0); }, 0},
          {"CELLSHADINGTEXTURE on the text's shading",
           [](A a) { return CheckCellTexture(a, 0, 0, word::wdTextureNone); }, F},
          {"CELLFORECOLOR", [](A a) { return CheckCellForegroundColorIndex(a, 0, 0, 0); }, F},
          {"CELLBACKCOLOR", [](A a) { return CheckCellBackgroundColorIndex(a, 0, 0, 0); }, F},
          {"CELLLINE", [](A a) { return CellLineCode(a, true, 0, word::wdBorderTop, 0, 4, 0); }, 0},
      });
}

// suite_table_merged: "A1" .. "D4" with B1:C1 merged across (row 1 has three cells) and A2:A3
// merged down. Its rows cannot be taken one by one, nor its columns.
TEST(TableChecks, MergedCells) {
  ExpectChecks(SuiteOpener("suite_table_merged.docx"),
               {
                   {"TABCOLANDROWCOUNT 4 rows, at most 4 cells",
                    [](A a) { return CheckTableSize(a, 4, 4, 11); }, T},
                   {"CELLCOUNTOFROW is refused with cells merged down",
                    [](A a) { return CheckRowCellCount(a, 1, 3); }, F},
                   {"CELLCOUNTOFCOL is refused with cells merged across",
                    [](A a) { return CheckColumnCellCount(a, 1, 3); }, F},
                   {"TABCELLWIDTHANDHEIGHT cannot count the row's cells",
                    [](A a) { return CheckCellSize(a, 1, 1, 0, 0, 0); }, F},
                   {"HORIZONTALALIGN walks past the merged continuation",
                    [](A a) { return CellHorizontalAlignment(a, 7); }, word::wdAlignParagraphLeft},
               });
}

// Cells merged across only: the rows can be taken one by one, the columns not.
std::string MergedAcross() {
  return "<w:tbl><w:tblGrid><w:gridCol w:w=\"2000\"/><w:gridCol w:w=\"2000\"/>"
         "<w:gridCol w:w=\"2000\"/></w:tblGrid>"
         "<w:tr><w:tc><w:tcPr><w:gridSpan w:val=\"2\"/></w:tcPr>" +
         TextPara("AB1") + "</w:tc><w:tc>" + TextPara("C1") + "</w:tc></w:tr><w:tr><w:tc>" +
         TextPara("A2") + "</w:tc><w:tc>" + TextPara("B2") + "</w:tc><w:tc>" + TextPara("C2") +
         "</w:tc></w:tr></w:tbl>" + TextPara("");
}

TEST(TableChecks, CellsMergedAcross) {
  ExpectChecks(
      [] { return OpenPartABody(MergedAcross()); },
      {
          {"CELLCOUNTOFROW 1 has two", [](A a) { return CheckRowCellCount(a, 1, 2); }, T},
          {"CELLCOUNTOFROW 2 has three", [](A a) { return CheckRowCellCount(a, 2, 3); }, T},
          {"TABCELLWIDTHANDHEIGHT the merged cell is 200 pt wide",
           [](A a) { return CheckCellSize(a, 1, 1, 200, 0, 10); }, T},
          {"TABCELLWIDTHANDHEIGHT row 1 has no third cell",
           [](A a) { return CheckCellSize(a, 1, 3, 0, 0, 0); }, F},
          {"CELLCOUNTOFCOL columns are refused", [](A a) { return CheckColumnCellCount(a, 1, 2); },
           F},
      });
}

// Two cells with shading patterns, the first 99.8 pt wide in an exact 20 pt row, the second with
// two paragraphs aligned differently; a table style of its own name with a blank inside.
DocxContent PatternedTable(const std::string& tblPr) {
  DocxContent content;
  content.styles =
      "<w:style w:type=\"table\" w:styleId=\"TableGrid\"><w:name w:val=\"Table Grid\"/></w:style>"
      "<w:style w:type=\"table\" w:styleId=\"Mine\"><w:name w:val=\"考试 表格\"/></w:style>";
  content.body =
      TextPara("表格前") + "<w:tbl><w:tblPr>" + tblPr +
      "</w:tblPr><w:tblGrid><w:gridCol w:w=\"1996\"/><w:gridCol w:w=\"2000\"/></w:tblGrid>"
      "<w:tr><w:trPr><w:trHeight w:val=\"400\" w:hRule=\"exact\"/></w:trPr>"
      "<w:tc><w:tcPr><w:tcW w:w=\"1996\" w:type=\"dxa\"/>"
      "<w:shd w:val=\"pct25\" w:color=\"FF0000\" w:fill=\"0000FF\"/></w:tcPr>" +
      TextPara("第一格") +
      "</w:tc><w:tc><w:tcPr><w:tcW w:w=\"2000\" w:type=\"dxa\"/>"
      "<w:shd w:val=\"pct50\" w:color=\"00FF00\" w:fill=\"FFFF00\"/></w:tcPr>" +
      TextPara("居中", "<w:jc w:val=\"center\"/>") + TextPara("靠右", "<w:jc w:val=\"right\"/>") +
      "</w:tc></w:tr></w:tbl>" + TextPara("表格后");
  return content;
}

TEST(TableChecks, PatternsSizesAndStylesOfBuiltTables) {
  ExpectChecks(
      [] { return OpenPartAContent(PatternedTable("<w:tblStyle w:val=\"TableGrid\"/>")); },
      {
          {"CELLSHADINGTEXTURE 0, 0 reads the first cell",
           [](A a) { return CheckCellTexture(a, 0, 0, word::wdTexture25Percent); }, T},
          {"CELLSHADINGTEXTURE 0, 0 is not the second cell's",
           [](A a) { return CheckCellTexture(a, 0, 0, word::wdTexture50Percent); }, F},
          {"CELLSHADINGTEXTURE 1, 0 the second cell",
           [](A a) { return CheckCellTexture(a, 1, 0, word::wdTexture50Percent); }, T},
          {"CELLSHADINGTEXTURE 0, 2 part of the first cell's text",
           [](A a) { return CheckCellTexture(a, 0, 2, word::wdTexture25Percent); }, T},
          {"CELLFORECOLOR red pattern",
           [](A a) { return CheckCellForegroundColorIndex(a, 0, 0, word::wdRed); }, T},
          {"CELLFORECOLOR green pattern",
           [](A a) { return CheckCellForegroundColorIndex(a, 1, 0, word::wdBrightGreen); }, T},
          {"CELLBACKCOLOR blue",
           [](A a) { return CheckCellBackgroundColorIndex(a, 0, 0, word::wdBlue); }, T},
          {"TABBAKESHADING the whole shading",
           [](A a) {
             return CheckCellShading(a, 1, 1, word::wdTexture25Percent, kRed, 0xFF0000, 111);
           },
           T},
          {"TABCELLWIDTHANDHEIGHT 99.8 pt counts as 99",
           [](A a) { return CheckCellSize(a, 1, 1, 99, 20, 11); }, T},
          {"TABCELLWIDTHANDHEIGHT 99.8 pt is not 100",
           [](A a) { return CheckCellSize(a, 1, 1, 100, 20, 1); }, T},
          {"HORIZONTALALIGN paragraphs that differ pass no mask",
           [](A a) { return CellHorizontalAlignment(a, 1); }, 0},
          {"TABLESTYLECHOICE grid", [](A a) { return CheckTableStyle(a, "网格型"); }, T},
          {"TABLESTYLECHOICE blanks around the name",
           [](A a) { return CheckTableStyle(a, "  网格型 "); }, T},
          {"TABLESTYLECHOICE another style", [](A a) { return CheckTableStyle(a, "普通表格"); }, F},
          {"TABWRAP in the text flow", [](A a) { return CheckTableWrap(a, false); }, T},
      });
}

TEST(TableChecks, StyleNamesKeepTheirInnerBlanksAndFloatingTablesWrap) {
  ExpectChecks(
      [] {
        return OpenPartAContent(
            PatternedTable("<w:tblStyle w:val=\"Mine\"/><w:tblpPr w:leftFromText=\"180\" "
                           "w:rightFromText=\"180\" w:vertAnchor=\"text\" w:tblpY=\"1\"/>"));
      },
      {
          {"TABLESTYLECHOICE with its blank", [](A a) { return CheckTableStyle(a, " 考试 表格 "); },
           T},
          {"TABLESTYLECHOICE without its blank", [](A a) { return CheckTableStyle(a, "考试表格"); },
           F},
          {"TABWRAP wrapped", [](A a) { return CheckTableWrap(a, true); }, T},
          {"TABWRAP not in the text flow", [](A a) { return CheckTableWrap(a, false); }, F},
      });
}

// TABLESTYLECHOICE reads the table the selection is in, the first one when it is in none.
TEST(TableChecks, TableStyleOfTheSelectedTable) {
  DocxContent content = PatternedTable("<w:tblStyle w:val=\"TableGrid\"/>");
  content.body +=
      "<w:tbl><w:tblPr><w:tblStyle w:val=\"Mine\"/></w:tblPr><w:tblGrid>"
      "<w:gridCol w:w=\"2000\"/></w:tblGrid><w:tr><w:tc>" +
      TextPara("第二个表格") + "</w:tc></w:tr></w:tbl>" + TextPara("");
  auto doc = OpenPartAContent(content);
  ASSERT_EQ(doc->error, "");
  EXPECT_EQ(CheckTableStyle(doc->app, "网格型"), T) << "from outside any table";
  ASSERT_TRUE(FindTextForward(doc->app, "第二个表格"));
  EXPECT_EQ(CheckTableStyle(doc->app, "考试 表格"), T) << "in the second table";
}

TEST(TableChecks, NoDocumentReadsNothing) {
  word::Application app;
  EXPECT_EQ(CheckTableSize(app, 0, 0, 0), F);
  EXPECT_EQ(CellVerticalAlignment(app, 0), 0);
  EXPECT_EQ(CellHorizontalAlignment(app, 0), 0);
  EXPECT_EQ(CheckCellTexture(app, 0, 0, 0), F);
  EXPECT_EQ(CellLineCode(app, false, 0, word::wdBorderTop, 0, 0, 0), 0);
  EXPECT_EQ(CheckTableStyle(app, ""), F);
}

}  // namespace
}  // namespace docmark
