// Formula text: references in A1 form found by a small tokenizer (string literals, quoted sheet
// names, external and structured references, function names and numbers pass unchanged), then
// written in R1C1 form relative to a cell, or moved as a copied or shared formula moves them.
// Formulas are held without their leading "=", as the file stores them.
#pragma once

#include <string>
#include <string_view>

namespace excel {

// The formula in R1C1 notation as seen from (row, column): B3 seen from C5 is R[-2]C[-1], $B$3
// is R3C2, B$3 is R3C[-1]; whole columns and rows ("A:B", "2:2") become C and R spans.
// The future-function prefixes the file adds ("_xlfn.") are dropped, as the suite shows them.
std::string FormulaToR1C1(std::string_view formula, int row, int column);

// The formula as the suite shows it in A1 notation: the file's text without "_xlfn." prefixes.
std::string DisplayFormula(std::string_view formula);

// The formula copied by (rowOffset, columnOffset): relative parts of its references move,
// absolute ones stay; a reference moved off the sheet becomes #REF!.
std::string ShiftFormula(std::string_view formula, int rowOffset, int columnOffset);

}  // namespace excel
