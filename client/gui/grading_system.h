// The machine around the grading dialog on this host: the process walk and its ending by pid, the
// top-level windows of our window list (the titles our programs publish) and this program's own
// windows, the clipboard, the shell's "Open", and starting the client again.
//
// The Windows shell's folder windows have no counterpart here: the candidate's folder opens in
// whatever file manager the host desktop has, which is not ours to close, so CloseExplorerWindows
// does nothing. A window of another program can be found by its published
// title but not closed; the watchdog then ends the word-processor processes, which is what frees
// the grading.
#pragma once

#include "client/grading/grading_flow.h"

class QtGradingSystem : public GradingSystem {
 public:
  std::vector<win::ProcessEntry> Processes() override { return host_.Processes(); }
  bool TerminateProcess(int pid) override { return host_.TerminateProcess(pid); }
  // A published title of any of our programs, or a visible window of this one.
  bool WindowExists(const std::string& title) override;
  // Closes this program's visible top-level windows with the title (a message box closes as
  // its Escape button does).
  void CloseWindow(const std::string& title) override;
  void CloseExplorerWindows() override {}
  std::string ClipboardText() override;
  void Open(const std::string& file, const std::string& folder) override;
  // "kirv.exe" of the program folder, started one second after this program has ended (the
  // single-instance lock would refuse it before). An error when the folder or the program is
  // missing or nothing could be started.
  base::Status Restart(const std::string& programFolder) override;

 private:
  HostProcesses host_;
};
