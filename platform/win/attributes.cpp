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
#include <cstring>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "errno_error.h"
#include "paths.h"

namespace win {
namespace fs = std::filesystem;
namespace {

// Wine and Samba keep the attribute word here as text, "0x22"; Samba may follow the text with a
// NUL and a binary record, which is not ours to read.
constexpr const char* kXattrName = "user.DOSATTRIB";
// Where earlier versions of this layer kept the bits, as decimal text; read, never written.
constexpr const char* kLegacyXattrName = "user.kirv.attributes";
constexpr uint32_t kStoredBits =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// The bits of the run-time's attribute word.
constexpr uint32_t kWordBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                               FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY |
                               FILE_ATTRIBUTE_ARCHIVE;

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

// The attribute word at the start of a DOSATTRIB value: "0x" and hex digits.
std::optional<uint32_t> ParseDosAttrib(std::string_view text) {
  if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return std::nullopt;
  uint32_t bits = 0;
  size_t i = 2;
  for (; i < text.size() && i < 10; ++i) {
    const char c = text[i];
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
    if (digit < 0) break;
    bits = bits * 16 + static_cast<uint32_t>(digit);
  }
  if (i == 2) return std::nullopt;
  return bits;
}

// The extended attribute `name`; nullopt with errno set when there is none.
std::optional<std::string> ReadXattr(const fs::path& host, const char* name) {
  char buf[128];
  ssize_t n = ::getxattr(host.c_str(), name, buf, sizeof buf);
  if (n >= 0) return std::string(buf, static_cast<size_t>(n));
  if (errno != ERANGE) return std::nullopt;
  // A long binary record after the text.
  n = ::getxattr(host.c_str(), name, nullptr, 0);
  if (n < 0) return std::nullopt;
  std::string value(static_cast<size_t>(n), '\0');
  n = ::getxattr(host.c_str(), name, value.data(), value.size());
  if (n < 0) return std::nullopt;
  value.resize(static_cast<size_t>(n));
  return value;
}

// Which of our two names the file carries. Most files carry none: one call answers that.
struct Present {
  bool dos = true, legacy = true;  // unknown: try both
};

Present ListedNames(const fs::path& host) {
  char names[512];
  const ssize_t n = ::listxattr(host.c_str(), names, sizeof names);
  if (n < 0) return {};  // a long list or an error: the reads say
  Present p{false, false};
  for (size_t i = 0; i < static_cast<size_t>(n);) {
    const std::string_view name(names + i);
    p.dos = p.dos || name == kXattrName;
    p.legacy = p.legacy || name == kLegacyXattrName;
    i += name.size() + 1;
  }
  return p;
}

// Whether user extended attributes work on a file system, learnt from its first answer, so
// that a file without any can be told from a file system without any.
class XattrSupport {
 public:
  std::optional<bool> Known(dev_t device) {
    std::lock_guard lock(mutex_);
    auto it = devices_.find(device);
    if (it == devices_.end()) return std::nullopt;
    return it->second;
  }
  void Learn(dev_t device, bool works) {
    std::lock_guard lock(mutex_);
    devices_[device] = works;
  }

