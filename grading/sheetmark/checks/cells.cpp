// Cell value checks (part of the system's unit excel).
#include "grading/sheetmark/checks/cells.h"

#include <cmath>

#include "grading/sheetmark/workbook_helpers.h"
#include "platform/vb/compare.h"

namespace sheetmark {
namespace {

// The value of a reference on the active sheet; Empty when it cannot be read, as an unset
// variable stays.
vb::Variant ValueOr(SheetState& state, std::string_view reference, vb::Variant previous) {
  base::Result<excel::Range> range = ActiveRange(state, reference);
  if (!range) return previous;
  base::Result<vb::Variant> value = range->Value();
  return value ? *std::move(value) : previous;
}

std::string CellAddress(int column, int row) {
  // Chr(64 + column): past Z comes "[", which names no cell.
  return std::string(1, static_cast<char>(64 + column)) + std::to_string(row);
}

}  // namespace

base::Result<excel::Range> ActiveRange(SheetState& state, std::string_view reference) {
  if (!state.SpreadsheetApp) return base::Error::Of("no spreadsheet application");
  return state.SpreadsheetApp->Range(reference);
}

std::string ValueText(const base::Result<vb::Variant>& value) {
  // An error value does not become text where the value is taken as one.
  if (!value || value->Type() == vb::VarType::Error) return std::string();
  return vb::CStr(*value).value_or(std::string());
}

std::optional<std::string> ReadCellText(SheetState& state, std::string_view sheet,
                                        std::string_view cell) {
  if (!EnsureSheet(state, sheet)) return std::nullopt;
  base::Result<excel::Range> range = ActiveRange(state, cell);
  if (!range) return std::string();
  return ValueText(range->Value());
}

int16_t CheckCellTyped(SheetState& state, std::string_view sheet, std::string_view cell,
                       const vb::Variant& expected) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  base::Result<excel::Range> range = ActiveRange(state, cell);
  base::Result<vb::Variant> value =
      range ? range->Value() : base::Result<vb::Variant>(base::Error::Of("no range"));
  if (expected.Type() == vb::VarType::String) return ToTruth(ValueText(value) == expected.Text());
  const vb::Variant v = value ? *value : vb::Variant();
  if (v.Type() != expected.Type()) return engine::kFalse;
  if (v.Type() == vb::VarType::Error) return engine::kTrue;
  if (v.Type() == vb::VarType::Date) return ToTruth(v.Number() == expected.Number());
  return ToTruth(std::fabs(v.Number() - expected.Number()) < 0.2);
}

int16_t CheckCellNumber(SheetState& state, std::string_view sheet, std::string_view cell,
                        double number) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  const double x = vb::CDbl(ValueOr(state, cell, vb::Variant())).value_or(0.0);
  return ToTruth(WithinHundredth(x, number));
}

int16_t CompareSheetBlocks(SheetState& state, std::string_view firstSheet, int16_t firstRow,
                           int16_t lastRow, int16_t firstColumn, int16_t lastColumn,
                           std::string_view secondSheet) {
  vb::Variant first;  // keeps the last value read when a read fails
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
      const std::string address = CellAddress(column, row);
      if (!EnsureSheet(state, firstSheet)) return engine::kFalse;
      first = ValueOr(state, address, std::move(first));
      if (!EnsureSheet(state, secondSheet)) return engine::kFalse;
      base::Result<excel::Range> range = ActiveRange(state, address);
      if (!range) return engine::kFalse;
      base::Result<vb::Variant> second = range->Value();
      if (!second) return engine::kFalse;
      base::Result<int> order = vb::CompareVariants(*second, first);
      if (!order || *order != 0) return engine::kFalse;
    }
  }
  return engine::kTrue;
}

int16_t CheckFilterResult(SheetState& state, std::string_view sheet, std::string_view firstCell,
                          std::string_view firstText, std::string_view secondCell,
                          std::string_view secondText) {
  if (state.SpreadsheetApp) {
    // The sheet is brought to the front without CurrentSheet hearing of it.
    if (base::Result<excel::Worksheet*> found = state.SpreadsheetApp->Sheets(sheet)) {
      (void)(*found)->Select();
      if (base::Result<excel::Range> b2 = (*found)->Range("b2")) (void)b2->Select();
    }
  }
  const int16_t first =
      CheckCellTyped(state, sheet, firstCell, vb::Variant::String(std::string(firstText)));
  const int16_t second =
      CheckCellTyped(state, sheet, secondCell, vb::Variant::String(std::string(secondText)));
  return ToTruth(first != engine::kFalse && second != engine::kFalse);
}

}  // namespace sheetmark
