// Checks on the workbook's sheets and on the order of a column: a sheet's existence and renaming,
// sorting, and finding a chart by its number.
#pragma once

#include <cstdint>
#include <string_view>

#include "grading/sheetmark/state.h"

namespace sheetmark {

// Selects the sheet (names compared as the spreadsheet compares them: without regard to case);
// when that works CurrentSheet takes the name.
int16_t SheetExists(SheetState& state, std::string_view sheet);

// The old name is gone and the new one exists (both looked up, in that order).
int16_t CheckSheetRenamed(SheetState& state, std::string_view oldName, std::string_view newName);

// The column's cells from the first to the last row are in order, walking downwards for
// ascending and upwards for descending (the rows are swapped to make it so). A first cell that
// is empty or an error value fails. When the first cell is text whose first character is a
// double-byte one, only the first characters' GBK codes are compared; otherwise the values, a
// number being below any text. Equal neighbours are in order.
int16_t CheckSorted(SheetState& state, std::string_view sheet, int16_t column, int16_t firstRow,
                    int16_t lastRow, bool ascending);

// A chart named "图表 n", n from 1 to 20, on the sheet: the first found is activated and its
// number kept in ChartNumber (20 when none was found).
int16_t FindChart(SheetState& state, std::string_view sheet);

}  // namespace sheetmark
