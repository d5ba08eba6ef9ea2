// The system password check (see password_check.h).
#include "client/password_check.h"

#include "client/ini_file.h"
#include "client/system_utils.h"

std::string ExpectedSystemPassword(const std::string& stored) {
  return TransformPassword(stored.empty() ? std::string(kBuiltInSysPassword) : stored, false);
}

bool CheckSystemPassword(const std::string& typed, const std::string& stored) {
  return typed == ExpectedSystemPassword(stored);
}

bool CheckSystemPassword(const std::string& typed) {
  return CheckSystemPassword(typed, IniFile.Read("KIRV", "SysPassword"));
}
