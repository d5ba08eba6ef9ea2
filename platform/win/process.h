// Processes: run a Windows-form command line (waited for or not), the process walk over /proc,
// ending a process by pid, and the shell's "Open".
//
// A command line's program is found this way: an existing file at its resolved path runs as is
// when it is a host executable; a ".bat" or ".cmd" file runs with /bin/sh (the CRs of CR LF
// lines removed); otherwise the host program named like its last component without ".exe" /
// ".com" is looked up in the running program's folder, then on PATH, so
// "C:\kirv\7za.exe" runs the host's 7za. Arguments that are Windows-form absolute paths
// ("C:\x", or an option glued to one as in "-oC:\x") reach the program as host paths. Programs
// get /dev/null as input and never a terminal of their own.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"

namespace win {

// Splits a command line the way the programs this system runs (7-Zip, regsvr32) read theirs:
// blanks separate arguments, a double quote starts or ends a group, two quotes inside a group
// give one, and a backslash is always literal, so a quoted folder may end in "\" ("-o"C:\x\"").
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The host argument vector a command line runs as; empty when no program can be found.
std::vector<std::string> HostCommand(std::string_view commandLine);

// Runs a command line in a working folder (Windows form; empty = current) and waits for it
// without a time limit. The value is the program's exit status (128 + the signal number for a
// process ended by a signal); an error when no program could be found or started (its code the
// errno, ENOENT for a program not found).
base::Result<int> RunAndWaitProcess(std::string_view commandLine, std::string_view workingFolder);

// How a started process competes for the processor, as the platform's priority classes say:
// Idle runs only when nothing else wants the processor (the host's SCHED_IDLE).
enum class ProcessPriority { Normal, Idle };

// Starts a command line without waiting and returns its pid, or the error as RunAndWaitProcess
// reports it. The child is reaped in the background.
base::Result<int> StartProcess(std::string_view commandLine, std::string_view workingFolder,
                               ProcessPriority priority = ProcessPriority::Normal);

struct ProcessEntry {
  int pid = 0;
  std::string name;  // base name of the executable, as the host names it ("bash", "winword")
};

// Every process visible in /proc, by increasing pid.
std::vector<ProcessEntry> ListProcesses();

// True when a process name from ListProcesses is the program a Windows-style name means:
// compared without case and without a ".exe" ending on either side, so "WINWORD.EXE" matches a
// host "winword".
bool ProcessNameMatches(std::string_view processName, std::string_view windowsName);

// Ends a process at once (SIGKILL); false when there is no such process or it may not be ended.
bool TerminateProcess(int pid);

// Starts a host program with an argument vector of its own, unmapped (for our layers' helpers,
// not for the system's command lines): argv[0] is looked up on PATH when it names no folder. Its
// output and errors go to `outputFile` when one is given (made anew, never through a link). The
// child is not reaped in the background: wait for it with WaitForProcess. Errors as StartProcess.
base::Result<int> StartHostProgram(const std::vector<std::string>& argv,
                                   const std::filesystem::path& outputFile = {});

// Waits at most `limit`, measured on the monotonic clock, for a child that StartHostProgram
// started. The value is its exit status as RunAndWaitProcess gives it; ETIMEDOUT when it still
// runs then (it is left running: end it and wait again to reap it).
base::Result<int> WaitForProcess(int pid, std::chrono::milliseconds limit);

// Ends at once a process this layer started together with every process it started that stayed
// in its process group (each child of ours leads a group of its own); false when there is no
// such group or it may not be ended.
bool TerminateProcessGroup(int pid);

// The shell's "Open" (an empty verb means the same; other verbs fail): a program starts with the
// parameters in the working folder; a folder or document opens with xdg-open when the host has
// it. Never waits. True when something was started.
bool ShellExecute(std::string_view verb, std::string_view file, std::string_view parameters,
                  std::string_view workingFolder);

}  // namespace win
