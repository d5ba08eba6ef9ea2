// Tests that every way to the end of the exam finishes it exactly once.
#include "client/exam/exam_end_request.h"

#include <gtest/gtest.h>

namespace {

// A finish that asks for confirmation while time remains; during the question `during` runs,
// standing in for events that arrive while the box is open.
struct FakeExam {
  int secondsLeft = 100;
  bool answerOk = true;
  int questions = 0, finishes = 0;
  std::function<void()> during;
  bool Finish() {
    if (secondsLeft != 0) {
      ++questions;
      if (during) std::exchange(during, nullptr)();
      if (!answerOk) return false;
    }
    ++finishes;
    return true;
  }
};

TEST(ExamEndRequest, FinishesOnceWhateverArrivesDuringTheQuestion) {
  struct Case {
    const char* name;
    bool answerOk;
    bool timeUpDuringQuestion;
    int questions, finishes;
  } cases[] = {
      {"exit confirmed", true, false, 1, 1},
      {"exit cancelled", false, false, 1, 0},
      {"time up while exit asks, exit confirmed", true, true, 1, 1},
      {"time up while exit asks, exit cancelled", false, true, 1, 1},
  };
  for (const Case& c : cases) {
    FakeExam exam;
    exam.answerOk = c.answerOk;
    ExamEndRequest request([&] { return exam.Finish(); });
    if (c.timeUpDuringQuestion) {
      exam.during = [&] {
        exam.secondsLeft = 0;
        request.Request();  // the countdown's request, nested in the box's event loop
        request.Request();  // and the bar's close as well
      };
    }
    request.Request();
    EXPECT_EQ(exam.questions, c.questions) << c.name;
    EXPECT_EQ(exam.finishes, c.finishes) << c.name;
    EXPECT_EQ(request.IsFinished(), c.finishes == 1) << c.name;
    exam.secondsLeft = 0;
    request.Request();  // a late time-up or a second click
    EXPECT_EQ(exam.finishes, 1) << c.name;
  }
}

}  // namespace
