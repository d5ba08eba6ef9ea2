// The spreadsheet rule keywords (the system's unit CaseFunctionExl): one table from keyword to
// the letters of its argument cells and its check, and the two hooks the engine's row evaluator
// calls, IsCheckKeyword and RunCheck.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "grading/engine/arguments.h"
#include "grading/sheetmark/state.h"

namespace sheetmark {

// A rule's argument cells (S text; I 16-bit integer; L 32-bit integer; D double; B truth value;
// N a 16-bit count followed by that many I cells, at most 20).
using engine::Arguments;

// A check as the dispatcher runs it: its truth value over the rule's arguments.
using Check = int16_t (*)(SheetState& state, const Arguments& args);

struct KeywordRow {
  std::string_view keyword;
  std::string_view letters;
  Check check;
};

// All 50 keywords, in table order.
std::span<const KeywordRow> Keywords();
// The row of an upper-case keyword; null when there is none.
const KeywordRow* FindKeyword(std::string_view keyword);

// Upper-cases the token in place; true when it is a keyword.
bool IsCheckKeyword(std::string& token);
// Upper-cases the token in place, reads the keyword's argument cells, runs its check: 1 when it
// holds, 0 when not, -1 for a token that is no keyword.
int16_t RunCheck(SheetState& state, std::string& token);

}  // namespace sheetmark
