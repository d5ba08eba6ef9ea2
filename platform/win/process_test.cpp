#include "platform/win/process.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <sched.h>

#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

TEST(Process, SplitCommandLine) {
  struct Case {
    std::string line;
    std::vector<std::string> words;
  } cases[] = {
      {"", {}},
      {"  a.exe  b   c ", {"a.exe", "b", "c"}},
      {"\"C:\\Program Files\\x.exe\" /s \"C:\\a b\\c.ocx\"",
       {"C:\\Program Files\\x.exe", "/s", "C:\\a b\\c.ocx"}},
      {"p a\\b\\\\c", {"p", "a\\b\\\\c"}},  // backslashes are plain
      {"7za.exe x -aos -p\"RW5827\" \"C:\\a b\\x.7z\" -o\"C:\\stu\\\" ",
       {"7za.exe", "x", "-aos", "-pRW5827", "C:\\a b\\x.7z", "-oC:\\stu\\"}},
      {"p \"a\"\"b\"", {"p", "a\"b"}},  // doubled quote inside
      {"p \"unclosed group", {"p", "unclosed group"}},
      {"p \"\"", {"p", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line;
}

TEST(Process, RunAndWaitReportsStartAndExitCode) {
  TestFolder t;
  t.Write("hook.bat", "exit 7\n");
  t.Write("crlf.bat", "echo one > crlf.txt\r\nexit 5\r\n");
  t.Write("Script/where.bat", "pwd > where.txt\n");
  t.Write("pe.exe", "MZ\x90");  // a program for the other platform: the host's `pe` is sought
  t.Write("bin/tool", "#!/bin/sh\nexit 4\n");
  fs::permissions(t.Root() / "bin" / "tool", fs::perms::owner_all);
  constexpr int kNotStarted = -1;
  struct Case {
    std::string line, folder;
    int code;  // exit status, or kNotStarted
  } cases[] = {
      {"sh -c \"exit 0\"", "", 0},
      {"sh.exe -c \"exit 3\"", "", 3},
      {"TRUE.EXE", "", 0},  // "X.exe" runs the host's x
      {"false.exe", "", 1},
      {"sh -c \"kill -TERM $$\"", "", 128 + SIGTERM},
      {t.Win("HOOK.BAT"), "", 7},
      {t.Win("crlf.bat"), t.Win(), 5},
      {t.Win("Script\\where.bat"), t.Win("script"), 0},
      {"kirv-no-such-program.exe", "", kNotStarted},
      {t.Win("pe.exe"), "", kNotStarted},
      {t.Win("Bin\\Tool.exe"), "", 4},  // "X.exe" runs the host program X beside it
      {"sh -c true", t.Win("missing folder"), kNotStarted},
  };
  for (const Case& c : cases) {
    const base::Result<int> r = RunAndWaitProcess(c.line, c.folder);
    EXPECT_EQ(r.value_or(kNotStarted), c.code) << c.line;
    if (!r) {
      EXPECT_NE(r.error().message.find(c.line), std::string::npos) << r.error().message;
    }
  }
  EXPECT_EQ(TestFolder::Read(t.Root() / "crlf.txt"), "one\n");
  EXPECT_EQ(TestFolder::Read(t.Root() / "Script" / "where.txt"),
            fs::canonical(t.Root() / "Script").string() + "\n");
}

TEST(Process, ABareProgramNameIsFoundBesideTheRunningProgramBeforePath) {
  // An installation's own tool (the client's regsvr32) sits in the program's folder.
  TestFolder t;
  const std::string name = "kirv_probe_" + std::to_string(::getpid());
  const fs::path beside = fs::read_symlink("/proc/self/exe").parent_path() / name;
  t.Write("bin/" + name, "#!/bin/sh\nexit 0\n");
  fs::permissions(t.Root() / "bin" / name, fs::perms::owner_all);
  testing::ScopedEnv path("PATH", (t.Root() / "bin").string() + ":" + std::getenv("PATH"));
  EXPECT_EQ(HostCommand(name + ".exe /s"),
            (std::vector<std::string>{(t.Root() / "bin" / name).string(), "/s"}));
  std::ofstream(beside) << "#!/bin/sh\nexit 0\n";
  fs::permissions(beside, fs::perms::owner_all);
  EXPECT_EQ(HostCommand(name + ".exe /s"), (std::vector<std::string>{beside.string(), "/s"}));
  fs::remove(beside);
}

TEST(Process, WindowsPathArgumentsReachTheProgramAsHostPaths) {
  TestFolder t;
  fs::create_directories(t.Root() / "Out");
  ASSERT_EQ(RunAndWaitProcess("touch.exe \"" + t.Win("OUT\\made.txt") + "\"", "").value_or(-1), 0);
  EXPECT_TRUE(fs::exists(t.Root() / "Out" / "made.txt"));
  const std::vector<std::string> argv = HostCommand("sh -o" + t.Win("Out") + " /s plain");
  ASSERT_EQ(argv.size(), 4u);
  EXPECT_EQ(argv[1], "-o" + (t.Root() / "Out").string());
  EXPECT_EQ(argv[2], "/s");
  EXPECT_EQ(argv[3], "plain");
}

TEST(Process, ChildrenInheritNoHandles) {
  TestFolder t;
  const fs::path held = t.Write("held.txt", "");
  const int fd = ::open(held.c_str(), O_RDONLY);  // no close-on-exec, as a stream's would be
  ASSERT_GE(fd, 0);
  const std::string probe = "sh -c \"test -e /proc/self/fd/" + std::to_string(fd) + "\"";
  EXPECT_EQ(RunAndWaitProcess(probe, "").value_or(-1), 1);
  ::close(fd);
}

TEST(Process, WalkFindsThisProcess) {
  char exe[4096];
  const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
  ASSERT_GT(n, 0);
  const std::string self = fs::path(std::string(exe, static_cast<size_t>(n))).filename().string();
  bool found = false;
  for (const ProcessEntry& p : ListProcesses())
    if (p.pid == ::getpid()) found = (p.name == self);
  EXPECT_TRUE(found) << self;
}

TEST(Process, NameMatching) {
  struct Case {
    const char *process, *windows;
    bool match;
  } cases[] = {
      {"winword", "WINWORD.EXE", true},  {"WinWord.exe", "winword", true},
      {"winword", "winword.com", false}, {"winwordx", "winword.exe", false},
      {"excel", "winword.exe", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProcessNameMatches(c.process, c.windows), c.match) << c.process << " " << c.windows;
}

TEST(Process, StartAndTerminate) {
  const base::Result<int> started = StartProcess("sleep.exe 30", "");
  ASSERT_TRUE(started);
  const int pid = *started;
  ASSERT_GT(pid, 0);
  EXPECT_TRUE(TerminateProcess(pid));
  // The background reaper collects it; the pid then no longer exists.
  for (int i = 0; i < 200 && ::kill(pid, 0) == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_NE(::kill(pid, 0), 0);
  const base::Result<int> missing = StartProcess("kirv-no-such-program", "");
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, ENOENT);
  EXPECT_FALSE(TerminateProcess(0));
}

// True while the process exists and has not ended (a zombie whose parent is gone has ended).
bool StillRuns(int pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const size_t close = text.rfind(')');
  return close != std::string::npos && close + 2 < text.size() && text[close + 2] != 'Z' &&
         text[close + 2] != 'X';
}

TEST(Process, HostProgramsAreWaitedForWithTheirOutputInAFile) {
  testing::ScopedTempFolder t;
  const fs::path output = t.Path() / "output.txt";
  const base::Result<int> started =
      StartHostProgram({"sh", "-c", "echo out; echo err >&2; exit 6"}, output);
  ASSERT_TRUE(started) << started.error().message;
  EXPECT_EQ(WaitForProcess(*started, std::chrono::seconds(20)).value_or(-1), 6);
  std::ifstream in(output);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
            "out\nerr\n");

  const base::Result<int> missing = StartHostProgram({"kirv-no-such-program"});
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, ENOENT);

  // The output file is never written through a link.
  const fs::path target = t.Path() / "target.txt";
  std::ofstream(target) << "kept";
  fs::create_symlink(target, t.Path() / "link.txt");
  const base::Result<int> linked = StartHostProgram({"sh", "-c", "echo x"}, t.Path() / "link.txt");
  if (linked) (void)WaitForProcess(*linked, std::chrono::seconds(20));
  EXPECT_FALSE(linked);
  std::ifstream kept(target);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), std::istreambuf_iterator<char>()),
            "kept");
}

