// The exam countdown of the question bar, without a window: one tick a second gives the caption
// of the pane's group, its colour, whether the remaining time is due to be saved, and the moment
// the time is up. The tasks pane shows what it says.
#pragma once

#include <string>

enum class CountdownColour { Unchanged, Yellow, Red };

struct CountdownStep {
  std::string caption;
  CountdownColour colour = CountdownColour::Unchanged;
  bool saveTimeLeft = false;  // write `remaining` to [Stu].TimeLeft
  bool timeUp = false;        // ask for the end of the exam (comes exactly once)
  int remaining = 0;
};

class ExamCountdown {
 public:
  // `remainingSeconds` of zero or less counts as time already up: the first tick ends the exam.
  ExamCountdown(std::string studentFolder, int remainingSeconds);

  // "考生目录: " + folder + " 时间: " + minutes + " 分钟", shown before the first tick.
  std::string InitialCaption() const;

  // One second has passed. Once the time is up further ticks change nothing (an empty caption).
  CountdownStep Tick();

  int Remaining() const { return remaining_; }
  bool IsOver() const { return over_; }

 private:
  std::string folder_;
  int remaining_;
  bool over_ = false;
};
