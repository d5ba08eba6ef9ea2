// For tests: a new exam database holding the demo installation's rows (demo/db/rows.sql), so
// that statements are tried on the rows the demo exam runs with.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "client/store/db/ado_connection.h"
#include "client/store/db/exam_database.h"
#include "platform/win/paths.h"

// Creates `file` (a host path in an existing folder), opens `db` on it and adds the demo rows.
// On failure returns false with the reason in `error`.
inline bool OpenDemoDatabase(const std::filesystem::path& file, CAdoConnection& db,
                             std::string* error) {
  std::string path = win::ToWindowsPath(file);
  if (const base::Status created = CreateExamDatabase(path); !created) {
    *error = created.error().message;
    return false;
  }
  if (!db.OpenJet(path, "kestrelqu")) {
    *error = db.GetLastError();
    return false;
  }
  std::ifstream rows(std::string(KIRV_SOURCE_DIR) + "/demo/db/rows.sql");
  std::string text, line;
  while (std::getline(rows, line))
    if (line.rfind("--", 0) != 0) text += line + "\n";
  size_t start = 0;
  for (size_t end; (end = text.find(";\n", start)) != std::string::npos; start = end + 2) {
    std::string statement = text.substr(start, end - start);
    if (!db.Execute(statement)) {
      *error = statement + "\n" + db.GetLastError();
      return false;
    }
  }
  if (start == 0) {
    *error = "no rows in demo/db/rows.sql";
    return false;
  }
  return true;
}
