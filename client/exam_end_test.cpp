// Tests of the end-of-exam sequence: its order, the question only while time remains, and a
// Cancel that leaves the database, the log and the screen untouched.

#include "client/exam_end.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Recorder : ExamEndSteps {
  int secondsLeft = 0;
  bool confirm = true;
  std::vector<std::string> calls;
  int SecondsLeft() override { return secondsLeft; }
  bool ConfirmQuit(const std::string& q) override {
    calls.push_back("ask " + q);
    return confirm;
  }
  void StayInExam() override { calls.push_back("stay"); }
  void CentreFrame() override { calls.push_back("centre"); }
  void MarkFinished() override { calls.push_back("database"); }
  void RunQuitHook() override { calls.push_back("quit hook"); }
  void WriteLog(const std::string& l) override { calls.push_back("log " + l); }
  std::string Timestamp() override { return "20261210150000"; }
  void BringToFront() override { calls.push_back("front"); }
  void CloseQuestionBar() override { calls.push_back("close bar"); }
  void ShowEndScreen() override { calls.push_back("end screen"); }
  void StopWatchTimer() override { calls.push_back("stop timer"); }
  void OpenGrading() override { calls.push_back("grading"); }
};

const std::vector<std::string> kFinish = {
    "database",   "quit hook", "log 考试结束于：20261210150000",
    "front",      "close bar", "front",
    "end screen", "centre",    "stop timer",
    "grading"};

TEST(ExamEnd, Sequence) {
  struct Case {
    const char* what;
    int secondsLeft;
    bool confirm;
    bool finished;
  } cases[] = {
      {"time is up: no question", 0, false, true},
      {"time left, confirmed", 120, true, true},
      {"time left, cancelled", 120, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Recorder r;
    r.secondsLeft = c.secondsLeft;
    r.confirm = c.confirm;
    EXPECT_EQ(FinishExam(r), c.finished);
    std::vector<std::string> expected = {"centre"};
    if (c.secondsLeft) expected.push_back("ask " + std::string(kQuitQuestion));
    if (c.finished)
      expected.insert(expected.end(), kFinish.begin(), kFinish.end());
    else
      expected.push_back("stay");
    EXPECT_EQ(r.calls, expected);
  }
}

}  // namespace
