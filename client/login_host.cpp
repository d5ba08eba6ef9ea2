// The login's machine side (see login_host.h).

#include "client/login_host.h"

#include <cstdlib>
#include <ctime>

#include "client/system_utils.h"
#include "platform/win/files.h"

bool SystemLoginHost::FileExists(const std::string& path) {
  return ::FileExists(path);
}

bool SystemLoginHost::RenameFile(const std::string& from, const std::string& to) {
  return ::RenameFile(from, to);
}

void SystemLoginHost::MakeDirPath(const std::string& path) {
  ::MakeDirPath(path);
}

bool SystemLoginHost::RunAndWait(const std::string& commandLine, const std::string& folder) {
  return ::RunAndWait(commandLine, folder);
}

std::vector<std::string> SystemLoginHost::ListFiles(const std::string& pattern) {
  std::vector<std::string> names;
  for (const win::FindData& f : win::FindFiles(pattern))
    if (!f.isFolder) names.push_back(f.name);
  return names;
}

void SystemLoginHost::WriteLog(const std::string& studentFolder, const std::string& code,
                               const std::string& text) {
  ::WriteLog(studentFolder, code, text);
}

std::string SystemLoginHost::Timestamp() {
  return GetDateString() + GetTimeString();
}

void SystemLoginHost::SeedRandom() {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
}

int SystemLoginHost::Random() {
  return std::rand();
}
