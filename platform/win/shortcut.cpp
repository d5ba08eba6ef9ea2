// Desktop entries standing in for shell links.
#include "shortcut.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "paths.h"
#include "platform/base/text.h"
#include "process.h"

namespace win {
namespace fs = std::filesystem;
namespace {

// Quotes one argument of an Exec line. The format escapes twice: a reserved character gets a
// backslash inside the quotes, and every backslash is doubled again as the value is a string.
std::string ExecQuote(const std::string& arg) {
  std::string out = "\"";
  for (char c : arg) {
    if (c == '\\')
      out += "\\\\\\\\";
    else if (c == '"' || c == '`' || c == '$')
      out += std::string("\\\\") + c;
    else if (c == '%')
      out += "%%";
    else
      out += c;
  }
  return out + "\"";
}

// Values of a desktop entry may not hold line breaks.
std::string OneLine(std::string s) {
  for (char& c : s)
    if (c == '\n' || c == '\r') c = ' ';
  return s;
}

}  // namespace

std::string ShortcutFileName(std::string_view linkWindowsPath) {
  std::string name(linkWindowsPath);
  if (base::EndsWithNoCase(name, ".lnk")) name.resize(name.size() - 4);
  return name + ".desktop";
}

bool CreateShortcut(std::string_view linkWindowsPath, std::string_view targetWindowsPath,
                    std::string_view workingFolderWindowsPath, std::string_view arguments) {
  const fs::path file = ToHostPath(ShortcutFileName(linkWindowsPath));
  std::string title = FileNamePart(linkWindowsPath);
  if (base::EndsWithNoCase(title, ".lnk")) title.resize(title.size() - 4);
  std::vector<std::string> command =
      HostCommand("\"" + std::string(targetWindowsPath) + "\"" + (arguments.empty() ? "" : " ") +
                  std::string(arguments));
  if (command.empty()) command.push_back(ToHostPath(targetWindowsPath).string());
  std::string exec;
  for (const std::string& a : command) exec += (exec.empty() ? "" : " ") + ExecQuote(a);

  const fs::path temp = file.parent_path() / ("." + file.filename().string() + ".new");
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << "[Desktop Entry]\nType=Application\nName=" << OneLine(title)
        << "\nExec=" << OneLine(exec) << "\n";
    if (!workingFolderWindowsPath.empty()) {
      std::string dir = ToHostPath(workingFolderWindowsPath).string();
      while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
      out << "Path=" << OneLine(dir) << "\n";
    }
    out << "Terminal=false\n";
    if (!out.flush()) return false;
  }
  ::chmod(temp.c_str(), 0755);
  std::error_code ec;
  fs::rename(temp, file, ec);
  if (ec) fs::remove(temp, ec);
  return !ec;
}

}  // namespace win
