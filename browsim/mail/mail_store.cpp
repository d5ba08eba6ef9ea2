// The web mail's rows in the network database.
#include "browsim/mail/mail_store.h"

#include "browsim/core/record_fields.h"
#include "netdb/variant_convert.h"

namespace browsim::mail {
namespace {

using netdb::CAdoConnection;
using netdb::RecordsetPtr;

MailRow ReadRow(const RecordsetPtr& rs) {
  MailRow row;
  row.id = FieldInt(rs, "ID");
  row.folder = FieldInt(rs, "邮件位置");
  row.from = FieldText(rs, "发件人");
  row.to = FieldText(rs, "收件人");
  row.cc = FieldText(rs, "抄送人");
  row.subject = FieldText(rs, "主题");
  row.body = FieldText(rs, "内容");
  row.time = FieldText(rs, "Time");
  row.attachment = FieldText(rs, "附件");
  return row;
}

std::string LocalDate(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char buffer[16];
  return std::string(buffer, std::strftime(buffer, sizeof buffer, "%Y-%m-%d", &local));
}

// A transaction on the connection that is rolled back unless committed.
class Transaction {
 public:
  explicit Transaction(CAdoConnection& db) : db_(db) {
    begun_ = db_.Connection().Execute("BEGIN", {}, nullptr, ado::adExecuteNoRecords) != nullptr;
  }
  ~Transaction() {
    if (begun_) (void)db_.Connection().Execute("ROLLBACK", {}, nullptr, ado::adExecuteNoRecords);
  }
  bool Begun() const { return begun_; }
  bool Commit() {
    const bool ok =
        db_.Connection().Execute("COMMIT", {}, nullptr, ado::adExecuteNoRecords) != nullptr;
    begun_ = !ok;
    return ok;
  }

 private:
  CAdoConnection& db_;
  bool begun_ = false;
};

}  // namespace

base::Error MailStore::Failed(std::string_view what) const {
  return base::Error::Of(what, ": ", db_.LastError());
}

base::Result<std::string> MailStore::DefaultSender() {
  RecordsetPtr rs;
  if (!db_.OpenRecordset(rs, "Select 用户Email地址 From Account Where DefaultAccount order by ID"))
    return Failed("网络数据库无法读取邮件帐号");
  std::string sender = rs->IsEOF() ? std::string() : FieldText(rs, "用户Email地址");
  CAdoConnection::ReleaseRecordset(rs);
  return sender;
}

base::Result<std::vector<MailRow>> MailStore::Folder(long folder) {
  RecordsetPtr rs;
  if (!db_.OpenRecordset(rs, "Select * From Mail Where 邮件位置 = ? Order by ID",
                         {ado::Variant::I4(static_cast<int32_t>(folder))}))
    return Failed("网络数据库无法读取邮件");
  std::vector<MailRow> rows;
  for (; !rs->IsEOF(); rs->MoveNext()) rows.push_back(ReadRow(rs));
  CAdoConnection::ReleaseRecordset(rs);
  return rows;
}

base::Result<std::optional<MailRow>> MailStore::Find(long id) {
  RecordsetPtr rs;
  if (!db_.OpenRecordset(rs, "Select * From Mail Where ID = ?", {ado::Variant::I8(id)}))
    return Failed("网络数据库无法读取邮件");
  std::optional<MailRow> row;
  if (!rs->IsEOF()) row = ReadRow(rs);
  CAdoConnection::ReleaseRecordset(rs);
  return row;
}

base::Result<long> MailStore::Send(const OutgoingMail& mail, std::time_t when) {
  RecordsetPtr rs;
  if (!db_.OpenRecordset(rs, "Select * From Mail where ID is NULL"))
    return Failed("网络数据库无法写入，邮件未能发送");
  bool ok =
      rs->AddNew() && rs->SetValue("邮件位置", ado::Variant::I4(kSent)) &&
      rs->SetValue("发件人", TextValue(mail.from)) && rs->SetValue("收件人", TextValue(mail.to)) &&
      rs->SetValue("抄送人", TextValue(mail.cc)) && rs->SetValue("主题", TextValue(mail.subject)) &&
      rs->SetValue("内容", TextValue(mail.body)) &&
      rs->SetValue("Time", TextValue(LocalDate(when))) &&
      rs->SetValue("附件", TextValue(mail.attachment)) &&
      rs->SetValue("Type", ado::Variant::I4(static_cast<int32_t>(mail.type))) && rs->Update();
  ado::Variant id;
  ok = ok && rs->GetValue("ID", id);
  if (!ok) {
    base::Error error = Failed("网络数据库无法写入，邮件未能发送");
    rs->CancelUpdate();
    CAdoConnection::ReleaseRecordset(rs);
    return error;
  }
  CAdoConnection::ReleaseRecordset(rs);
  return static_cast<long>(netdb::VariantToInt(id));
}

base::Result<bool> MailStore::MoveTo(const std::vector<long>& ids, long folder) {
  constexpr std::string_view kWriteFailed = "网络数据库无法写入，邮件未能移动";
  if (ids.empty()) return true;
  Transaction transaction(db_);
  if (!transaction.Begun()) return Failed(kWriteFailed);
  RecordsetPtr rs;
  for (long id : ids) {
    if (!db_.OpenRecordset(rs, "Select * From Mail Where ID = ?", {ado::Variant::I8(id)}))
      return Failed(kWriteFailed);
    if (rs->IsEOF()) {
      CAdoConnection::ReleaseRecordset(rs);
      return false;
    }
    if (!(rs->SetValue("邮件位置", ado::Variant::I4(static_cast<int32_t>(folder))) &&
          rs->Update())) {
      base::Error error = Failed(kWriteFailed);
      rs->CancelUpdate();
      CAdoConnection::ReleaseRecordset(rs);
      return error;
    }
  }
  CAdoConnection::ReleaseRecordset(rs);
  if (!transaction.Commit()) return Failed(kWriteFailed);
  return true;
}

}  // namespace browsim::mail
