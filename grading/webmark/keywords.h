// The web-page rule keywords: one table from keyword to the document it reads and its branch.
#pragma once

#include <span>
#include <string_view>

#include "grading/webmark/evaluator.h"

namespace webmark {

enum class PageDocument { Page, Frames };

struct KeywordRow {
  std::string_view keyword;  // upper case, for the look-up
  std::string_view name;     // as the workbook writes it
  PageDocument document;
  Branch branch;
};

// Every keyword, in the evaluator's order.
std::span<const KeywordRow> Keywords();
// The row of a keyword compared as text (letter case and width aside); null for none.
const KeywordRow* FindKeyword(std::string_view keyword);

}  // namespace webmark
