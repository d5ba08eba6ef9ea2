// Tests only: one grading as the client's graders make it. The word-processor and presentation
// tasks: the wrapper's control created with the module's child id, Run with the candidate's task
// folder, the answer folder and the workbook's name (the texts by reference, Windows paths ending
// with "\"), not in training mode. The desktop task: Debugok, Pathofstu, Pathofanswer,
// Answername, then wingrade.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "client/grading/controls/ping_win.h"
#include "platform/com/control_window.h"
#include "platform/win/paths.h"

// The percentage Run answers; -1, with the test failed, when the control cannot be made or Run
// fails.
template <class Ping>
double GradeByRun(const std::filesystem::path& taskFolder, const std::filesystem::path& answers,
                  std::string answerName, int childId) {
  int dialog = 0;
  Ping control;
  if (!control.Create("", 0, com::Rect{}, &dialog, childId)) {
    ADD_FAILURE() << control.LastError();
    return -1;
  }
  std::string check = win::ToWindowsPath(taskFolder) + "\\";
  std::string answerPath = win::ToWindowsPath(answers) + "\\";
  bool debug = false;
  base::Result<double> percent = control.Run(check, answerPath, answerName, debug);
  if (!percent) {
    ADD_FAILURE() << percent.error().message;
    return -1;
  }
  return *percent;
}

// The points the desktop control reads back; -1, with the test failed, when it cannot be made or
// the read fails.
inline int16_t GradeDesktop(const std::filesystem::path& taskFolder,
                            const std::filesystem::path& answers, const std::string& answerName) {
  int dialog = 0;
  PingWin control;
  if (!control.Create("abc", 0, com::Rect{}, &dialog, 111)) {
    ADD_FAILURE() << control.LastError();
    return -1;
  }
  EXPECT_TRUE(control.SetDebugok(false));
  EXPECT_TRUE(control.SetPathofstu(win::ToWindowsPath(taskFolder) + "\\"));
  EXPECT_TRUE(control.SetPathofanswer(win::ToWindowsPath(answers) + "\\"));
  EXPECT_TRUE(control.SetAnswername(answerName));
  base::Result<int16_t> grade = control.GetWingrade();
  if (!grade) {
    ADD_FAILURE() << grade.error().message;
    return -1;
  }
  return *grade;
}
