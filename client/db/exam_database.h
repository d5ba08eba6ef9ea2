// Making an empty exam database from the schema (for the demo builder and the tests).
#pragma once

#include <string>
#include <string_view>

// The statements of schema.sql.
std::string_view ExamDatabaseSchema();

// Creates a new, empty exam database at a Windows-form path (its folder must exist). Refuses a
// file that is already there. False with a reason in `error` on failure.
bool CreateExamDatabase(std::string_view windowsPath, std::string* error = nullptr);
