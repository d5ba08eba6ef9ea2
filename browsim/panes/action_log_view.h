// The hidden operation-record viewer's content: the Log table as list rows, and the report it
// puts on the clipboard.
#pragma once

#include <string>
#include <vector>

#include "browsim/core/browser_host.h"

namespace browsim::panes {

// One list row: the running number from 0, the action, its parameter, the time "%H:%M:%S"
// (empty when the stored value is no date/time).
struct ActionLogRow {
  std::string number;
  std::string action;
  std::string parameter;
  std::string time;
};

// Every Log row in ID order; empty when the table cannot be read (the band says so).
std::vector<ActionLogRow> ReadActionLog(BrowserHost& host);

// The header line with the candidate, the rule, and each row tab-separated followed by the rule;
// lines end with "\r\n".
std::string ActionLogReport(const netdb::PathGlobals& globals,
                            const std::vector<ActionLogRow>& rows);

}  // namespace browsim::panes
