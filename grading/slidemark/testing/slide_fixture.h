// Test helpers: answer workbooks written from rule rows, the folders of a grading pass,
// candidate presentations written from PresentationML fragments, and rule rows run one at a
// time through the keyword table over a presentation opened as a pass opens it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "grading/engine/testing/grading_folders.h"
#include "grading/slidemark/state.h"
#include "platform/base/result.h"
#include "platform/office/powerpoint/testing/pptx_writer.h"

namespace slidemark::testing {

using Rows = std::vector<std::vector<std::string>>;

// An answer workbook: A1 "filename", B1 the candidate's file, D1 the full marks, the rule rows,
// then "END" unless `end` is false.
base::Status WriteAnswerWorkbook(const std::filesystem::path& file, std::string_view candidate,
                                 std::string_view fullMarks, const Rows& rules, bool end = true);

// The folders of a grading pass, the candidate's "Pptkt" among them.
struct GradingFolders : engine::testing::GradingFolders {
  GradingFolders() : engine::testing::GradingFolders("Pptkt") {}
};

// A presentation opened from its content in an application of its own, as CurrentPresentation
// of a module state whose check folder is a temporary one; rules run on it through the keyword
// table.
class OpenedPresentation {
 public:
  explicit OpenedPresentation(const powerpoint::testing::PptxContent& content);
  // The same for a presentation file (one a presentation program saved).
  explicit OpenedPresentation(const std::filesystem::path& file);

  bool Opened() const { return state_.CurrentPresentation != nullptr; }
  // Loads `cells` (a keyword and its argument cells) as grid row 1 and runs the dispatcher on
  // its first cell, as the evaluator does: 1 holds, 0 fails, -1 no keyword.
  int16_t Rule(const std::vector<std::string>& cells);
  // Where the cursor stopped after the last Rule (the last cell read).
  int16_t LastColumnRead() const { return state_.engine.GridColumn; }
  SlideState& State() { return state_; }
  // The log the rules wrote into the check folder.
  std::string Log() const;

 private:
  void Open(const base::Result<std::string>& bytes);

  GradingFolders folders_;
  SlideState state_;
};

// Runs `cells` through the dispatcher of a state as it stands (tests of a state with no
// presentation open).
int16_t RunRule(SlideState& state, const std::vector<std::string>& cells);

}  // namespace slidemark::testing
