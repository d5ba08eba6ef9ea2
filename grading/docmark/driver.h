// The grading pass (the system's unit DoWordMain): the answer workbook loaded and split, then
// part A (the object model) and part B (the macro interface) each running its rule table through
// the engine's row loop with this control's keyword hooks, file rows and messages, and the
// percentage the client gets.
#pragma once

#include <cstdint>
#include <string_view>

#include "grading/docmark/state.h"
#include "grading/engine/scoring.h"
#include "platform/base/result.h"

namespace docmark {

// The box of a part whose table starts with neither a file row nor END.
inline constexpr std::string_view kOpenError = "Word answer file has error at open!";

// Part A: its table loaded into the answer grid; the document of each file row opened in a fresh
// application; the rule rows run to END (or row 100); at each file row and at the end the
// working copy saved and the document closed; the application ended.
void StartWordGradingA(DocState& state);
// Part B: the same over its table, each file row's document (for an "ab" rule, the working copy
// part A saved in this grading, and no other file) opened in its own application and closed
// unsaved at the next file row and at the end.
void StartWordGradingB(DocState& state);

// One grading (what WDgrade does): CheckPath, the answer grid loaded from the answer folder,
// `fullMarks` := D1, the split and both parts. Fails before any rule runs when D1 holds no
// 16-bit number (`fullMarks` is then left alone); a missing answer workbook leaves D1 empty.
base::Status GradeAnswerWorkbook(DocState& state, std::string_view candidateFolder,
                                 std::string_view answerFolder, std::string_view answerName,
                                 int16_t& fullMarks);

using engine::Percentage;

}  // namespace docmark
