// Tests of the exam countdown: captions, colours, saves and the one time-up.
#include "client/countdown.h"

#include <gtest/gtest.h>

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
    ExamCountdown countdown(kFolder, c.after + 1);
    const CountdownStep step = countdown.Tick();
    EXPECT_EQ(step.remaining, c.after);
    EXPECT_EQ(step.caption, c.caption) << c.after;
    EXPECT_EQ(step.colour, c.colour) << c.after;
    EXPECT_EQ(step.saveTimeLeft, c.save) << c.after;
    EXPECT_EQ(step.timeUp, c.after == 0) << c.after;
  }
}

TEST(ExamCountdown, SavesEveryTenSecondsAndEndsOnce) {
  ExamCountdown countdown(kFolder, 2700);
  EXPECT_EQ(countdown.InitialCaption(), "考生目录: " + kFolder + " 时间: 45 分钟");
  std::vector<int> saved;
  int timeUps = 0;
  for (int i = 0; i < 2750; ++i) {
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
    ExamCountdown countdown(kFolder, start);
    EXPECT_EQ(countdown.Remaining(), 0);  // the exam frame then asks no question
    const CountdownStep step = countdown.Tick();
    EXPECT_TRUE(step.timeUp) << start;
    EXPECT_EQ(step.caption, "考试结束！");
    EXPECT_TRUE(step.saveTimeLeft);
    EXPECT_FALSE(countdown.Tick().timeUp) << start;
  }
}

}  // namespace
