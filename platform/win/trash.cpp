// The freedesktop trash: an info file claimed first with O_EXCL, then the item renamed in.
#include "trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "errno_error.h"

namespace win {
namespace fs = std::filesystem;
namespace {

// Percent-escapes everything but unreserved characters and "/", as the info file wants it.
std::string EscapePath(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char ch : path) {
    const auto c = static_cast<unsigned char>(ch);
    const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_' || c == '.' || c == '~' || c == '/';
    if (keep) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string DeletionDate() {
  const std::time_t now = std::time(nullptr);
  struct tm tm;
  localtime_r(&now, &tm);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &tm);
  return text;
}

bool MakePrivateFolder(const fs::path& p) {
  if (::mkdir(p.c_str(), 0700) == 0 || errno == EEXIST) return true;
  return false;
}

// The folder's file system's top: the last parent on the same device.
fs::path TopOfDevice(const fs::path& folder, dev_t device) {
  fs::path top = folder;
  while (top.has_parent_path() && top.parent_path() != top) {
    struct stat st;
    if (::stat(top.parent_path().c_str(), &st) != 0 || st.st_dev != device) break;
    top = top.parent_path();
  }
  return top;
}

// Claims "<name>", "<name>.2", ... in info/ and moves the item to files/ under that name.
base::Result<fs::path> MoveInto(const fs::path& trash, const fs::path& item,
                                const std::string& recordedPath) {
  const fs::path files = trash / "files";
  const fs::path info = trash / "info";
  if (!MakePrivateFolder(trash) || !MakePrivateFolder(files) || !MakePrivateFolder(info))
    return ErrnoError("cannot make the trash folder ", trash);
  const std::string name = item.filename().string();
  const std::string text =
      "[Trash Info]\nPath=" + EscapePath(recordedPath) + "\nDeletionDate=" + DeletionDate() + "\n";
  for (int n = 1; n < 10000; ++n) {
    const std::string trashName = n == 1 ? name : name + "." + std::to_string(n);
    const fs::path infoFile = info / (trashName + ".trashinfo");
    const int fd = ::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return ErrnoError("cannot write the trash record ", infoFile);
    }
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    const int writeError = errno;
    ::close(fd);
    if (!written) {
      ::unlink(infoFile.c_str());
      return ErrnoError("cannot write the trash record ", infoFile, writeError);
    }
    // Another item may sit in files/ without a record; never replace it.
    struct stat st;
    if (::lstat((files / trashName).c_str(), &st) == 0) {
      ::unlink(infoFile.c_str());
      continue;
    }
    if (::rename(item.c_str(), (files / trashName).c_str()) != 0) {
      const int err = errno;
      ::unlink(infoFile.c_str());
      return ErrnoError("cannot move to the trash ", item, err);
    }
    return files / trashName;
  }
  return ErrnoError("no free name in the trash for ", item, EEXIST);
}

}  // namespace

fs::path HomeTrashFolder() {
  if (const char* v = std::getenv("XDG_DATA_HOME"); v && *v) return fs::path(v) / "Trash";
  if (const char* home = std::getenv("HOME"); home && *home)
    return fs::path(home) / ".local" / "share" / "Trash";
  return fs::path("/tmp") / ("kirv-" + std::to_string(::getuid())) / "Trash";
}

base::Result<fs::path> MoveToTrash(const fs::path& host) {
  std::error_code ec;
  const fs::path item = fs::absolute(host, ec).lexically_normal();
  struct stat st;
  if (ec || ::lstat(item.c_str(), &st) != 0) return ErrnoError("cannot move to the trash ", host);

  const fs::path home = HomeTrashFolder();
  fs::create_directories(home.parent_path(), ec);
  struct stat homeSt;
  if (::stat(home.parent_path().c_str(), &homeSt) == 0 && homeSt.st_dev == st.st_dev)
    return MoveInto(home, item, item.string());

  // Another file system: its own trash at its top, paths recorded relative to that top.
  const fs::path top = TopOfDevice(item.parent_path(), st.st_dev);
  const fs::path trash = top / (".Trash-" + std::to_string(::getuid()));
  return MoveInto(trash, item, item.lexically_relative(top).string());
}

}  // namespace win
