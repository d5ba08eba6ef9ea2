// URL mapping in both directions and the visit record.
#include "browsim/core/url_mapping.h"

#include <algorithm>
#include <ctime>

#include "browsim/core/record_fields.h"
#include "netdb/action_log.h"
#include "netdb/variant_convert.h"
#include "platform/base/text.h"

namespace browsim {
namespace {

using netdb::CAdoConnection;
using netdb::RecordsetPtr;

// Marks the current URLs row browsed; a failed write is the candidate's lost visit, so it is
// shown in the band.
void MarkBrowsed(BrowserHost& host, RecordsetPtr& rs) {
  if (!(rs->SetValue("Browsed", TextValue("True")) && rs->Update())) {
    rs->CancelUpdate();
    host.ReportFailure("网络数据库无法写入，访问未能记录: " + host.Database().LastError());
  }
}

std::string LocalNow(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[32];
  return std::string(buffer, std::strftime(buffer, sizeof buffer, format, &local));
}

void ReplaceAll(std::string& text, std::string_view what) {
  if (what.empty()) return;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
    text.erase(at, what.size());
}

}  // namespace

std::string MapUrlToLocal(BrowserHost& host, const std::string& address) {
  RecordsetPtr rs;
  if (!host.Database().OpenRecordset(rs, "Select * From URLs Where URL=? order by ID",
                                     {TextValue(address)})) {
    host.ReportFailure("网络数据库无法读取: " + host.Database().LastError());
    return address;
  }
  std::string result = address;
  if (!rs->IsEOF()) {
    const std::string fake = FieldText(rs, "FakeURL");
    if (!fake.empty()) result = fake;
    MarkBrowsed(host, rs);
  }
  CAdoConnection::ReleaseRecordset(rs);
  return result;
}

std::string MapLocalToUrl(BrowserHost& host, const std::string& address) {
  const std::string siteRoot = base::AsciiLower(host.Paths().SiteFolder());
  std::string relative = address;
  ReplaceAll(relative, siteRoot);
  relative = base::AsciiLower(relative);
  RecordsetPtr rs;
  if (!host.Database().OpenRecordset(rs, "Select * From URLs Where FakeURL=? order by ID",
                                     {TextValue(relative)})) {
    host.ReportFailure("网络数据库无法读取: " + host.Database().LastError());
    return siteRoot + relative;
  }
  std::string result = siteRoot + relative;
  if (!rs->IsEOF()) {
    result = FieldText(rs, "URL");
    MarkBrowsed(host, rs);
  }
  CAdoConnection::ReleaseRecordset(rs);
  return result;
}

void VisitHistory::RecordVisit(const std::string& address) {
  host_.Log(netdb::action::kOpenAddress, address);
  const std::string date = LocalNow("%Y-%m-%d");
  const std::string time = LocalNow("%H:%M:%S");
  auto& db = host_.Database();
  const auto listed = std::find(addresses_.begin(), addresses_.end(), address);
  RecordsetPtr rs;
  bool stored = false;
  if (db.OpenRecordset(rs, "Select * From History where URL=? order by ID", {TextValue(address)})) {
    // A listed address whose row is gone (the table was changed apart) gets its row again.
    int times = 1;
    bool ok = true;
    if (listed == addresses_.end() || rs->IsEOF()) {
      ok = rs->AddNew() && rs->SetValue("URL", TextValue(address));
    } else {
      ado::Variant value;
      times = rs->GetValue("Times", value) ? netdb::VariantToInt(value) + 1 : 1;
    }
    stored = ok && rs->SetValue("Times", TextValue(std::to_string(static_cast<unsigned>(times)))) &&
             rs->SetValue("Date", TextValue(date)) && rs->SetValue("Time", TextValue(time)) &&
             rs->Update();
    if (!stored) rs->CancelUpdate();
    CAdoConnection::ReleaseRecordset(rs);
  }
  if (!stored) host_.ReportFailure("网络数据库无法写入，历史记录未能保存: " + db.LastError());
  if (listed == addresses_.end()) {
    addresses_.insert(addresses_.begin(), address);
    selected_ = 0;
  } else {
    selected_ = static_cast<int>(listed - addresses_.begin());
  }
  Changed();
}

void VisitHistory::LoadHistoryList() {
  RecordsetPtr rs;
  if (!host_.Database().OpenRecordset(rs, "Select URL From History order by ID Desc")) {
    host_.ReportFailure("网络数据库无法读取: " + host_.Database().LastError());
    return;
  }
  addresses_.clear();
  selected_ = -1;
  for (; !rs->IsEOF(); rs->MoveNext()) addresses_.insert(addresses_.begin(), FieldText(rs, "URL"));
  CAdoConnection::ReleaseRecordset(rs);
  Changed();
}

void VisitHistory::Changed() {
  if (changed_) changed_();
}

std::string AddressFromTypedText(const std::string& typed) {
  // A scheme, a drive or a port shows as a colon after the first character.
  std::string address = typed.find(':', 1) == std::string::npos ? "http://" + typed : typed;
  return base::AsciiLower(address);
}

}  // namespace browsim
