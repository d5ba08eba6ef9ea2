// The countdown's rules: the time is saved at every multiple of ten seconds, the caption shows
// seconds and turns yellow from 300 seconds and red from 120, and at zero the exam ends.
#include "client/countdown.h"

#include <algorithm>
#include <utility>

namespace {
const std::string kPrefix = "考生目录: ";
}

ExamCountdown::ExamCountdown(std::string studentFolder, int remainingSeconds)
    : folder_(std::move(studentFolder)), remaining_(std::max(0, remainingSeconds)) {}

std::string ExamCountdown::InitialCaption() const {
  return kPrefix + folder_ + " 时间: " + std::to_string(remaining_ / 60) + " 分钟";
}

CountdownStep ExamCountdown::Tick() {
  CountdownStep step;
  if (over_) {
    step.remaining = remaining_;
    return step;
  }
  if (remaining_ > 0) --remaining_;
  step.remaining = remaining_;
  const std::string minutes = std::to_string(remaining_ / 60);
  const std::string seconds = std::to_string(remaining_ % 60);
  step.saveTimeLeft = remaining_ % 10 == 0;
  if (remaining_ > 300) {
    step.caption = kPrefix + folder_ + " 时间: " + minutes + " 分钟";
  } else {
    step.colour = remaining_ > 120 ? CountdownColour::Yellow : CountdownColour::Red;
    step.caption = kPrefix + folder_ + " 时间: " + minutes + " 分钟 " + seconds + " 秒";
  }
  if (remaining_ == 0) {
    over_ = true;
    step.caption = "考试结束！";
    step.timeUp = true;
  }
  return step;
}
