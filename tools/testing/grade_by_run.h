// Tests only: one grading as the client's graders of the word-processor and presentation tasks
// make it: the wrapper's control created with the module's child id, Run with the candidate's
// task folder, the answer folder and the workbook's name (the texts by reference, Windows paths
// ending with "\"), not in training mode.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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
