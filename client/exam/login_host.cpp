// The login's machine side (see login_host.h).

#include "client/exam/login_host.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "client/common/system_utils.h"
#include "client/exam/single_choice_record.h"
#include "platform/win/files.h"
#include "platform/win/paths.h"

bool SystemLoginHost::FileExists(const std::string& path) {
  return ::FileExists(path);
}

bool SystemLoginHost::RenameFile(const std::string& from, const std::string& to) {
  return ::RenameFile(from, to);
}

base::Status SystemLoginHost::MakeDirPath(const std::string& path) {
  ::MakeDirPath(path);
  if (win::IsFolder(path)) return base::Ok();
  // The creation failed somewhere along the path: once more, for the reason.
  std::error_code ec;
  std::filesystem::create_directories(win::ToHostPath(path), ec);
  if (!ec && win::IsFolder(path)) return base::Ok();
  return base::Error{ec ? ec.message() : "not a folder", ec.value()};
}

void SystemLoginHost::RemoveFolder(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove_all(win::ToHostPath(path), ec);
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

base::Status SystemLoginHost::WriteLog(const std::string& studentFolder, const std::string& code,
                                       const std::string& text) {
  return ::WriteLog(studentFolder, code, text);
}

base::Status SystemLoginHost::WriteAnswerRecord(const std::string& studentFolder,
                                                const std::string& code,
                                                const std::string& papers) {
  SingleChoiceRecord record;
  return record.Open(studentFolder, code, [&] { return papers; });
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
