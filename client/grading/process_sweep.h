// The sweep of the programs listed in [KIRV] KillProcess: the grading dialog runs it before and
// after grading, the proctor's transfer before packing a candidate's folder, so that no open
// document is graded half written or left out. The list names programs ("winword.exe,excel.exe";
// commas, semicolons, bars or blanks between them); a process is ended only when a name of the
// list is its whole name, never for a piece of one ("her" is not "publisher.exe").
#pragma once

#include <string_view>
#include <vector>

#include "platform/win/process.h"

// A machine's processes as the sweep sees them.
class ProcessTable {
 public:
  virtual ~ProcessTable() = default;
  // Every running process but this program's own.
  virtual std::vector<win::ProcessEntry> Processes() = 0;
  virtual bool TerminateProcess(int pid) = 0;
};

// This host's processes.
class HostProcesses : public ProcessTable {
 public:
  std::vector<win::ProcessEntry> Processes() override;
  bool TerminateProcess(int pid) override;
};

// True when a name of the kill list is the process's name (without case, ".exe" or not);
// "explore.exe" is never listed.
bool InKillList(std::string_view killList, std::string_view processName);

// Ends every process of `processes` the kill list names; an empty list asks for none.
void KillListedProcesses(std::string_view killList, ProcessTable& processes);
