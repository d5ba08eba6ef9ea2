// Files that someone else could have written, above all the candidate's folder, which is his to
// write during the exam: read only when they are regular files, never through a link that leaves
// the folder they belong to, never waiting on a FIFO or a device, and never past a size cap that
// fits their kind; logs and copies beside them written without following a link and never into
// a folder that leads out. A file that fails these rules reads as missing (ENOENT), one over its
// cap as too large (EFBIG).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "platform/base/result.h"

namespace win {

// Size caps by kind of file.
inline constexpr uint64_t kTextFileCap = 4ull << 20;     // records, answer keys, debug logs
inline constexpr uint64_t kOfficeFileCap = 64ull << 20;  // a workbook, document, presentation
// An office package read piece by piece (opc::Package::OpenFile): its inflate budget, not its
// size, bounds what it takes in memory, so a presentation with a video in it still opens.
inline constexpr uint64_t kPackageFileCap = 4ull << 30;

class ConfinedFolder;

// A regular file opened for reading, with its size when opened; closed with the object.
class OpenedFile {
 public:
  OpenedFile(OpenedFile&& other) noexcept;
  OpenedFile& operator=(OpenedFile&& other) noexcept;
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;
  ~OpenedFile();

  uint64_t size() const { return size_; }
  // Reads the file's first size() bytes into `out`; fails when it has fewer now.
  base::Status ReadAll(char* out) const;
  // Reads at most `count` bytes from the file's start into `out` (a header); how many it read.
  base::Result<size_t> ReadPrefix(char* out, size_t count) const;
  // Reads exactly `count` bytes at `offset` into `out`; fails when the file has fewer there now.
  base::Status ReadAt(uint64_t offset, char* out, size_t count) const;

 private:
  friend base::Result<OpenedFile> OpenRegularFile(const std::filesystem::path&, uint64_t);
  friend base::Result<OpenedFile> OpenConfinedFile(const std::filesystem::path&,
                                                   const ConfinedFolder&, uint64_t);
  OpenedFile(int fd, uint64_t size, std::filesystem::path path)
      : fd_(fd), size_(size), path_(std::move(path)) {}

  int fd_ = -1;
  uint64_t size_ = 0;
  std::filesystem::path path_;  // for the messages
};

// A folder whose real path (every link on its way followed) is resolved once, for reading
// several files in it, as one grading reads the candidate's documents: each file is still checked
// on its own against the real path of the folder's root, which is the folder itself or, for a
// check folder, the candidate folder it lies in.
class ConfinedFolder {
 public:
  // The folder as its own root. Fails, reading as missing, when its path leads nowhere.
  static base::Result<ConfinedFolder> Resolve(const std::filesystem::path& root);
  // A check folder a control is handed (wordkt\, Fropkt\, ...), confined to the candidate folder,
  // its parent: a check folder that leads out of that folder reads as missing, as does one that
  // leads nowhere.
  static base::Result<ConfinedFolder> OfCheckFolder(const std::filesystem::path& checkFolder);

  // The root as given, for the messages.
  const std::filesystem::path& root() const { return root_; }
  // The folder as given, without a trailing separator: the parent path of a file named in it.
  const std::filesystem::path& folder() const { return folder_; }
  // The real paths of the root and of the folder.
  const std::string& real() const { return real_; }
  const std::string& folderReal() const { return folderReal_; }

 private:
  ConfinedFolder(std::filesystem::path root, std::filesystem::path folder, std::string real,
                 std::string folderReal)
      : root_(std::move(root)),
        folder_(std::move(folder)),
        real_(std::move(real)),
        folderReal_(std::move(folderReal)) {}
  std::filesystem::path root_;
  std::filesystem::path folder_;
  std::string real_;
  std::string folderReal_;
};

// Opens the host file when it is a regular file of at most `maxBytes`, following links.
base::Result<OpenedFile> OpenRegularFile(const std::filesystem::path& file, uint64_t maxBytes);

// The same, and only when the file lies inside the folder `root` once every link on its way is
// followed: a link that stays inside is followed, one that leaves it makes the file missing.
base::Result<OpenedFile> OpenConfinedFile(const std::filesystem::path& file,
                                          const std::filesystem::path& root, uint64_t maxBytes);

base::Result<OpenedFile> OpenConfinedFile(const std::filesystem::path& file,
                                          const ConfinedFolder& folder, uint64_t maxBytes);

// Every byte of such a file.
base::Result<std::string> ReadConfinedFile(const std::filesystem::path& file,
                                           const std::filesystem::path& root, uint64_t maxBytes);
base::Result<std::string> ReadConfinedFile(const std::filesystem::path& file,
                                           const ConfinedFolder& folder, uint64_t maxBytes);
base::Result<std::string> ReadRegularFile(const std::filesystem::path& file, uint64_t maxBytes);

// True when the error says the file was not there to read (missing, not a regular file, or
// outside its folder), as opposed to one that could not be read.
bool ReadsAsMissing(const base::Error& error);

// Where to write a new file named `file`, which the writer then replaces by name (never
// following a link there): the file's folder with every link followed, and its name. Reads as
// missing when that folder leads nowhere or lies outside the root of `within`, as a check folder
// linked out of the candidate folder does.
base::Result<std::filesystem::path> WritablePath(const std::filesystem::path& file,
                                                 const ConfinedFolder& within);

// True when the descriptor's real place lies inside the root of `within` (or is the root):
// checked once a file is open for writing, so a folder swapped for a link meanwhile is seen.
bool OpenedInside(int fd, const ConfinedFolder& within);

// Appends `bytes` to the log file, created when missing, and with `flush` waits until they are
// on disk; fails without writing when the name is a symbolic link, a FIFO, a device or a folder,
// and never waits for a reader. A name with more than one hard link is replaced by a new file,
// never written through. With `within`, the log is written only where WritablePath allows.
base::Status AppendToLogFile(const std::filesystem::path& file, std::string_view bytes,
                             bool flush = false, const ConfinedFolder* within = nullptr);

// A log kept open over many appends (the lines of one grading), opened with AppendToLogFile's
// checks at the first line to a file and again when another file is named; each line is written
// at once, none is held back. Closed by Close or with the object.
class LogFile {
 public:
  LogFile() = default;
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;
  ~LogFile();

  base::Status Append(const std::filesystem::path& file, std::string_view bytes,
                      const ConfinedFolder* within = nullptr);
  void Close();

 private:
  int fd_ = -1;
  std::filesystem::path file_;
};

}  // namespace win
