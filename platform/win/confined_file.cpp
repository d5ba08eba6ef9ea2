// Reading files that could be hostile, and appending to logs beside them (see confined_file.h).
#include "platform/win/confined_file.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/win/errno_error.h"

namespace win {
namespace fs = std::filesystem;
namespace {

base::Error Missing(const fs::path& file, std::string_view why) {
  return base::Error::WithCode(ENOENT, "cannot read " + file.string() + ": " + std::string(why));
}

// The path with every link followed, or why there is none; a name that leads nowhere (missing,
// a dangling link, a loop) reads as missing.
base::Result<fs::path> RealPath(const fs::path& path) {
  std::unique_ptr<char, decltype(&::free)> real(::realpath(path.c_str(), nullptr), &::free);
  if (real == nullptr) {
    const int err = errno;
    if (err == ENOENT || err == ENOTDIR || err == ELOOP) return Missing(path, "no such file");
    return ErrnoError("cannot read ", path, err);
  }
  return fs::path(real.get());
}

// True when `path` (without links) names something strictly inside the folder `root`.
bool Inside(const std::string& path, const std::string& root) {
  if (root == "/") return path.size() > 1 && path.front() == '/';
  return path.size() > root.size() + 1 && path.compare(0, root.size(), root) == 0 &&
         path[root.size()] == '/';
}

bool InsideOrAt(const std::string& path, const std::string& root) {
  return path == root || Inside(path, root);
}

// Where an open descriptor really is; empty when /proc cannot tell.
std::string OpenedPath(int fd) {
  char buffer[PATH_MAX];
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t n = ::readlink(link.c_str(), buffer, sizeof buffer);
  if (n <= 0 || static_cast<size_t>(n) >= sizeof buffer) return {};
  return std::string(buffer, static_cast<size_t>(n));
}

// Opens what `file` names, never blocking, once a look at it says it is a regular file (so a
// device is never opened at all); `flags` adds O_NOFOLLOW where no link may be followed. `size`
// is the opened file's size.
base::Result<int> OpenRegular(const fs::path& file, uint64_t maxBytes, int flags, uint64_t& size) {
  struct stat st;
  const int looked =
      (flags & O_NOFOLLOW) != 0 ? ::lstat(file.c_str(), &st) : ::stat(file.c_str(), &st);
  if (looked != 0) {
    const int err = errno;
    if (err == ENOENT || err == ENOTDIR || err == ELOOP) return Missing(file, "no such file");
    return ErrnoError("cannot read ", file, err);
  }
  if (!S_ISREG(st.st_mode)) return Missing(file, "not a regular file");
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags);
  if (fd < 0) {
    const int err = errno;
    if (err == ELOOP) return Missing(file, "a symbolic link");
    return ErrnoError("cannot open ", file, err);
  }
  // It may have been replaced between the look and the open.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return Missing(file, "not a regular file");
  }
  if (static_cast<uint64_t>(st.st_size) > maxBytes) {
    ::close(fd);
    return base::Error::WithCode(EFBIG, "cannot read " + file.string() + ": larger than " +
                                            std::to_string(maxBytes) + " bytes");
  }
  size = static_cast<uint64_t>(st.st_size);
  return fd;
}

}  // namespace

OpenedFile::OpenedFile(OpenedFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), path_(std::move(other.path_)) {}

OpenedFile& OpenedFile::operator=(OpenedFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    size_ = other.size_;
    path_ = std::move(other.path_);
  }
  return *this;
}

OpenedFile::~OpenedFile() {
  if (fd_ >= 0) ::close(fd_);
}

base::Status OpenedFile::ReadAll(char* out) const {
  return ReadAt(0, out, static_cast<size_t>(size_));
}

base::Status OpenedFile::ReadAt(uint64_t offset, char* out, size_t count) const {
  size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd_, out + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ErrnoError("cannot read ", path_);
    if (n == 0) return base::Error::Of("cannot read ", path_.string(), ": it became shorter");
    done += static_cast<size_t>(n);
  }
  return base::Ok();
}

