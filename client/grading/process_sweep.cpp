// The sweep of listed programs (see process_sweep.h).
#include "client/grading/process_sweep.h"

#include <unistd.h>

#include <algorithm>

std::vector<win::ProcessEntry> HostProcesses::Processes() {
  std::vector<win::ProcessEntry> processes = win::ListProcesses();
  const int self = static_cast<int>(::getpid());
  std::erase_if(processes, [self](const win::ProcessEntry& p) { return p.pid == self; });
  return processes;
}

bool HostProcesses::TerminateProcess(int pid) {
  return win::TerminateProcess(pid);
}

bool InKillList(std::string_view killList, std::string_view processName) {
  if (processName.empty() || win::ProcessNameMatches(processName, "explore.exe")) return false;
  size_t start = 0;
  while (start < killList.size()) {
    const size_t end = std::min(killList.find_first_of(",;| \t", start), killList.size());
    if (end != start && win::ProcessNameMatches(processName, killList.substr(start, end - start)))
      return true;
    start = end + 1;
  }
  return false;
}

void KillListedProcesses(std::string_view killList, ProcessTable& processes) {
  if (killList.find_first_not_of(",;| \t") == std::string_view::npos) return;
  for (const win::ProcessEntry& process : processes.Processes())
    if (InKillList(killList, process.name)) processes.TerminateProcess(process.pid);
}
