// The browser's writes, for the tests.
#include "netdb/testing/browser_steps.h"

#include <ctime>

#include "netdb/action_log.h"
#include "netdb/network_database.h"
#include "netdb/variant_convert.h"
#include "platform/ado/connection.h"

namespace netdb::testing {
namespace {

ado::Variant Text(std::string_view s) {
  return ado::Variant::String(std::string(s));
}

}  // namespace

base::Status MakeSeededDatabase(const std::filesystem::path& hostFile, std::string_view seedSql) {
  if (base::Status made = CreateNetworkDatabase(hostFile); !made) return made;
  return ado::CreateDatabase(hostFile.string(), seedSql);
}

bool VisitAddress(CAdoConnection& db, std::string_view address) {
  if (!LogAction(db, action::kOpenAddress, address)) return false;
  RecordsetPtr rs;
  if (!db.OpenRecordset(rs, "Select * From URLs Where URL=? order by ID", {Text(address)}))
    return false;
  // Only the first row of an address is mapped and marked.
  const bool ok = rs->IsEOF() || (rs->SetValue("Browsed", Text("True")) && rs->Update());
  CAdoConnection::ReleaseRecordset(rs);
  return ok;
}

long AddFavourite(CAdoConnection& db, std::string_view name, std::string_view address, int root) {
  RecordsetPtr rs;
  if (!db.OpenRecordset(rs, "Select * From Favourite where ID is NULL")) return 0;
  bool ok = rs->AddNew() && rs->SetValue("Name", Text(name)) &&
            rs->SetValue("URL", Text(address)) && rs->SetValue("Root", Text(std::to_string(root)));
  if (ok && root != -1) ok = rs->SetValue("ItemScore", Text("0"));
  ok = ok && rs->Update();
  ado::Variant id;
  if (ok) ok = rs->GetValue("ID", id);
  CAdoConnection::ReleaseRecordset(rs);
  return ok ? VariantToInt(id) : 0;
}

bool SendMail(CAdoConnection& db, std::string_view to, std::string_view subject,
              std::string_view body, int type) {
  if (!LogAction(db, action::kMail, "sendmail")) return false;  // the mail page's command word
  RecordsetPtr rs;
  std::string from;
  if (!db.OpenRecordset(rs, "Select 用户Email地址 From Account Where DefaultAccount")) return false;
  if (!rs->IsEOF()) {
    ado::Variant v;
    rs->GetValue("用户Email地址", v);
    from = VariantToString(v);
  }
  char today[16];
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(today, sizeof today, "%Y-%m-%d", &local);
  if (!db.OpenRecordset(rs, "Select * From Mail where ID is NULL")) return false;
  const bool ok = rs->AddNew() && rs->SetValue("邮件位置", Text("2")) &&
                  rs->SetValue("发件人", Text(from)) && rs->SetValue("收件人", Text(to)) &&
                  rs->SetValue("抄送人", Text("")) && rs->SetValue("主题", Text(subject)) &&
                  rs->SetValue("内容", Text(body)) && rs->SetValue("Time", Text(today)) &&
                  rs->SetValue("附件", Text("")) &&
                  rs->SetValue("Type", Text(std::to_string(type))) && rs->Update();
  CAdoConnection::ReleaseRecordset(rs);
  return ok;
}

}  // namespace netdb::testing
