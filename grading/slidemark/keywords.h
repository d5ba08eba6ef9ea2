// The presentation rule keywords (the system's unit for the presentation's keyword dispatch): one
// table from keyword to the letters of its argument cells, its check and the verdict over the
// check's answer, and the two hooks the engine's row evaluator calls, IsCheckKeyword and
// RunCheck.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "grading/engine/arguments.h"
#include "grading/slidemark/state.h"

namespace powerpoint {
class Presentation;
}

namespace slidemark {

// A rule's argument cells; the letters: T text, I 16-bit, L 32-bit, F single (whole numbers
// rounded halves to even). A cell that does not convert is 0 and is consumed all the same.
using engine::Arguments;

// A keyword's row as the dispatcher runs it: the rule clause's truth over the candidate's open
// presentation and the arguments.
using RuleClause = bool (*)(const powerpoint::Presentation& presentation, const Arguments& args);

struct KeywordRow {
  std::string_view keyword;
  std::string_view letters;
  RuleClause clause;
};

// All 102 keywords, grouped by family.
std::span<const KeywordRow> Keywords();
// The row of an upper-case keyword; null when there is none.
const KeywordRow* FindKeyword(std::string_view keyword);

// Upper-cases the token in place; true when it is a keyword.
bool IsCheckKeyword(std::string& token);
// Upper-cases the token in place, reads the keyword's argument cells and runs its check over
// CurrentPresentation: 1 when the clause holds, 0 when not (always 0 with no presentation open),
// -1 for a token that is no keyword, reading no cell.
int16_t RunCheck(SlideState& state, std::string& token);

}  // namespace slidemark
