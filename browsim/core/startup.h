// The start-up of the browser simulation before any window exists: its own folder and net.ini,
// the marker of the exam window's title, and the exam found among the published window titles.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "browsim/core/browser_host.h"

namespace browsim {

// The text shown when no exam window carries the marker; the program then ends with code 0.
inline constexpr const char* kNoExamMessage = "无法定位用户信息\n考试系统并没有启动";

// ProgramFolder from the program's own file, net.ini beside it, the marker and the
// [browsimOE] folders.
void InitBrowserPaths(BrowserPaths& paths, const std::filesystem::path& ownFile);

// The first title (in the list's order) that carries the marker and splits into a name and a
// folder fills CandidateName, StudentFolder and StudentFolderName; false when none does.
bool FindExamWindow(netdb::PathGlobals& globals, const std::vector<std::string>& titles);

}  // namespace browsim
