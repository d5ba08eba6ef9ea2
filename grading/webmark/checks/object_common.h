// What the object keywords (lines, sounds, drawings, marked objects, marquees) share: the
// answer-workbook error line, numbers read strictly from a rule's value, property texts, and
// the search for a table of a given id after an element.
#pragma once

#include <cstdint>
#include <string_view>

#include "grading/webmark/evaluator.h"

namespace webmark {

// Logs "(id)错误！答案文件有错，关键字：[keyword]" followed by `detail`, and answers false.
bool AnswerError(RuleContext& context, std::string_view keyword, std::string_view detail);

// The value as a whole number: surrounding blanks aside, the text must be a number that fits
// 32 bits ("3", "3.0"); anything else is a type-mismatch error, never 0.
base::Result<int32_t> WholeNumber(std::string_view value);

// The property read as text equals `value` (case and width aside); defined once with the
// picture and table values (element_values.cpp).
base::Result<bool> TextPropertyEquals(const frontpage::Element& element, std::string_view property,
                                      std::string_view value);

// True when an element after `element` in the document is a table whose id equals `id`.
bool TableFollows(const frontpage::Document& document, const frontpage::Element& element,
                  std::string_view id);

}  // namespace webmark
