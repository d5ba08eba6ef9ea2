// The test host over a real database.
#include "browsim/core/testing/fake_host.h"

#include <gtest/gtest.h>

#include "netdb/action_log.h"
#include "netdb/testing/browser_steps.h"
#include "netdb/variant_convert.h"
#include "platform/win/paths.h"

namespace browsim::testing {

FakeHost::FakeHost(std::string_view seedSql) {
  std::filesystem::create_directories(MailFolder());
  std::filesystem::create_directories(DatabaseFile().parent_path());
  paths_.globals.ProgramFolder = win::ToWindowsPath(ProgramFolder()) + "\\";
  paths_.globals.StudentFolder = win::ToWindowsPath(CandidateFolder()) + "\\";
  paths_.globals.CandidateName = "未知";
  paths_.globals.StudentFolderName = "001";
  const base::Status made = netdb::testing::MakeSeededDatabase(DatabaseFile(), seedSql);
  EXPECT_TRUE(made) << (made ? "" : made.error().message);
  const base::Status opened = db_.Open(paths_.DatabasePath());
  EXPECT_TRUE(opened) << (opened ? "" : opened.error().message);
}

bool FakeHost::Log(std::string_view action, std::string_view parameter) {
  if (netdb::LogAction(db_, action, parameter)) return true;
  ReportFailure("log");
  return false;
}

std::vector<std::string> FakeHost::Column(const std::string& sql, std::string_view field,
                                          const netdb::SqlParams& params) {
  std::vector<std::string> values;
  netdb::RecordsetPtr rs;
  if (!db_.OpenRecordset(rs, sql, params)) {
    ADD_FAILURE() << sql;
    return values;
  }
  for (; !rs->IsEOF(); rs->MoveNext()) {
    ado::Variant value;
    values.push_back(rs->GetValue(field, value) ? netdb::VariantToString(value) : "<no field>");
  }
  return values;
}

long FakeHost::Count(const std::string& sql, const netdb::SqlParams& params) {
  netdb::RecordsetPtr rs;
  if (!db_.OpenRecordset(rs, sql, params)) return -1;
  long n = 0;
  for (; !rs->IsEOF(); rs->MoveNext()) ++n;
  return n;
}

}  // namespace browsim::testing
