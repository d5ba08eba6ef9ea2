// Paper list to tabs; the splitting is the client's own SplitString, so blanks around the list
// and a trailing "|" behave as everywhere else in the client.
#include "client/exam/paper_tabs.h"

#include <charconv>

#include "client/common/system_utils.h"

std::vector<PaperTab> PaperTabs(const std::string& papers) {
  std::vector<std::string> items;
  SplitString(papers, "|", items);
  std::vector<PaperTab> tabs;
  int views = 0;
  bool singleChoice = false;
  for (const std::string& item : items) {
    if (item.empty()) continue;
    PaperTab tab;
    const size_t dash = item.find('-');
    tab.moduleId = item.substr(0, dash);
    if (dash != std::string::npos) tab.paperId = item.substr(dash + 1);
    if (tab.moduleId == "0") {
      if (singleChoice) continue;
      singleChoice = true;
      tab.kind = PaperTab::Kind::SingleChoice;
    } else {
      tab.viewIndex = views++;
      tab.controlId = tab.viewIndex + 1;
    }
    tabs.push_back(std::move(tab));
  }
  return tabs;
}

std::string ModuleTabLabel(const std::string& moduleName) {
  return moduleName.empty() ? "未知模块" : moduleName;
}

std::optional<int> ParseId(std::string_view text) {
  int id = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, id);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return id;
}
