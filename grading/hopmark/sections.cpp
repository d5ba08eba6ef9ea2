// The sections of a grading run, each a plain function over the connection and the run's values.
// Each runs a fixed number of queries whatever the rows: the candidate's rows a section compares
// with are read once and looked up in memory, so a section costs O(n log n).
#include "grading/hopmark/sections.h"

#include <map>
#include <optional>
#include <set>

#include "netdb/variant_convert.h"
#include "platform/base/text.h"

namespace hopmark {
namespace {

using netdb::SqlParams;
using netdb::VariantToInt;
using netdb::VariantToString;

// Shown in the parameter column of an item whose lookup failed, so the report says which.
constexpr std::string_view kQueryFailed = "（查询出错）";

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

// Opens a rule query; one that fails gives one unsatisfied row saying so.
bool OpenRules(SectionContext& c, const char* label, std::string_view sql) {
  if (c.db.OpenRecordset(c.rules, sql)) return true;
  c.Item(label, std::string(kQueryFailed) + c.db.LastError(), false, 0);
  return false;
}

// Walks the rows of a rule query.
template <class PerRow>
void EachRule(SectionContext& c, const char* label, std::string_view sql, PerRow perRow) {
  if (!OpenRules(c, label, sql)) return;
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

// A text value as the schema's text columns compare it: without regard to ASCII case.
std::string Folded(const ado::Variant& value) {
  return base::AsciiLower(VariantToString(value));
}

// Two text columns of a row, folded; nothing when either is Null (Null equals nothing).
std::optional<std::pair<std::string, std::string>> Pair(const netdb::RecordsetPtr& rs,
                                                        std::string_view a, std::string_view b) {
  ado::Variant x, y;
  rs->GetValue(a, x);
  rs->GetValue(b, y);
  if (x.IsNull() || y.IsNull()) return std::nullopt;
  return std::pair{Folded(x), Folded(y)};
}

// The candidate's rows a section compares with are read once, with the lookup recordset, after
// its rules opened: each rule then costs a look-up in memory, not a query. A query that fails
// gives one unsatisfied row saying so, and every rule of the section is then unsatisfied and
// marked.
bool ReadCandidateRows(SectionContext& c, const char* label, std::string_view sql) {
  if (c.db.OpenRecordset(c.lookup, sql)) return true;
  c.Item(label, std::string(kQueryFailed) + c.db.LastError(), false, 0);
  return false;
}

void PagesBrowsed(SectionContext& c) {
  constexpr const char* kLabel = "网页浏览";
  EachRule(c, kLabel, "Select URL, ItemScore From URLs Where Browsed And ItemScore<>0", [&] {
    c.Item(kLabel, FieldText(c.rules, "URL"), true, FieldInt(c.rules, "ItemScore"));
  });
  EachRule(c, kLabel, "Select URL, ItemScore From URLs Where Not Browsed And ItemScore<>0", [&] {
    c.Item(kLabel, FieldText(c.rules, "URL"), false, FieldInt(c.rules, "ItemScore"));
  });
}

void Favourites(SectionContext& c) {
  constexpr const char* kLabel = "收藏夹操作";
  // A folder must be a folder; a link may sit in any folder or at the top.
  if (!OpenRules(c, kLabel, "Select Name, URL, Root, ItemScore From Favourite Where ItemScore<>0"))
    return;
  std::set<std::pair<std::string, std::string>> folders, links;
  const bool read =
      ReadCandidateRows(c, kLabel, "Select Name, URL, Root From Favourite Where ItemScore=0");
  for (; read && !c.lookup->IsEOF(); c.lookup->MoveNext()) {
    ado::Variant root;
    c.lookup->GetValue("Root", root);
    auto key = Pair(c.lookup, "Name", "URL");
    if (key && !root.IsNull()) (VariantToInt(root) == -1 ? folders : links).insert(*key);
  }
  for (; !c.rules->IsEOF(); c.rules->MoveNext()) {
    const std::string name = FieldText(c.rules, "Name");
    const std::string url = FieldText(c.rules, "URL");
    const auto& candidates = FieldInt(c.rules, "Root") == -1 ? folders : links;
    const bool found = candidates.count({base::AsciiLower(name), base::AsciiLower(url)}) > 0;
    c.Item(kLabel, Marked(name + " -> " + url, !read), found, FieldInt(c.rules, "ItemScore"));
  }
}

void SavedFiles(SectionContext& c) {
  constexpr const char* kLabel = "文件保存";
  EachRule(c, kLabel, "Select File, ItemScore From Download Where ItemScore<>0", [&] {
    const std::string file = FieldText(c.rules, "File");
    c.Item(kLabel, file, PathExists(c.studentDir + file), FieldInt(c.rules, "ItemScore"));
  });
}

void LoggedActions(SectionContext& c) {
  constexpr const char* kLabel = "操作记录";
  if (!OpenRules(c, kLabel, "Select Action, Parameter, ItemScore From Log Where ItemScore<>0"))
    return;
  std::set<std::pair<std::string, std::string>> done;
  const bool read =
      ReadCandidateRows(c, kLabel, "Select Action, Parameter From Log Where ItemScore=0");
  for (; read && !c.lookup->IsEOF(); c.lookup->MoveNext())
    if (auto key = Pair(c.lookup, "Action", "Parameter")) done.insert(*key);
  for (; !c.rules->IsEOF(); c.rules->MoveNext()) {
    const std::string action = FieldText(c.rules, "Action");
    const std::string parameter = FieldText(c.rules, "Parameter");
    const bool found = done.count({base::AsciiLower(action), base::AsciiLower(parameter)}) > 0;
    c.Item(action, Marked(parameter, !read), found, FieldInt(c.rules, "ItemScore"));
  }
}

void MailKeywords(SectionContext& c) {
  constexpr const char* kLabel = "邮件关键字检测";
  // Only the newest mail of a type is searched: one row per type, the one with the highest ID
  // (SQLite takes the other columns of a max() group from the row that holds it).
  if (!OpenRules(c, kLabel, "Select Mail, Name, Parameter, ItemScore From MailRules")) return;
  std::map<std::string, long> newest;  // type -> its row's position in the lookup
  const bool read =
      ReadCandidateRows(c, kLabel, "Select *, Max(ID) As NewestID From Mail Group By Type");
  for (long at = 1; read && !c.lookup->IsEOF(); c.lookup->MoveNext(), ++at) {
    ado::Variant type;
    c.lookup->GetValue("Type", type);
    if (!type.IsNull()) newest.emplace(VariantToString(type), at);
  }
  for (; !c.rules->IsEOF(); c.rules->MoveNext()) {
    ado::Variant type;
    c.rules->GetValue("Mail", type);
    const std::string column = FieldText(c.rules, "Name");
    const std::string keyword = base::AsciiLower(FieldText(c.rules, "Parameter"));
    bool failed = !read;
    bool satisfied = false;
    const auto mail = type.IsNull() ? newest.end() : newest.find(VariantToString(type));
    if (mail != newest.end() && c.lookup->SetAbsolutePosition(mail->second)) {
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
  }
}

void AccountSettings(SectionContext& c) {
  constexpr const char* kLabel = "邮件帐号参数设置";
  // The default account is the same for every rule: looked up once.
  bool failed = false;
  const bool haveAccount = Found(c, "Select * From Account Where DefaultAccount", {}, failed);
  EachRule(c, kLabel, "Select Action, Parameter, ItemScore From AccountRules", [&] {
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

}  // namespace hopmark
