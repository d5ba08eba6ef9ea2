// The client's safe file writes (see file_write.h), over POSIX calls so that each step's failure
// is seen: open, every write, fsync and rename.
#include "client/common/file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/win/attributes.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace {

base::Error Failed(const char* what, const std::string& path, int error) {
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
void FlushFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

base::Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                                 uint32_t attributes) {
  const std::filesystem::path host = win::ToHostPath(path);
  const size_t slash = path.find_last_of("\\/");
  const std::string tempName = "~" + host.filename().string() + "." + std::to_string(::getpid());
  const std::string tempPath =
      (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + tempName;
  const std::filesystem::path temp = host.parent_path() / tempName;

  ::unlink(temp.c_str());  // left by a program killed halfway
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return Failed("cannot create", temp.string(), errno);
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return Failed("cannot write", temp.string(), error);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Failed("cannot write", temp.string(), error);
  }
  // The attributes travel with the file, so the record is never seen without them.
  (void)win::SetFileAttributes(tempPath, attributes);
  if (::rename(temp.c_str(), host.c_str()) != 0) {
    const int error = errno;
    (void)win::SetFileAttributes(tempPath, win::FILE_ATTRIBUTE_NORMAL);
    ::unlink(temp.c_str());
    return Failed("cannot replace", host.string(), error);
  }
  FlushFolder(host.parent_path());
  return base::Ok();
}

base::Status AppendToFile(const std::string& path, std::string_view bytes) {
  return win::AppendToLogFile(win::ToHostPath(path), bytes, /*flush=*/true);
}
