// The split of the answer workbook into the two rule tables, with its faults.
#include "grading/docmark/rule_tables.h"

#include <gtest/gtest.h>

#include "grading/docmark/testing/doc_fixture.h"
#include "platform/win/message_box.h"

namespace docmark {
namespace {

using testing::Rows;

// Fills the answer grid with the rows (row 1 first) and splits it.
void Split(DocState& state, const Rows& rows) {
  state.engine.AnswerGrid.Clear();
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      state.engine.AnswerGrid.SetCell(static_cast<int>(r + 1), static_cast<int>(c + 1), rows[r][c]);
  SplitAnsFile(state);
}

// The table's rows up to and including END, each as its non-empty leading cells.
Rows TableRows(const RuleTable& table) {
  Rows rows;
  for (int r = 1; r <= engine::kGridRows; ++r) {
    std::vector<std::string> cells;
    for (int c = 1; c <= 8; ++c) cells.push_back(table.cells.Cell(r, c));
    while (!cells.empty() && cells.back().empty()) cells.pop_back();
    rows.push_back(cells);
    if (table.cells.Cell(r, 1) == "END") break;
  }
  return rows;
}

class Splitting : public ::testing::Test {
 protected:
  testing::GradingFolders folders_;
  DocState state_;
  void SetUp() override { state_.engine.CheckPath = folders_.Candidate(); }
};

TEST_F(Splitting, FileRowsGoBeforeEachPartsRulesAndAbRulesNameTheWorkingCopy) {
  Split(state_, {{"filename", "doc1.doc", "", "30"},
                 {"a", "SELECTTXT", "x", "2", "rule a"},
                 {"b", "SELECTTXT", "y", "3", "rule b"},
                 {"ab", "SELECTTXT", "z", "4", "rule ab"},
                 {"end"}});
  EXPECT_EQ(TableRows(state_.RuleTableA),
            (Rows{{"filename", "doc1.doc"}, {"SELECTTXT", "x", "2", "rule a"}, {"END"}}));
  EXPECT_EQ(TableRows(state_.RuleTableB), (Rows{{"filename", "doc1.doc"},
                                                {"SELECTTXT", "y", "3", "rule b"},
                                                {"filename", "doc1tmq.doc"},
                                                {"SELECTTXT", "z", "4", "rule ab"},
                                                {"END"}}));
  EXPECT_FALSE(state_.RuleTableB.workingCopyRow[1]);
  EXPECT_TRUE(state_.RuleTableB.workingCopyRow[3]);
}

TEST_F(Splitting, TagsAreComparedInLowerCaseAndFileRowsKeepTheirTag) {
  Split(state_,
        {{"FileName", "d.doc", "", "5"}, {"A", "X", "1", "t"}, {"AB", "Y", "1", "t"}, {"End"}});
  EXPECT_EQ(TableRows(state_.RuleTableA), (Rows{{"FileName", "d.doc"}, {"X", "1", "t"}, {"END"}}));
  EXPECT_EQ(TableRows(state_.RuleTableB),
            (Rows{{"FileName", "dtmq.doc"}, {"Y", "1", "t"}, {"END"}}));
}

TEST_F(Splitting, LevelCellsAreCopiedEmptyAndRowsEndAtTheFirstEmptyCellAfterThem) {
  Split(state_, {{"filename", "d.doc"}, {"a", "", "", "X", "1", "t"}, {"a"}, {"end"}});
  EXPECT_EQ(state_.RuleTableA.cells.Cell(2, 3), "X");
  EXPECT_EQ(state_.RuleTableA.cells.Cell(2, 1), "");
  EXPECT_EQ(state_.RuleTableA.cells.Cell(4, 1), "END");  // row 3: the all-empty rule
}

TEST_F(Splitting, APartWithoutRulesIsOnlyItsEndRow) {
  Split(state_, {{"filename", "d.doc"}, {"b", "X", "1", "t"}, {"end"}});
  EXPECT_EQ(TableRows(state_.RuleTableA), (Rows{{"END"}}));
}

TEST_F(Splitting, EachFilenameRowStartsItsOwnBlockInBothTables) {
  Split(state_, {{"filename", "one.doc"},
                 {"a", "X", "1", "t"},
                 {"a", "Y", "1", "t"},
                 {"filename", "two.docx"},
                 {"a", "Z", "1", "t"},
                 {"ab", "W", "1", "t"},
                 {"end"}});
  EXPECT_EQ(TableRows(state_.RuleTableA), (Rows{{"filename", "one.doc"},
                                                {"X", "1", "t"},
                                                {"Y", "1", "t"},
                                                {"filename", "two.docx"},
                                                {"Z", "1", "t"},
                                                {"END"}}));
  EXPECT_EQ(TableRows(state_.RuleTableB),
            (Rows{{"filename", "twotmq.doc"}, {"W", "1", "t"}, {"END"}}));
  EXPECT_EQ(state_.CandidateDocuments, (std::set<std::string>{"one.doc", "two.docx"}));
}

TEST(TmqDocName, CutsBeforeTheFirstDotOrAppends) {
  struct Case {
    const char* name;
    const char* copy;
  } cases[] = {
      {"report.doc", "reporttmq.doc"},
      {"a.b.docx", "atmq.doc"},
      {"report", "reporttmq.doc"},  // no "." : appended, not an error
      {".doc", "tmq.doc"},
  };
  for (const Case& c : cases) EXPECT_EQ(TmqDocName(c.name), c.copy) << c.name;
}

TEST_F(Splitting, AnUnknownOrEmptyTagBeforeEndShowsTheBoxOnceAndTheRowIsLeftOut) {
  for (const char* tag : {"x", ""}) {
    win::MessageCapture boxes;
    Split(state_, {{"filename", "d.doc"}, {tag, "A", "1", "t"}, {"a", "B", "1", "t"}, {"end"}});
    ASSERT_EQ(boxes.Shown().size(), 1u) << tag;
    EXPECT_EQ(boxes.Shown()[0].text, kSplitError);
    EXPECT_EQ(boxes.Shown()[0].caption, "ERR");
    EXPECT_EQ(TableRows(state_.RuleTableA), (Rows{{"filename", "d.doc"}, {"B", "1", "t"}, {"END"}}))
        << tag;
  }
}

TEST_F(Splitting, AWorkbookWithoutEndClosesBothTablesAfterRow100WithoutABox) {
  win::MessageCapture boxes;
  state_.engine.DebugFlag = engine::kTrue;
  Split(state_, {{"filename", "d.doc"}, {"a", "X", "1", "t"}, {"b", "Y", "1", "t"}});
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(testing::ReadBytes(folders_.CandidateHost() / "docmark.txt"),
            "the answer workbook has no end row: its rules end at row 100\r\n");
  EXPECT_EQ(TableRows(state_.RuleTableA), (Rows{{"filename", "d.doc"}, {"X", "1", "t"}, {"END"}}));
  EXPECT_EQ(TableRows(state_.RuleTableB), (Rows{{"filename", "d.doc"}, {"Y", "1", "t"}, {"END"}}));
}

TEST_F(Splitting, ATableStopsAtItsCapacityWithTheBoxOnce) {
  // 99 "a" rules after the file row: the table has room for 98 of them and its END.
  Rows rows = {{"filename", "d.doc"}};
  for (int i = 1; i <= 99; ++i) rows.push_back({"a", "R" + std::to_string(i), "1", "t"});
  win::MessageCapture boxes;
  Split(state_, rows);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, kSplitError);
  EXPECT_EQ(state_.RuleTableA.cells.Cell(99, 1), "R98");
  EXPECT_EQ(state_.RuleTableA.cells.Cell(100, 1), "END");
}

}  // namespace
}  // namespace docmark
