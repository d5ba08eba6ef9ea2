// The demo's spreadsheet task (module 3, paper 301): the candidate's starting workbook that the
// paper archive carries, the answer workbook of its rules, and a workbook with every step done,
// which the tests and the benchmark grade. The question text is demo/paper/excel1.txt.
#pragma once

#include <filesystem>

#include "platform/base/result.h"

namespace demo {

// "score.xlsx", under "Excelkt" in the archive and in the candidate's folder.
inline constexpr const char* kSpreadsheetWorkbook = "score.xlsx";
// "excel1.xlsx", the answer workbook in Data\Answer.
inline constexpr const char* kSpreadsheetAnswer = "excel1.xlsx";
inline constexpr int kSpreadsheetFullMarks = 100;

// Ten pupils' marks on the sheet 成绩表, the totals column empty.
base::Status WriteStartingWorkbook(const std::filesystem::path& file);
// Row 1 names the candidate's workbook and the full marks; ten rules follow, then END.
base::Status WriteSpreadsheetAnswer(const std::filesystem::path& file);
// The starting workbook with all nine steps of the question done, as a suite would save it. The
// chart draws the column `chartColumn` (the totals are in E); 0 leaves the chart out.
base::Status WriteSolvedWorkbook(const std::filesystem::path& file, char chartColumn = 'E');

}  // namespace demo
