// The exam client's system utilities: the folders of the run, file and folder helpers, the message
// box every error goes through, text splitting, running programs, registering controls, date and
// time stamps, the password transform, the process walk, the desktop shortcut, the candidate log,
// the local address and the paper-archive password. Paths are in Windows form ("C:\x\").
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"

// The folders of the run, filled once at start-up (InitPaths) and kept by the exam session.
struct PathGlobals {
  std::string ProgramFolder;    // the program's own folder, ending with "\"
  std::string ProgramName;      // the program's file name without folder and extension
  std::string TempFolder;       // ending with "\"
  std::string WindowsFolder;    // ending with "\"
  std::string SystemFolder;     // ending with "\"
  std::string StartFolder;      // the current folder at start, ending with "\"
  std::string DesktopFolder;    // without a trailing "\"
  std::string DocumentsFolder;  // without a trailing "\"
  int ScreenWidth = 0;
  int ScreenHeight = 0;
};
// The caption of every box ShowMessage shows.
inline constexpr std::string_view ApplicationTitle = "KIRV";

// The folders of this run. The program folder is that of /proc/self/exe unless
// KIRV_PROGRAM_FOLDER names another (a Windows-form or a host path).
PathGlobals InitPaths();

// A single trailing "\" is dropped, then true when a find-first-file finds anything (a folder
// counts; wildcards match).
bool FileExists(const std::string& path);

// Creates every missing folder along the path, outer first, skipping parts of two characters or
// less ("C:"); stops at the first creation that fails.
void MakeDirPath(const std::string& path);

// The application's message box with an OK button and no icon; returns the button.
int ShowMessage(const std::string& text);

// Trims white space at both ends, ends the text with the delimiter, then appends every piece up
// to each delimiter to `out` (empty pieces included). An empty delimiter gives the trimmed text
// as one piece.
void SplitString(const std::string& text, const std::string& delimiter,
                 std::vector<std::string>& out);

// Runs a command line hidden in the working folder and waits without a limit; true when it
// exits with 0. Shows "不能启动" + the command line when it cannot start.
bool RunAndWait(const std::string& commandLine, const std::string& workingFolder);

// Starts "regsvr32 /s "file"" without waiting, at idle priority; always true.
bool RegisterControl(const std::string& file);

// Registers every match of `pattern` in `folder` that is not hidden, by bare file name with the
// folder current; the previous current folder is restored. Nothing when the folder is missing.
void RegisterControls(const std::string& pattern, const std::string& folder);

// Local date "YYYYMMDD" and time "HHMMSS" (24-hour), now or of a given moment.
std::string GetDateString();
std::string GetTimeString();
std::string GetDateString(const std::tm& t);
std::string GetTimeString(const std::tm& t);

// The password transform: each byte c (signed) becomes ((c - 32)^k remainder 91) + 32 with k 29
// when `flag` is set and 5 otherwise; the two exponents undo each other on bytes 32-122.
std::string TransformPassword(const std::string& text, bool flag);

// Called for each running process with (process id, 16-bit task id, module base name, user
// value); returning false stops the walk. Names are the host's ("winword" for a program the
// platform would call "WINWORD.EXE"): compare them with win::ProcessNameMatches.
using ProcessCallback = std::function<bool(uint32_t processId, uint16_t taskId,
                                           const std::string& name, intptr_t user)>;

// Walks every process; true when the walk ran.
bool ForEachProcess(const ProcessCallback& callback, intptr_t userValue);

// Renames (or moves) a file or folder silently, replacing a target file and creating a missing
// target folder; true on success.
bool RenameFile(const std::string& oldPath, const std::string& newPath);

// The program never runs as a 32-bit guest on a 64-bit system here.
bool IsWow64();

// Saves a shortcut named `name` on the desktop to `target` with `workingFolder`, replacing an
// existing one; true when saved.
bool CreateDesktopShortcut(const std::string& name, const std::string& target,
                           const std::string& workingFolder);

// Appends the text and CR LF (in GBK) to the candidate log studentFolder + "log\" + examCode +
// ".log", flushed, and marks the log hidden; nothing while the code or the folder is empty. An
// error when the line could not be written.
base::Status WriteLog(const std::string& studentFolder, const std::string& examCode,
                      const std::string& text);

// The n-th IPv4 address of the host name, dotted, n being the [KIRV] NIC setting read as a
// number (empty = 0); "" when there is none.
std::string GetLocalIP(const std::string& nicSetting);

// The paper-archive password.
std::string GetAttachPassword();
