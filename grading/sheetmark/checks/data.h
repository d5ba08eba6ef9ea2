// Checks that re-create the expected state in the candidate's workbook and compare before and
// after (column fitting, the auto-filter), and the formula checks. They change the open
// workbook (widths, filters, pasted copies below rows 100 and 200); it is never saved.
#pragma once

#include <cstdint>
#include <string_view>

#include "grading/sheetmark/state.h"

namespace sheetmark {

// The span's columns (its first to its last letter; at most the first 20 are measured, on their
// cells of row 6) keep their widths when fitted to their contents. `flag` is read and not used.
int16_t CheckColumnsAutoFit(SheetState& state, std::string_view sheet, std::string_view span,
                            bool flag);

// The rows the candidate's filter shows equal the rows the expected filter shows: A1:Z50 is
// copied to A100 (only the visible rows), the expected conditions are applied to the range named
// "Colum1" (condition 2 unless its column is "none", then condition 3 likewise), A1:Z50 is
// copied again to A200, and B100:B130 must equal B200:B230.
int16_t CheckAutoFilter(SheetState& state, std::string_view sheet, std::string_view column1,
                        std::string_view condition1, std::string_view column2,
                        std::string_view condition2, std::string_view column3,
                        std::string_view condition3);

// The formula of the range's first cell in R1C1 notation, without its "=", equals `formula`.
int16_t CheckFormulation(SheetState& state, std::string_view sheet, std::string_view firstCell,
                         std::string_view lastCell, std::string_view formula);

// The upper-cased text occurs in the formula of the cell on the active sheet (A1 notation as
// written, compared with case).
int16_t CheckFormulationIncluding(SheetState& state, std::string_view cell, std::string_view text);

}  // namespace sheetmark
