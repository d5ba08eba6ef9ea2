// Files and folders by Windows-form path, over std::filesystem.
#include "files.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "attributes.h"
#include "paths.h"

namespace win {
namespace fs = std::filesystem;
namespace {

char Fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HasWildcards(std::string_view s) {
  return s.find_first_of("*?") != std::string_view::npos;
}

std::string NoTrailingSlash(const fs::path& p) {
  std::string s = p.string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

bool Entry(const fs::path& host, std::string name, FindData* out) {
  struct stat st;
  if (::stat(host.c_str(), &st) != 0) return false;
  out->name = std::move(name);
  out->isFolder = S_ISDIR(st.st_mode);
  out->attributes = GetHostFileAttributes(host);
  out->size = out->isFolder ? 0 : static_cast<uint64_t>(st.st_size);
  out->lastWriteTime = st.st_mtime;
  return true;
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*" || pattern == "*") return true;
  // Greedy match with one back-track point for the last "*".
  size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
      ++p, ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<FindData> FindFiles(std::string_view pattern) {
  std::vector<FindData> out;
  const std::string last = FileNamePart(pattern);
  if (last.empty() || last == "." || last == "..") return out;
  if (!HasWildcards(last)) {
    const fs::path host = ToHostPath(pattern);
    FindData d;
    if (Entry(host, host.filename().string(), &d)) out.push_back(std::move(d));
    return out;
  }
  const std::string folder = FolderPart(pattern);
  std::error_code ec;
  const fs::path dir = folder.empty() ? fs::current_path(ec) : ToHostPath(folder);
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!WildcardMatch(last, name)) continue;
    FindData d;
    if (Entry(it->path(), std::move(name), &d)) out.push_back(std::move(d));
  }
  std::sort(out.begin(), out.end(),
            [](const FindData& a, const FindData& b) { return a.name < b.name; });
  return out;
}

bool PathExists(std::string_view windowsPath) {
  std::error_code ec;
  return fs::exists(ToHostPath(windowsPath), ec);
}

bool IsFolder(std::string_view windowsPath) {
  std::error_code ec;
  return fs::is_directory(ToHostPath(windowsPath), ec);
}

bool CreateDirectory(std::string_view windowsPath) {
  std::error_code ec;
  return fs::create_directory(NoTrailingSlash(ToHostPath(windowsPath)), ec) && !ec;
}

bool RemoveDirectory(std::string_view windowsPath) {
  const fs::path host = NoTrailingSlash(ToHostPath(windowsPath));
  std::error_code ec;
  if (!fs::is_directory(fs::symlink_status(host, ec)) || !fs::is_empty(host, ec) || ec)
    return false;
  ForgetStoredAttributes(host);
  return fs::remove(host, ec) && !ec;
}

bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) {
  const fs::path src = ToHostPath(from);
  const fs::path dst = ToHostPath(to);
  std::error_code ec;
  if (!fs::is_regular_file(src, ec)) return false;
  if (fs::exists(dst, ec)) {
    if (failIfExists || fs::is_directory(dst, ec)) return false;
    if (GetHostFileAttributes(dst) & FILE_ATTRIBUTE_READONLY) return false;
  }
  fs::copy_file(src, dst, fs::copy_options::overwrite_existing, ec);
  if (ec) return false;
  // A copy carries the source's attributes, as the platform's copy does.
  return SetHostFileAttributes(dst, GetHostFileAttributes(src));
}

bool DeleteFile(std::string_view windowsPath) {
  const fs::path host = ToHostPath(windowsPath);
  std::error_code ec;
  if (!fs::is_regular_file(fs::symlink_status(host, ec)) && !fs::is_symlink(host, ec)) return false;
  if (GetHostFileAttributes(host) & FILE_ATTRIBUTE_READONLY) return false;
  ForgetStoredAttributes(host);
  return fs::remove(host, ec) && !ec;
}

bool MoveFile(std::string_view from, std::string_view to, bool replaceExisting) {
  const fs::path src = NoTrailingSlash(ToHostPath(from));
  const fs::path dst = NoTrailingSlash(ToHostPath(to));
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(src, ec))) return false;
  if (fs::exists(dst, ec)) {
    if (!replaceExisting || fs::is_directory(dst, ec) || fs::is_directory(src, ec)) return false;
  }
  fs::rename(src, dst, ec);
  if (!ec) return true;
  if (ec != std::errc::cross_device_link) return false;
  ec.clear();
  fs::copy(src, dst,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing |
               fs::copy_options::copy_symlinks,
           ec);
  if (ec) return false;
  fs::remove_all(src, ec);
  return !ec;
}

std::string GetCurrentDirectory() {
  std::error_code ec;
  std::string s = ToWindowsPath(fs::current_path(ec));
  if (s.size() > 3 && s.back() == '\\') s.pop_back();
  return s;
}

bool SetCurrentDirectory(std::string_view windowsPath) {
  std::error_code ec;
  fs::current_path(ToHostPath(windowsPath), ec);
  return !ec;
}

}  // namespace win
