// Paths, net.ini and the title handshake.
#include "browsim/core/startup.h"

#include <optional>

#include "netdb/ado_connection.h"
#include "netdb/net_settings.h"
#include "platform/win/message_box.h"

namespace browsim {

std::string BrowserPaths::SiteFolder() const {
  return globals.ProgramFolder + siteDir + "\\";
}

std::string BrowserPaths::MailFolder() const {
  return SiteFolder() + jsDir + "\\";
}

std::string BrowserPaths::DatabasePath() const {
  return netdb::CandidateDatabasePath(globals);
}

void BrowserPaths::ReadSettings() {
  siteDir = netdb::ReadIniString(globals, "browsimOE", "SiteDir", "Site");
  jsDir = netdb::ReadIniString(globals, "browsimOE", "JsDir", "emailjs");
  attachDir = netdb::ReadIniString(globals, "browsimOE", "AttachDir", "emailattach");
}

void InitBrowserPaths(BrowserPaths& paths, const std::filesystem::path& ownFile) {
  netdb::InitPaths(paths.globals, ownFile);
  (void)netdb::LocateIniFile(paths.globals, paths.globals.ProgramFolder + "net.ini");
  paths.globals.SeparatorChar =
      netdb::ReadIniString(paths.globals, "General", "SeperateChar", netdb::kDefaultSeparator);
  paths.ReadSettings();
}

bool FindExamWindow(netdb::PathGlobals& globals, const std::vector<std::string>& titles) {
  for (const std::string& title : titles) {
    netdb::ExamTitle exam;
    // The first title with the marker decides, as the enumeration stops there.
    if (!netdb::TitleCarriesMarker(title, globals.SeparatorChar)) continue;
    if (!netdb::ParseExamTitle(title, globals.SeparatorChar, exam)) return false;
    globals.CandidateName = exam.candidateName;
    globals.StudentFolder = exam.studentFolder;
    globals.StudentFolderName = exam.studentFolderName;
    return true;
  }
  return false;
}

DatabaseOpening OpenCandidateDatabase(const std::function<std::string()>& locate,
                                      const std::function<base::Status(const std::string&)>& open) {
  std::optional<std::string> path;
  try {
    path = locate();
  } catch (const std::exception&) {
    win::MessageBox("未知错误！", "", win::MB_OK);
  }
  if (path) {
    try {
      if (open(*path)) return DatabaseOpening::Opened;
    } catch (const std::exception&) {
      // Not a refusal of the file (memory, say): the browser still works, only nothing is
      // recorded.
      win::MessageBox("Warning: 连接数据库时发生未知错误:", "", win::MB_OK);
      return DatabaseOpening::GoOnClosed;
    }
  }
  win::MessageBox("未发现考生网络测试模块数据", "", win::MB_OK);
  return DatabaseOpening::EndProgram;
}

}  // namespace browsim
