// The top-level window list in the runtime folder. A title is written to a temporary file and
// renamed into place, so a reader never sees half a title.
#include "platform/ui/window_list.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <tuple>

namespace ui {
namespace fs = std::filesystem;

namespace {

bool ParseName(const std::string& name, long& pid, unsigned long& id) {
  const size_t dash = name.find('-');
  if (dash == std::string::npos || dash == 0 || dash + 1 >= name.size()) return false;
  char* end = nullptr;
  pid = std::strtol(name.c_str(), &end, 10);
  if (end != name.c_str() + dash || pid <= 0) return false;
  id = std::strtoul(name.c_str() + dash + 1, &end, 10);
  return *end == '\0';
}

bool ProcessRuns(long pid) {
  return kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// True unless `folder` exists and is not a private folder of this user (a link, another user's,
// or writable by others): a folder in /tmp may have been made by anyone.
bool MayUse(const fs::path& folder) {
  struct stat st;
  if (lstat(folder.c_str(), &st) != 0) return errno == ENOENT;
  return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The folder without creating it.
fs::path FolderPath() {
  if (const char* own = std::getenv("KIRV_WINDOW_LIST"); own && *own) return own;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
    return fs::path(runtime) / "kirv-windows";
  fs::path shared = fs::path("/tmp") / ("kirv-windows-" + std::to_string(getuid()));
  if (MayUse(shared)) return shared;
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : "/") / ".cache" / "kirv-windows";
}

fs::path EntryName(unsigned long id) {
  return std::to_string(getpid()) + "-" + std::to_string(id);
}

}  // namespace

fs::path WindowListFolder() {
  const fs::path folder = FolderPath();
  std::error_code ec;
  if (fs::create_directories(folder, ec))
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
  return folder;
}

bool PublishWindowTitle(unsigned long id, const std::string& titleUtf8) {
  const fs::path target = WindowListFolder() / EntryName(id);
  fs::path temp = target;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << titleUtf8;
    if (!out.flush()) return false;
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  return !ec;
}

void WithdrawWindowTitle(unsigned long id) {
  std::error_code ec;
  fs::remove(FolderPath() / EntryName(id), ec);
}

void WithdrawAllWindowTitles() {
  const std::string prefix = std::to_string(getpid()) + "-";
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(FolderPath(), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0) fs::remove(entry.path(), ec);
  }
}

std::vector<std::string> TopLevelWindowTitles() {
  std::vector<std::tuple<long, unsigned long, std::string>> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(WindowListFolder(), ec)) {
    long pid = 0;
    unsigned long id = 0;
    if (!ParseName(entry.path().filename().string(), pid, id)) continue;
    if (!ProcessRuns(pid)) {
      std::error_code ignored;
      fs::remove(entry.path(), ignored);
      continue;
    }
    std::ifstream in(entry.path(), std::ios::binary);
    if (!in) continue;  // withdrawn meanwhile
    std::ostringstream text;
    text << in.rdbuf();
    found.emplace_back(pid, id, text.str());
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> titles;
  for (auto& item : found) titles.push_back(std::move(std::get<2>(item)));
  return titles;
}

}  // namespace ui
