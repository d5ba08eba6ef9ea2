// For tests and benchmarks: a machine around the grading dialog with nothing on it: no other
// process, no window, an empty clipboard, a shell that opens nothing and a restart that starts
// nothing.
#pragma once

#include "client/grading/grading_flow.h"

struct NullGradingSystem : GradingSystem {
  std::vector<win::ProcessEntry> Processes() override { return {}; }
  bool TerminateProcess(int) override { return false; }
  bool WindowExists(const std::string&) override { return false; }
  void CloseWindow(const std::string&) override {}
  void CloseExplorerWindows() override {}
  std::string ClipboardText() override { return ""; }
  void Open(const std::string&, const std::string&) override {}
  base::Status Restart(const std::string&) override { return base::Ok(); }
};
