// The exam session's start: the settings flags, the database opened (or reported), and the
// candidate set only by the login.
#include "client/exam/exam_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "client/store/db/exam_database.h"
#include "client/testing/fake_exam_store.h"
#include "client/testing/temp_folder.h"
#include "platform/win/message_box.h"

namespace {

// A program folder with a settings file and, when asked, an exam database.
struct ProgramFolder {
  TempFolder tmp;
  PathGlobals paths;
  ProgramFolder(const std::string& ini, bool withDatabase) {
    paths.ProgramFolder = tmp.Windows("");
    if (paths.ProgramFolder.back() != '/') paths.ProgramFolder += '/';
    std::ofstream(tmp.Path() / "KIRV.ini") << ini;
    if (withDatabase) {
      std::filesystem::create_directories(tmp.Path() / "db");
      const base::Status created = CreateExamDatabase(tmp.Windows("db/kirv.mdb"));
      EXPECT_TRUE(created) << created.error().message;
    }
  }
};

TEST(ExamSession, TrainingAndServerModeFromSettings) {
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
    ProgramFolder program(ini, false);
    ExamSession session;
    session.Start(program.paths, std::make_unique<FakeExamStore>());
    EXPECT_EQ(session.TrainingMode(), c.trainingMode) << c.training;
    EXPECT_EQ(session.ServerMode(), c.serverMode) << c.server;
    EXPECT_EQ(session.Candidate(), ExamCandidate());
  }
}

TEST(ExamSession, OpensTheDatabaseOrSaysItCannot) {
  for (bool withDatabase : {true, false}) {
    ProgramFolder program("[KIRV]\r\n", withDatabase);
    win::MessageCapture capture;
    ExamSession session;
    session.Start(program.paths);
    if (withDatabase) {
      EXPECT_TRUE(capture.Shown().empty());
      EXPECT_TRUE(session.Store().FindStarted("01"));
    } else {
      ASSERT_EQ(capture.Shown().size(), 1u);
      EXPECT_EQ(capture.Shown()[0].text, "DB \\ KIRV.MDB 数据库连接失败");
      EXPECT_FALSE(session.Store().FindStarted("01"));
    }
    session.Close();
    session.Close();  // twice is harmless
  }
}

TEST(ExamSession, ProcessListsAndTheCandidate) {
  ProgramFolder program("[KIRV]\r\nLockProcess=QQ.exe,Game.EXE\r\nKillProcess=WINWORD\r\n", false);
  ExamSession session;
  session.Start(program.paths, std::make_unique<FakeExamStore>());
  EXPECT_EQ(session.LockProcessList(), "");
  session.ReadProcessLists();
  EXPECT_EQ(session.LockProcessList(), "qq.exe,game.exe");
  EXPECT_EQ(session.KillProcessList(), "winword");
  session.BeginExam({"0101", "未知", "D:\\KirvExam\\0101\\", 6000, "1-101"});
  EXPECT_EQ(session.Candidate().studentFolder, "D:\\KirvExam\\0101\\");
}

}  // namespace
