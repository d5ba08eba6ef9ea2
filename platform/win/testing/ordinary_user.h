// Tests only: runs a piece of a test as an ordinary user. Root reads every file whatever its
// permission bits say, so a check of read permission means nothing when tests run as root; here
// a child process drops to the user "nobody" (65534) first and hands back what the piece
// answered. Run as an ordinary user already, the piece simply runs.
#pragma once

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <optional>

namespace win::testing {

inline constexpr uid_t kNobody = 65534;
// What a piece answers when its folders are closed to it.
inline constexpr int kCannotReach = 254;

// What `piece` returned (0 to 253) as an ordinary user; nullopt when no child could become one or
// the piece answered kCannotReach. The piece runs in another process: it reports through its
// answer, never through the test's assertions, and it must find its folders open to others (a
// test folder is made for its owner alone: give it 0755).
inline std::optional<int> AsOrdinaryUser(const std::function<int()>& piece) {
  if (::geteuid() != 0) return piece();
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return std::nullopt;
  if (pid == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
      ::_exit(255);
    ::_exit(piece() & 0xff);
  }
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) >= kCannotReach)
    return std::nullopt;
  return WEXITSTATUS(status);
}

}  // namespace win::testing
