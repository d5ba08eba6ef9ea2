// Making an empty exam database from the schema.
#include "client/store/db/exam_database.h"

#include <filesystem>

#include "platform/ado/connection.h"
#include "platform/win/paths.h"

base::Status CreateExamDatabase(std::string_view windowsPath) {
  const std::filesystem::path host = win::ToHostPath(windowsPath);
  std::error_code ec;
  if (std::filesystem::exists(host, ec)) return base::Error::Of("file exists: ", host.string());
  base::Status created = ado::CreateDatabase(host.string(), ExamDatabaseSchema());
  if (!created) std::filesystem::remove(host, ec);
  return created;
}
