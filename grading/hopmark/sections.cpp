// The sections of a grading run, each a plain function over the connection and the run's values.
#include "grading/hopmark/sections.h"

#include <filesystem>
#include <system_error>

#include "netdb/variant_convert.h"
#include "platform/base/text.h"
#include "platform/win/paths.h"

namespace hopmark {
namespace {

using netdb::SqlParams;
using netdb::VariantToInt;
using netdb::VariantToString;

// Shown in the parameter column of an item whose lookup failed, so the report says which.
constexpr std::string_view kQueryFailed = "（查询出错）";

ado::Variant Text(std::string value) {
  return ado::Variant::String(std::move(value));
}

std::string FieldText(const netdb::RecordsetPtr& rs, std::string_view field) {
  ado::Variant v;
  rs->GetValue(field, v);
  return VariantToString(v);
}

int FieldInt(const netdb::RecordsetPtr& rs, std::string_view field) {
  ado::Variant v;
  rs->GetValue(field, v);
  return VariantToInt(v);
}

// Walks the rows of a rule query; a query that fails gives one unsatisfied row saying so.
template <class PerRow>
void EachRule(SectionContext& c, const char* label, std::string_view sql, PerRow perRow) {
  if (!c.db.OpenRecordset(c.rules, sql)) {
    c.Item(label, std::string(kQueryFailed) + c.db.LastError(), false, 0);
    return;
  }
  for (; !c.rules->IsEOF(); c.rules->MoveNext()) perRow();
}

// True when the lookup gives a row; false, with `failed` set, when its query fails.
bool Found(SectionContext& c, std::string_view sql, const SqlParams& params, bool& failed) {
  failed = !c.db.OpenRecordset(c.lookup, sql, params);
  return !failed && !c.lookup->IsEOF();
}

std::string Marked(std::string parameter, bool failed) {
  return failed ? parameter + std::string(kQueryFailed) : parameter;
}

void PagesBrowsed(SectionContext& c) {
  constexpr const char* kLabel = "网页浏览";
  EachRule(c, kLabel, "Select * From URLs Where Browsed And ItemScore<>0", [&] {
    c.Item(kLabel, FieldText(c.rules, "URL"), true, FieldInt(c.rules, "ItemScore"));
  });
  EachRule(c, kLabel, "Select * From URLs Where Not Browsed And ItemScore<>0", [&] {
    c.Item(kLabel, FieldText(c.rules, "URL"), false, FieldInt(c.rules, "ItemScore"));
  });
}

void Favourites(SectionContext& c) {
  constexpr const char* kLabel = "收藏夹操作";
  EachRule(c, kLabel, "Select * From Favourite Where ItemScore<>0", [&] {
    const std::string name = FieldText(c.rules, "Name");
    const std::string url = FieldText(c.rules, "URL");
    // A folder must be a folder; a link may sit in any folder or at the top.
    const bool folder = FieldInt(c.rules, "Root") == -1;
    bool failed = false;
    const bool found = Found(c,
                             folder ? "Select * From Favourite Where ItemScore=0 And Name=? And "
                                      "URL=? And Root=-1"
                                    : "Select * From Favourite Where ItemScore=0 And Name=? And "
                                      "URL=? And Root<>-1",
                             {Text(name), Text(url)}, failed);
    c.Item(kLabel, Marked(name + " -> " + url, failed), found, FieldInt(c.rules, "ItemScore"));
  });
}

void SavedFiles(SectionContext& c) {
  constexpr const char* kLabel = "文件保存";
  EachRule(c, kLabel, "Select * From Download Where ItemScore<>0", [&] {
    const std::string file = FieldText(c.rules, "File");
    c.Item(kLabel, file, ExistsInFolder(c.studentDir, file), FieldInt(c.rules, "ItemScore"));
  });
}

void LoggedActions(SectionContext& c) {
  EachRule(c, "操作记录", "Select * From Log Where ItemScore<>0", [&] {
    const std::string action = FieldText(c.rules, "Action");
    const std::string parameter = FieldText(c.rules, "Parameter");
    bool failed = false;
    const bool found = Found(c, "Select * From Log Where ItemScore=0 And Action=? And Parameter=?",
                             {Text(action), Text(parameter)}, failed);
    c.Item(action, Marked(parameter, failed), found, FieldInt(c.rules, "ItemScore"));
  });
}

void MailKeywords(SectionContext& c) {
  constexpr const char* kLabel = "邮件关键字检测";
  EachRule(c, kLabel, "Select * From MailRules", [&] {
    ado::Variant type;
    c.rules->GetValue("Mail", type);
    const std::string column = FieldText(c.rules, "Name");
    const std::string keyword = base::AsciiLower(FieldText(c.rules, "Parameter"));
    bool failed = false;
    bool satisfied = false;
    // Only the newest mail of the type is searched.
    if (Found(c, "Select * From Mail Where Type=? Order by ID Desc", {type}, failed)) {
      ado::Variant value;
      failed = !c.lookup->GetValue(column, value);
      satisfied =
          !failed && base::AsciiLower(VariantToString(value)).find(keyword) != std::string::npos;
    }
    c.Item(kLabel,
           Marked("类型为 " + VariantToString(type) + " 的邮件 " + column + " 字段存在关键字 " +
                      keyword,
                  failed),
           satisfied, FieldInt(c.rules, "ItemScore"));
  });
}

void AccountSettings(SectionContext& c) {
  constexpr const char* kLabel = "邮件帐号参数设置";
  // The default account is the same for every rule: looked up once.
  bool failed = false;
  const bool haveAccount = Found(c, "Select * From Account Where DefaultAccount", {}, failed);
  EachRule(c, kLabel, "Select * From AccountRules", [&] {
    const std::string column = FieldText(c.rules, "Action");
    const std::string expected = base::AsciiLower(FieldText(c.rules, "Parameter"));
    const std::string parameter = column + " 存在关键字 " + expected;
    if (failed) {
      c.Item(kLabel, Marked(parameter, true), false, FieldInt(c.rules, "ItemScore"));
      return;
    }
    if (!haveAccount) return;  // no default account: the rule gives no row
    ado::Variant value;
    const bool read = c.lookup->GetValue(column, value);
    const bool satisfied = read && base::AsciiLower(VariantToString(value)) == expected;
    c.Item(kLabel, Marked(parameter, !read), satisfied, FieldInt(c.rules, "ItemScore"));
  });
}

}  // namespace

const Section kSections[6] = {
    {"pages", &PagesBrowsed},         {"favourites", &Favourites},
    {"files", &SavedFiles},           {"actions", &LoggedActions},
    {"mail keywords", &MailKeywords}, {"account settings", &AccountSettings},
};

void SectionContext::Item(std::string label, std::string parameter, bool satisfied, int points) {
  if (satisfied) values.Score += points;
  values.rows.push_back({std::move(label), std::move(parameter), satisfied, points});
}

bool ExistsInFolder(const std::string& studentDir, const std::string& file) {
  namespace fs = std::filesystem;
  if (studentDir.empty()) return false;
  std::error_code ec;
  const fs::path root = fs::canonical(win::ToHostPath(studentDir), ec);
  if (ec) return false;
  std::string path = studentDir + file;
  if (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  const fs::path target = fs::canonical(win::ToHostPath(path), ec);
  if (ec) return false;
  // Inside the folder: the folder's own path is a prefix of the target's, component by component.
  auto r = root.begin();
  auto t = target.begin();
  for (; r != root.end(); ++r, ++t)
    if (t == target.end() || *r != *t) return false;
  return true;
}

}  // namespace hopmark
