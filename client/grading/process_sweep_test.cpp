// The kill list's names and the sweep over a machine's processes.
#include "client/grading/process_sweep.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(ProcessSweep, KillList) {
  struct Case {
    const char* list;
    const char* process;
    bool listed;
  } cases[] = {
      {"winword.exe,excel.exe", "winword", true},
      {"winword.exe,excel.exe", "EXCEL.EXE", true},
      {"winword.exe excel.exe", "excel", true},
      {"a.exe;powerpnt.exe|b.exe\tc.exe", "powerpnt", true},
      {"winword", "winword", true},
      {"publisher.exe", "her", false},
      {"winword.exe,excel.exe", "cel", false},
      {"publisher.exe", "publisher", true},
      {"explore.exe", "explore", false},
      {"", "bash", false},
      {"notepad.exe", "", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(InKillList(c.list, c.process), c.listed) << c.list << " / " << c.process;
}

struct FakeProcesses : ProcessTable {
  std::vector<win::ProcessEntry> running;
  std::vector<int> ended;
  int walks = 0;
  std::vector<win::ProcessEntry> Processes() override {
    ++walks;
    return running;
  }
  bool TerminateProcess(int pid) override {
    ended.push_back(pid);
    return true;
  }
};

TEST(ProcessSweep, EndsOnlyTheListedProcesses) {
  FakeProcesses machine;
  machine.running = {{11, "winword"}, {12, "sh"}, {13, "EXCEL.EXE"}, {14, "explore"}};
  KillListedProcesses("winword.exe, excel.exe;explore.exe", machine);
  EXPECT_EQ(machine.ended, (std::vector<int>{11, 13}));
  // An empty list does not even walk the processes.
  KillListedProcesses(" , ", machine);
  EXPECT_EQ(machine.walks, 1);
}

TEST(ProcessSweep, HostTableLeavesThisProgramOut) {
  HostProcesses host;
  for (const win::ProcessEntry& p : host.Processes()) EXPECT_NE(p.pid, ::getpid());
}

}  // namespace
