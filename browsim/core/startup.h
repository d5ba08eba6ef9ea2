// The start-up of the browser simulation before any window exists: its own folder and net.ini,
// the marker of the exam window's title, and the exam found among the published window titles.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "browsim/core/browser_host.h"
#include "platform/base/result.h"

namespace browsim {

// The text shown when no exam window carries the marker; the program then ends with code 0.
inline constexpr const char* kNoExamMessage = "无法定位用户信息\n考试系统并没有启动";

// ProgramFolder from the program's own file, net.ini beside it, the marker and the
// [browsimOE] folders.
void InitBrowserPaths(BrowserPaths& paths, const std::filesystem::path& ownFile);

// The first title (in the list's order) that carries the marker and splits into a name and a
// folder fills CandidateName, StudentFolder and StudentFolderName; false when none does.
bool FindExamWindow(netdb::PathGlobals& globals, const std::vector<std::string>& titles);

// What becomes of the start-up after the network database's open.
enum class DatabaseOpening {
  Opened,
  EndProgram,  // it could not be opened: "未发现考生网络测试模块数据" was shown
  GoOnClosed,  // a failure that was no refusal of the file: "Warning: 连接数据库时发生未知错误:"
               // was shown
};

// Finds the database's path with `locate`, opens it with `open` and shows what a failure calls
// for: the path not found ("未知错误！") leaves nothing to open; an error `open` returns is the
// engine's refusal; anything `open` throws is another failure, after which the browser goes on.
DatabaseOpening OpenCandidateDatabase(const std::function<std::string()>& locate,
                                      const std::function<base::Status(const std::string&)>& open);

}  // namespace browsim
