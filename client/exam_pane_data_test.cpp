// Tests of the tasks pane's database reads and writes on a real exam database.
#include "client/exam_pane_data.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "client/db/ado_connection.h"
#include "client/db/ado_record_set.h"
#include "client/db/exam_database.h"
#include "client/db/test_support.h"
#include "client/globals.h"

namespace {

class ExamPaneData : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateExamDatabase(tmp.Windows("kirv.mdb")));
    ASSERT_TRUE(ExamDatabase.OpenJet(tmp.Windows("kirv.mdb"), std::string(ExamDatabasePassword)));
    MainRecordSet.SetConnection(&ExamDatabase);
    SecondRecordSet.SetConnection(&ExamDatabase);
    for (const char* sql :
         {"insert into [Stu](examcode, TimeLeft, Papers) values ('0101', 2700, '2-5|0-a,b')",
          "insert into [Paper](PaperID, ModuleID, PaperFile) values (5, 2, 'w5.rtf')",
          "insert into [Module](ModuleID, Name) values (2, '文字处理')",
          "insert into [Module](ModuleID, Name) values (3, '')"})
      ASSERT_NE(ExamDatabase.Execute(sql), nullptr) << sql;
  }
  void TearDown() override { CloseDatabase(); }
  TempFolder tmp;
};

TEST_F(ExamPaneData, ReadsCandidatePaperAndModule) {
  int timeLeft = -1;
  std::string papers = "unchanged";
  ASSERT_TRUE(ReadCandidateExam("0101", timeLeft, papers));
  EXPECT_EQ(timeLeft, 2700);
  EXPECT_EQ(papers, "2-5|0-a,b");
  timeLeft = -1;
  EXPECT_FALSE(ReadCandidateExam("0102' or '1'='1", timeLeft, papers));
  EXPECT_EQ(timeLeft, -1);

  EXPECT_EQ(ReadPaperFile("5"), "w5.rtf");
  EXPECT_EQ(ReadPaperFile("6"), "");
  EXPECT_EQ(ReadPaperFile("5 or 1=1"), "");
  EXPECT_EQ(ReadModuleName("2"), "文字处理");
  EXPECT_EQ(ReadModuleName("3"), "");
  EXPECT_EQ(ReadModuleName("x"), "");
}

TEST_F(ExamPaneData, SavesTheRemainingTime) {
  EXPECT_TRUE(SaveTimeLeft("0101", 2690));
  int timeLeft = 0;
  std::string papers;
  ASSERT_TRUE(ReadCandidateExam("0101", timeLeft, papers));
  EXPECT_EQ(timeLeft, 2690);
}

}  // namespace
