// The rule evaluator: one rule of the answer workbook against the page open in the editor. The
// keyword's branch locates its element and walks the rule's condition pairs; every evaluation
// ends in the pass or the fail exit, which logs the rule's line when its id is below 100. Any
// failure inside a branch fails the rule and never stops the run. GeneralCheck answers the
// position conditions the branches hand on: enclosing table, row and cell, and marks.
#pragma once

#include <cstdint>
#include <string_view>

#include "grading/webmark/state.h"
#include "platform/base/result.h"
#include "platform/office/frontpage/document.h"

namespace webmark {

// What a keyword branch works with.
struct RuleContext {
  WebState& state;
  const RuleRecord& rule;
  // The active page window's document, or its frame window's for the frames page's keywords.
  const frontpage::Document& document;
};

// A branch's verdict; an error is a run-time error, which fails the rule.
using Branch = base::Result<bool> (*)(RuleContext& context);

// True when rule `index` (1-based into Rules) holds for the page in the active page window.
bool EvaluateRule(WebState& state, int32_t index);

// The position conditions ("tableid", "rowindex", "rowindexLE", "rowindexGE", "cellindex",
// "cellindexLE", "cellindexGE", "MARKOBJ", "AFTEROBJ", "BEFOREOBJ"); another key is logged as an
// error of the answer workbook and fails.
base::Result<bool> GeneralCheck(WebState& state, const frontpage::Element& element,
                                std::string_view key, std::string_view value);

// Walks the rule's condition pairs in order: `test(key, value)` for each; the first pair that does
// not hold ends the walk with false. A key without its value is an error.
template <class Test>
base::Result<bool> WalkConditions(const RuleRecord& rule, Test test) {
  const auto& conds = rule.Conditions;
  for (size_t k = 0; k < conds.size(); k += 2) {
    if (k + 1 >= conds.size())
      return base::Error::WithCode(9, "a condition key without its value: " + conds[k]);
    base::Result<bool> held = test(std::string_view(conds[k]), std::string_view(conds[k + 1]));
    if (!held) return held.error();
    if (!*held) return false;
  }
  return true;
}

// Item `index` (1-based) of a list, or the error reading past its end raises.
base::Result<std::string_view> Item(const std::vector<std::string>& list, size_t index);

// Val: the leading decimal number of the text, 0 when there is none.
double Val(std::string_view text);

}  // namespace webmark
