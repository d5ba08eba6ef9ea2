// The exam store's statements on a real exam database: the exam screen's reads and writes, the
// login dialog's lists, and every statement failing, not answering "no row", without a database.
#include "client/store/ado_exam_store.h"

#include <gtest/gtest.h>

#include <chrono>

#include "client/store/db/ado_record_set.h"
#include "client/store/db/exam_database.h"
#include "client/testing/temp_folder.h"

namespace {

class AdoExamStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const base::Status created = CreateExamDatabase(tmp.Windows("kirv.mdb"));
    ASSERT_TRUE(created) << created.error().message;
    ASSERT_TRUE(store.Open(tmp.Windows("kirv.mdb")));
    for (const char* sql :
         {"insert into [Stu](examcode, TimeLeft, Papers) values ('0101', 2700, '2-5|0-a,b')",
          "insert into [Paper](PaperID, ModuleID, Name, PaperFile) values (5, 2, 'W5', 'w5.rtf')",
          "insert into [Paper](PaperID, ModuleID, Name, AnsFile) values (4, 2, 'W4', 'w4.xls*1')",
          "insert into [Module](ModuleID, Name, Enabled) values (2, '文字处理', -1)",
          "insert into [Module](ModuleID, Name) values (3, '')",
          "insert into [Group](GroupID, Name, Modules) values (7, '综合', '2-5')"})
      ASSERT_NE(store.Connection().Execute(sql), nullptr) << sql;
  }
  void TearDown() override { store.Close(); }
  TempFolder tmp;
  AdoExamStore store;
};

TEST_F(AdoExamStoreTest, ReadsCandidatePaperAndModule) {
  const std::optional<CandidateRecord> row = store.FindCandidate("0101").value();
  ASSERT_TRUE(row);
  EXPECT_EQ(row->examCode, "0101");
  EXPECT_EQ(row->timeLeft, 2700);
  EXPECT_EQ(row->papers, "2-5|0-a,b");
  EXPECT_FALSE(store.FindCandidate("0102' or '1'='1").value());
  EXPECT_EQ(store.PaperFile(5).value(), "w5.rtf");
  EXPECT_FALSE(store.PaperFile(6).value());
  EXPECT_EQ(store.ModuleName(2).value(), "文字处理");
  EXPECT_EQ(store.ModuleName(3).value(), "");
  EXPECT_FALSE(store.ModuleName(9).value());
}

TEST_F(AdoExamStoreTest, SavesTheRemainingTimeAndTheEnd) {
  ASSERT_TRUE(store.SaveTimeLeft("0101", 2690));
  EXPECT_EQ(store.FindCandidate("0101").value()->timeLeft, 2690);
  ASSERT_TRUE(store.MarkFinished("0101"));
  EXPECT_EQ(store.FindStarted("0101").value(), (StartedRow{1, 0, false, "2-5|0-a,b"}));
}

// The grading's statements: the answer items, the stored score and the acknowledged upload; an
// update that reaches no row is not taken as done.
TEST_F(AdoExamStoreTest, GradingStoresTheScoreAndTheUpload) {
  EXPECT_EQ(store.AnswerFiles(4).value(), "w4.xls*1");
  EXPECT_EQ(store.AnswerFiles(5).value(), "");
  EXPECT_FALSE(store.AnswerFiles(6).value());
  ASSERT_TRUE(store.StoreScore("0101", "AAABAC"));
  ASSERT_TRUE(store.MarkScoreSent("0101"));
  CAdoRecordSet rs;
  rs.SetConnection(&store.Connection());
  ASSERT_TRUE(rs.Open("select scoreok, sendok, score from [Stu] where examcode='0101'"));
  bool scoreOk = false, sendOk = false;
  std::string score;
  rs.GetBool("scoreok", scoreOk);
  rs.GetBool("sendok", sendOk);
  rs.GetString("score", score);
  EXPECT_TRUE(scoreOk);
  EXPECT_TRUE(sendOk);
  EXPECT_EQ(score, "AAABAC");
  EXPECT_FALSE(store.StoreScore("0102", "AAAB"));
  EXPECT_FALSE(store.MarkScoreSent("0102"));
}

TEST_F(AdoExamStoreTest, ListsOfTheLoginDialog) {
  EXPECT_EQ(store.GroupList().value(), (std::vector<ListEntry>{{7, "综合"}}));
  EXPECT_EQ(store.ModuleList().value(), (std::vector<ListEntry>{{2, "文字处理"}}));
  EXPECT_EQ(store.PaperList(2).value(), (std::vector<ListEntry>{{4, "W4"}, {5, "W5"}}));
  EXPECT_TRUE(store.PaperList(3).value().empty());
}

// Another program holds the database: the countdown's save gives up at once (and succeeds at a
// later save), a read fails after the usual wait; neither answers "no row".
TEST_F(AdoExamStoreTest, LockedDatabaseFailsQuicklyForTheSaves) {
  CAdoConnection other;
  ASSERT_TRUE(other.OpenJet(tmp.Windows("kirv.mdb")));
  ASSERT_TRUE(other.Execute("BEGIN EXCLUSIVE"));
  const auto start = std::chrono::steady_clock::now();
  const base::Status saved = store.SaveTimeLeft("0101", 2680);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(kBusyWaitMs / 2));
  ASSERT_FALSE(saved);
  EXPECT_NE(saved.error().message.find("locked"), std::string::npos) << saved.error().message;
  EXPECT_FALSE(store.FindStarted("0101"));
  EXPECT_FALSE(store.FindCandidate("0101"));
  ASSERT_TRUE(other.Execute("ROLLBACK"));
  ASSERT_TRUE(store.SaveTimeLeft("0101", 2670));
  EXPECT_EQ(store.FindCandidate("0101").value()->timeLeft, 2670);
}

TEST(AdoExamStore, WithoutADatabaseEveryStatementFails) {
  TempFolder tmp;
  AdoExamStore store;
  EXPECT_FALSE(store.Open(tmp.Windows("missing.mdb")));
  EXPECT_FALSE(store.ReadConst());
  EXPECT_FALSE(store.FindStarted("0101"));
  EXPECT_FALSE(store.FindCandidate("0101"));
  EXPECT_FALSE(store.ModuleList());
  EXPECT_FALSE(store.AnswerFiles(4));
  EXPECT_FALSE(store.StoreScore("0101", "AAAB"));
  const base::Status saved = store.SaveTimeLeft("0101", 10);
  ASSERT_FALSE(saved);
  EXPECT_FALSE(saved.error().message.empty());
}

}  // namespace
