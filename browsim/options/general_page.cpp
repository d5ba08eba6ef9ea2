// The General page's rules over the Options, History and Log tables.
#include "browsim/options/general_page.h"

#include <algorithm>

#include "browsim/core/record_fields.h"
#include "netdb/action_log.h"
#include "platform/win/message_box.h"

namespace browsim::options {
namespace {

using netdb::RecordsetPtr;

bool Confirmed(std::string_view text, std::string_view caption) {
  return win::MessageBox(text, caption, win::MB_OKCANCEL | win::MB_ICONQUESTION) == win::IDOK;
}

std::string AsciiLower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

}  // namespace

GeneralSettings LoadGeneralSettings(BrowserHost& host) {
  GeneralSettings settings;
  RecordsetPtr rs;
  if (!host.Database().OpenRecordset(rs, "Select * From Options")) {
    host.ReportFailure("网络数据库无法读取 Internet 选项: " + host.Database().LastError());
    return settings;
  }
  for (; !rs->IsEOF(); rs->MoveNext()) {
    settings.startPage = FieldText(rs, "StartPage");
    settings.historyDays = FieldInt(rs, "HistoryReservedDays");
  }
  return settings;
}

bool SaveGeneralSettings(BrowserHost& host, const GeneralSettings& settings) {
  const std::string startPage = AsciiLower(settings.startPage);
  const bool logged = host.Log(netdb::action::kSetStartPage, startPage);
  auto& db = host.Database();
  RecordsetPtr rs;
  bool stored = db.OpenRecordset(rs, "Select * From Options order by ID");
  if (stored) {
    // The start page is used at the next start: a missing row would lose it.
    if (rs->IsEOF()) stored = rs->AddNew();
    stored = stored && rs->SetValue("StartPage", TextValue(startPage)) &&
             rs->SetValue("HistoryReservedDays", TextValue(std::to_string(settings.historyDays))) &&
             rs->Update();
    if (!stored) rs->CancelUpdate();
  }
  if (!stored) host.ReportFailure("网络数据库无法写入，起始页未能保存: " + db.LastError());
  return logged && stored;
}

bool DeleteCookies(BrowserHost& host) {
  return Confirmed("删除 “Temporary Internet Files”文件夹中的所有 Cookies 吗?", "删除 Cookies") &&
         host.Log(netdb::action::kDeleteCookies, "");
}

bool DeleteTemporaryFiles(BrowserHost& host) {
  return Confirmed(
             "是否删除 Internet 临时文件夹中的所有内容?\n您也可以删除本地存储的所有脱机内容。",
             "删除文件") &&
         host.Log(netdb::action::kDeleteTemporaryFiles, "");
}

bool ClearHistory(BrowserHost& host) {
  bool cleared = false;
  if (Confirmed("是否要让Windows删除您访问的所有网站记录？", "Internet 选项")) {
    const bool logged = host.Log(netdb::action::kClearHistory, "");
    auto& db = host.Database();
    RecordsetPtr rs;
    bool deleted = db.OpenRecordset(rs, "Select * From History order by ID desc");
    for (; deleted && !rs->IsEOF(); rs->MoveNext()) deleted = rs->Delete();
    if (!deleted) host.ReportFailure("网络数据库无法写入，历史记录未能清除: " + db.LastError());
    cleared = logged && deleted;
  }
  host.LoadHistoryList();
  return cleared;
}

}  // namespace browsim::options
