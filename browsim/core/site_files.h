// The files of the installation the browser reads and rewrites while the exam runs: the site
// copies and the web mail's scripts lie where the candidate can change them, so they are read
// only as regular files of bounded size, and rewritten through a temporary file renamed over
// the old one.
#pragma once

#include <string>
#include <string_view>

#include "platform/base/result.h"

namespace browsim {

// The largest script or page the browser reads itself.
inline constexpr uint64_t kLargestSiteFile = 16ull << 20;

// The bytes of a regular file at a Windows-form path (no FIFO, device or folder; at most
// kLargestSiteFile).
base::Result<std::string> ReadSiteFile(const std::string& windowsPath);

// Replaces the file at a Windows-form path with `bytes` through a temporary file.
base::Status ReplaceSiteFile(const std::string& windowsPath, std::string_view bytes);

// Copies the source over the target: 1 when the source cannot be read or the target cannot be
// written, else 0 (how content.js is reset from start.js).
int CopyFileBuffered(const std::string& sourceWindowsPath, const std::string& targetWindowsPath);

}  // namespace browsim
