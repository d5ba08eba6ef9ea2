// The keyword tables: every keyword of both parts with its argument cells, the cells each row
// consumes, the "obj first" rows, EXISTOBJ's current name, and the drawing-object rows judged
// through the dispatcher on saved documents.
#include "grading/docmark/keywords.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "grading/docmark/testing/doc_fixture.h"
#include "platform/win/codepage.h"

namespace docmark {
namespace {

using testing::RuleA;
using testing::RuleB;

TEST(KeywordTables, HoldEveryKeywordOnceWithItsArgumentLetters) {
  struct Case {
    const char* keyword;
    const char* letters;
  };
  // A sample across the families, as the tables of the two parts give them.
  const Case partA[] = {
      {"OBJWIDHEI", "DDI"},
      {"OBJFILLTRAN", "L"},
      {"OBJLEFTTOP", "DIDII"},
      {"OBJWRAP", "I"},
      {"UNGROUP", ""},
      {"EXISTOBJ", "T"},
      {"OPPPOSITION", "TTDD"},
      {"TXTUNDERSYMBOL", "TILT"},
      {"HEADFOOTDISTANCE", "SSI"},
      {"SELTXTBORDER", "TLLLBI"},
      {"CELLLINE", "BIIIILI"},
      {"TABBAKESHADING", "IILLLI"},
      {"YEMA", "I"},
  };
  const Case partB[] = {
      {"FINDCOUNT", "TI"},      {"WORDDROPCAP", "TIITTI"}, {"FORMATSTYCOLUMNS", "TIIITTI"},
      {"SETPAPERMAG", "TTTTI"}, {"TXTFONTSIZE", "TD"},     {"TOPPAPERMAG", ""},
  };
  for (const Case& c : partA) {
    const KeywordRow* row = FindKeywordA(c.keyword);
    ASSERT_NE(row, nullptr) << c.keyword;
    EXPECT_EQ(row->letters, c.letters) << c.keyword;
  }
  for (const Case& c : partB) {
    const KeywordRow* row = FindKeywordB(c.keyword);
    ASSERT_NE(row, nullptr) << c.keyword;
    EXPECT_EQ(row->letters, c.letters) << c.keyword;
  }
  std::set<std::string_view> a, b;
  for (const KeywordRow& row : KeywordsA())
    EXPECT_TRUE(a.insert(row.keyword).second) << row.keyword;
  for (const KeywordRow& row : KeywordsB())
    EXPECT_TRUE(b.insert(row.keyword).second) << row.keyword;
  EXPECT_EQ(a.size(), 60u);
  EXPECT_EQ(b.size(), 26u);
  // The parts do not share keywords' tables: a part-B keyword is no part-A keyword.
  EXPECT_EQ(FindKeywordA("FINDCOUNT"), nullptr);
  EXPECT_EQ(FindKeywordB("OBJWID"), nullptr);
}

TEST(KeywordTables, KeywordTestsUpperCaseTheTokenInPlace) {
  std::string token = "objWid";
  EXPECT_TRUE(IsCheckKeywordA(token));
  EXPECT_EQ(token, "OBJWID");
  token = "TopPaperMag";
  EXPECT_TRUE(IsCheckKeywordB(token));  // accepted, though no check answers it
  EXPECT_EQ(token, "TOPPAPERMAG");
  token = "nothing";
  EXPECT_FALSE(IsCheckKeywordA(token));
}

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override { state_.engine.CheckPath = folders_.Candidate(); }
  std::string Log() {
    return win::GbkToUtf8(testing::ReadBytes(folders_.CandidateHost() / "docmark.txt"));
  }
  testing::GradingFolders folders_;
  DocState state_;
};

TEST_F(Dispatch, EachRowConsumesItsArgumentCellsConvertibleOrNot) {
  struct Case {
    const char* name;
    std::vector<std::string> cells;
    int16_t lastColumn;  // the cursor after the dispatcher: the keyword's last argument cell
  } cases[] = {
      {"no cells", {"OBJLINEVIS", "5", "t"}, 1},
      {"numbers that are text", {"OBJWIDHEI", "abc", "x", "11", "5", "t"}, 4},
      {"texts and a mask", {"FORMATSTYCOLUMNS", "t", "2", "1", "0", "1 cm", "2 cm", "7", "5"}, 8},
      {"a single", {"HEADFOOTDISTANCE", "1.5", "abc", "1", "5", "t"}, 4},
  };
  for (const Case& c : cases) {
    state_.CurrentShapeName = "Text Box 1";
    if (FindKeywordA(c.cells[0]))
      RuleA(state_, c.cells);
    else
      RuleB(state_, c.cells);
    EXPECT_EQ(state_.engine.GridColumn, c.lastColumn) << c.name;
  }
}

TEST_F(Dispatch, ArgumentsThatDoNotConvertReadAsZero) {
  engine::EngineState& e = state_.engine;
  e.AnswerGrid.Clear();
  const std::vector<std::string> cells = {"abc", "1.5", "2.5", "True", "99999", "abc", "x"};
  for (size_t c = 0; c < cells.size(); ++c)
    e.AnswerGrid.SetCell(1, static_cast<int>(c + 1), cells[c]);
  e.GridRow = 1;
  e.GridColumn = 0;
  const Arguments args = Arguments::Read(e, "IDIBISB");
  EXPECT_EQ(args.I(0), 0);
  EXPECT_EQ(args.D(1), 1.5);
  EXPECT_EQ(args.I(2), 2);  // halves to even
  EXPECT_TRUE(args.B(3));
  EXPECT_EQ(args.I(4), 0);  // overflow
  EXPECT_EQ(args.L(4), 99999);
  EXPECT_EQ(args.F(5), 0.0f);
  EXPECT_FALSE(args.B(6));
  EXPECT_EQ(e.GridColumn, 7);
}

TEST_F(Dispatch, ObjFirstRowsFailWithoutACurrentObjectAndStillConsumeTheirCells) {
  state_.CurrentShapeName.clear();
  EXPECT_EQ(RuleA(state_, {"OBJWID", "2", "5", "t"}), engine::kCheckFails);
  EXPECT_EQ(state_.engine.GridColumn, 2);
  EXPECT_EQ(RuleA(state_, {"OBJLEFTTOP", "1", "0", "1", "0", "0", "5", "t"}),
            engine::kCheckFails);  // expected code 0 and no object: still false
  EXPECT_EQ(state_.engine.GridColumn, 6);
  // Without an object no check is even asked: nothing is logged.
  EXPECT_EQ(Log(), "");
}

TEST_F(Dispatch, ExistObjWritesTheCurrentNameItFoundOrEmptiesIt) {
  state_.CurrentShapeName = "Text Box 3";
  EXPECT_EQ(RuleA(state_, {"EXISTOBJ", "Oval", "5", "t"}), engine::kCheckFails);
  EXPECT_EQ(state_.CurrentShapeName, "");
}

// A current name whose shape is not in the document (none is open here): no verdict holds, not
// even one a check answering zeros would pass; UNGROUP alone is always true.
TEST_F(Dispatch, AShapeThatIsNotThereHoldsNoRuleButUngroup) {
  const struct {
    const char* name;
    std::vector<std::string> cells;
    int16_t answer;
  } cases[] = {
      {"an expected code 0", {"OBJLEFTTOP", "1", "0", "1", "0", "0"}, engine::kCheckFails},
      {"no fill", {"OBJFILLVISIBLE"}, engine::kCheckFails},
      {"no line", {"OBJLINEVIS"}, engine::kCheckFails},
      {"a colour 0", {"OBJFILLFORECOLOR", "0"}, engine::kCheckFails},
      {"a wrap under every mask", {"OBJWRAP", "-1"}, engine::kCheckFails},
      {"a colour type 0", {"OBJCONCOLOR", "0"}, engine::kCheckFails},
      {"ungrouping", {"UNGROUP"}, engine::kCheckHolds},
  };
  for (const auto& c : cases) {
    state_.CurrentShapeName = "Text Box 1";
    EXPECT_EQ(RuleA(state_, c.cells), c.answer) << c.name;
  }
}

TEST_F(Dispatch, PartBRowsJudgeTheirChecksAnswersByTheirVerdicts) {
  word::Application& app = PartApplication(state_.WordBasicApp);
  const std::string name = "suite_page_a4.docx";
  ASSERT_TRUE(app.Documents().Open(name, std::filesystem::path(KIRV_WORD_TESTDATA) / name));
  struct Case {
    const char* name;
    std::vector<std::string> cells;
    int16_t answer;
  } cases[] = {
      {"a count equal", {"FINDCOUNT", "页边距", "1"}, engine::kCheckHolds},
      {"a count not equal", {"FINDCOUNT", "页边距", "2"}, engine::kCheckFails},
      {"the height only, mask 10",
       {"SETPAPER", "18.4 厘米", "29.7 厘米", "10"},
       engine::kCheckFails},
      {"the height only, mask 11",
       {"SETPAPER", "18.4 厘米", "29.7 厘米", "11"},
       engine::kCheckHolds},
      // 111 shares binary bits with 1000: the wrong top margin passes.
      {"decimal weights, binary mask",
       {"SETPAPERMAG", "2 厘米", "2.54 厘米", "3.17 厘米", "3.17 厘米", "1000"},
       engine::kCheckHolds},
      {"margins, mask 1",
       {"SETPAPERMAG", "2 厘米", "2 厘米", "2 厘米", "2 厘米", "1"},
       engine::kCheckFails},
      {"columns of a text not found pass no mask",
       {"FORMATSTYCOLUMNS", "zz-absent", "1", "0", "1", "", "", "31"},
       engine::kCheckFails},
      {"alignment code -1 of a text not found",
       {"TXTPARA", "zz-absent", "-1"},
       engine::kCheckHolds},
      {"lenient: empty expected on a text not found",
       {"FORMATSTYPARABEFORE", "zz-absent", ""},
       engine::kCheckHolds},
  };
  for (const Case& c : cases) EXPECT_EQ(RuleB(state_, c.cells), c.answer) << c.name;
}

// One document whose dialog values all differ from each other, so a row that reads a
// neighbouring field (after for before, the right indent for the left, the bottom margin for the
// top), judges by the wrong verdict or rounds a size shows: each keyword has a row that holds
// and a row with a sibling field's value that does not.
TEST_F(Dispatch, PartBRowsEachReadTheirOwnDialogField) {
  using word::testing::Para;
  using word::testing::TextPara;
  using word::testing::TextRun;
  word::testing::DocxContent content;
  content.body =
      TextPara("段落格式样本",
               R"(<w:spacing w:before="240" w:after="120" w:line="400" w:lineRule="exact"/>)"
               R"(<w:ind w:left="1134" w:right="567" w:firstLine="851"/><w:jc w:val="center"/>)") +
      TextPara("字符格式样本", "",
               R"(<w:rFonts w:ascii="黑体" w:hAnsi="黑体" w:eastAsia="黑体"/><w:b/>)"
               R"(<w:spacing w:val="60"/><w:sz w:val="23"/><w:u w:val="single"/>)") +
      Para(TextRun("部分", R"(<w:u w:val="single"/>)") + TextRun("下划线")) +
      Para(TextRun("水分子H") + TextRun("2", R"(<w:vertAlign w:val="subscript"/>)")) +
      word::testing::SectPr(R"(<w:cols w:num="2" w:space="720"/>)", 567, 2268, 1134, 1701);
  base::Result<std::string> bytes = word::testing::DocxBytes(content);
  ASSERT_TRUE(bytes);
  word::Application& app = PartApplication(state_.WordBasicApp);
  ASSERT_TRUE(app.Documents().OpenBytes("dialogs.docx", *bytes));
  const std::string para = "段落格式样本", chars = "字符格式样本";
  struct Case {
    std::vector<std::string> cells;
    int16_t answer;
  } cases[] = {
      {{"FORMATSTYPARABEFORE", para, "12 磅"}, engine::kCheckHolds},
      {{"FORMATSTYPARABEFORE", para, "6 磅"}, engine::kCheckFails},
      {{"FORMATSTYPARAAFTER", para, "6 磅"}, engine::kCheckHolds},
      {{"FORMATSTYPARAAFTER", para, "12 磅"}, engine::kCheckFails},
      {{"FORMATSTYPARALEFTIND", para, "2 厘米"}, engine::kCheckHolds},
      {{"FORMATSTYPARALEFTIND", para, "1 厘米"}, engine::kCheckFails},
      {{"FORMATSTYPARARIGHTIND", para, "1 厘米"}, engine::kCheckHolds},
      {{"FORMATSTYPARARIGHTIND", para, "2 厘米"}, engine::kCheckFails},
      {{"FORMATSTYPARAFIRSTIND", para, "1.5 厘米"}, engine::kCheckHolds},
      {{"FORMATSTYPARAFIRSTIND", para, "2 厘米"}, engine::kCheckFails},
      {{"FORMATSTYPARALINESPACE", para, "20 磅"}, engine::kCheckHolds},
      {{"FORMATSTYPARALINESPACE", para, "12 磅"}, engine::kCheckFails},
      {{"FORMATSTYPARALINERULE", para, "4"}, engine::kCheckHolds},
      {{"FORMATSTYPARALINERULE", para, "1"}, engine::kCheckFails},
      {{"TXTPARA", para, "1"}, engine::kCheckHolds},
      {{"TXTPARA", chars, "1"}, engine::kCheckFails},
      {{"TXTFONT", chars, "黑体"}, engine::kCheckHolds},
      {{"TXTFONT", chars, "3 磅"}, engine::kCheckFails},
      {{"TXTFONTSPACING", chars, "3 磅"}, engine::kCheckHolds},
      {{"TXTFONTSPACING", chars, "黑体"}, engine::kCheckFails},
      // 11.5 points: neither truncated to 11 nor rounded to 12.
      {{"TXTFONTSIZE", chars, "11.5"}, engine::kCheckHolds},
      {{"TXTFONTSIZE", chars, "11"}, engine::kCheckFails},
      {{"TXTFONTSIZE", chars, "12"}, engine::kCheckFails},
      {{"TXTFONTSCRIPT", "2", "1", "0"}, engine::kCheckHolds},
      {{"TXTFONTSCRIPT", "2", "0", "1"}, engine::kCheckFails},
      // Bold and underlined is 5: a mask of 4 finds the bold, equality would not.
      {{"TXTATTRIB", chars, "4"}, engine::kCheckHolds},
      {{"TXTATTRIB", chars, "2"}, engine::kCheckFails},
      // Underlined in part only is not underlined.
      {{"TXTATTRIB", "部分下划线", "1"}, engine::kCheckFails},
      {{"TXTATTRIB", "部分", "1"}, engine::kCheckHolds},
      {{"SETPAPER", "21 厘米", "9 厘米", "10"}, engine::kCheckHolds},
      {{"SETPAPER", "29.7 厘米", "21 厘米", "11"}, engine::kCheckFails},
      // Margins 1, 2, 3 and 4 cm from the top round: each row expects one of them, with the
      // mask of its own term, and a row with the neighbours' values holds under no mask.
      {{"SETPAPERMAG", "1 厘米", "9 厘米", "9 厘米", "9 厘米", "1000"}, engine::kCheckHolds},
      {{"SETPAPERMAG", "9 厘米", "2 厘米", "9 厘米", "9 厘米", "100"}, engine::kCheckHolds},
      {{"SETPAPERMAG", "9 厘米", "9 厘米", "3 厘米", "9 厘米", "10"}, engine::kCheckHolds},
      {{"SETPAPERMAG", "9 厘米", "9 厘米", "9 厘米", "4 厘米", "1"}, engine::kCheckHolds},
      {{"SETPAPERMAG", "2 厘米", "1 厘米", "4 厘米", "3 厘米", "-1"}, engine::kCheckFails},
      // Two columns: mask 16 is the count's own term.
      {{"FORMATSTYCOLUMNS", para, "2", "0", "0", "", "", "16"}, engine::kCheckHolds},
      {{"FORMATSTYCOLUMNS", para, "1", "0", "0", "", "", "16"}, engine::kCheckFails},
      {{"FINDCOUNT", "样本", "2"}, engine::kCheckHolds},
      {{"FINDCOUNT", "样本", "1"}, engine::kCheckFails},
      {{"SELECTTXT", "部分下划线"}, engine::kCheckHolds},
      {{"SELECTTXT", "下划线部分"}, engine::kCheckFails},
      {{"PLACEINORDER", para, chars, "部分", "水分子"}, engine::kCheckHolds},
      {{"PLACEINORDER", chars, para, "部分", "水分子"}, engine::kCheckFails},
  };
  for (const Case& c : cases) {
    std::string row;
    for (const std::string& cell : c.cells) row += cell + " ";
    EXPECT_EQ(RuleB(state_, c.cells), c.answer) << row;
  }
}

TEST_F(Dispatch, PartARowsPassTheirCellsInOrderAndJudgeByTheirVerdicts) {
  struct Case {
    const char* name;
    const char* document;
    std::vector<std::string> cells;
    int16_t answer;
  } cases[] = {
      {"a colour index equal",
       "suite_characters.docx",
       {"TEXTCOL", "蓝色文字", "2"},
       engine::kCheckHolds},
      {"a colour index not equal",
       "suite_characters.docx",
       {"TEXTCOL", "蓝色文字", "6"},
       engine::kCheckFails},
      {"singles, a code",
       "suite_page_a4.docx",
       {"HEADFOOTDISTANCE", "42.5", "49.6", "11"},
       engine::kCheckHolds},
      {"singles, another code",
       "suite_page_a4.docx",
       {"HEADFOOTDISTANCE", "42.5", "49.6", "10"},
       engine::kCheckFails},
      {"a table's size",
       "suite_table.docx",
       {"TABCOLANDROWCOUNT", "3", "4", "11"},
       engine::kCheckHolds},
      {"a table's wrong size",
       "suite_table.docx",
       {"TABCOLANDROWCOUNT", "3", "5", "11"},
       engine::kCheckFails},
      // Centred is 1: a mask sharing its bit holds, one that does not fails.
      {"an alignment under its mask",
       "suite_table.docx",
       {"HORIZONTALALIGN", "10", "1"},
       engine::kCheckHolds},
      {"an alignment outside the mask",
       "suite_table.docx",
       {"HORIZONTALALIGN", "10", "2"},
       engine::kCheckFails},
  };
  for (const Case& c : cases) {
    word::Application& app = PartApplication(state_.WordApp);
    app.Quit();
    ASSERT_TRUE(
        app.Documents().Open(c.document, std::filesystem::path(KIRV_WORD_TESTDATA) / c.document));
    EXPECT_EQ(RuleA(state_, c.cells), c.answer) << c.name;
    EXPECT_EQ(state_.engine.GridColumn, static_cast<int16_t>(c.cells.size())) << c.name;
  }
}

// The rows of a workbook on the saved text boxes, in order: EXISTOBJ picks Text Box 1 (5 x 2.5
// cm at 3 cm, 4 cm from the page, square on both sides, fill FFFF00, a 1.5 pt line, margins
// 0.1 / 0.2 / 0.3 / 0.4 cm, 14 / 17 / 20 / 23 points from the text) and the OBJ rows after it
// read that one.
TEST_F(Dispatch, DrawingRowsReadTheObjectExistObjFoundAndJudgeByTheirVerdicts) {
  word::Application& app = PartApplication(state_.WordApp);
  const std::string document = "shapes_textboxes.docx";
  ASSERT_TRUE(app.Documents().Open(document, std::filesystem::path(KIRV_WORD_TESTDATA) / document));
  state_.CurrentShapeName.clear();
  struct Case {
    const char* name;
    std::vector<std::string> cells;
    int16_t answer;
  } cases[] = {
      {"no object yet", {"OBJWID", "5"}, engine::kCheckFails},
      {"the first text box", {"EXISTOBJ", "Text Box"}, engine::kCheckHolds},
      {"width and height, mask 11", {"OBJWIDHEI", "5", "2.5", "11"}, engine::kCheckHolds},
      {"the width only, mask 1", {"OBJWIDHEI", "5", "3", "1"}, engine::kCheckFails},
      {"the width only, mask 10", {"OBJWIDHEI", "5", "3", "10"}, engine::kCheckHolds},
      {"the place from the page", {"OBJLEFTTOP", "3", "1", "4", "1", "11"}, engine::kCheckHolds},
      {"the wrong vertical anchor", {"OBJLEFTTOP", "3", "1", "4", "0", "11"}, engine::kCheckFails},
      {"its code then", {"OBJLEFTTOP", "3", "1", "4", "0", "10"}, engine::kCheckHolds},
      {"square on both sides", {"OBJWRAP", "11"}, engine::kCheckHolds},
      {"the wrap code 11 shares no bit with 4", {"OBJWRAP", "4"}, engine::kCheckFails},
      {"the fill colour", {"OBJFILLFORECOLOR", "65535"}, engine::kCheckHolds},
      {"a fill shown", {"OBJFILLVISIBLE"}, engine::kCheckFails},
      {"the cell of OBJFILLTRAN has no say", {"OBJFILLTRAN", "65535"}, engine::kCheckFails},
      {"the line weight", {"OBJLINEWEI", "1.5"}, engine::kCheckHolds},
      {"the line colour", {"OBJLINEFORECOLOR", "255"}, engine::kCheckHolds},
      {"the margins", {"TEXTBOXMARGIN", "0.1", "0.2", "0.3", "0.4", "1111"}, engine::kCheckHolds},
      {"the distances in points",
       {"OBJDISTANCE", "14", "17", "20", "23", "1111"},
       engine::kCheckHolds},
      {"the distances in centimetres are no points",
       {"OBJDISTANCE", "0.5", "0.6", "0.7", "0.8", "1111"},
       engine::kCheckFails},
      {"the top distance in centimetres", {"OBJTOPDISTANCE", "0.5"}, engine::kCheckHolds},
      {"no such family", {"EXISTOBJ", "Oval"}, engine::kCheckFails},
      {"and no object after it", {"OBJWRAP", "11"}, engine::kCheckFails},
      {"a shape stands 0 points from itself",
       {"OPPPOSITION", "Text Box", "Text Box", "0", "0"},
       engine::kCheckHolds},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RuleA(state_, c.cells), c.answer) << c.name;
    EXPECT_EQ(state_.engine.GridColumn, static_cast<int16_t>(c.cells.size())) << c.name;
  }
  // OPPPOSITION leaves the current object as EXISTOBJ left it, and keeps where it found its
  // shapes.
  EXPECT_EQ(state_.CurrentShapeName, "");
  EXPECT_EQ(state_.LastShapeLeft, 85);
  EXPECT_EQ(state_.LastShapeTop, 113);
}

TEST_F(Dispatch, KeywordsWithoutACheckAnswerMinusOne) {
  for (const char* keyword : {"TOPPAPERMAG", "BOTTOMPAPERMAG", "RIGHTPAPERMAG", "LEFTPAPERMAG"})
    EXPECT_EQ(RuleB(state_, {keyword, "5", "t"}), engine::kNoSuchKeyword) << keyword;
  EXPECT_EQ(RuleA(state_, {"FINDCOUNT", "x", "0"}), engine::kNoSuchKeyword);
}

}  // namespace
}  // namespace docmark
