// The login's view of the exam database over CAdoConnection and the two shared recordsets.
// Each statement keeps the shape the login is known by; its values are bound, never spliced.
#pragma once

#include "client/db/ado_connection.h"
#include "client/db/ado_record_set.h"
#include "client/login.h"

class AdoLoginStore : public LoginStore {
 public:
  AdoLoginStore(CAdoConnection& connection, CAdoRecordSet& main, CAdoRecordSet& second)
      : connection_(connection), main_(main), second_(second) {}

  void ReadConst(int* selectCount, std::string* testDir) override;
  void ResetState(const std::string& code) override;
  std::optional<Started> FindStarted(const std::string& code) override;
  std::optional<Paper> FindPaper(int paperId) override;
  std::optional<std::string> GroupModules(int groupId) override;
  std::vector<int> EnabledModules() override;
  std::vector<Paper> PapersOfModule(int moduleId) override;
  bool RowExists(const std::string& code) override;
  bool UpdateAttempt(const std::string& code, int seconds, const std::string& papers) override;
  bool InsertAttempt(const std::string& code, const std::string& name, const std::string& room,
                     const std::string& session, const std::string& seat, int seconds,
                     const std::string& papers) override;
  std::string LastError() override { return connection_.GetLastError(); }

 private:
  CAdoConnection& connection_;
  CAdoRecordSet& main_;
  CAdoRecordSet& second_;
};
