// Checks on cell values: the text a cell shows, a typed comparison, a number within a
// hundredth, two sheets' blocks cell by cell, and the two cells of a filter result. A step the
// spreadsheet application refuses leaves its value as it was (empty, 0); a rule whose sheet does
// not exist fails.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "grading/sheetmark/state.h"
#include "platform/vb/variant.h"

namespace sheetmark {

// The text form of a cell's value ("" for an error value, several cells or a failed read);
// nothing when the sheet does not exist.
std::optional<std::string> ReadCellText(SheetState& state, std::string_view sheet,
                                        std::string_view cell);

// Expected text: the cell's text (as ReadCellText) equals it. Any other expected value: the
// cell's value has its type and, for a date, equals it, otherwise lies within 0.2 of it.
int16_t CheckCellTyped(SheetState& state, std::string_view sheet, std::string_view cell,
                       const vb::Variant& expected);

// The cell's value as a number (0 for text that is none) within a hundredth of `number`.
int16_t CheckCellNumber(SheetState& state, std::string_view sheet, std::string_view cell,
                        double number);

// Every cell of rows first..last, columns first..last (1 is A, 26 is Z; bounds not swapped, so
// reversed bounds compare nothing and hold) equal in both sheets. A column past Z names no cell
// and fails; so does a missing sheet.
int16_t CompareSheetBlocks(SheetState& state, std::string_view firstSheet, int16_t firstRow,
                           int16_t lastRow, int16_t firstColumn, int16_t lastColumn,
                           std::string_view secondSheet);

// Both cells hold the expected texts (both are always compared).
int16_t CheckFilterResult(SheetState& state, std::string_view sheet, std::string_view firstCell,
                          std::string_view firstText, std::string_view secondCell,
                          std::string_view secondText);

// Helpers the other families share: the application's range of a reference on the active
// sheet, and a value's text as ReadCellText gives it.
base::Result<excel::Range> ActiveRange(SheetState& state, std::string_view reference);
std::string ValueText(const base::Result<vb::Variant>& value);

}  // namespace sheetmark
