// The desktop's trash, where a deletion that may be undone puts what it deletes: the freedesktop
// trash ($XDG_DATA_HOME/Trash, by default ~/.local/share/Trash), each item in files/ with a
// "<name>.trashinfo" in info/ giving its old path and the deletion time, so file managers can
// show it and put it back. An item on another file system goes to that file system's own trash,
// "<top>/.Trash-<uid>", as the same convention asks, rather than being copied.
#pragma once

#include <filesystem>

#include "platform/base/result.h"

namespace win {

// Moves a file or folder (with all it holds) into the trash; on failure nothing was moved.
// Returns the item's new host path.
base::Result<std::filesystem::path> MoveToTrash(const std::filesystem::path& host);

// The home trash folder (the one holding files/ and info/).
std::filesystem::path HomeTrashFolder();

}  // namespace win
