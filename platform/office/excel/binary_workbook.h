// Workbooks in the binary format of older spreadsheet programs (BIFF8, and BIFF5 with its code
// page, in a compound file), read without an office suite and handed on as a package holding the
// same cell values, so every reader of the model (answer workbooks above all) sees what it sees in
// an .xlsx: texts, numbers, dates and currencies under their number formats, a formula's cached
// result, booleans and error values, empty cells. Formatting other than number formats, charts
// and formulas' own text are not carried over: a candidate's binary workbook is converted instead
// (platform/office/common/convert.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/result.h"

namespace excel {

// Cells a binary workbook may declare over all its sheets: its reader lays out every declared
// cell in memory, so a file that declares more reads as too large.
inline constexpr uint64_t kBinaryWorkbookCellCap = 1u << 20;

// The .xlsx package of the binary workbook's bytes: every worksheet in order, with its name and
// cells, the active sheet and the 1904 date system. An error says why the bytes are no workbook
// of this format (no workbook stream, encrypted, damaged, too large).
base::Result<std::string> PackageFromBinaryWorkbook(std::string_view bytes);

}  // namespace excel
