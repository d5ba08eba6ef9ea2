// From the candidate's paper list to the tabs of the question bar, without a window: one tab per
// paper item in paper order, a question view for each module task and the single-choice page for
// the single-choice item. There is no fixed limit on the number of tabs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PaperTab {
  enum class Kind { Question, SingleChoice };
  Kind kind = Kind::Question;
  std::string moduleId;
  std::string paperId;
  int viewIndex = -1;  // question views are numbered from 0 in paper order; -1 for single choice
  int controlId = 0;   // viewIndex + 1 for a question view
};

// The tabs of a paper list ("2-5|0-q1,q2|3-7"): items split at "|", each at its first "-".
// Empty items give no tab; only the first single-choice item gets the single-choice page.
std::vector<PaperTab> PaperTabs(const std::string& papers);

// A module or paper id of a paper item: all digits (an optional sign), else none.
std::optional<int> ParseId(std::string_view text);

// What a question tab shows.
struct QuestionSource {
  enum class Kind { File, Missing, None };
  Kind kind = Kind::None;
  std::string path;  // the question file (Windows form) when kind is File
  std::string text;  // "找不到题签" or "无题签" otherwise; the view is then disabled
};

// The question of a paper's `PaperFile`: ProgramFolder + "\Data\Paper\" + PaperFile when that
// file exists (`exists` tells), "找不到题签" when it does not, "无题签" for an empty PaperFile.
template <typename Exists>
QuestionSource QuestionSourceFor(const std::string& programFolder, const std::string& paperFile,
                                 Exists exists) {
  QuestionSource source;
  if (paperFile.empty()) {
    source.text = "无题签";
    return source;
  }
  const std::string path = programFolder + "\\Data\\Paper\\" + paperFile;
  if (exists(path)) {
    source.kind = QuestionSource::Kind::File;
    source.path = path;
  } else {
    source.kind = QuestionSource::Kind::Missing;
    source.text = "找不到题签";
  }
  return source;
}

// The label of a module task's tab: the module's name, "未知模块" when it has none.
std::string ModuleTabLabel(const std::string& moduleName);
