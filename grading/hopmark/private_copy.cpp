// Copying the candidate's database and its journal into a folder of our own.
#include "grading/hopmark/private_copy.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "platform/win/confined_file.h"

namespace hopmark {
namespace fs = std::filesystem;
namespace {

base::Error SystemError(const std::string& what, const fs::path& file, int err) {
  return base::Error::WithCode(kCopyNotMade, what + file.string() + ": " + std::strerror(err));
}

// Writes `bytes` to a new file of ours.
base::Status WriteNew(const fs::path& file, const std::string& bytes) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return SystemError("cannot write ", file, errno);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int err = n < 0 ? errno : ENOSPC;
      ::close(fd);
      return SystemError("cannot write ", file, err);
    }
    done += static_cast<size_t>(n);
  }
  if (::close(fd) != 0) return SystemError("cannot write ", file, errno);
  return base::Ok();
}

// Copies one file of his through the confined reader.
base::Status CopyConfined(const fs::path& from, const win::ConfinedFolder& folder,
                          const fs::path& to) {
  base::Result<win::OpenedFile> opened = win::OpenConfinedFile(from, folder, kDatabaseCap);
  if (!opened) return opened.error();
  std::string bytes(static_cast<size_t>(opened->size()), '\0');
  if (base::Status read = opened->ReadAll(bytes.data()); !read) return read.error();
  base::Status written = WriteNew(to, bytes);
  if (!written) {
    std::error_code ec;
    fs::remove(to, ec);
  }
  return written;
}

}  // namespace

PrivateCopy::PrivateCopy(fs::path folder)
    : folder_(std::move(folder)), file_(folder_ / "net.net") {}

PrivateCopy::PrivateCopy(PrivateCopy&& other) noexcept
    : folder_(std::exchange(other.folder_, {})), file_(std::exchange(other.file_, {})) {}

PrivateCopy::~PrivateCopy() {
  if (folder_.empty()) return;
  std::error_code ec;
  fs::remove_all(folder_, ec);
}

base::Result<PrivateCopy> PrivateCopy::Make(const fs::path& database,
                                            const fs::path& candidateFolder) {
  base::Result<win::ConfinedFolder> folder = win::ConfinedFolder::Resolve(candidateFolder);
  if (!folder) return folder.error();
  std::error_code ec;
  std::string pattern = (fs::temp_directory_path(ec) / "kirv-hopmark-XXXXXX").string();
  if (ec || ::mkdtemp(pattern.data()) == nullptr)
    return SystemError("cannot make a folder for ", fs::path(pattern), ec ? ec.value() : errno);
  // The engine compares the paths it opens with the folder's: no link on the way.
  std::unique_ptr<char, decltype(&::free)> real(::realpath(pattern.c_str(), nullptr), &::free);
  PrivateCopy copy(real ? fs::path(real.get()) : fs::path(pattern));
  if (base::Status made = CopyConfined(database, *folder, copy.file_); !made) return made.error();
  // The side files the engine would read beside his database, under the names it gives them.
  for (const char* side : {"-journal", "-wal"}) {
    (void)CopyConfined(database.string() + side, *folder, copy.file_.string() + side);
  }
  return copy;
}

}  // namespace hopmark
