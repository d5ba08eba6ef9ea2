// One road to the end of the exam. The question bar's exit button, closing the bar and the
// countdown at zero all ask here; the exam is finished exactly once. A request that arrives while
// another is being handled (its confirmation box open) waits; when the first ends without
// finishing (the candidate chose to go on), the waiting one is handled then, so a time-up during
// the confirmation still ends the exam.
#pragma once

#include <functional>

class ExamEndRequest {
 public:
  // `finish` runs the end of the exam and returns true when the exam was finished.
  explicit ExamEndRequest(std::function<bool()> finish) : finish_(std::move(finish)) {}

  void Request();
  bool IsFinished() const { return finished_; }

 private:
  std::function<bool()> finish_;
  bool busy_ = false, pending_ = false, finished_ = false;
};
