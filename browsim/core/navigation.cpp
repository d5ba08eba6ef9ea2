// The navigation hook's dispatch and the search service.
#include "browsim/core/navigation.h"

#include "browsim/core/query_params.h"
#include "netdb/variant_convert.h"
#include "platform/base/text.h"
#include "platform/win/codepage.h"

namespace browsim {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

NavigationKind ClassifyAddress(std::string_view address) {
  if (StartsWith(address, "email://")) return NavigationKind::Mail;
  if (StartsWith(address, "search://")) return NavigationKind::Search;
  if (win::Utf8ToGbk(address).size() > kLongestExaminedAddress) return NavigationKind::Unexamined;
  if (StartsWith(address, "http") || StartsWith(address, "ftp")) return NavigationKind::Web;
  return NavigationKind::Local;
}

NavigationOutcome NavigationDispatch::BeforeNavigate(std::string_view rawAddress, bool record) {
  const std::string address = base::AsciiLower(rawAddress);
  NavigationOutcome outcome;
  switch (ClassifyAddress(address)) {
    case NavigationKind::Unexamined:
      break;
    case NavigationKind::Web: {
      const std::string local = MapUrlToLocal(host_, address);
      if (local == address) {
        if (record) history_.RecordVisit(address);
      } else {
        outcome.proceed = false;
        outcome.loadInstead = host_.Paths().SiteFolder() + local;
      }
      break;
    }
    case NavigationKind::Mail:
      outcome.proceed = false;
      if (extensions_.mail) extensions_.mail(host_, address);
      break;
    case NavigationKind::Search:
      outcome.proceed = false;
      HandleSearch(address);
      break;
    case NavigationKind::Local:
      if (record) history_.RecordVisit(MapLocalToUrl(host_, address));
      break;
  }
  return outcome;
}

std::string SearchEngineAddress(std::string_view engine, std::string_view keyword) {
  const std::string name = engine.empty() ? "so" : base::AsciiLower(engine);
  if (name == "baidu") return "http://www.baidu.com/s?wd=" + std::string(keyword);
  if (name == "so") return "http://www.so.com/s?q=" + std::string(keyword);
  if (name == "google") return "http://www.google.com/#newwindow=1&q=" + std::string(keyword);
  return {};
}

void NavigationDispatch::HandleSearch(const std::string& address) {
  std::string keyword = GetQueryParam(address, "keyword");
  std::erase(keyword, '/');
  if (keyword.empty()) return;
  netdb::RecordsetPtr rs;
  auto& db = host_.Database();
  if (!db.OpenRecordset(rs, "Select * From URLs where keyword=? order by ID",
                        {ado::Variant::String(keyword)})) {
    host_.ReportFailure("网络数据库无法读取: " + db.LastError());
    return;
  }
  std::string target;
  if (!rs->IsEOF()) {
    ado::Variant url;
    if (rs->GetValue("URL", url)) target = netdb::VariantToString(url);
  } else {
    std::string engine = GetQueryParam(address, "engine");
    std::erase(engine, '/');
    target = SearchEngineAddress(engine, keyword);
  }
  netdb::CAdoConnection::ReleaseRecordset(rs);
  if (!target.empty()) host_.Navigate(target);
}

}  // namespace browsim
