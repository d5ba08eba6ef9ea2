// What the question bar's tasks pane reads from and writes to the exam database: the candidate's
// remaining time and paper list, each paper's question file, each module's name, and the
// remaining time every ten seconds. Values are bound, never joined into the statement.
#pragma once

#include <string>

// The candidate's [Stu].TimeLeft and Papers (through the shared main recordset); false, with
// both left as they were, when there is no such candidate or no database.
bool ReadCandidateExam(const std::string& examCode, int& timeLeft, std::string& papers);

// [Paper].PaperFile of a paper id; "" when the id is not a number or there is no such paper.
std::string ReadPaperFile(const std::string& paperId);

// [Module].Name of a module id; "" when there is none.
std::string ReadModuleName(const std::string& moduleId);

// update [Stu] set TimeLeft = remaining for the candidate; false when the statement failed.
bool SaveTimeLeft(const std::string& examCode, int remaining);
