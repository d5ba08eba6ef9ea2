// A cell's value as the object model types it, and the texts a cell shows: the typed value
// (numbers become dates under a date format and currency under a currency format), the text
// under its number format (Text, and what columns are fitted to), and the text of a constant as
// the Formula property gives it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/result.h"
#include "platform/vb/variant.h"

namespace excel {

class Worksheet;

base::Result<vb::Variant> CellValue(Worksheet& sheet, int row, int column);
base::Result<std::string> CellText(Worksheet& sheet, int row, int column);
base::Result<std::string> CellConstantText(Worksheet& sheet, int row, int column);

// "#N/A" for 2042, ...; "#VALUE!" for a code that is none of the cell error values.
std::string ErrorText(int32_t code);
// 2042 for "#N/A", ...; #VALUE! for a text that is none.
int32_t ErrorCode(std::string_view text);

}  // namespace excel
