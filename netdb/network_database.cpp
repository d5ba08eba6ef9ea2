// Making an empty network database and telling an SQLite file from a Jet one.
#include "netdb/network_database.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/ado/connection.h"

namespace netdb {
namespace {

constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};
// Jet 3 and 4 files and their successor carry one of these at byte 4.
constexpr std::string_view kJetMagic = "Standard Jet DB";
constexpr std::string_view kAceMagic = "Standard ACE DB";

}  // namespace

base::Status CreateNetworkDatabase(const std::filesystem::path& hostFile) {
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(hostFile, ec)))
    return base::Error::Of("cannot create the network database ", hostFile.string(),
                           ": the file exists");
  base::Status made = ado::CreateDatabase(hostFile.string(), NetworkDatabaseSchema());
  if (!made) {
    std::filesystem::remove(hostFile, ec);
    return made.error().In("cannot create the network database " + hostFile.string());
  }
  return base::Ok();
}

base::Status CheckDatabaseFile(const std::filesystem::path& hostFile, std::string_view shownAs) {
  const std::string name = shownAs.empty() ? hostFile.string() : std::string(shownAs);
  // Non-blocking: a FIFO at the path must not hold the caller up.
  const int fd = ::open(hostFile.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0)
    return base::Error::WithCode(errno, "cannot read " + name + ": " + std::strerror(errno));
  char head[20] = {};
  ssize_t got = ::read(fd, head, sizeof head);
  ::close(fd);
  const std::string_view bytes(head, got > 0 ? static_cast<size_t>(got) : 0);
  if (bytes.substr(0, kSqliteMagic.size()) == kSqliteMagic) return base::Ok();
  const std::string_view at4 = bytes.size() > 4 ? bytes.substr(4, kJetMagic.size()) : "";
  if (at4 == kJetMagic || at4 == kAceMagic)
    return base::Error::Of(name,
                           " is a Jet database of an older system, not an SQLite network "
                           "database; it is left as it is");
  return base::Error::Of(name, " is not a network database (no SQLite header)");
}

}  // namespace netdb
