// A clock for tests that moves only when told, for the countdown and the exam screen.
#pragma once

#include <chrono>

#include "client/exam/countdown.h"

struct ManualClock {
  std::chrono::steady_clock::time_point now{std::chrono::hours(1)};

  void Advance(int seconds) { now += std::chrono::seconds(seconds); }
  ExamCountdown::Clock Fn() {
    return [this] { return now; };
  }
};
