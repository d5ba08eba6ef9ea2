// Making an empty exam database from the schema (for the demo builder and the tests).
#pragma once

#include <string_view>

#include "platform/base/result.h"

// The statements of schema.sql.
std::string_view ExamDatabaseSchema();

// Creates a new, empty exam database at a Windows-form path (its folder must exist). Refuses a
// file that is already there; on failure nothing is left behind.
base::Status CreateExamDatabase(std::string_view windowsPath);
