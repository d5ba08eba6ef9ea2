// The operations every spreadsheet check leans on: opening and closing the candidate's workbook,
// selecting sheets with the remembered CurrentSheet, copying ranges, fitting columns, applying an
// auto-filter, splitting an absolute address, finding a chart by its number, and the tolerance of
// the number check. Failures of the spreadsheet application are ignored step by step, as the
// checks expect: a failing step is skipped and the next one runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grading/sheetmark/state.h"
#include "platform/office/excel/chart.h"
#include "platform/vb/variant.h"

namespace sheetmark {

// False (and nothing opened) when no normal file (neither hidden nor system) is found at the
// Windows-form path, or when what is found is no regular file of the candidate's folder, the
// parent of CheckPath (a link out of it, a check folder linked out of it, a FIFO, a device); with
// no CheckPath set, the folder that holds the file stands for his. Otherwise true whatever follows:
// the workbook is opened when it reads as one (at most 64 MiB), "sheet1" selected.
bool OpenStudentWorkbook(SheetState& state, std::string_view path);

// A scratch path of this process's own, never shared with another user or run, standing where
// the closing step used a fixed file on drive C:.
std::filesystem::path PrivateScratchPath();

// Deletes the scratch file, closes the active workbook without saving it, deletes the scratch
// file again. The candidate's file is never written.
void CloseStudentWorkbook(SheetState& state, const std::filesystem::path& scratch);

// Selects the sheet; CurrentSheet takes the name even when the selection fails.
void SelectSheet(SheetState& state, std::string_view name);

// Selects the sheet unless CurrentSheet already names it (exact comparison), then answers
// whether a sheet of that name exists and is in front, bringing it there when an earlier rule
// left another one in front. A rule on a missing sheet fails on this answer rather than reading
// whichever sheet was in front before.
bool EnsureSheet(SheetState& state, std::string_view name);

// Selects the source range, copies it, selects the destination and pastes into the active sheet.
void CopyRangeTo(SheetState& state, std::string_view source, std::string_view destination);
// The same for the range written first corner + ":" + second corner.
void CopyBlockTo(SheetState& state, std::string_view first, std::string_view second,
                 std::string_view destination);

// EnsureSheet, select the application's Columns(columns) and fit them to their contents.
void AutoFitColumns(SheetState& state, std::string_view sheet, std::string_view columns);

// "$C$5" -> "C", 5: the one character after the leading "$", and Val of the text after the
// next "$" rounded to 16 bits. Single-letter columns only ("$AB$12" gives "A", 12): answer
// workbooks were written for them. False (outputs unchanged) when the row leaves 16 bits.
bool SplitCellAddress(std::string_view address, std::string& column, int16_t& row);

// How ApplyAutoFilter calls Range.AutoFilter.
struct FilterCall {
  int field = 0;  // 1 for column A; 0 when the column letter is empty
  std::string criteria1;
  int op = excel::xlAnd;
  std::string criteria2;
  bool operator==(const FilterCall&) const = default;
};
// The criteria split at the first "OR" of their upper-cased text, wherever it stands (inside a
// word too: "FLOOR" gives "FLO" or ""), both halves upper-cased, the character after "OR"
// dropped; without "OR" the criteria go whole and unchanged, joined by and. The field is the
// upper-cased first letter of the column (single-letter columns: "AB" is field 1). Answer
// workbooks were calibrated against this split.
FilterCall SplitFilterCriteria(std::string_view column, std::string_view criteria);

// Selects the defined name "Colum1" (the current selection stays when there is none) and
// filters the selection as SplitFilterCriteria says.
void ApplyAutoFilter(SheetState& state, std::string_view column, std::string_view criteria);

// The name of chart n on a sheet: "图表 " and n.
std::string ChartName(int number);
// ChartNumber := n; activates chart n of the active sheet. False when there is none, and then no
// chart is active.
bool ChartExists(SheetState& state, int16_t number);
// Activates chart ChartNumber of the active sheet.
void ActivateChart(SheetState& state);

// The chart the application has active; an error when none is.
base::Result<excel::Chart> ActiveChart(SheetState& state);

// Series k (from 1) of the active chart: its values and its name. A missing chart or series
// leaves both empty.
void ReadSeries(SheetState& state, int16_t k, std::vector<vb::Variant>& values, std::string& name);
// The category values of series k of the active chart; empty when it is missing.
void ReadSeriesXValues(SheetState& state, int16_t k, std::vector<vb::Variant>& values);

// Series 1's category values (chart ChartNumber on the chart sheet) against the column's cells of
// the data sheet, from the row after the header row `firstRow` to `lastRow`, each as
// CheckCellTyped compares them. A missing chart compares as no values: an empty cell holds, any
// other fails. `lastColumn` is not used.
bool CompareSeriesXValues(SheetState& state, std::string_view dataSheet,
                          std::string_view chartSheet, std::string_view column, int16_t firstRow,
                          std::string_view lastColumn, int16_t lastRow);

// One series per column from `firstColumn` to `lastColumn` (single letters): series k + 1, k + 2,
// ... against the column's cells below the header row, as CompareSeriesXValues compares. `k`
// comes back as the last series number used, so further ranges continue the count.
bool CompareSeriesValues(SheetState& state, std::string_view dataSheet, std::string_view chartSheet,
                         int16_t& k, std::string_view firstColumn, int16_t firstRow,
                         std::string_view lastColumn, int16_t lastRow);

// |a - b| strictly below 0.01.
bool WithinHundredth(double a, double b);

// The length in bytes of the first UTF-8 character of the text (1 for a stray byte, 0 for none):
// where the run-time's Left, Mid and Asc count one character.
size_t FirstCharacterLength(std::string_view text);

// The first character's code in the system's ANSI code page (GBK), as a signed 16-bit number:
// a double-byte character is negative. Nothing for the empty text.
std::optional<int16_t> AnsiCode(std::string_view text);

}  // namespace sheetmark
