// The exam client's system utilities over the platform layer.
#include "client/system_utils.h"

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <arpa/inet.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "client/globals.h"
#include "platform/win/attributes.h"
#include "platform/win/codepage.h"
#include "platform/win/files.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/process.h"
#include "platform/win/profile.h"
#include "platform/win/shell_file_op.h"
#include "platform/win/shell_folders.h"
#include "platform/win/shortcut.h"

PathGlobals Paths;
std::string& ProgramFolder = Paths.ProgramFolder;
std::string ApplicationTitle = "KIRV";

namespace {

std::string WithBackslash(std::string s) {
  if (s.empty() || s.back() != '\\') s += '\\';
  return s;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

void InitPaths() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (const char* v = std::getenv("KIRV_PROGRAM_FOLDER"); v && *v)
    Paths.ProgramFolder = WithBackslash(v[0] == '/' ? win::ToWindowsPath(v) : std::string(v));
  else
    Paths.ProgramFolder = WithBackslash(win::ToWindowsPath(exe.parent_path()));
  Paths.ProgramName = exe.stem().string();
  Paths.TempFolder = WithBackslash(win::TempFolder());
  Paths.WindowsFolder = WithBackslash(win::WindowsFolder());
  Paths.SystemFolder = WithBackslash(win::SystemFolder());
  Paths.StartFolder = WithBackslash(win::GetCurrentDirectory());
  Paths.DesktopFolder = win::DesktopFolder();
  Paths.DocumentsFolder = win::DocumentsFolder();
  const win::ScreenSize screen = win::GetScreenSize();
  Paths.ScreenWidth = screen.width;
  Paths.ScreenHeight = screen.height;
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
  size_t b = 0, e = text.size();
  while (b < e && IsSpace(text[b])) ++b;
  while (e > b && IsSpace(text[e - 1])) --e;
  std::string rest = text.substr(b, e - b);
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
  win::ShellExecute("Open", "regsvr32", "/s \"" + file + "\"", "");
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

void WriteLog(const std::string& text) {
  if (ExamCode.empty() || StudentFolder.empty()) return;
  if (!FileExists(StudentFolder + "log")) MakeDirPath(StudentFolder + "log");
  const std::string file = StudentFolder + "log\\" + ExamCode + ".log";
  {
    std::ofstream out(win::ToHostPath(file), std::ios::binary | std::ios::app);
    if (!out) return;
    out << win::Utf8ToGbk(text) << "\r\n";
  }
  win::SetFileAttributes(file, win::FILE_ATTRIBUTE_HIDDEN);
}

std::string GetLocalIP() {
  char host[128] = {};
  if (::gethostname(host, sizeof host - 1) != 0) return {};
  const std::string nic =
      win::GetPrivateProfileString("KIRV", "NIC", "", Paths.ProgramFolder + "KIRV.ini", 255);
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
