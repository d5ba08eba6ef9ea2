// The word-processor rule keywords (the system's unit CaseFunctionWord): one table for part A
// (the object model) and one for part B (the macro interface), each a row per keyword with the
// letters of its argument cells, its check and the verdict over the check's answer; and the
// hooks the engine's row evaluator calls, IsCheckKeywordA / RunCheckA and the B pair.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "grading/docmark/state.h"
#include "grading/engine/arguments.h"

namespace docmark {

// A rule's argument cells; the letters: T text, D double, L 32-bit, I 16-bit, S single, B
// truth value (True, False or a number, non-zero true). A cell that does not convert is 0
// (false) and is consumed all the same.
using engine::Arguments;

// A keyword's row as the dispatcher runs it: the rule clause's truth over the arguments. Null
// for a keyword the keyword test accepts but no check answers.
using RuleClause = bool (*)(DocState& state, const Arguments& args);

struct KeywordRow {
  std::string_view keyword;
  std::string_view letters;
  RuleClause clause;
};

// The 60 keywords of part A and the 26 of part B, in table order.
std::span<const KeywordRow> KeywordsA();
std::span<const KeywordRow> KeywordsB();
// The row of an upper-case keyword; null when there is none.
const KeywordRow* FindKeywordA(std::string_view keyword);
const KeywordRow* FindKeywordB(std::string_view keyword);

// Upper-case the token in place; true when it is a keyword of the part.
bool IsCheckKeywordA(std::string& token);
bool IsCheckKeywordB(std::string& token);
// Upper-case the token in place, read the keyword's argument cells, run its check: 1 when the
// clause holds, 0 when not, -1 for a token without a check.
int16_t RunCheckA(DocState& state, std::string& token);
int16_t RunCheckB(DocState& state, std::string& token);

}  // namespace docmark
