// One folder read once: its entries with kind, size and modification time, their attributes read
// on first use, and the platform's listing by pattern and attribute mask ("Dir" with a mask),
// "." and ".." included. Checks that look at the same folder many times read it once here.
// Entries come in the order the platform enumerates them: by name without regard to case. The
// folder is listed once; what each entry needs beyond its name and kind is read when first asked,
// through the folder's descriptor, which the listing keeps open while it lives.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/result.h"

namespace win {

// A moment as wall-clock time of the local zone, to the second, counted in seconds from
// 1970-01-01 00:00 of that clock (so civil dates convert without a zone).
using LocalSeconds = int64_t;

LocalSeconds LocalSecondsOf(std::time_t unixTime);
LocalSeconds LocalSecondsOfCivil(int64_t year, unsigned month, unsigned day, int hour, int minute,
                                 int second);
// The Unix time of a local wall-clock moment (the earlier one when the clock is set back).
std::time_t UnixTimeOf(LocalSeconds local);

struct FolderEntry {
  std::string name;
  bool isFolder = false;
};

// What the file system says of an entry, read when first asked.
struct EntryStat {
  bool found = false;         // false when the entry has gone since the folder was read
  uint64_t size = 0;          // bytes; 0 for a folder
  std::time_t lastWrite = 0;  // Unix time, whole seconds
  uint32_t mode = 0;          // the file system's type and permission bits
  uint32_t owner = 0, group = 0;
  uint64_t device = 0, inode = 0;
};

class FolderListing {
 public:
  // Reads a folder by its Windows-form path (a trailing separator or none). A missing folder,
  // or a path that is no folder, is an error with code ENOENT or ENOTDIR.
  static base::Result<FolderListing> Read(std::string_view windowsFolder);
  static base::Result<FolderListing> ReadHost(const std::filesystem::path& hostFolder);

  const std::filesystem::path& HostPath() const { return host_; }
  const std::vector<FolderEntry>& Entries() const { return entries_; }

  // The entry named `name` without regard to ASCII case (the exact spelling first, else the
  // smallest); null when there is none.
  const FolderEntry* Find(std::string_view name) const;

  // The entry's size, time, permission bits... (one system call, on first use). `entry` is one
  // of Entries().
  const EntryStat& Stat(const FolderEntry& entry) const;

  // The attribute word of an entry (read on first use); INVALID_FILE_ATTRIBUTES when it has
  // gone since the folder was read.
  uint32_t Attributes(const FolderEntry& entry) const;
  // True when this process may open the entry as a regular file for reading (a link is
  // followed), by its permission bits (no file is opened): false for a folder, a link that leads
  // nowhere, a pipe or a device.
  bool Readable(const FolderEntry& entry) const;

  // Its modification time in local wall-clock seconds (converted on first use).
  LocalSeconds LastWriteLocal(const FolderEntry& entry) const;

  // The names that match `pattern` (WildcardMatch; an empty pattern matches every name) and
  // pass `mask`: entries that are neither hidden, system nor folders always, the others only
  // when the mask holds their bit. With the folder bit "." and ".." come first when the pattern
  // matches them.
  std::vector<std::string> Names(std::string_view pattern, uint32_t mask) const;

 private:
  // What is read of an entry when first asked.
  struct Known {
    EntryStat stat;
    uint32_t attributes = 0;  // 0: not read yet
    LocalSeconds local = 0;
    bool statRead = false, localRead = false;
  };
  // Who asks, for permission checks: read with the listing's first such check (the groups only
  // when a file of another owner asks for them), so a process that changes its user is judged as
  // what it is now.
  struct Caller {
    uint32_t user = 0;
    std::optional<std::vector<uint32_t>> groups;
    bool InGroup(uint32_t gid);
  };
  // The folder's open descriptor, closed with the listing; it serves the stats of its entries.
  class Descriptor {
   public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    ~Descriptor();
    int fd() const;

   private:
    int fd_;
  };

  size_t IndexOf(const FolderEntry& entry) const {
    return static_cast<size_t>(&entry - entries_.data());
  }

  std::filesystem::path host_;
  Descriptor folder_;
  std::vector<FolderEntry> entries_;
  mutable std::vector<Known> known_;
  mutable std::optional<Caller> caller_;
};

// The platform's listing of a pattern path ("C:\a\*.txt", "C:\a\b.doc", "C:\a\" for every
// entry) under an attribute mask, as FolderListing::Names gives it. A missing folder lists
// nothing; a folder that cannot be read is an error (its errno), and so is a name with a
// character no file name may hold (EINVAL).
base::Result<std::vector<std::string>> ListNames(std::string_view windowsPattern, uint32_t mask);

}  // namespace win
