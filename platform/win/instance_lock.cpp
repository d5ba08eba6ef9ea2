// Named single-instance lock over flock.
#include "instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace win {
namespace {

std::string RuntimeFolder() {
  if (const char* v = std::getenv("XDG_RUNTIME_DIR"); v && *v) return v;
  std::string dir = "/tmp/kirv-" + std::to_string(::getuid());
  ::mkdir(dir.c_str(), 0700);
  return dir;
}

// Mutex names may hold any character; the file name keeps letters, digits and "-_." only.
std::string FileName(std::string_view name) {
  std::string out = "kirv-mutex-";
  for (char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.';
    if (plain) {
      out += c;
    } else {
      static const char hex[] = "0123456789abcdef";
      out += '%';
      out += hex[(static_cast<unsigned char>(c) >> 4) & 0xF];
      out += hex[static_cast<unsigned char>(c) & 0xF];
    }
  }
  return out + ".lock";
}

}  // namespace

InstanceLock::InstanceLock(std::string_view name) : path_(RuntimeFolder() + "/" + FileName(name)) {
  const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return;
  }
  fd_ = fd;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace win