// A child that runs past its limit is reported in time and left running; ending its group ends
// what it started too.
TEST(Process, AWaitEndsAtItsLimitAndTheGroupIsEndedByPid) {
  testing::ScopedTempFolder t;
  const fs::path output = t.Path() / "pids.txt";
  const base::Result<int> started =
      StartHostProgram({"sh", "-c", "sleep 60 & echo $!; wait"}, output);
  ASSERT_TRUE(started);
  const auto before = std::chrono::steady_clock::now();
  const base::Result<int> waited = WaitForProcess(*started, std::chrono::milliseconds(300));
  const auto spent = std::chrono::steady_clock::now() - before;
  ASSERT_FALSE(waited);
  EXPECT_EQ(waited.error().code, ETIMEDOUT);
  EXPECT_GE(spent, std::chrono::milliseconds(300));
  EXPECT_LT(spent, std::chrono::seconds(3));
  EXPECT_TRUE(StillRuns(*started));
  int sleeper = 0;
  std::ifstream(output) >> sleeper;
  ASSERT_GT(sleeper, 0);

  EXPECT_TRUE(TerminateProcessGroup(*started));
  EXPECT_EQ(WaitForProcess(*started, std::chrono::seconds(20)).value_or(-1), 128 + SIGKILL);
  for (int i = 0; i < 200 && StillRuns(sleeper); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(StillRuns(sleeper));
  EXPECT_FALSE(TerminateProcessGroup(0));
}

// A process started at idle priority runs only when nothing else wants the processor; one
// started normally keeps the ordinary policy.
TEST(Process, StartsAtTheAskedPriority) {
  for (const auto& [priority, policy] : {std::pair{ProcessPriority::Idle, SCHED_IDLE},
                                         std::pair{ProcessPriority::Normal, SCHED_OTHER}}) {
    const base::Result<int> started = StartProcess("sleep.exe 30", "", priority);
    ASSERT_TRUE(started);
    EXPECT_EQ(::sched_getscheduler(*started), policy);
    EXPECT_TRUE(TerminateProcess(*started));
  }
}

TEST(Process, ShellExecuteOpen) {
  EXPECT_TRUE(ShellExecute("Open", "true.exe", "", ""));
  EXPECT_TRUE(ShellExecute("", "sh", "-c true", ""));
  EXPECT_FALSE(ShellExecute("print", "true.exe", "", ""));
  EXPECT_FALSE(ShellExecute("open", "kirv-no-such-program", "/s \"x.ocx\"", ""));
}

}  // namespace
}  // namespace win
