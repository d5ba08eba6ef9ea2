// File attributes over the write bit, an extended attribute and, failing that, a side-car store.
#include "attributes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "paths.h"

namespace win {
namespace fs = std::filesystem;
namespace {

constexpr const char* kXattrName = "user.kirv.attributes";
constexpr uint32_t kStoredBits =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

std::atomic<bool> forceFallback{false};

fs::path SideCarPath() {
  if (const char* v = std::getenv("KIRV_ATTRIBUTE_STORE"); v && *v) return fs::path(v);
  if (const char* v = std::getenv("XDG_STATE_HOME"); v && *v)
    return fs::path(v) / "kirv" / "attributes";
  if (const char* home = std::getenv("HOME"); home && *home)
    return fs::path(home) / ".local" / "state" / "kirv" / "attributes";
  return fs::path("/tmp") / ("kirv-" + std::to_string(getuid())) / "attributes";
}

bool Unsupported(int err) {
  return err == ENOTSUP || err == EOPNOTSUPP;
}

// Holds an exclusive lock on the side-car store while it lives.
class SideCarLock {
 public:
  SideCarLock() {
    const fs::path store = SideCarPath();
    std::error_code ec;
    fs::create_directories(store.parent_path(), ec);
    const std::string lock = store.string() + ".lock";
    fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0) ::flock(fd_, LOCK_EX);
  }
  ~SideCarLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  SideCarLock(const SideCarLock&) = delete;
  SideCarLock& operator=(const SideCarLock&) = delete;

 private:
  int fd_ = -1;
};

struct SideCarEntry {
  unsigned long long dev = 0, ino = 0;
  uint32_t bits = 0;
  std::string path;
};

std::vector<SideCarEntry> ReadSideCar() {
  std::vector<SideCarEntry> out;
  std::ifstream in(SideCarPath());
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream ls(line);
    SideCarEntry e;
    if (!(ls >> e.dev >> e.ino >> e.bits)) continue;
    std::getline(ls >> std::ws, e.path);
    out.push_back(std::move(e));
  }
  return out;
}

bool WriteSideCar(const std::vector<SideCarEntry>& entries) {
  const fs::path store = SideCarPath();
  const fs::path temp = store.string() + ".new";
  {
    std::ofstream out(temp, std::ios::trunc);
    for (const SideCarEntry& e : entries)
      out << e.dev << ' ' << e.ino << ' ' << e.bits << ' ' << e.path << '\n';
    if (!out) return false;
  }
  std::error_code ec;
  fs::rename(temp, store, ec);
  return !ec;
}

std::optional<uint32_t> SideCarGet(const struct stat& st) {
  SideCarLock lock;
  for (const SideCarEntry& e : ReadSideCar())
    if (e.dev == st.st_dev && e.ino == st.st_ino) return e.bits;
  return std::nullopt;
}

bool SideCarSet(const fs::path& host, const struct stat& st, std::optional<uint32_t> bits) {
  SideCarLock lock;
  std::vector<SideCarEntry> entries = ReadSideCar();
  std::erase_if(entries,
                [&](const SideCarEntry& e) { return e.dev == st.st_dev && e.ino == st.st_ino; });
  if (bits) entries.push_back({st.st_dev, st.st_ino, *bits, host.string()});
  return WriteSideCar(entries);
}

std::optional<uint32_t> LoadBits(const fs::path& host, const struct stat& st) {
  if (!forceFallback) {
    char buf[32];
    const ssize_t n = ::getxattr(host.c_str(), kXattrName, buf, sizeof buf - 1);
    if (n >= 0) {
      buf[n] = '\0';
      return static_cast<uint32_t>(std::strtoul(buf, nullptr, 10));
    }
    if (!Unsupported(errno)) return std::nullopt;
  }
  return SideCarGet(st);
}

bool StoreBits(const fs::path& host, const struct stat& st, uint32_t bits) {
  if (!forceFallback) {
    const std::string text = std::to_string(bits);
    if (::setxattr(host.c_str(), kXattrName, text.data(), text.size(), 0) == 0) return true;
    if (!Unsupported(errno)) return false;
  }
  return SideCarSet(host, st, bits);
}

}  // namespace

uint32_t GetHostFileAttributes(const fs::path& host) {
  struct stat st;
  if (::stat(host.c_str(), &st) != 0) return INVALID_FILE_ATTRIBUTES;
  const bool folder = S_ISDIR(st.st_mode);
  const std::optional<uint32_t> stored = LoadBits(host, st);
  uint32_t bits = 0;
  if (stored)
    bits = *stored & (kStoredBits | (folder ? FILE_ATTRIBUTE_READONLY : 0));
  else if (!folder)
    bits = FILE_ATTRIBUTE_ARCHIVE;
  std::string name = fs::path(host.string()).lexically_normal().filename().string();
  if (name.empty())
    name = fs::path(host.string()).lexically_normal().parent_path().filename().string();
  if (name.size() > 1 && name[0] == '.' && name != "..") bits |= FILE_ATTRIBUTE_HIDDEN;
  if (folder) bits |= FILE_ATTRIBUTE_DIRECTORY;
  if (!folder && (st.st_mode & 0222) == 0) bits |= FILE_ATTRIBUTE_READONLY;
  return bits == 0 ? FILE_ATTRIBUTE_NORMAL : bits;
}

bool SetHostFileAttributes(const fs::path& host, uint32_t attributes) {
  struct stat st;
  if (::stat(host.c_str(), &st) != 0) return false;
  const bool folder = S_ISDIR(st.st_mode);
  const uint32_t keep = attributes & (kStoredBits | (folder ? FILE_ATTRIBUTE_READONLY : 0));
  const mode_t mode = st.st_mode & 07777;
  // Storing needs the file writable; the read-only bit is applied last.
  if (!folder && !(mode & S_IWUSR)) ::chmod(host.c_str(), mode | S_IWUSR);
  const bool stored = StoreBits(host, st, keep);
  if (!folder) {
    const mode_t wanted =
        (attributes & FILE_ATTRIBUTE_READONLY) ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
    if (::chmod(host.c_str(), stored ? wanted : mode) != 0) return false;
  }
  return stored;
}

uint32_t GetFileAttributes(std::string_view windowsPath) {
  return GetHostFileAttributes(ToHostPath(windowsPath));
}

bool SetFileAttributes(std::string_view windowsPath, uint32_t attributes) {
  return SetHostFileAttributes(ToHostPath(windowsPath), attributes);
}

void ForgetStoredAttributes(const fs::path& host) {
  struct stat st;
  if (::stat(host.c_str(), &st) != 0) return;
  if (!forceFallback) {
    if (::getxattr(host.c_str(), kXattrName, nullptr, 0) >= 0 || !Unsupported(errno)) return;
  }
  if (SideCarGet(st)) SideCarSet(host, st, std::nullopt);
}

void ForceAttributeStoreFallback(bool on) {
  forceFallback = on;
}

}  // namespace win
