// Tests of the exam frame's close: a Cancel while time remains keeps the exam running and the
// candidate's row untouched; a confirmed close finishes the row, logs, shows the end screen,
// then grading, and ends the program.

#include "client/gui/exam_frame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "client/exam/exam_session.h"
#include "client/testing/fake_exam_store.h"
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
  auto fake = std::make_unique<FakeExamStore>();
  FakeExamStore& store = *fake;
  store.stu["C1"] = {1, 600, false, ""};
  PathGlobals paths;
  paths.ProgramFolder = win::ToWindowsPath(root) + "\\";
  ExamSession session;
  session.Start(paths, std::move(fake));
  session.BeginExam({"C1", "未知", win::ToWindowsPath(root / "C1") + "\\", 600, ""});
  auto row = [&] { return store.stu["C1"].timeLeft; };

  std::vector<std::string> calls;
  int secondsLeft = 600;
  CExamFrame::Hooks hooks;
  hooks.secondsLeft = [&] { return secondsLeft; };
  hooks.closeQuestionBar = [&] { calls.push_back("bar"); };
  hooks.showEndScreen = [&] {
    std::ifstream log(root / "C1/log/C1.log");
    calls.push_back(log ? "end screen after log" : "end screen without log");
  };
  hooks.openGrading = [&] { calls.push_back("grading"); };
  hooks.finished = [&] { calls.push_back("finished"); };
  CExamFrame frame(session, hooks);
  EXPECT_TRUE(frame.WatchTimerActive());

  {
    win::MessageCapture boxes(win::IDCANCEL);
    frame.close();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, kQuitQuestion);
  }
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(row(), 600);
  EXPECT_FALSE(fs::exists(root / "C1/log"));

  // The database is locked when the candidate confirms: he is told and goes back to the exam
  // (OK is no Retry); the row still holds his time, nothing of the end has happened.
  store.failTimes["MarkFinished"] = 1;
  {
    win::MessageCapture boxes(win::IDOK);
    frame.close();
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[1].text.rfind("记录考试结束状态发生错误:", 0), 0u);
    EXPECT_EQ(boxes.Shown()[1].flags & win::MB_TYPEMASK, win::MB_RETRYCANCEL);
  }
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(row(), 600);

  // At time-up the write is tried until it is done, then the end goes on.
  secondsLeft = 0;
  store.failTimes["MarkFinished"] = 2;
  {
    win::MessageCapture boxes(win::IDOK);
    frame.close();
    EXPECT_EQ(boxes.Shown().size(), 2u);  // two failures, no question
  }
  EXPECT_EQ(calls,
            (std::vector<std::string>{"bar", "end screen after log", "grading", "finished"}));
  EXPECT_EQ(row(), 0);
  EXPECT_EQ(store.writes, std::vector<std::string>{"finished C1"});
  EXPECT_FALSE(frame.WatchTimerActive());
}

}  // namespace
