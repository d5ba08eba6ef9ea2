// Timings for the benchmarks that set a grading control beside a peer program doing the same
// reads: our passes timed in process, the peer's figure read from the first line it prints.
#pragma once

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

namespace base::testing {

// Microseconds per call of `pass(run)` (run counting from 0) over about `seconds` on the
// monotonic clock, after one untimed call with run 0 that warms the caches.
template <typename Pass>
double MicrosPerPass(double seconds, Pass&& pass) {
  pass(0);
  int runs = 0;
  const auto start = std::chrono::steady_clock::now();
  std::chrono::duration<double> spent{};
  do {
    pass(runs);
    ++runs;
    spent = std::chrono::steady_clock::now() - start;
  } while (spent.count() < seconds);
  return spent.count() / runs * 1e6;
}

// The microseconds per pass a peer prints as the first line of its output when run by the shell
// as `command`; negative when it could not run, with what it said on stderr after `peer`.
inline double PeerMicrosPerPass(const std::string& command, const char* peer) {
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return -1;
  char line[512] = {};
  const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
  const int status = ::pclose(pipe);
  double micros = -1;
  if (!read || status != 0 || std::sscanf(line, "%lf", &micros) != 1) {
    std::cerr << peer << ": " << line;
    return -1;
  }
  return micros;
}

}  // namespace base::testing
