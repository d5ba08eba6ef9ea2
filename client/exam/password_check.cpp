// The system password check (see password_check.h).
#include "client/exam/password_check.h"

#include "client/common/system_utils.h"

std::string ExpectedSystemPassword(const std::string& stored) {
  return TransformPassword(stored.empty() ? std::string(kBuiltInSysPassword) : stored, false);
}

bool CheckSystemPassword(const std::string& typed, const std::string& stored) {
  return typed == ExpectedSystemPassword(stored);
}
