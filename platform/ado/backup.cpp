// The online backup of an open database to a file, renamed into place.
#include "platform/ado/backup.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>

namespace ado {
namespace {

namespace fs = std::filesystem;

// How long a source locked by another connection's commit is waited for.
constexpr std::chrono::seconds kLockWait{10};

// A new empty file beside `target`, its name this process's own; empty on failure.
fs::path ReserveTemporary(const fs::path& target, int* error) {
  static std::atomic<unsigned> serial{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path temp = target;
    temp += ".~" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return temp;
    }
    *error = errno;
    if (errno != EEXIST) break;
  }
  return {};
}

}  // namespace

base::Status BackupDatabase(const Connection& connection, const fs::path& hostPath) {
  sqlite3* source = connection.Shared()->db;
  if (!source) return base::Error::Of("cannot copy the database: the connection is not open");
  int error = 0;
  const fs::path temp = ReserveTemporary(hostPath, &error);
  if (temp.empty())
    return base::Error::Of("cannot write ", hostPath.string(), ": ", std::strerror(error));

  sqlite3* target = nullptr;
  int rc = sqlite3_open_v2(temp.c_str(), &target, SQLITE_OPEN_READWRITE, nullptr);
  std::string reason;
  if (rc == SQLITE_OK) {
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (!backup) {
      rc = sqlite3_errcode(target);
    } else {
      // Another connection committing holds the source for a moment: wait, but not forever.
      const auto deadline = std::chrono::steady_clock::now() + kLockWait;
      while (((rc = sqlite3_backup_step(backup, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) &&
             std::chrono::steady_clock::now() < deadline)
        sqlite3_sleep(20);
      const int finished = sqlite3_backup_finish(backup);
      if (rc == SQLITE_DONE) rc = finished;
    }
    if (rc != SQLITE_OK) reason = sqlite3_errmsg(target);
  }
  if (rc != SQLITE_OK && reason.empty()) reason = sqlite3_errstr(rc);
  if (sqlite3_close(target) != SQLITE_OK && rc == SQLITE_OK) {
    rc = SQLITE_ERROR;
    reason = "cannot close the copy";
  }
  std::error_code ec;
  if (rc == SQLITE_OK) fs::rename(temp, hostPath, ec);
  if (rc != SQLITE_OK || ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return base::Error::WithCode(rc, "cannot copy the database to " + hostPath.string() + ": " +
                                         (ec ? ec.message() : reason));
  }
  return base::Ok();
}

}  // namespace ado
