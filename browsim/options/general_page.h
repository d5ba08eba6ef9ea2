// The acting part of the "Internet 选项" dialog's General page: the start page and the days of
// history in the Options row, clearing the History table, and the two deletion prompts that only
// leave a row in the action log. Questions go through the message-box sink, so the rules run
// without a screen.
#pragma once

#include <string>

#include "browsim/core/browser_host.h"

namespace browsim::options {

// "使用默认页(&D)".
inline constexpr const char* kDefaultStartPage = "http://www.msn.com/";
inline constexpr const char* kBlankPage = "about:blank";

struct GeneralSettings {
  std::string startPage = kBlankPage;
  int historyDays = 22;  // 0 to 100
};

// The values of the last Options row; the initial ones when there is none or it cannot be read.
GeneralSettings LoadGeneralSettings(BrowserHost& host);

// "应用(&A)" and OK: logs "设定起始页" with the start page folded to lower case, then stores both
// values in the first Options row, creating it when the table has none. False when the log row or
// the Options row was not stored (the band says which).
bool SaveGeneralSettings(BrowserHost& host, const GeneralSettings& settings);

// "删除 Cookies(&I)..." and "删除文件(&F)...": the question, and on OK the log row. Nothing is
// deleted. True when confirmed and logged.
bool DeleteCookies(BrowserHost& host);
bool DeleteTemporaryFiles(BrowserHost& host);

// "清除历史纪录(&H)": the question; on OK the log row and every History row deleted. The address
// list is refilled from History in either case. True when confirmed and cleared.
bool ClearHistory(BrowserHost& host);

}  // namespace browsim::options
