// The keyword tables: every keyword of both parts with its argument cells, the cells each row
// consumes, the "obj first" rows, EXISTOBJ's current name, and the checks not in this build.
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

TEST_F(Dispatch, ACheckNotInThisBuildFailsTheRuleWhateverTheVerdictAndSaysSo) {
  state_.CurrentShapeName = "Text Box 1";
  // Verdicts that would hold on a 0 answer: a code 0, "always".
  EXPECT_EQ(RuleA(state_, {"OBJLEFTTOP", "1", "0", "1", "0", "0"}), engine::kCheckFails);
  EXPECT_EQ(RuleA(state_, {"UNGROUP"}), engine::kCheckFails);
  const std::string log = Log();
  for (const char* keyword : {"OBJLEFTTOP", "UNGROUP"})
    EXPECT_NE(log.find(std::string(keyword) + ": check not available"), std::string::npos)
        << keyword;
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

TEST_F(Dispatch, KeywordsWithoutACheckAnswerMinusOne) {
  for (const char* keyword : {"TOPPAPERMAG", "BOTTOMPAPERMAG", "RIGHTPAPERMAG", "LEFTPAPERMAG"})
    EXPECT_EQ(RuleB(state_, {keyword, "5", "t"}), engine::kNoSuchKeyword) << keyword;
  EXPECT_EQ(RuleA(state_, {"FINDCOUNT", "x", "0"}), engine::kNoSuchKeyword);
}

}  // namespace
}  // namespace docmark
