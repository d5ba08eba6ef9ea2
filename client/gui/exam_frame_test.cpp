// Tests of the exam frame's close: a Cancel while time remains keeps the exam running and the
// candidate's row untouched; a confirmed close finishes the row, logs, shows the end screen,
// then grading, and ends the program. The frame reads the process lists lower-cased.

#include "client/gui/exam_frame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "client/db/ado_record_set.h"
#include "client/db/exam_database.h"
#include "client/globals.h"
#include "client/ini_file.h"
#include "platform/ui/testing/qt_test_app.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(CExamFrame, CloseRunsTheEndOfTheExam) {
  ui::TestApp();
  win::testing::ScopedTempFolder tmp("exam_frame_");
  const fs::path root = tmp.Path();
  fs::create_directories(root / "C1");
  std::string db = win::ToWindowsPath(root / "kirv.mdb");
  ASSERT_TRUE(CreateExamDatabase(db));
  ASSERT_TRUE(ExamDatabase.OpenJet(db, "kestrelqu"));
  ExamDatabase.Execute("insert into [Stu](examcode,State,timeleft) values (?,1,?)",
                       {SqlText("C1"), SqlInt(600)});
  ExamCode = "C1";
  StudentFolder = win::ToWindowsPath(root / "C1") + "\\";
  auto row = [] {
    CAdoRecordSet rs;
    rs.SetConnection(&ExamDatabase);
    rs.Open("select * from [Stu] where examcode=?", {SqlText("C1")});
    int t = -1;
    rs.GetInt("timeleft", t);
    return t;
  };

  std::vector<std::string> calls;
  CExamFrame::Hooks hooks;
  hooks.secondsLeft = [] { return 600; };
  hooks.closeQuestionBar = [&] { calls.push_back("bar"); };
  hooks.showEndScreen = [&] {
    std::ifstream log(root / "C1/log/C1.log");
    calls.push_back(log ? "end screen after log" : "end screen without log");
  };
  hooks.openGrading = [&] { calls.push_back("grading"); };
  hooks.finished = [&] { calls.push_back("finished"); };
  std::ofstream(root / "KIRV.ini")
      << "[KIRV]\nLockProcess=QQ.EXE,Game.exe\nKillProcess=WinWord.EXE,EXCEL.exe\n";
  const std::string savedIni = IniFile.GetPath();
  IniFile.SetPath(win::ToWindowsPath(root / "KIRV.ini"));
  CExamFrame frame(win::ToWindowsPath(root) + "\\", "C1", hooks);
  IniFile.SetPath(savedIni);
  EXPECT_TRUE(frame.WatchTimerActive());
  EXPECT_EQ(LockProcessList, "qq.exe,game.exe");
  EXPECT_EQ(KillProcessList, "winword.exe,excel.exe");

  {
    win::MessageCapture boxes(win::IDCANCEL);
    frame.close();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, kQuitQuestion);
  }
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(row(), 600);
  EXPECT_FALSE(fs::exists(root / "C1/log"));

  {
    win::MessageCapture boxes(win::IDOK);
    frame.close();
  }
  EXPECT_EQ(calls,
            (std::vector<std::string>{"bar", "end screen after log", "grading", "finished"}));
  EXPECT_EQ(row(), 0);
  EXPECT_FALSE(frame.WatchTimerActive());
  ExamDatabase.Close();
  ExamCode.clear();
  StudentFolder.clear();
}

}  // namespace
