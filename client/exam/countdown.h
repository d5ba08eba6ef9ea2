// The exam countdown of the question bar, without a window. The time left is measured on a
// monotonic clock from the moment the countdown was made, so a screen frozen for a while (a busy
// database, a hanging program) gives no extra time: the next tick simply shows less. Each tick
// gives the caption of the pane's group, its colour, whether the remaining time is due to be
// saved (each time it passes a multiple of ten seconds), and the moment the time is up. The
// tasks pane shows what it says.
#pragma once

#include <chrono>
#include <functional>
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
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // `remainingSeconds` of zero or less counts as time already up: the first tick ends the exam.
  ExamCountdown(std::string studentFolder, int remainingSeconds,
                Clock clock = std::chrono::steady_clock::now);

  // "考生目录: " + folder + " 时间: " + minutes + " 分钟", shown before the first tick.
  std::string InitialCaption() const;

  // A tick of the timer. Once the time is up further ticks change nothing (an empty caption).
  CountdownStep Tick();

  // The seconds left now.
  int Remaining() const;
  bool IsOver() const { return over_; }

 private:
  std::string folder_;
  Clock clock_;
  std::chrono::steady_clock::time_point start_;
  int startRemaining_;
  int nextSave_;  // the next save comes when the time left is at or below this
  bool over_ = false;
};
