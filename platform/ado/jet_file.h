// Jet and ACE database files made by other programs (".mdb", ".accdb"), opened read-only: the
// user tables are read with mdbtools into an in-memory SQLite database that refuses writes.
// The file is read in a child process with a time and memory limit, since a damaged file can
// make the library loop or crash. Internal to this folder.
#pragma once

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/base/result.h"

namespace ado::detail {

// How long reading a Jet file may take before it counts as damaged.
inline constexpr std::chrono::milliseconds kJetReadLimit{30000};

// True when the file starts with the Jet or ACE signature, whatever its name.
bool IsJetFile(const std::filesystem::path& host);

// Every user table of the Jet file as a table stream (jet_stream.h), read in a child process
// that is stopped after `limit`. Fails when the file cannot be read or the reader fails.
base::Result<std::string> ReadJetTables(const std::filesystem::path& host,
                                        std::chrono::milliseconds limit = kJetReadLimit);

// The Jet file's user tables in a new in-memory database opened read-only; the caller closes
// it. A write on it fails with SQLITE_READONLY.
base::Result<sqlite3*> OpenJetDatabase(const std::filesystem::path& host,
                                       std::chrono::milliseconds limit = kJetReadLimit);

}  // namespace ado::detail
