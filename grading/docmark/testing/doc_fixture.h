// Test helpers: answer workbooks written from rows of cells (the part tag in column 1), the
// folders of a grading pass, candidate documents written from text, and rule rows run one at a
// time through a part's keyword table.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "grading/docmark/state.h"
#include "grading/engine/testing/grading_folders.h"
#include "platform/base/result.h"
#include "platform/office/word/testing/docx_writer.h"

namespace docmark::testing {

using Rows = std::vector<std::vector<std::string>>;

// An answer workbook whose active sheet holds the rows as they stand.
base::Status WriteAnswerWorkbook(const std::filesystem::path& file, const Rows& rows);

// A document of one paragraph a text.
base::Status WriteDocument(const std::filesystem::path& file,
                           const std::vector<std::string>& paragraphs);

// The folders of a grading pass, the candidate's "wordkt" among them.
struct GradingFolders : engine::testing::GradingFolders {
  GradingFolders() : engine::testing::GradingFolders("wordkt") {}
};

// Loads `cells` (a keyword and its argument cells) as grid row 1 and runs the part's dispatcher
// on its first cell, as the evaluator does. 1 holds, 0 fails, -1 no check.
int16_t RuleA(DocState& state, const std::vector<std::string>& cells);
int16_t RuleB(DocState& state, const std::vector<std::string>& cells);

// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace docmark::testing