base::Result<size_t> OpenedFile::ReadPrefix(char* out, size_t count) const {
  size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd_, out + done, count - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ErrnoError("cannot read ", path_);
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

base::Result<OpenedFile> OpenRegularFile(const fs::path& file, uint64_t maxBytes) {
  uint64_t size = 0;
  base::Result<int> fd = OpenRegular(file, maxBytes, 0, size);
  if (!fd) return fd.error();
  return OpenedFile(*fd, size, file);
}

base::Result<ConfinedFolder> ConfinedFolder::Resolve(const fs::path& root) {
  base::Result<fs::path> real = RealPath(root);
  if (!real) return real.error();
  fs::path folder = root.has_filename() ? root : root.parent_path();
  return ConfinedFolder(root, std::move(folder), real->string(), real->string());
}

base::Result<ConfinedFolder> ConfinedFolder::OfCheckFolder(const fs::path& checkFolder) {
  fs::path folder = checkFolder.has_filename() ? checkFolder : checkFolder.parent_path();
  fs::path candidate = folder.parent_path();
  if (candidate.empty()) candidate = ".";
  base::Result<fs::path> real = RealPath(candidate);
  if (!real) return real.error();
  base::Result<fs::path> folderReal = RealPath(folder);
  if (!folderReal) return folderReal.error();
  if (!InsideOrAt(folderReal->string(), real->string()))
    return Missing(folder, "it leads out of " + candidate.string());
  return ConfinedFolder(std::move(candidate), std::move(folder), real->string(),
                        folderReal->string());
}

namespace {

// The file's path without links. A file named straight in the folder that is no link itself is
// the folder's real path and its name: one look instead of following every component again.
base::Result<fs::path> RealPathIn(const fs::path& file, const ConfinedFolder& folder) {
  const fs::path name = file.filename();
  if (!name.empty() && name != "." && name != ".." && file.parent_path() == folder.folder()) {
    const fs::path direct = fs::path(folder.folderReal()) / name;
    struct stat st;
    if (::lstat(direct.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) return direct;
  }
  return RealPath(file);
}

}  // namespace

base::Result<OpenedFile> OpenConfinedFile(const fs::path& file, const fs::path& root,
                                          uint64_t maxBytes) {
  base::Result<ConfinedFolder> folder = ConfinedFolder::Resolve(root);
  if (!folder) return folder.error();
  return OpenConfinedFile(file, *folder, maxBytes);
}

base::Result<OpenedFile> OpenConfinedFile(const fs::path& file, const ConfinedFolder& folder,
                                          uint64_t maxBytes) {
  base::Result<fs::path> real = RealPathIn(file, folder);
  if (!real) return real.error();
  if (!Inside(real->string(), folder.real()))
    return Missing(file, "it lies outside " + folder.root().string());
  // Opened by its linkless name, and checked where it really is once open: a folder on the way
  // swapped for a link since it was resolved is seen here.
  uint64_t size = 0;
  base::Result<int> fd = OpenRegular(*real, maxBytes, O_NOFOLLOW, size);
  if (!fd) return fd.error();
  OpenedFile opened(*fd, size, file);
  if (const std::string where = OpenedPath(*fd); !where.empty() && !Inside(where, folder.real()))
    return Missing(file, "it lies outside " + folder.root().string());
  return opened;
}

namespace {

base::Result<std::string> ReadOpened(base::Result<OpenedFile> file) {
  if (!file) return file.error();
  std::string bytes(static_cast<size_t>(file->size()), '\0');
  if (base::Status read = file->ReadAll(bytes.data()); !read) return read.error();
  return bytes;
}

}  // namespace

base::Result<std::string> ReadConfinedFile(const fs::path& file, const fs::path& root,
                                           uint64_t maxBytes) {
  return ReadOpened(OpenConfinedFile(file, root, maxBytes));
}

base::Result<std::string> ReadConfinedFile(const fs::path& file, const ConfinedFolder& folder,
                                           uint64_t maxBytes) {
  return ReadOpened(OpenConfinedFile(file, folder, maxBytes));
}

base::Result<std::string> ReadRegularFile(const fs::path& file, uint64_t maxBytes) {
  return ReadOpened(OpenRegularFile(file, maxBytes));
}

bool ReadsAsMissing(const base::Error& error) {
  return error.code == ENOENT;
}

namespace {

base::Error NotRegular(const fs::path& file) {
  return base::Error::WithCode(EINVAL, "cannot write " + file.string() + ": not a regular file");
}

// Opens the log for appending, created when missing; fails when the name is a symbolic link, a
// FIFO, a device or a folder, without waiting for a reader. A name of a file that has other names
// as well is taken away first, so the other names keep what they hold.
base::Result<int> OpenLog(const fs::path& file, const ConfinedFolder* within) {
  fs::path path = file;
  if (within != nullptr) {
    base::Result<fs::path> writable = WritablePath(file, *within);
    if (!writable) return writable.error();
    path = *std::move(writable);
  }
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return NotRegular(file);
    if (st.st_nlink > 1 && ::unlink(path.c_str()) != 0 && errno != ENOENT)
      return ErrnoError("cannot replace ", file);
  }
  // O_NONBLOCK: a FIFO without a reader fails at once instead of waiting for one.
  const int fd =
      ::open(path.c_str(),
             O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
  if (fd < 0) return ErrnoError("cannot write ", file);
  // Another name given to it, or a folder swapped, between the look and the open.
  const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (!regular || st.st_nlink > 1 || (within != nullptr && !OpenedInside(fd, *within))) {
    ::close(fd);
    if (!regular) return NotRegular(file);
    return Missing(file, st.st_nlink > 1 ? "it has other names"
                                         : "it lies outside " + within->root().string());
  }
  return fd;
}

base::Status WriteAll(int fd, std::string_view bytes, const fs::path& file) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return ErrnoError("cannot write ", file, n < 0 ? errno : ENOSPC);
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return base::Ok();
}

}  // namespace

base::Result<fs::path> WritablePath(const fs::path& file, const ConfinedFolder& within) {
  const fs::path name = file.filename();
  if (name.empty() || name == "." || name == "..") return Missing(file, "no file name");
  fs::path parent = file.parent_path();
  if (parent.empty()) parent = ".";
  base::Result<fs::path> real = RealPath(parent);
  if (!real) return real.error();
  if (!InsideOrAt(real->string(), within.real()))
    return Missing(file, "it lies outside " + within.root().string());
  return *real / name;
}

bool OpenedInside(int fd, const ConfinedFolder& within) {
  const std::string where = OpenedPath(fd);
  return where.empty() || Inside(where, within.real());
}

base::Status AppendToLogFile(const fs::path& file, std::string_view bytes, bool flush,
                             const ConfinedFolder* within) {
  base::Result<int> fd = OpenLog(file, within);
  if (!fd) return fd.error();
  base::Status written = WriteAll(*fd, bytes, file);
  if (written && flush && ::fsync(*fd) != 0) written = ErrnoError("cannot write ", file);
  if (::close(*fd) != 0 && written) written = ErrnoError("cannot write ", file);
  return written;
}

LogFile::~LogFile() {
  Close();
}

base::Status LogFile::Append(const fs::path& file, std::string_view bytes,
                             const ConfinedFolder* within) {
  if (fd_ < 0 || file != file_) {
    Close();
    base::Result<int> fd = OpenLog(file, within);
    if (!fd) return fd.error();
    fd_ = *fd;
    file_ = file;
  }
  return WriteAll(fd_, bytes, file_);
}

void LogFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  file_.clear();
}

}  // namespace win
