// A demo-sized web-page task: four of the committed pages (a main page with tables and an inline
// frame, a frames page, a second page and a UTF-8 page) in the candidate's check folder, and an
// answer workbook of document-level rules over them, with page switches and score items. The
// benchmark grades it; the client's test grades it through the real control.
#pragma once

#include <filesystem>
#include <string_view>

namespace webmark::testing {

inline constexpr std::string_view kWebAnswer = "web1.xls";
inline constexpr int kWebFullMarks = 100;

// Writes the answer workbook.
bool WriteWebAnswer(const std::filesystem::path& file);
// Copies the task's pages into the check folder; without `solved` the main page is the second
// page's copy, which scores kUnsolvedPoints: the main page's rules fail but its charset meta.
bool WriteWebPages(const std::filesystem::path& checkFolder, bool solved = true);
inline constexpr int kUnsolvedPoints = 55;

}  // namespace webmark::testing
