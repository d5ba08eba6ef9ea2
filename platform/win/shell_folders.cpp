// Well-known folders and the screen size.
#include "shell_folders.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "paths.h"

namespace win {
namespace fs = std::filesystem;
namespace {

std::atomic<int> screenWidth{1024};
std::atomic<int> screenHeight{768};

fs::path Home() {
  if (const char* h = std::getenv("HOME"); h && *h) return fs::path(h);
  return fs::path("/tmp");
}

// An XDG user folder: the environment, then user-dirs.dirs, then ~/<fallback>.
fs::path UserDir(const char* var, const char* fallback) {
  if (const char* v = std::getenv(var); v && *v) return fs::path(v);
  fs::path config = Home() / ".config";
  if (const char* v = std::getenv("XDG_CONFIG_HOME"); v && *v) config = v;
  std::ifstream in(config / "user-dirs.dirs");
  std::string line;
  const std::string prefix = std::string(var) + "=";
  while (std::getline(in, line)) {
    if (line.compare(0, prefix.size(), prefix) != 0) continue;
    std::string value = line.substr(prefix.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.compare(0, 5, "$HOME") == 0) value = Home().string() + value.substr(5);
    if (!value.empty()) return fs::path(value);
  }
  return Home() / fallback;
}

std::string WithoutSlash(std::string s) {
  if (s.size() > 3 && s.back() == '\\') s.pop_back();
  return s;
}

std::string WithSlash(std::string s) {
  if (s.empty() || s.back() != '\\') s += '\\';
  return s;
}

}  // namespace

std::string DesktopFolder() {
  return WithoutSlash(ToWindowsPath(UserDir("XDG_DESKTOP_DIR", "Desktop")));
}

std::string DocumentsFolder() {
  return WithoutSlash(ToWindowsPath(UserDir("XDG_DOCUMENTS_DIR", "Documents")));
}

std::string TempFolder() {
  const char* t = std::getenv("TMPDIR");
  return WithSlash(ToWindowsPath(fs::path(t && *t ? t : "/tmp")));
}

std::string WindowsFolder() {
  return "C:\\windows\\";
}

std::string SystemFolder() {
  return "C:\\windows\\system32\\";
}

ScreenSize GetScreenSize() {
  return {screenWidth.load(), screenHeight.load()};
}

void SetScreenSize(int width, int height) {
  screenWidth = width;
  screenHeight = height;
}

}  // namespace win
