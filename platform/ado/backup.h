// A consistent copy of an open database in a file of its own, as the exports the proctor writes:
// taken with SQLite's online backup, so rows another connection is changing at that moment are
// copied as last committed, never half-written.
#pragma once

#include <filesystem>

#include "platform/ado/connection.h"
#include "platform/base/result.h"

namespace ado {

// Copies the connection's database (an SQLite file, or a Jet file's tables) to an SQLite file
// at a host path: written beside it under a temporary name and renamed over it, so the target
// is the old file or the whole copy. Fails when the connection is closed, the folder cannot be
// written or the source stays locked.
base::Status BackupDatabase(const Connection& connection, const std::filesystem::path& hostPath);

}  // namespace ado
