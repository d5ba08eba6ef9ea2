// How the client writes the files it keeps during an exam, so that a crash, a full disk or a
// killed program never leaves a half-written file and a failed write is never taken for done.
// A rewritten file (the single-choice answer record) goes to a temporary file in the same folder,
// is flushed to disk and renamed over the old one: a reader sees the old file or the new one.
// The candidate log only grows: each entry is appended with O_APPEND and flushed, so a failure
// can at most leave its own entry short, never touch the lines before it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/result.h"

namespace win {
class ConfinedFolder;
}

// Replaces the file at a Windows-form path with `bytes`, the new file carrying `attributes`
// (FILE_ATTRIBUTE_*). The folder must exist; with `within`, it must lie inside that folder's
// root once links are followed (see win::WritablePath).
base::Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                                 uint32_t attributes, const win::ConfinedFolder* within = nullptr);

// Appends `bytes` to the file at a Windows-form path (created when missing) and flushes them.
// The log lies in the candidate's folder: a link, a FIFO or a device under its name is not
// written through, and the append fails.
base::Status AppendToFile(const std::string& path, std::string_view bytes);
