// InitGlobals and CloseDatabase on a program folder of their own.
#include "client/globals.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "client/db/ado_connection.h"
#include "client/db/ado_record_set.h"
#include "client/db/exam_database.h"
#include "client/db/test_support.h"
#include "platform/win/message_box.h"

namespace {

// A program folder with a settings file and, when asked, an exam database.
struct ProgramFolderFixture {
  TempFolder tmp;
  std::string folder;
  ProgramFolderFixture(const std::string& ini, bool withDatabase) {
    folder = tmp.Windows("");
    if (folder.back() != '/') folder += '/';
    std::ofstream(tmp.Path() / "KIRV.ini") << ini;
    if (withDatabase) {
      std::filesystem::create_directories(tmp.Path() / "db");
      EXPECT_TRUE(CreateExamDatabase(tmp.Windows("db/kirv.mdb")));
    }
  }
  ~ProgramFolderFixture() { CloseDatabase(); }
};

TEST(InitGlobals, TrainingAndServerModeFromSettings) {
  struct Case {
    const char* training;
    const char* server;
    bool trainingMode;
    const char* serverMode;
  } cases[] = {
      {"1", "APP", true, "app"},        {" 1", "", false, "app"},
      {"yes", "Web", false, "web"},     {"true", "LOCAL", false, "local"},
      {"0", "manual", false, "manual"}, {"", "", false, "app"},
      {"11", "app", false, "app"},
  };
  for (const auto& c : cases) {
    std::string ini =
        std::string("[KIRV]\r\nTraining=\"") + c.training + "\"\r\nServer=" + c.server + "\r\n";
    ProgramFolderFixture program(ini, true);
    ExamCode = "old";
    CandidateName = "old";
    ExamSeconds = 9;
    InitGlobals(program.folder);
    EXPECT_EQ(TrainingMode, c.trainingMode) << c.training;
    EXPECT_EQ(ServerMode, c.serverMode) << c.server;
    EXPECT_EQ(ExamCode, "");
    EXPECT_EQ(StudentFolder, "");
    EXPECT_EQ(CandidateName, "未知");
    EXPECT_EQ(ExamSeconds, 0);
  }
}

TEST(InitGlobals, OpensTheDatabaseAndBindsTheRecordsets) {
  ProgramFolderFixture program("[KIRV]\r\n", true);
  win::MessageCapture capture;
  InitGlobals(program.folder);
  EXPECT_TRUE(capture.Shown().empty());
  ASSERT_TRUE(ExamDatabase.IsOpen());
  ASSERT_NE(ExamDatabase.Execute("insert into [Stu](examcode) values (?)", {SqlText("01")}),
            nullptr);
  ASSERT_TRUE(MainRecordSet.Open("select * from [Stu]"));
  ASSERT_TRUE(SecondRecordSet.Open("select * from [Module]"));
  EXPECT_EQ(MainRecordSet.GetRecordCount(), 1);
  CloseDatabase();
  EXPECT_FALSE(MainRecordSet.IsOpen());
  EXPECT_FALSE(SecondRecordSet.IsOpen());
  EXPECT_FALSE(ExamDatabase.IsOpen());
  CloseDatabase();  // twice is harmless
}

TEST(InitGlobals, MissingDatabaseIsReportedAndStartUpGoesOn) {
  ProgramFolderFixture program("[KIRV]\r\nTraining=1\r\n", false);
  win::MessageCapture capture;
  InitGlobals(program.folder);
  ASSERT_EQ(capture.Shown().size(), 1u);
  EXPECT_EQ(capture.Shown()[0].text, "DB \\ KIRV.MDB 数据库连接失败");
  EXPECT_FALSE(ExamDatabase.IsOpen());
  EXPECT_TRUE(TrainingMode);
  EXPECT_FALSE(MainRecordSet.Open("select * from [Stu]"));
  EXPECT_TRUE(MainRecordSet.IsEOF());
}

}  // namespace
