// Tests of the end-of-exam sequence: its order, the question only while time remains, and a
// Cancel that leaves the database, the log and the screen untouched.

#include "client/exam/exam_end.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Recorder : ExamEndSteps {
  int secondsLeft = 0;
  bool confirm = true;
  int markFailures = 0;  // the row write fails this many times
  bool retry = true;
  bool logFails = false;
  std::vector<std::string> calls;
  int SecondsLeft() override { return secondsLeft; }
  bool ConfirmQuit(const std::string& q) override {
    calls.push_back("ask " + q);
    return confirm;
  }
  void StayInExam() override { calls.push_back("stay"); }
  void CentreFrame() override { calls.push_back("centre"); }
  base::Status MarkFinished() override {
    calls.push_back("database");
    if (markFailures == 0) return base::Ok();
    --markFailures;
    return base::Error{"database is locked", 5};
  }
  bool RetryMarkFinished(const std::string& error, bool canGoOn) override {
    calls.push_back("retry? " + error + (canGoOn ? " (or go on)" : ""));
    return retry || !canGoOn;
  }
  void RunQuitHook() override { calls.push_back("quit hook"); }
  base::Status WriteLog(const std::string& l) override {
    calls.push_back("log " + l);
    if (logFails) return base::Error{"No space left on device", 28};
    return base::Ok();
  }
  void ReportLogFailure(const std::string& error) override { calls.push_back("said " + error); }
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

// The end recorded in the row or not at all: a failed write is tried again, or, while time
// remains and the candidate chooses so, the exam goes on; nothing of the end happens before the
// row says finished. A log line that cannot be written is reported and the end goes on.
TEST(ExamEnd, RowWrittenBeforeTheEnd) {
  const std::string retry = "retry? database is locked";
  struct Case {
    const char* what;
    int secondsLeft;
    int markFailures;
    bool retry;
    bool logFails;
    bool finished;
    std::vector<std::string> before;  // calls after the question, before the quit hook or stay
  } cases[] = {
      {"time up, two failures",
       0,
       2,
       true,
       false,
       true,
       {"database", retry, "database", retry, "database"}},
      {"time left, retried",
       60,
       1,
       true,
       false,
       true,
       {"database", retry + " (or go on)", "database"}},
      {"time left, back to the exam",
       60,
       1,
       false,
       false,
       false,
       {"database", retry + " (or go on)", "stay"}},
      {"time up, never back to the exam",
       0,
       1,
       false,
       false,
       true,
       {"database", retry, "database"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Recorder r;
    r.secondsLeft = c.secondsLeft;
    r.markFailures = c.markFailures;
    r.retry = c.retry;
    EXPECT_EQ(FinishExam(r), c.finished);
    std::vector<std::string> expected = {"centre"};
    if (c.secondsLeft) expected.push_back("ask " + std::string(kQuitQuestion));
    expected.insert(expected.end(), c.before.begin(), c.before.end());
    if (c.finished) expected.insert(expected.end(), kFinish.begin() + 1, kFinish.end());
    EXPECT_EQ(r.calls, expected);
  }
  Recorder r;
  r.logFails = true;
  EXPECT_TRUE(FinishExam(r));
  ASSERT_GT(r.calls.size(), 4u);
  EXPECT_EQ(r.calls[3], "log 考试结束于：20261210150000");
  EXPECT_EQ(r.calls[4], "said No space left on device");
  EXPECT_EQ(r.calls.back(), "grading");
}

}  // namespace
