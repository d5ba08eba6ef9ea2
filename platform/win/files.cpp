// Files and folders by Windows-form path, over std::filesystem.
#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "attributes.h"
#include "confined_file.h"
#include "errno_error.h"
#include "paths.h"
#include "platform/base/text.h"

namespace win {
namespace fs = std::filesystem;
namespace {

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
  // A pattern ending in "." asks for names without an extension: "*." finds "README".
  if (pattern.size() > 1 && pattern.back() == '.' && name.find('.') == std::string_view::npos)
    pattern.remove_suffix(1);
  // reach[n]: the pattern read so far can end just before name[n].
  std::vector<char> reach(name.size() + 1, 0), next(name.size() + 1, 0);
  reach[0] = 1;
  for (const char pc : pattern) {
    std::fill(next.begin(), next.end(), 0);
    for (size_t n = 0; n <= name.size(); ++n) {
      if (!reach[n]) continue;
      if (pc == '*') {
        for (size_t k = n; k <= name.size(); ++k) next[k] = 1;
        break;
      }
      if (pc == '?') {
        // One character, or none at the end of the name or before a dot.
        if (n == name.size() || name[n] == '.')
          next[n] = 1;
        else
          next[n + 1] = 1;
      } else if (n < name.size() && base::AsciiLower(pc) == base::AsciiLower(name[n])) {
        next[n + 1] = 1;
      }
    }
    reach.swap(next);
  }
  return reach[name.size()] != 0;
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
  return MakeFolder(windowsPath).has_value();
}

bool RemoveDirectory(std::string_view windowsPath) {
  return RemoveFolder(windowsPath).has_value();
}

base::Status MakeFolder(std::string_view windowsPath) {
  const std::string host = NoTrailingSlash(ToHostPath(windowsPath));
  if (::mkdir(host.c_str(), 0777) != 0) return ErrnoError("cannot make the folder ", host);
  return base::Ok();
}

base::Status RemoveFolder(std::string_view windowsPath) {
  const std::string host = NoTrailingSlash(ToHostPath(windowsPath));
  struct stat st;
  if (::lstat(host.c_str(), &st) != 0) return ErrnoError("cannot remove the folder ", host);
  if (!S_ISDIR(st.st_mode)) return ErrnoError("cannot remove the folder ", host, ENOTDIR);
  std::error_code ec;
  // Checked first: the stored attributes are dropped only when the folder really goes.
  if (!fs::is_empty(host, ec) && !ec)
    return ErrnoError("cannot remove the folder ", host, ENOTEMPTY);
  ForgetStoredAttributes(host);
  if (::rmdir(host.c_str()) != 0) return ErrnoError("cannot remove the folder ", host);
  return base::Ok();
}

bool FileOpensForReading(std::string_view windowsPath) {
  if (HasWildcards(FileNamePart(windowsPath))) return false;
  return HostFileOpensForReading(ToHostPath(windowsPath));
}

bool HostFileOpensForReading(const fs::path& host) {
  // Only a regular file is opened: a pipe or a device might block or act on being opened.
  struct stat st;
  if (::stat(host.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  // Not blocking either when the path was made a pipe since.
  const int fd = ::open(host.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool file = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  ::close(fd);
  return file;
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
  return ChangeFolder(windowsPath).has_value();
}

base::Status ChangeFolder(std::string_view windowsPath) {
  const fs::path host = ToHostPath(windowsPath);
  if (::chdir(host.c_str()) != 0) return ErrnoError("cannot change to the folder ", host);
  return base::Ok();
}

namespace {

base::Error WriteFailed(const char* what, const std::string& path, int error) {
  return base::Error{std::string(what) + " " + path + ": " + std::strerror(error), error};
}

// Writes every byte; false with errno set when the file takes fewer.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Makes the rename itself last; a folder that cannot be flushed is no reason to fail.
void FlushFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

base::Status WriteFileAtomically(std::string_view windowsPath, std::string_view bytes,
                                 uint32_t attributes, const ConfinedFolder* within) {
  fs::path host = ToHostPath(windowsPath);
  if (within != nullptr) {
    // Written where the folder really is, once it is known to lie inside.
    base::Result<fs::path> writable = WritablePath(host, *within);
    if (!writable) return writable.error();
    host = *std::move(writable);
  }
  const std::string tempName = "~" + host.filename().string() + "." + std::to_string(::getpid());
  const fs::path temp = host.parent_path() / tempName;

  ::unlink(temp.c_str());  // left by a program killed halfway
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return WriteFailed("cannot create", temp.string(), errno);
  if (within != nullptr && !OpenedInside(fd, *within)) {
    ::close(fd);
    ::unlink(temp.c_str());
    return base::Error{
        "cannot create " + temp.string() + ": it lies outside " + within->root().string(), ENOENT};
  }
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return WriteFailed("cannot write", temp.string(), error);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return WriteFailed("cannot write", temp.string(), error);
  }
  // The attributes travel with the file, so it is never seen without them.
  (void)SetHostFileAttributes(temp, attributes);
  if (::rename(temp.c_str(), host.c_str()) != 0) {
    const int error = errno;
    (void)SetHostFileAttributes(temp, FILE_ATTRIBUTE_NORMAL);
    ::unlink(temp.c_str());
    return WriteFailed("cannot replace", host.string(), error);
  }
  FlushFolder(host.parent_path());
  return base::Ok();
}

}  // namespace win
