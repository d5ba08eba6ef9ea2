// A folder read once with getdents64 and fstatat; attributes and local times on demand.
#include "folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "attributes.h"
#include "errno_error.h"
#include "files.h"
#include "paths.h"
#include "platform/base/date_serial.h"
#include "platform/base/text.h"

namespace win {
namespace fs = std::filesystem;
namespace {

constexpr uint32_t kSpecialBits =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

bool BadNameCharacter(char c) {
  return static_cast<unsigned char>(c) < 0x20 || c == '<' || c == '>' || c == '|' || c == '"';
}

bool NameOrder(const FolderEntry& a, const FolderEntry& b) {
  const int c = base::CompareNoCase(a.name, b.name);
  return c != 0 ? c < 0 : a.name < b.name;
}

}  // namespace

bool FolderListing::Caller::InGroup(uint32_t gid) {
  if (!groups) {
    groups.emplace(1, ::getegid());
    const int n = ::getgroups(0, nullptr);
    if (n > 0) {
      std::vector<gid_t> more(static_cast<size_t>(n));
      if (::getgroups(n, more.data()) == n) groups->insert(groups->end(), more.begin(), more.end());
    }
  }
  return std::find(groups->begin(), groups->end(), gid) != groups->end();
}

LocalSeconds LocalSecondsOfCivil(int64_t year, unsigned month, unsigned day, int hour, int minute,
                                 int second) {
  return base::DaysFromCivil({year, month, day}) * 86400 + hour * 3600 + minute * 60 + second;
}

LocalSeconds LocalSecondsOf(std::time_t unixTime) {
  struct tm tm;
  if (::localtime_r(&unixTime, &tm) == nullptr) return unixTime;
  return LocalSecondsOfCivil(tm.tm_year + 1900LL, static_cast<unsigned>(tm.tm_mon + 1),
                             static_cast<unsigned>(tm.tm_mday), tm.tm_hour, tm.tm_min, tm.tm_sec);
}

std::time_t UnixTimeOf(LocalSeconds local) {
  int64_t days = local / 86400;
  int64_t rest = local % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  const base::CivilDate d = base::CivilFromDays(days);
  struct tm tm {};
  tm.tm_year = static_cast<int>(d.year - 1900);
  tm.tm_mon = static_cast<int>(d.month) - 1;
  tm.tm_mday = static_cast<int>(d.day);
  tm.tm_hour = static_cast<int>(rest / 3600);
  tm.tm_min = static_cast<int>(rest / 60 % 60);
  tm.tm_sec = static_cast<int>(rest % 60);
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

base::Result<FolderListing> FolderListing::Read(std::string_view windowsFolder) {
  return ReadHost(ToHostPath(windowsFolder));
}

FolderListing::Descriptor& FolderListing::Descriptor::operator=(Descriptor&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

FolderListing::Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

int FolderListing::Descriptor::fd() const {
  return fd_ >= 0 ? fd_ : AT_FDCWD;
}

base::Result<FolderListing> FolderListing::ReadHost(const fs::path& hostFolder) {
  FolderListing out;
  out.host_ = hostFolder;
  const int fd = ::open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return ErrnoError("cannot list the folder ", hostFolder);
  out.folder_ = Descriptor(fd);
  // Read straight from the descriptor the listing keeps for its stats: a directory stream would
  // cost a copy of it and a few calls more, for every folder of every rule.
  alignas(dirent64) char buffer[16384];
  for (;;) {
    const ssize_t n = ::getdents64(fd, buffer, sizeof buffer);
    if (n < 0) return ErrnoError("cannot list the folder ", hostFolder);
    if (n == 0) break;
    for (ssize_t at = 0; at < n;) {
      const auto* d = reinterpret_cast<const dirent64*>(buffer + at);
      at += d->d_reclen;
      if (std::strcmp(d->d_name, ".") == 0 || std::strcmp(d->d_name, "..") == 0) continue;
      FolderEntry e;
      e.name = d->d_name;
      e.isFolder = d->d_type == DT_DIR;
      if (d->d_type == DT_UNKNOWN || d->d_type == DT_LNK) {
        // A link, or a file system that does not say the kind: the kind is the target's.
        struct stat st;
        e.isFolder = ::fstatat(fd, d->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
      }
      out.entries_.push_back(std::move(e));
    }
  }
  std::sort(out.entries_.begin(), out.entries_.end(), NameOrder);
  out.known_.assign(out.entries_.size(), Known{});
  return out;
}

const FolderEntry* FolderListing::Find(std::string_view name) const {
  // Entries are sorted without case first: names equal but for case stand together, the
  // smallest first. The exact spelling wins among them, as paths resolve.
  auto it = std::lower_bound(
      entries_.begin(), entries_.end(), name,
      [](const FolderEntry& e, std::string_view n) { return base::CompareNoCase(e.name, n) < 0; });
  if (it == entries_.end() || !base::EqualsNoCase(it->name, name)) return nullptr;
  for (auto same = it; same != entries_.end() && base::EqualsNoCase(same->name, name); ++same)
    if (same->name == name) return &*same;
  return &*it;
}

const EntryStat& FolderListing::Stat(const FolderEntry& entry) const {
  Known& k = known_[IndexOf(entry)];
  if (k.statRead) return k.stat;
  k.statRead = true;
  struct stat st;
  // A link that leads nowhere is still an entry, as the link itself.
  if (::fstatat(folder_.fd(), entry.name.c_str(), &st, 0) != 0 &&
      ::fstatat(folder_.fd(), entry.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
    return k.stat;
  k.stat.found = true;
  k.stat.size = S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size);
  k.stat.lastWrite = st.st_mtime;
  k.stat.mode = st.st_mode;
  k.stat.owner = st.st_uid;
  k.stat.group = st.st_gid;
  k.stat.device = st.st_dev;
  k.stat.inode = st.st_ino;
  return k.stat;
}

uint32_t FolderListing::Attributes(const FolderEntry& entry) const {
  Known& k = known_[IndexOf(entry)];
  if (k.attributes == 0) {
    const EntryStat& s = Stat(entry);
    if (!s.found) return INVALID_FILE_ATTRIBUTES;
    struct stat st {};
    st.st_mode = s.mode;
    st.st_dev = s.device;
    st.st_ino = s.inode;
    k.attributes = HostAttributesOf(host_ / entry.name, st);
  }
  return k.attributes;
}

bool FolderListing::Readable(const FolderEntry& entry) const {
  if (entry.isFolder) return false;
  const EntryStat& s = Stat(entry);
  // A link that leads nowhere is stat'ed as the link itself; a pipe or a device is no file.
  if (!s.found || !S_ISREG(s.mode)) return false;
  if (!caller_) caller_ = Caller{::geteuid(), std::nullopt};
  if (caller_->user == 0) return true;
  if (s.owner == caller_->user) return s.mode & S_IRUSR;
  if (caller_->InGroup(s.group)) return s.mode & S_IRGRP;
  return s.mode & S_IROTH;
}

LocalSeconds FolderListing::LastWriteLocal(const FolderEntry& entry) const {
  Known& k = known_[IndexOf(entry)];
  if (!k.localRead) {
    k.local = LocalSecondsOf(Stat(entry).lastWrite);
    k.localRead = true;
  }
  return k.local;
}

std::vector<std::string> FolderListing::Names(std::string_view pattern, uint32_t mask) const {
  std::vector<std::string> out;
  const bool all = pattern.empty();
  if (mask & FILE_ATTRIBUTE_DIRECTORY) {
    for (const char* dot : {".", ".."})
      if (all || WildcardMatch(pattern, dot)) out.emplace_back(dot);
  }
  for (const FolderEntry& e : entries_) {
    if (!all && !WildcardMatch(pattern, e.name)) continue;
    // Normal entries need no attribute read; a folder always carries its own bit.
    if (!e.isFolder && (mask & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) ==
                           (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) {
      out.push_back(e.name);
      continue;
    }
    const uint32_t attributes = Attributes(e);
    if (attributes == INVALID_FILE_ATTRIBUTES) continue;
    if ((attributes & kSpecialBits & ~mask) == 0) out.push_back(e.name);
  }
  return out;
}

base::Result<std::vector<std::string>> ListNames(std::string_view windowsPattern, uint32_t mask) {
  const std::string name = FileNamePart(windowsPattern);
  if (std::any_of(windowsPattern.begin(), windowsPattern.end(), BadNameCharacter))
    return base::Error::WithCode(EINVAL, "bad file name: " + std::string(windowsPattern));
  const std::string folder = FolderPart(windowsPattern);
  std::error_code ec;
  base::Result<FolderListing> listing =
      folder.empty() ? FolderListing::ReadHost(fs::current_path(ec)) : FolderListing::Read(folder);
  if (!listing) {
    const int code = listing.error().code;
    if (code == ENOENT || code == ENOTDIR) return std::vector<std::string>{};
    return std::move(listing).error();
  }
  return listing->Names(name, mask);
}

}  // namespace win
