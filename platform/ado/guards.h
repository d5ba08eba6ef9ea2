// What the connection adds to SQLite: Jet's yes/no values kept by triggers made for the tables a
// statement writes, and the guards of a database someone else wrote (a folder the engine may not
// leave, the budgets of each statement). Internal to this folder.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>

#include "platform/ado/connection.h"

namespace ado::detail {

// From now on, the tables a prepared statement writes are noted in `database.writes`.
void WatchWrites(Database& database);

// Makes the yes/no triggers of the tables noted in `database.writes` that have none yet: per
// table, one trigger after an insert and one after an update for each group of its yes/no
// columns, so their count and size grow with the columns, never with their square. True when
// any was made (a statement prepared before is then prepared again to run them).
bool ArmNotedTables(Database& database);

// A file system that reaches nothing outside `folder` (a host path without links): another file
// reads as missing and cannot be opened or deleted. Registered under a name of its own until
// the pointer is dropped.
std::unique_ptr<sqlite3_vfs, void (*)(sqlite3_vfs*)> MakeFolderVfs(const std::string& folder);

// Installs the limits on an open handle: views, virtual tables and untrusted schema functions
// refused, the longest value, and the step and time budget checked as statements run.
void ApplyLimits(Database& database, const ReadLimits& limits);

// Starts the budget of the next statement.
void StartStatement(Database& database);

}  // namespace ado::detail
