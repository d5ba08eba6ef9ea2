// The sweep of listed programs (see process_sweep.h).
#include "client/process_sweep.h"

#include <unistd.h>

#include <string>

#include "platform/base/text.h"
#include "platform/win/process.h"

namespace {

bool NameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.' ||
         static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

bool InKillList(std::string_view killList, std::string_view processName) {
  std::string name = base::AsciiLower(processName);
  if (name.empty()) return false;
  if (!name.ends_with(".exe")) name += ".exe";
  if (name == "explore.exe") return false;
  for (size_t at = killList.find(name); at != std::string_view::npos;
       at = killList.find(name, at + 1))
    if (at == 0 || !NameCharacter(killList[at - 1])) return true;
  return false;
}

void KillListedProcesses(std::string_view killList) {
  if (killList.empty()) return;
  const int self = static_cast<int>(::getpid());
  for (const win::ProcessEntry& p : win::ListProcesses())
    if (p.pid != self && InKillList(killList, p.name)) win::TerminateProcess(p.pid);
}
