// Tests of the exam countdown: captions, colours, saves and the one time-up.
#include "client/exam/countdown.h"

#include <gtest/gtest.h>

#include "client/testing/manual_clock.h"

namespace {

const std::string kFolder = "C:\\KIRV\\0101\\";

TEST(ExamCountdown, CaptionAndColourAtEachThreshold) {
  struct Case {
    int after;  // remaining seconds after the tick
    std::string caption;
    CountdownColour colour;
    bool save;
  } cases[] = {
      {2700, "考生目录: " + kFolder + " 时间: 45 分钟", CountdownColour::Unchanged, true},
      {2699, "考生目录: " + kFolder + " 时间: 44 分钟", CountdownColour::Unchanged, false},
      {301, "考生目录: " + kFolder + " 时间: 5 分钟", CountdownColour::Unchanged, false},
      {300, "考生目录: " + kFolder + " 时间: 5 分钟 0 秒", CountdownColour::Yellow, true},
      {121, "考生目录: " + kFolder + " 时间: 2 分钟 1 秒", CountdownColour::Yellow, false},
      {120, "考生目录: " + kFolder + " 时间: 2 分钟 0 秒", CountdownColour::Red, true},
      {1, "考生目录: " + kFolder + " 时间: 0 分钟 1 秒", CountdownColour::Red, false},
      {0, "考试结束！", CountdownColour::Red, true},
  };
  for (const Case& c : cases) {
    ManualClock clock;
    ExamCountdown countdown(kFolder, c.after + 1, clock.Fn());
    clock.Advance(1);
    const CountdownStep step = countdown.Tick();
    EXPECT_EQ(step.remaining, c.after);
    EXPECT_EQ(step.caption, c.caption) << c.after;
    EXPECT_EQ(step.colour, c.colour) << c.after;
    EXPECT_EQ(step.saveTimeLeft, c.save) << c.after;
    EXPECT_EQ(step.timeUp, c.after == 0) << c.after;
  }
}

TEST(ExamCountdown, SavesEveryTenSecondsAndEndsOnce) {
  ManualClock clock;
  ExamCountdown countdown(kFolder, 2700, clock.Fn());
  EXPECT_EQ(countdown.InitialCaption(), "考生目录: " + kFolder + " 时间: 45 分钟");
  std::vector<int> saved;
  int timeUps = 0;
  for (int i = 0; i < 2750; ++i) {
    clock.Advance(1);
    const CountdownStep step = countdown.Tick();
    if (step.saveTimeLeft) saved.push_back(step.remaining);
    timeUps += step.timeUp;
  }
  ASSERT_EQ(saved.size(), 270u);
  EXPECT_EQ(saved.front(), 2690);
  EXPECT_EQ(saved.back(), 0);
  for (size_t i = 1; i < saved.size(); ++i) EXPECT_EQ(saved[i - 1] - saved[i], 10);
  EXPECT_EQ(timeUps, 1);
  EXPECT_TRUE(countdown.IsOver());
  EXPECT_EQ(countdown.Remaining(), 0);
}

TEST(ExamCountdown, StartWithoutTimeEndsAtTheFirstTick) {
  for (int start : {0, -1, -500}) {
    ManualClock clock;
    ExamCountdown countdown(kFolder, start, clock.Fn());
    EXPECT_EQ(countdown.Remaining(), 0);  // the exam frame then asks no question
    const CountdownStep step = countdown.Tick();
    EXPECT_TRUE(step.timeUp) << start;
    EXPECT_EQ(step.caption, "考试结束！");
    EXPECT_TRUE(step.saveTimeLeft);
    EXPECT_FALSE(countdown.Tick().timeUp) << start;
  }
}

// Time passes whether the ticks come or not: a screen frozen for 25 seconds, or ticks coming
// twice as fast, change nothing of the time left, and each multiple of ten passed is saved once.
TEST(ExamCountdown, CountsTimeNotTicks) {
  struct Case {
    const char* what;
    std::vector<int> gaps;  // seconds before each tick
    std::vector<int> remaining;
    std::vector<int> saved;
  } cases[] = {
      {"a frozen screen", {1, 25, 1}, {599, 574, 573}, {574}},
      {"ticks twice a second", {0, 1, 0, 1}, {600, 599, 599, 598}, {}},
      {"frozen across two saves", {3, 21}, {597, 576}, {576}},
      {"frozen past the end", {1, 700, 1}, {599, 0}, {0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ManualClock clock;
    ExamCountdown countdown(kFolder, 600, clock.Fn());
    std::vector<int> remaining, saved;
    for (int gap : c.gaps) {
      clock.Advance(gap);
      const CountdownStep step = countdown.Tick();
      if (step.caption.empty()) continue;  // over already
      remaining.push_back(step.remaining);
      if (step.saveTimeLeft) saved.push_back(step.remaining);
    }
    EXPECT_EQ(remaining, c.remaining);
    EXPECT_EQ(saved, c.saved);
  }
  ManualClock clock;
  ExamCountdown countdown(kFolder, 600, clock.Fn());
  clock.Advance(90);
  EXPECT_EQ(countdown.Remaining(), 510);  // also between ticks
}

}  // namespace
