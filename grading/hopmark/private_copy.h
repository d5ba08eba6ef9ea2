// The candidate's network database is graded through a copy in a folder of the grader's own: the
// engine then never opens a file of his beside it (a journal that is a FIFO, a WAL index), an
// unfinished write his journal holds is rolled back in the copy, and his folder is left exactly as
// it was. This is the one place the grader reads his database files.
#pragma once

#include <filesystem>

#include "platform/base/result.h"

namespace hopmark {

// What one copied file may hold: a network database is a few hundred rows.
inline constexpr uint64_t kDatabaseCap = 64ull << 20;

// The code of a failure on the grader's own side (its folder, the copy's writing), whatever the
// system's error was: never to be read as his file missing or broken.
inline constexpr int kCopyNotMade = -1;

class PrivateCopy {
 public:
  // Copies the database (a host path) and, when they are regular files of his, its "-journal"
  // and "-wal" into a new folder of our own, each through the confined reader: only a regular
  // file inside `candidateFolder` once links are followed, never a FIFO or a device, at most
  // kDatabaseCap bytes. A database that fails this reads as missing or unreadable as the reader
  // says (win::ReadsAsMissing); a side file that fails it is left out. A copy that cannot be
  // made on our side fails with kCopyNotMade.
  static base::Result<PrivateCopy> Make(const std::filesystem::path& database,
                                        const std::filesystem::path& candidateFolder);

  PrivateCopy(PrivateCopy&& other) noexcept;
  PrivateCopy& operator=(PrivateCopy&&) = delete;
  PrivateCopy(const PrivateCopy&) = delete;
  // Removes the folder and all in it.
  ~PrivateCopy();

  // The copy of the database, alone in its folder with its side files.
  const std::filesystem::path& file() const { return file_; }

 private:
  explicit PrivateCopy(std::filesystem::path folder);
  std::filesystem::path folder_;
  std::filesystem::path file_;
};

}  // namespace hopmark
