// The web-page grader's instance state: the answer workbook's rules and score items, the run's
// folders and debug flag, the result log, the marks that position conditions set, and the last
// tag search's result. One object per control instance; a run fills it from the start.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace frontpage {
class Application;
class Element;
class PageWindow;
}  // namespace frontpage

namespace webmark {

// One "O" row with its "A" rows. Lists are 0-based here; the workbook's item k is index k - 1.
struct RuleRecord {
  std::vector<std::string> ObjectDescription;  // keyword, object argument, further pairs
  std::vector<std::string> Conditions;         // key, value, key, value, ...
  int32_t Points = 0;                          // a 16-bit value held in 32 bits
  int32_t Id = 0;
  std::string Description;
};

// One "L" row.
struct ScoreItem {
  std::string Operator;  // "AND", "OR", "ADD", "SUB"
  int32_t FullScore = 0;
  int32_t ItemNumber = 0;
  std::string Description;
  std::vector<std::string> RuleIds;  // the first receives the combined mark
};

// The marks set by "MARKOBJ", in the order added: name and the marked element's sourceIndex.
struct Mark {
  std::string name;
  int32_t sourceIndex = 0;
};

struct WebState {
  WebState();
  ~WebState();
  WebState(const WebState&) = delete;
  WebState& operator=(const WebState&) = delete;

  // The editor and the page being graded.
  std::unique_ptr<frontpage::Application> Editor;
  frontpage::PageWindow* PageWindow = nullptr;
  int16_t EditorVersion = 1000;

  // The answer workbook's contents.
  std::vector<RuleRecord> Rules;
  std::vector<ScoreItem> ScoreItems;
  std::string PaperTitle;
  int32_t FullMarks = 0;
  std::string PageFile;

  std::string CheckPath;  // ends with "\"
  std::string AnswerFile;
  std::string PagePath;
  bool DebugMode = false;
  std::string LogText;  // UTF-8, each line ending CR LF
  std::vector<Mark> MarkList;

  // The last tag search's result (FindChildrenByTag, FindParentByTag).
  const frontpage::Element* FoundElement = nullptr;
  bool FoundFlag = false;
};

}  // namespace webmark
