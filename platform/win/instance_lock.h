// The single-instance lock that stands in for a named mutex: a lock file taken with flock, named
// after the mutex, in one folder per user that does not depend on the session: /tmp/kirv-<uid>
// (made private to the user), or $HOME/.cache/kirv when that folder is not safely the user's own.
// So two copies started by one user find each other whatever session or desktop each came from.
// The lock is held until the object is destroyed or the process ends.
#pragma once

#include <string>
#include <string_view>

namespace win {

class InstanceLock {
 public:
  // Tries to take the lock named `name`; see Acquired().
  explicit InstanceLock(std::string_view name);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False when another holder (in this or another process) has the lock.
  bool Acquired() const { return fd_ >= 0; }

  // The lock file's host path.
  const std::string& Path() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace win
