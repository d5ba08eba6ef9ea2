// The exam client's system utilities over the platform layer.
#include "client/common/system_utils.h"

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <arpa/inet.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "client/common/file_write.h"
#include "platform/base/text.h"
#include "platform/win/attributes.h"
#include "platform/win/codepage.h"
#include "platform/win/files.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/process.h"
#include "platform/win/shell_file_op.h"
#include "platform/win/shell_folders.h"
#include "platform/win/shortcut.h"

namespace {

std::string WithBackslash(std::string s) {
  if (s.empty() || s.back() != '\\') s += '\\';
  return s;
}

}  // namespace

PathGlobals InitPaths() {
  PathGlobals paths;
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (const char* v = std::getenv("KIRV_PROGRAM_FOLDER"); v && *v)
    paths.ProgramFolder = WithBackslash(v[0] == '/' ? win::ToWindowsPath(v) : std::string(v));
  else
    paths.ProgramFolder = WithBackslash(win::ToWindowsPath(exe.parent_path()));
  paths.ProgramName = exe.stem().string();
  paths.TempFolder = WithBackslash(win::TempFolder());
  paths.WindowsFolder = WithBackslash(win::WindowsFolder());
  paths.SystemFolder = WithBackslash(win::SystemFolder());
  paths.StartFolder = WithBackslash(win::GetCurrentDirectory());
  paths.DesktopFolder = win::DesktopFolder();
  paths.DocumentsFolder = win::DocumentsFolder();
  const win::ScreenSize screen = win::GetScreenSize();
  paths.ScreenWidth = screen.width;
  paths.ScreenHeight = screen.height;
  return paths;
}

bool FileExists(const std::string& path) {
  std::string p = path;
  if (!p.empty() && p.back() == '\\') p.pop_back();
  return !win::FindFiles(p).empty();
}

void MakeDirPath(const std::string& path) {
  if (path.empty() || FileExists(path)) return;
  for (size_t i = path.find('\\'); i != std::string::npos; i = path.find('\\', i + 1)) {
    const std::string part = path.substr(0, i);
    if (part.size() > 2 && !FileExists(part) && !win::CreateDirectory(part)) return;
  }
  if (path.size() > 2 && !FileExists(path)) win::CreateDirectory(path);
}

int ShowMessage(const std::string& text) {
  return win::MessageBox(text, ApplicationTitle, win::MB_OK);
}

void SplitString(const std::string& text, const std::string& delimiter,
                 std::vector<std::string>& out) {
  std::string rest(base::Trim(text));
  if (delimiter.empty()) {  // nothing to split at: the text is one piece
    out.push_back(rest);
    return;
  }
  if (!rest.ends_with(delimiter)) rest += delimiter;
  size_t start = 0;
  for (size_t at = rest.find(delimiter); at != std::string::npos;
       at = rest.find(delimiter, start)) {
    out.push_back(rest.substr(start, at - start));
    start = at + delimiter.size();
  }
}

bool RunAndWait(const std::string& commandLine, const std::string& workingFolder) {
  const base::Result<int> exitCode = win::RunAndWaitProcess(commandLine, workingFolder);
  if (!exitCode) {
    ShowMessage("不能启动" + commandLine);
    return false;
  }
  return *exitCode == 0;
}

bool RegisterControl(const std::string& file) {
  // Not waited for, and at idle priority: the registrations finish long before grading needs
  // them, and the rules dialog does not wait for the processor they take.
  (void)win::StartProcess("regsvr32 /s \"" + file + "\"", "", win::ProcessPriority::Idle);
  return true;
}

void RegisterControls(const std::string& pattern, const std::string& folder) {
  const std::string previous = win::GetCurrentDirectory();
  // Without the folder current, the pattern would match files of whatever folder was.
  if (!win::SetCurrentDirectory(folder)) return;
  for (const win::FindData& f : win::FindFiles(pattern))
    if (!(f.attributes & win::FILE_ATTRIBUTE_HIDDEN)) RegisterControl(f.name);
  win::SetCurrentDirectory(previous);
}

std::string GetDateString(const std::tm& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
  return buf;
}

std::string GetTimeString(const std::tm& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d%02d%02d", t.tm_hour, t.tm_min, t.tm_sec);
  return buf;
}

namespace {
std::tm Now() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return t;
}
}  // namespace

std::string GetDateString() {
  return GetDateString(Now());
}
std::string GetTimeString() {
  return GetTimeString(Now());
}

std::string TransformPassword(const std::string& text, bool flag) {
  const int k = flag ? 29 : 5;
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const int c = static_cast<signed char>(ch);
    int v = 1;
    for (int i = 0; i < k; ++i) v = (v * (c - 32)) % 91;
    out += static_cast<char>(v + 32);
  }
  return out;
}

bool ForEachProcess(const ProcessCallback& callback, intptr_t userValue) {
  if (!callback) return false;
  for (const win::ProcessEntry& p : win::ListProcesses())
    if (!callback(static_cast<uint32_t>(p.pid), 0, p.name, userValue)) break;
  return true;
}

bool RenameFile(const std::string& oldPath, const std::string& newPath) {
  return win::ShellFileOperation(win::ShellOperation::Rename, oldPath, newPath);
}

bool IsWow64() {
  return false;
}

bool CreateDesktopShortcut(const std::string& name, const std::string& target,
                           const std::string& workingFolder) {
  return win::CreateShortcut(win::DesktopFolder() + "\\" + name + ".lnk", target, workingFolder);
}

base::Status WriteLog(const std::string& studentFolder, const std::string& examCode,
                      const std::string& text) {
  if (examCode.empty() || studentFolder.empty()) return base::Ok();
  if (!FileExists(studentFolder + "log")) MakeDirPath(studentFolder + "log");
  const std::string file = studentFolder + "log\\" + examCode + ".log";
  if (base::Status s = AppendToFile(file, win::Utf8ToGbk(text) + "\r\n"); !s) return s;
  (void)win::SetFileAttributes(file, win::FILE_ATTRIBUTE_HIDDEN);
  return base::Ok();
}

std::string GetLocalIP(const std::string& nic) {
  char host[128] = {};
  if (::gethostname(host, sizeof host - 1) != 0) return {};
  const long n = std::strtol(nic.c_str(), nullptr, 10);
  if (n < 0) return {};
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;  // one entry per address
  addrinfo* list = nullptr;
  if (::getaddrinfo(host, nullptr, &hints, &list) != 0) return {};
  std::string result;
  long i = 0;
  for (addrinfo* a = list; a; a = a->ai_next) {
    if (a->ai_family != AF_INET || i++ != n) continue;
    char text[INET_ADDRSTRLEN] = {};
    const auto* sin = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
    if (::inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text)) result = text;
    break;
  }
  ::freeaddrinfo(list);
  return result;
}

std::string GetAttachPassword() {
  return "RW5827";
}
