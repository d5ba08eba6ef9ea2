// Named single-instance lock over flock (see instance_lock.h).
#include "instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace win {
namespace {

// True when `folder` is this user's own: a real folder, his, and writable by nobody else (a
// folder in /tmp may have been made by anyone).
bool IsOwnFolder(const std::string& folder) {
  struct stat st;
  return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
         (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The user's lock folder, the same in every session: the session's runtime folder
// ($XDG_RUNTIME_DIR) is not, as a login on the console and one from elsewhere differ in it.
std::string LockFolder() {
  const std::string shared = "/tmp/kirv-" + std::to_string(::getuid());
  ::mkdir(shared.c_str(), 0700);
  if (IsOwnFolder(shared)) return shared;
  const char* home = std::getenv("HOME");
  std::string own = std::string(home && *home ? home : "/") + "/.cache";
  ::mkdir(own.c_str(), 0700);
  own += "/kirv";
  ::mkdir(own.c_str(), 0700);
  return own;
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

InstanceLock::InstanceLock(std::string_view name) : path_(LockFolder() + "/" + FileName(name)) {
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
