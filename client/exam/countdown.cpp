// The countdown's rules: the time is saved each time it passes a multiple of ten seconds, the
// caption shows seconds and turns yellow from 300 seconds and red from 120, and at zero the exam
// ends.
#include "client/exam/countdown.h"

#include <algorithm>
#include <utility>

namespace {

const std::string kPrefix = "考生目录: ";

// The largest multiple of ten below `seconds`; -1 when there is none left.
int SaveBelow(int seconds) {
  return seconds > 0 ? (seconds - 1) / 10 * 10 : -1;
}

}  // namespace

ExamCountdown::ExamCountdown(std::string studentFolder, int remainingSeconds, Clock clock)
    : folder_(std::move(studentFolder)),
      clock_(std::move(clock)),
      start_(clock_()),
      startRemaining_(std::max(0, remainingSeconds)),
      nextSave_(startRemaining_ == 0 ? 0 : SaveBelow(startRemaining_)) {}

std::string ExamCountdown::InitialCaption() const {
  return kPrefix + folder_ + " 时间: " + std::to_string(startRemaining_ / 60) + " 分钟";
}

int ExamCountdown::Remaining() const {
  if (over_) return 0;
  const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(clock_() - start_).count();
  return static_cast<int>(
      std::max<long long>(0, startRemaining_ - std::max<long long>(0, elapsed)));
}

CountdownStep ExamCountdown::Tick() {
  CountdownStep step;
  if (over_) return step;
  const int remaining = Remaining();
  step.remaining = remaining;
  step.saveTimeLeft = remaining <= nextSave_;
  if (step.saveTimeLeft) nextSave_ = SaveBelow(remaining);
  const std::string minutes = std::to_string(remaining / 60);
  const std::string seconds = std::to_string(remaining % 60);
  if (remaining > 300) {
    step.caption = kPrefix + folder_ + " 时间: " + minutes + " 分钟";
  } else {
    step.colour = remaining > 120 ? CountdownColour::Yellow : CountdownColour::Red;
    step.caption = kPrefix + folder_ + " 时间: " + minutes + " 分钟 " + seconds + " 秒";
  }
  if (remaining == 0) {
    over_ = true;
    step.caption = "考试结束！";
    step.timeUp = true;
  }
  return step;
}
