// The network database file itself: its schema (schema.sql, one script for the paper tools, the
// demo and the tests), making an empty one, and telling what a file at its path is. The file is
// SQLite under its Jet name; a Jet file left there by an older system is refused, never
// overwritten.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/base/result.h"

namespace netdb {

// The statements of schema.sql.
std::string_view NetworkDatabaseSchema();

// Creates a network database with every table and no rows at a host path. Refuses a file that
// is already there; on failure nothing is left behind.
base::Status CreateNetworkDatabase(const std::filesystem::path& hostFile);

// Ok when the host file starts as an SQLite database does. Otherwise an error naming the file and
// what it is ("a Jet database of an older system", "not a database"); missing or unreadable files
// fail with what stopped the read. Reads the first bytes only and changes nothing. The messages
// name `shownAs` when given (the file a private copy was made of).
base::Status CheckDatabaseFile(const std::filesystem::path& hostFile,
                               std::string_view shownAs = {});

}  // namespace netdb
