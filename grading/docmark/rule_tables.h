// The answer workbook cut into the two rule tables (the system's unit DoWordMain, its split and
// table loaders): rows tagged "a" go to part A's table, "b" and "ab" to part B's, each after a
// file row naming the document they check ("ab" rules check part A's working copy of it).
#pragma once

#include <string>
#include <string_view>

#include "grading/docmark/state.h"

namespace docmark {

// The box a faulty row of the answer workbook shows.
inline constexpr std::string_view kSplitError = "Word answer file has error at SplitAnsFile!";

// The name of part A's working copy of a document: the name cut before its first "." followed
// by "tmq.doc" (report.doc gives reporttmq.doc); a name without "." gets "tmq.doc" appended.
std::string TmqDocName(std::string_view fileName);

// Cuts AnswerGrid into RuleTableA and RuleTableB, each closed by "END". A row with an unknown
// tag shows the answer file's box once per row; an empty tag is logged. Each table holds 100
// rows including its END row: rules past that are left out, with the box once per table. A
// workbook without an "end" row ends after row 100, both tables closed.
void SplitAnsFile(DocState& state);

// Copies the table into AnswerGrid for its part's run.
void LoadRuleTable(DocState& state, const RuleTable& table);

}  // namespace docmark