 private:
  std::mutex mutex_;
  std::unordered_map<dev_t, bool> devices_;
};

XattrSupport xattrSupport;

std::optional<uint32_t> LoadBits(const fs::path& host, const struct stat& st) {
  if (forceFallback) return SideCarGet(st);
  const std::optional<bool> works = xattrSupport.Known(st.st_dev);
  if (works == false) return SideCarGet(st);
  const Present present = works.has_value() ? ListedNames(host) : Present{};
  if (present.dos) {
    if (std::optional<std::string> v = ReadXattr(host, kXattrName)) {
      xattrSupport.Learn(st.st_dev, true);
      return ParseDosAttrib(std::string_view(v->c_str()));
    }
    const int err = errno;
    if (err == ENODATA) xattrSupport.Learn(st.st_dev, true);
    if (Unsupported(err)) {
      xattrSupport.Learn(st.st_dev, false);
      return SideCarGet(st);
    }
  }
  if (present.legacy) {
    if (std::optional<std::string> v = ReadXattr(host, kLegacyXattrName))
      return static_cast<uint32_t>(std::strtoul(v->c_str(), nullptr, 10));
    if (Unsupported(errno)) return SideCarGet(st);
  }
  return std::nullopt;
}

bool StoreBits(const fs::path& host, const struct stat& st, uint32_t bits) {
  if (!forceFallback) {
    char text[16];
    const int n = std::snprintf(text, sizeof text, "0x%x", bits);
    if (::lsetxattr(host.c_str(), kXattrName, text, static_cast<size_t>(n), 0) == 0) {
      ::lremovexattr(host.c_str(), kLegacyXattrName);
      return true;
    }
    if (!Unsupported(errno)) return false;
  }
  return SideCarSet(host, st, bits);
}

}  // namespace

base::Result<uint32_t> ReadHostAttributes(const fs::path& host) {
  struct stat st;
  if (::stat(host.c_str(), &st) != 0) return ErrnoError("cannot read the attributes of ", host);
  return HostAttributesOf(host, st);
}

uint32_t HostAttributesOf(const fs::path& host, const struct stat& st) {
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
  if ((st.st_mode & 0222) == 0) bits |= FILE_ATTRIBUTE_READONLY;
  return bits == 0 ? FILE_ATTRIBUTE_NORMAL : bits;
}

base::Status WriteHostAttributes(const fs::path& host, uint32_t attributes) {
  struct stat st;
  if (::lstat(host.c_str(), &st) != 0) return ErrnoError("cannot set the attributes of ", host);
  // A link has no attributes of its own here, and its target is not changed through it.
  if (S_ISLNK(st.st_mode)) return ErrnoError("cannot set the attributes of the link ", host, EPERM);
  const bool folder = S_ISDIR(st.st_mode);
  const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  // The whole word is stored, read-only and folder included, so Wine and Samba read what was
  // set; a file's read-only is read back from its write bit alone.
  const uint32_t keep = (attributes & (kStoredBits | FILE_ATTRIBUTE_READONLY)) |
                        (folder ? FILE_ATTRIBUTE_DIRECTORY : 0);
  const mode_t mode = st.st_mode & 07777;
  // Storing needs the entry writable; the write bits are settled last. A read-only file loses
  // them; a read-only folder keeps what it had (the platform's read-only folder still takes new
  // files), and one that is no longer read-only gets the owner's back, as a file does.
  mode_t now = mode;
  if (!(mode & S_IWUSR) && ::chmod(host.c_str(), mode | S_IWUSR) == 0) now = mode | S_IWUSR;
  const bool stored = StoreBits(host, st, keep);
  const int storeError = errno;
  const mode_t wanted = !stored     ? mode
                        : !readOnly ? (mode | S_IWUSR)
                        : folder    ? mode
                                    : (mode & ~mode_t{0222});
  if (wanted != now && ::chmod(host.c_str(), wanted) != 0)
    return ErrnoError("cannot set the write bits of ", host);
  if (!stored) return ErrnoError("cannot store the attributes of ", host, storeError);
  return base::Ok();
}

uint32_t GetHostFileAttributes(const fs::path& host) {
  return ReadHostAttributes(host).value_or(INVALID_FILE_ATTRIBUTES);
}

bool SetHostFileAttributes(const fs::path& host, uint32_t attributes) {
  return WriteHostAttributes(host, attributes).has_value();
}

base::Result<uint16_t> GetAttributeWord(std::string_view windowsPath) {
  base::Result<uint32_t> bits = ReadHostAttributes(ToHostPath(windowsPath));
  if (!bits) return std::move(bits).error();
  return static_cast<uint16_t>(*bits & kWordBits);
}

base::Status SetAttributeWord(std::string_view windowsPath, uint16_t word) {
  return WriteHostAttributes(ToHostPath(windowsPath), word & kWordBits);
}

uint32_t GetFileAttributes(std::string_view windowsPath) {
  return GetHostFileAttributes(ToHostPath(windowsPath));
}

bool SetFileAttributes(std::string_view windowsPath, uint32_t attributes) {
  return SetHostFileAttributes(ToHostPath(windowsPath), attributes);
}

void ForgetStoredAttributes(const fs::path& host) {
  struct stat st;
  // A link holds nothing of its own: what its target holds stays.
  if (::lstat(host.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) return;
  if (!forceFallback) {
    if (::getxattr(host.c_str(), kXattrName, nullptr, 0) >= 0 || !Unsupported(errno)) return;
  }
  if (SideCarGet(st)) SideCarSet(host, st, std::nullopt);
}

void ForceAttributeStoreFallback(bool on) {
  forceFallback = on;
}

}  // namespace win
