// Making an empty exam database from the schema.
#include "client/db/exam_database.h"

#include <filesystem>

#include "platform/ado/connection.h"
#include "platform/win/paths.h"

bool CreateExamDatabase(std::string_view windowsPath, std::string* error) {
  const std::filesystem::path host = win::ToHostPath(windowsPath);
  std::error_code ec;
  if (std::filesystem::exists(host, ec)) {
    if (error) *error = "file exists: " + host.string();
    return false;
  }
  if (const base::Status created = ado::CreateDatabase(host.string(), ExamDatabaseSchema());
      !created) {
    std::filesystem::remove(host, ec);
    if (error) *error = created.error().message;
    return false;
  }
  return true;
}
