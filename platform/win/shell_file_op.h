// The shell's file operations (copy, move, delete, rename of files and folders, with wildcards)
// as a silent caller asks for them: no confirmation, existing targets replaced, missing target
// folders created, read-only files not spared.
#pragma once

#include <string_view>

namespace win {

enum class ShellOperation { Copy, Move, Delete, Rename };

// Applies `operation` to every match of `from` (its last component may hold "*" and "?").
// Copy and Move put one source at `to` itself, unless `to` is an existing folder or several
// sources match, in which case they go into the folder `to` (created when missing); folders go
// with all they hold. Delete ignores `to`. Rename gives one source the new path `to`. True when
// something matched and every step succeeded.
bool ShellFileOperation(ShellOperation operation, std::string_view from, std::string_view to = {});

}  // namespace win
