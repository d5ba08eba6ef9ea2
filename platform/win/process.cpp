// Processes over posix_spawn, /proc and signals.
#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "paths.h"
#include "platform/base/text.h"

extern char** environ;

namespace win {
namespace fs = std::filesystem;
namespace {

bool IsDriveAbsolute(std::string_view s) {
  return s.size() >= 3 && ((s[0] | 0x20) >= 'a' && (s[0] | 0x20) <= 'z') && s[1] == ':' &&
         (s[2] == '\\' || s[2] == '/');
}

// A Windows-form absolute path (alone or glued to a short option) becomes a host path.
std::string MapArgument(const std::string& arg) {
  if (IsDriveAbsolute(arg)) return ToHostPath(arg).string();
  if (arg.size() > 2 && (arg[0] == '-' || arg[0] == '/')) {
    size_t i = 1;
    while (i < arg.size() && i < 4 && std::isalpha(static_cast<unsigned char>(arg[i])) &&
           !IsDriveAbsolute(std::string_view(arg).substr(i)))
      ++i;
    if (IsDriveAbsolute(std::string_view(arg).substr(i)))
      return arg.substr(0, i) + ToHostPath(std::string_view(arg).substr(i)).string();
  }
  return arg;
}

// The executable `name`, or its lower-case spelling, in the first of `dirs` that holds one.
std::string FindIn(const std::vector<std::string>& dirs, const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos) return {};
  for (const std::string& candidate : {name, base::AsciiLower(name)}) {
    for (const std::string& dir : dirs) {
      const std::string full = (dir.empty() ? "." : dir) + "/" + candidate;
      struct stat st;
      if (::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
          ::access(full.c_str(), X_OK) == 0)
        return full;
    }
  }
  return {};
}

std::string FindOnPath(const std::string& name) {
  const char* pathVar = std::getenv("PATH");
  std::string_view dirs = pathVar ? pathVar : "/usr/local/bin:/usr/bin:/bin";
  std::vector<std::string> list;
  size_t i = 0;
  while (i <= dirs.size()) {
    size_t j = dirs.find(':', i);
    if (j == std::string_view::npos) j = dirs.size();
    list.emplace_back(dirs.substr(i, j - i));
    i = j + 1;
  }
  return FindIn(list, name);
}

// The program `name` in the folder of the running program, where an installation keeps its own
// tools (the platform looks in the program's folder before the search path too).
std::string FindBesideProgram(const std::string& name) {
  std::error_code ec;
  const fs::path folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
  if (ec || folder.empty()) return {};
  return FindIn({folder.string()}, name);
}

// True for a file the host can execute directly (not a program built for the other platform).
bool HostExecutable(const fs::path& p) {
  if (::access(p.c_str(), X_OK) != 0) return false;
  std::ifstream in(p, std::ios::binary);
  char magic[2] = {};
  in.read(magic, 2);
  return !(magic[0] == 'M' && magic[1] == 'Z');
}

// Host command for a program name plus already mapped arguments; empty when not found.
std::vector<std::string> ResolveProgram(const std::string& program) {
  const fs::path host = ToHostPath(program);
  std::error_code ec;
  if (fs::is_regular_file(host, ec)) {
    if (base::EndsWithNoCase(program, ".bat") || base::EndsWithNoCase(program, ".cmd")) {
      // Hooks written on the other platform end their lines with CR LF, which sh would take
      // as part of each command: such a script is fed to sh with the CRs removed.
      std::ifstream in(host, std::ios::binary);
      const std::string text((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
      if (text.find('\r') == std::string::npos) return {"/bin/sh", host.string()};
      return {"/bin/sh", "-c", "tr -d '\\r' < \"$0\" | /bin/sh -s -- \"$@\"", host.string()};
    }
    if (HostExecutable(host)) return {host.string()};
  }
  const bool windowsProgram =
      base::EndsWithNoCase(program, ".exe") || base::EndsWithNoCase(program, ".com");
  if (windowsProgram) {
    // Our own programs are installed without the other platform's ending: "C:\x\kirv.exe"
    // runs the host program "kirv" in the same folder when there is one.
    const fs::path bare = ToHostPath(program.substr(0, program.size() - 4));
    if (fs::is_regular_file(bare, ec) && HostExecutable(bare)) return {bare.string()};
  }
  std::string name = FileNamePart(program);
  if (windowsProgram) name.resize(name.size() - 4);
  std::string found = FindBesideProgram(name);
  if (found.empty()) found = FindOnPath(name);
  if (found.empty()) return {};
  return {found};
}

// Starts argv in a host working folder (empty = current) and returns its pid; `commandLine` is
// what the error names. Output and errors go to `outputFile` when one is given.
base::Result<int> Spawn(const std::vector<std::string>& argv, const fs::path& workingFolder,
                        std::string_view commandLine,
                        ProcessPriority priority = ProcessPriority::Normal,
                        const fs::path& outputFile = {}) {
  if (argv.empty())
    return base::Error::WithCode(ENOENT, "no program found to run " + std::string(commandLine));
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (!outputFile.empty()) {
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
  }
  // Handles are not inherited: the child gets standard output and error only.
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  const std::string dir = workingFolder.string();
  if (!dir.empty()) posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  sigaddset(&defaults, SIGCHLD);
  sigaddset(&defaults, SIGINT);
  sigaddset(&defaults, SIGTERM);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  // A process group of its own: no terminal signal of ours reaches it.
  posix_spawnattr_setpgroup(&attr, 0);
  posix_spawnattr_setflags(&attr,
                           POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, args[0], &actions, &attr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (rc != 0)
    return base::Error::WithCode(
        rc, "cannot start " + std::string(commandLine) + ": " + std::strerror(rc));
  // Set from here: this C library's spawn leaves the scheduling attributes unapplied. A policy
  // that cannot be set leaves the process at normal priority, which is no reason to fail.
  if (priority == ProcessPriority::Idle) {
    const sched_param none{};
    (void)::sched_setscheduler(pid, SCHED_IDLE, &none);
  }
  return static_cast<int>(pid);
}

// The exit status a wait reported; 128 + the signal number when a signal ended the child.
base::Result<int> ExitStatus(int pid, int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return base::Error::Of("process ", pid, " ended in an unknown way");
}

base::Error WaitError(int pid) {
  return base::Error::WithCode(errno, "cannot wait for process " + std::to_string(pid));
}

// The exit status of a child, waited for as long as it runs.
base::Result<int> WaitExit(int pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return WaitError(pid);
  }
  return ExitStatus(pid, status);
}

// Collects a started child in the background, so it leaves no zombie.
void ReapLater(int pid) {
  std::thread([pid] { (void)WaitExit(pid); }).detach();
}

fs::path HostFolder(std::string_view workingFolder) {
  if (workingFolder.empty()) return {};
  return ToHostPath(workingFolder);
}

std::string Quote(std::string_view s) {
  return "\"" + std::string(s) + "\"";
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> out;
  size_t i = 0;
  const size_t n = line.size();
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (true) {
    while (i < n && blank(line[i])) ++i;
    if (i >= n) break;
    std::string arg;
    bool quoted = false;
    while (i < n && (quoted || !blank(line[i]))) {
      if (line[i] != '"') {
        arg += line[i++];
      } else if (quoted && i + 1 < n && line[i + 1] == '"') {
        arg += '"';
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
    }
    out.push_back(std::move(arg));
  }
  return out;
}

std::vector<std::string> HostCommand(std::string_view commandLine) {
  std::vector<std::string> words = SplitCommandLine(commandLine);
  if (words.empty() || words[0].empty()) return {};
  std::vector<std::string> argv = ResolveProgram(words[0]);
  if (argv.empty()) return {};
  for (size_t i = 1; i < words.size(); ++i) argv.push_back(MapArgument(words[i]));
  return argv;
}

base::Result<int> RunAndWaitProcess(std::string_view commandLine, std::string_view workingFolder) {
  const base::Result<int> pid =
      Spawn(HostCommand(commandLine), HostFolder(workingFolder), commandLine);
  if (!pid) return pid.error();
  return WaitExit(*pid);
}

base::Result<int> StartProcess(std::string_view commandLine, std::string_view workingFolder,
                               ProcessPriority priority) {
  base::Result<int> pid =
      Spawn(HostCommand(commandLine), HostFolder(workingFolder), commandLine, priority);
  if (pid) ReapLater(*pid);
  return pid;
}

std::vector<ProcessEntry> ListProcesses() {
  std::vector<ProcessEntry> out;
  std::error_code ec;
  for (fs::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
    const std::string id = it->path().filename().string();
    if (id.empty() ||
        !std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    ProcessEntry e;
    e.pid = std::atoi(id.c_str());
    char buf[4096];
    const ssize_t len = ::readlink((it->path() / "exe").c_str(), buf, sizeof buf - 1);
    if (len > 0) {
      std::string target(buf, static_cast<size_t>(len));
      constexpr std::string_view deleted = " (deleted)";
      if (target.size() > deleted.size() && target.ends_with(deleted))
        target.resize(target.size() - deleted.size());
      e.name = fs::path(target).filename().string();
    } else {
      std::ifstream comm(it->path() / "comm");
      std::getline(comm, e.name);
    }
    if (e.name.empty()) continue;  // a process that ended while we looked
    out.push_back(std::move(e));
  }
  std::sort(out.begin(), out.end(),
            [](const ProcessEntry& a, const ProcessEntry& b) { return a.pid < b.pid; });
  return out;
}

bool ProcessNameMatches(std::string_view processName, std::string_view windowsName) {
  auto strip = [](std::string_view s) {
    return base::EndsWithNoCase(s, ".exe") ? s.substr(0, s.size() - 4) : s;
  };
  return base::EqualsNoCase(strip(processName), strip(windowsName));
}

bool TerminateProcess(int pid) {
  return pid > 0 && ::kill(pid, SIGKILL) == 0;
}

base::Result<int> StartHostProgram(const std::vector<std::string>& argv,
                                   const fs::path& outputFile) {
  std::vector<std::string> host = argv;
  if (!host.empty() && host[0].find('/') == std::string::npos) host[0] = FindOnPath(host[0]);
  if (!host.empty() && host[0].empty()) host.clear();  // not found: Spawn says so (ENOENT)
  return Spawn(host, {}, argv.empty() ? std::string() : argv[0], ProcessPriority::Normal,
               outputFile);
}

base::Result<int> WaitForProcess(int pid, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  // Readable once the child has ended, so the wait loses no time; a host without it has the
  // child looked at every few milliseconds.
  const int ended = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  struct Closer {
    int fd;
    ~Closer() {
      if (fd >= 0) ::close(fd);
    }
  } closer{ended};
  while (true) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) return ExitStatus(pid, status);
    if (done < 0 && errno != EINTR) return WaitError(pid);
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0)
      return base::Error::WithCode(ETIMEDOUT, "process " + std::to_string(pid) +
                                                  " still runs after " +
                                                  std::to_string(limit.count()) + " ms");
    if (ended >= 0) {
      pollfd wait{ended, POLLIN, 0};
      (void)::poll(&wait, 1, static_cast<int>(std::min<long long>(left.count(), 60000)));
    } else {
      std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(5)));
    }
  }
}

bool TerminateProcessGroup(int pid) {
  return pid > 0 && ::kill(-pid, SIGKILL) == 0;
}

bool ShellExecute(std::string_view verb, std::string_view file, std::string_view parameters,
                  std::string_view workingFolder) {
  if (!verb.empty() && !base::EqualsNoCase(verb, "open")) return false;
  if (file.empty()) return false;
  const fs::path host = ToHostPath(file);
  std::error_code ec;
  const bool folder = fs::is_directory(host, ec);
  const bool program =
      !folder && (base::EndsWithNoCase(file, ".exe") || base::EndsWithNoCase(file, ".com") ||
                  base::EndsWithNoCase(file, ".bat") || base::EndsWithNoCase(file, ".cmd") ||
                  !fs::exists(host, ec) || HostExecutable(host));
  if (program) {
    std::string line = Quote(file);
    if (!parameters.empty()) line += " " + std::string(parameters);
    return StartProcess(line, workingFolder).has_value();
  }
  const std::string opener = FindOnPath("xdg-open");
  if (opener.empty()) return false;
  const base::Result<int> pid = Spawn({opener, host.string()}, HostFolder(workingFolder), file);
  if (pid) ReapLater(*pid);
  return pid.has_value();
}

}  // namespace win
