// Sheet, sort and chart-lookup checks (part of the system's unit excel).
#include "grading/sheetmark/checks/sheets.h"

#include <optional>
#include <utility>

#include "grading/sheetmark/checks/cells.h"
#include "grading/sheetmark/workbook_helpers.h"
#include "platform/vb/compare.h"

namespace sheetmark {
namespace {

constexpr int16_t kChartsTried = 20;

base::Result<vb::Variant> CellValue(SheetState& state, int row, int column) {
  return state.SpreadsheetApp->Cells(row, column).Value();
}

// Asc of the value taken as text: nothing for an error value, a failed read or an empty text.
std::optional<int16_t> FirstCharacterCode(const base::Result<vb::Variant>& value) {
  if (!value || value->Type() == vb::VarType::Error) return std::nullopt;
  base::Result<std::string> text = vb::CStr(*value);
  if (!text) return std::nullopt;
  return AnsiCode(*text);
}

bool IsWide(int16_t code) {
  return code > 256 || code < 0;
}

}  // namespace

int16_t SheetExists(SheetState& state, std::string_view sheet) {
  if (!state.SpreadsheetApp) return engine::kFalse;
  base::Result<excel::Worksheet*> found = state.SpreadsheetApp->Sheets(sheet);
  if (!found || !(*found)->Select()) return engine::kFalse;
  state.CurrentSheet = std::string(sheet);
  return engine::kTrue;
}

int16_t CheckSheetRenamed(SheetState& state, std::string_view oldName, std::string_view newName) {
  const int16_t oldThere = SheetExists(state, oldName);
  const int16_t newThere = SheetExists(state, newName);
  return ToTruth(oldThere == engine::kFalse && newThere != engine::kFalse);
}

int16_t CheckSorted(SheetState& state, std::string_view sheet, int16_t column, int16_t firstRow,
                    int16_t lastRow, bool ascending) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  const int step = ascending ? 1 : -1;
  if (ascending ? lastRow < firstRow : firstRow < lastRow) std::swap(firstRow, lastRow);

  const base::Result<vb::Variant> first = CellValue(state, firstRow, column);
  const vb::Variant v = first ? *first : vb::Variant();
  base::Result<int> blank = vb::CompareVariants(v, vb::Variant::String(""));
  if (!blank || *blank == 0) return engine::kFalse;
  bool wide = false;
  if (v.Type() == vb::VarType::String) {
    const std::optional<int16_t> code = AnsiCode(v.Text());
    wide = code && IsWide(*code);
  }

  for (int row = firstRow; step > 0 ? row <= lastRow - step : row >= lastRow - step; row += step) {
    const base::Result<vb::Variant> here = CellValue(state, row, column);
    const base::Result<vb::Variant> next = CellValue(state, row + step, column);
    if (wide) {
      const std::optional<int16_t> a = FirstCharacterCode(here);
      const std::optional<int16_t> b = FirstCharacterCode(next);
      if (!a || !b || *a > *b) return engine::kFalse;
      continue;
    }
    if (!here || !next) return engine::kFalse;
    base::Result<int> order = vb::CompareVariants(*here, *next);
    if (!order || *order > 0) return engine::kFalse;
  }
  return engine::kTrue;
}

int16_t FindChart(SheetState& state, std::string_view sheet) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  for (int16_t n = 1; n <= kChartsTried; ++n) {
    if (ChartExists(state, n)) return engine::kTrue;
  }
  return engine::kFalse;
}

}  // namespace sheetmark
