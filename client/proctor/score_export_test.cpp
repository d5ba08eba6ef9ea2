// The score exports: the score file's exact bytes (GBK, CR LF, a tab before the exam code and
// the student number, the scores in the order of each candidate's record), only in training
// mode; and the copy of the exam database, consistent and replacing an earlier export whole.
#include "client/proctor/score_export.h"

#include <gtest/gtest.h>

#include "client/grading/score_scrambler.h"
#include "client/testing/proctor_machine.h"
#include "platform/win/codepage.h"

namespace {

namespace fs = std::filesystem;

void Candidates(ProctorMachine& m) {
  m.Sql("insert into [Module](ModuleID, Name, Enabled) values (1, 'Windows 操作', -1)");
  m.Sql("insert into [Module](ModuleID, Name, Enabled) values (0, '单项选择题', -1)");
  m.Sql("insert into [Module](ModuleID, Name, Enabled) values (2, '文字处理', 0)");
  m.Sql(
      "insert into [Stu](examcode,Name,Sex,School,Class,No,State,Score,scoreok) values "
      "('26001010102','李华','女','一中','高一(1)班','2',1,'" +
      EncodeText("1-85|0-90", "26001010102") + "',-1)");
  // A code with quotes of both kinds, not yet graded.
  m.Sql(
      "insert into [Stu](examcode,Name,Sex,School,Class,No,State) values "
      "('2600''1\"01','赵强','男','一中','高一(2)班','4',10)");
}

TEST(ScoreExport, ScoreFileBytes) {
  ProctorMachine m("Training=1\r\n");
  Candidates(m);
  ScoreExport(m.context).ExportScores();
  const fs::path file = m.Host() / "导出成绩.csv";
  const std::string expected =
      "准考证号,姓名,性别,学院,班级,学号,状态,单项选择题,Windows 操作\r\n"
      "\t2600'1\"01,赵强,男,一中,高一(2)班,\t4,旷考,\r\n"
      "\t26001010102,李华,女,一中,高一(1)班,\t2,正常,85,90\r\n";
  const std::string bytes = ReadFile(file);
  EXPECT_EQ(bytes, win::Utf8ToGbk(expected));
  EXPECT_EQ(bytes.substr(0, 8), "\xD7\xBC\xBF\xBC\xD6\xA4\xBA\xC5");  // 准考证号 in GBK
  EXPECT_EQ(m.ui.opened, std::vector<std::string>{m.Program() + "导出成绩.csv"});
  EXPECT_TRUE(m.ui.Shown().empty());
  EXPECT_EQ(m.ui.progress.front(), "show 正在导出成绩信息到Excel,请稍候...");
  EXPECT_EQ(m.ui.progress.back(), "close");

  // Written again from scratch.
  m.Sql("delete from [Stu] where examcode <> '26001010102'");
  ScoreExport(m.context).ExportScores();
  EXPECT_EQ(win::GbkToUtf8(ReadFile(file)),
            "准考证号,姓名,性别,学院,班级,学号,状态,单项选择题,Windows 操作\r\n"
            "\t26001010102,李华,女,一中,高一(1)班,\t2,正常,85,90\r\n");
}

TEST(ScoreExport, ScoreFileOnlyInTrainingMode) {
  ProctorMachine m;
  Candidates(m);
  ScoreExport(m.context).ExportScores();
  EXPECT_EQ(m.ui.Shown(),
            std::vector<std::string>{"成绩处理功能仅对成绩统计部门开放，考点无需使用此功能"});
  EXPECT_FALSE(fs::exists(m.Host() / "导出成绩.csv"));
}

TEST(ScoreExport, DatabaseCopy) {
  ProctorMachine m;
  Candidates(m);
  fs::create_directories(m.Host() / "out");
  const std::string chosen = win::ToWindowsPath(m.Host() / "out" / "scores");
  m.ui.saveFiles = {chosen};
  ScoreExport(m.context).ExportDatabase();
  EXPECT_EQ(m.ui.Shown(), std::vector<std::string>{"导出成功"});
  ASSERT_EQ(m.ui.proposedNames.size(), 1u);
  EXPECT_TRUE(m.ui.proposedNames[0].ends_with("考试机成绩库.mdb"));

  // Exported again after a change: the file holds the database as it is now.
  m.Sql("update [Stu] set sendok=-1");
  m.ui.saveFiles = {chosen + ".MDB"};
  ScoreExport(m.context).ExportDatabase();
  {
    AdoExamStore copy;
    ASSERT_TRUE(copy.Open(chosen + ".mdb"));
    const auto rows = copy.AllCandidates();
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_TRUE((*rows)[1].sendOk);
    copy.Close();
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(m.Host() / "out"), fs::directory_iterator()), 1);

  // A folder that is not there: said, never "导出成功".
  m.ui.boxes.clear();
  m.ui.saveFiles = {win::ToWindowsPath(m.Host() / "missing" / "x.mdb")};
  ScoreExport(m.context).ExportDatabase();
  ASSERT_EQ(m.ui.Shown().size(), 1u);
  EXPECT_EQ(m.ui.Last().rfind("导出失败：", 0), 0u);
}

}  // namespace
