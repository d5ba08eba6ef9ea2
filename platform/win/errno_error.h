// The error our file layers report when a system call fails: what was tried, on which host path,
// and why, with the errno as its code.
#pragma once

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/base/result.h"

namespace win {

// "cannot list the folder /x: No such file or directory", code ENOENT. Call it right after the
// failing call, before anything else can change errno.
inline base::Error ErrnoError(std::string_view what, const std::filesystem::path& host,
                              int err = errno) {
  return base::Error::WithCode(err, std::string(what) + host.string() + ": " + std::strerror(err));
}

}  // namespace win
