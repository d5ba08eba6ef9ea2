// The shell's file operations (copy, move, delete, rename of files and folders, with wildcards)
// as a silent caller asks for them: no confirmation, existing targets replaced, missing target
// folders created, read-only files not spared. Several sources and, on request, one target per
// source; a deletion that may be undone goes to the desktop's trash. Nothing is done through a
// symbolic link: a link is moved, copied, replaced and deleted as itself, wherever it stands
// (a source, a target, or inside a folder that is copied or moved).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"

namespace win {

// The operation codes of the platform's operation record.
enum class ShellOperation { Move = 1, Copy = 2, Delete = 3, Rename = 4 };

// Flags of the operation record that change what is done. The others (silent, no confirmation,
// no error dialog, simple progress, no confirmation for new folders...) are accepted and change
// nothing: this layer never asks and never shows progress.
constexpr uint16_t FOF_MULTIDESTFILES = 0x0001;     // `to` holds one target per source
constexpr uint16_t FOF_RENAMEONCOLLISION = 0x0008;  // an existing target gives "x (2).txt"
constexpr uint16_t FOF_ALLOWUNDO = 0x0040;          // delete into the trash
constexpr uint16_t FOF_FILESONLY = 0x0080;          // wildcards match files, not folders

struct ShellFileOpRequest {
  ShellOperation operation = ShellOperation::Copy;
  std::vector<std::string> from;  // Windows-form paths; the last component may hold "*" and "?"
  std::vector<std::string> to;    // one target, or one per source with FOF_MULTIDESTFILES
  uint16_t flags = 0;
};

// Carries out the request source by source, stopping at the first failure (what was done before
// stays done). Copy and Move put a single source at the target itself, unless the target is an
// existing folder (not a link to one) or several sources (or a wildcard) are given, in which
// case they go into the folder (created when missing); folders go with all they hold. Delete
// ignores `to`. Rename gives the first source the first target's path. A source that matches
// nothing is an error (ENOENT), and so is a target list that does not fit (EINVAL) and a target
// folder that is a file or a link (ENOTDIR).
base::Status RunShellFileOperation(const ShellFileOpRequest& request);

// One source and one target, without flags; true when something matched and every step
// succeeded.
bool ShellFileOperation(ShellOperation operation, std::string_view from, std::string_view to = {});

// The paths of a platform path list: pieces separated by NUL, ended by an empty piece (two NULs)
// or by the end of the text, whichever comes first. Never reads past the text.
std::vector<std::string> SplitPathList(std::string_view list);

}  // namespace win
