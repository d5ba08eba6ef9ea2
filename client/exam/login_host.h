// The login's machine side over the client's system utilities: files, 7-Zip runs, the candidate
// log, the clock and the C library's dice.
#pragma once

#include "client/exam/login.h"

class SystemLoginHost : public LoginHost {
 public:
  bool FileExists(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  base::Status MakeDirPath(const std::string& path) override;
  void RemoveFolder(const std::string& path) override;
  bool RunAndWait(const std::string& commandLine, const std::string& folder) override;
  std::vector<std::string> ListFiles(const std::string& pattern) override;
  base::Status WriteLog(const std::string& studentFolder, const std::string& code,
                        const std::string& text) override;
  base::Status WriteAnswerRecord(const std::string& studentFolder, const std::string& code,
                                 const std::string& papers) override;
  std::string Timestamp() override;
  void SeedRandom() override;
  int Random() override;
};
