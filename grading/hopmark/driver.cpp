// The grading run: locate, open, the sections in order, the report, the cap.
#include "grading/hopmark/driver.h"

#include <sys/stat.h>

#include "grading/hopmark/private_copy.h"
#include "grading/hopmark/sections.h"
#include "netdb/ado_connection.h"
#include "platform/com/errors.h"
#include "platform/win/confined_file.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

namespace hopmark {
namespace {

constexpr std::string_view kMissingDatabase = "考生网络操作数据库并不存在\n请检查考生是否误删除了 ";
constexpr std::string_view kReportHeader = " 的系统评分记录，模块成绩以100分计\r\n";
constexpr std::string_view kDefaultUserDb = "Netkt\\Net.Net";
constexpr std::string_view kUnknownOpenFailure = "Warning: 连接数据库时发生未知错误:";

void ShowMessage(const std::string& text) {
  win::MessageBox(text, "", win::MB_OK);
}

// The text before the last "\" (`keepSlash`: up to and with it); "" when there is none.
std::string CutAtLastSlash(const std::string& text, bool keepSlash) {
  const size_t at = text.rfind('\\');
  if (at == std::string::npos) return {};
  return text.substr(0, keepSlash ? at + 1 : at);
}

// A copy of the database as the candidate left it, made only of regular files inside his folder
// (links followed), never a FIFO or device, never past the cap. A file that fails this reads as
// missing (true in `missing`) or as unreadable.
// Anything thrown on the way (memory) fails the copy as a failure of our own.
base::Result<PrivateCopy> CopyCandidateFile(const RunValues& v, bool& missing) {
  const std::string folder = v.StudentDir.empty() ? CutAtLastSlash(v.DB, true) : v.StudentDir;
  try {
    auto copy = PrivateCopy::Make(win::ToHostPath(v.DB), win::ToHostPath(folder));
    if (!copy) missing = win::ReadsAsMissing(copy.error());
    return copy;
  } catch (const std::exception& e) {
    return base::Error::WithCode(kCopyNotMade, e.what());
  }
}

// A database that does not open: the box says what the system says of such a failure
// (`shown`), the report's row says why.
void Fail(RunValues& v, const std::string& shown, std::string why) {
  ShowMessage(shown);
  v.rows.push_back({"打开数据库", "（打开出错）" + why, false, 0});
}

// What the box says when his file, or the engine's open of it, failed.
std::string OpenRefused() {
  return com::ErrorMessageOf(com::kErrFail);
}

}  // namespace

std::string BuildReport(const std::string& db, const std::vector<ResultRow>& rows) {
  std::string text = db + std::string(kReportHeader) + "\r\n";
  for (const ResultRow& row : rows)
    text += row.label + "\t" + row.parameter + "\t" + (row.satisfied ? "√" : "×") + "\t" +
            std::to_string(row.points) + "\r\n";
  return text;
}

void LocateDatabase(RunValues& v, const netdb::PathGlobals& settings) {
  if (!v.DB.empty()) {
    v.StudentDir = CutAtLastSlash(CutAtLastSlash(v.DB, false), true);
    return;
  }
  v.DB = v.StudentDir + netdb::ReadIniString(settings, "DB", "UserDB", kDefaultUserDb);
}

bool PathExists(const std::string& windowsPath) {
  std::string path = windowsPath;
  if (!path.empty() && path.back() == '\\') path.pop_back();
  if (path.empty()) return false;
  struct stat st;
  return ::stat(win::ToHostPath(path).c_str(), &st) == 0;
}

std::optional<std::string> RunGrading(RunValues& v, const netdb::PathGlobals& settings) {
  v.Score = 0;
  v.Rate = 0;
  v.rows.clear();
  LocateDatabase(v, settings);
  bool missing = !PathExists(v.DB);
  base::Result<PrivateCopy> copy = missing ? base::Result<PrivateCopy>(base::Error::Of("missing"))
                                           : CopyCandidateFile(v, missing);
  if (missing) {
    v.Rate = 100;
    v.State = std::string(kMissingDatabase) + v.DB;
    ShowMessage(v.State);
    return std::nullopt;
  }
  netdb::CAdoConnection db;  // closed before the copy goes
  db.SetQuiet(true);
  if (!copy) {
    Fail(v, copy.error().code == kCopyNotMade ? std::string(kUnknownOpenFailure) : OpenRefused(),
         copy.error().message);
  } else if (base::Status opened = db.OpenPrivateCopy(copy->file(), v.DB); !opened) {
    Fail(v, OpenRefused(), opened.error().message);
  } else {
    netdb::RecordsetPtr rules, lookup;
    netdb::CAdoConnection::CreateRecordset(rules);
    netdb::CAdoConnection::CreateRecordset(lookup);
    SectionContext context{db, rules, lookup, v.StudentDir, v};
    // One read transaction: the copy is locked and its schema checked once, not once per query.
    const bool snapshot = db.Connection().Execute("BEGIN") != nullptr;
    for (const Section& section : kSections) section.run(context);
    if (snapshot) db.Connection().Execute("COMMIT");
    netdb::CAdoConnection::ReleaseRecordset(rules);
    netdb::CAdoConnection::ReleaseRecordset(lookup);
  }
  std::string report = BuildReport(v.DB, v.rows);
  if (v.Score > 100) v.Score = 100;
  v.Rate = 100;
  return report;
}

}  // namespace hopmark
