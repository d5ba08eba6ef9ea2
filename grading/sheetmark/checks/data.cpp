// Column fit, auto-filter and formula checks (the system's unit excelexp).
#include "grading/sheetmark/checks/data.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "grading/sheetmark/checks/cells.h"
#include "grading/sheetmark/checks/formats.h"
#include "grading/sheetmark/workbook_helpers.h"
#include "platform/vb/compare.h"
#include "platform/vb/strings.h"

namespace sheetmark {
namespace {

constexpr int kMeasuredColumns = 20;
constexpr int kFilterRows = 31;  // B100..B130 against B200..B230

// InStr(text, part) > 0, with InStr's answer for an empty part (found, unless text is empty).
bool Contains(std::string_view text, std::string_view part) {
  if (text.empty()) return false;
  return text.find(part) != std::string_view::npos;
}

vb::Variant CellValueOr(SheetState& state, const std::string& address) {
  base::Result<excel::Range> range = ActiveRange(state, address);
  if (!range) return vb::Variant();
  return range->Value().value_or(vb::Variant());
}

}  // namespace

int16_t CheckColumnsAutoFit(SheetState& state, std::string_view sheet, std::string_view span,
                            bool /*flag*/) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  const std::string upper = vb::UCase(span);
  const std::optional<int16_t> first = AnsiCode(upper);
  const std::optional<int16_t> last =
      upper.empty() ? std::nullopt : AnsiCode(std::string_view(upper).substr(upper.size() - 1));
  const int count = first && last ? std::min(*last - *first + 1, kMeasuredColumns) : 0;

  auto widths = [&] {
    std::vector<std::optional<double>> out;
    for (int k = 0; k < count; ++k) {
      const std::string cell = std::string(1, static_cast<char>(*first + k)) + "6";
      out.push_back(ReadCellSize(state, sheet, cell, false));
    }
    return out;
  };
  const std::vector<std::optional<double>> before = widths();
  AutoFitColumns(state, sheet, span);
  return ToTruth(widths() == before);
}

int16_t CheckAutoFilter(SheetState& state, std::string_view sheet, std::string_view column1,
                        std::string_view condition1, std::string_view column2,
                        std::string_view condition2, std::string_view column3,
                        std::string_view condition3) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  CopyBlockTo(state, "a1", "z50", "a100");
  ApplyAutoFilter(state, column1, condition1);
  if (column2 != "none") {
    ApplyAutoFilter(state, column2, condition2);
    if (column3 != "none") ApplyAutoFilter(state, column3, condition3);
  }
  CopyBlockTo(state, "a1", "z50", "a200");
  for (int row = 100; row < 100 + kFilterRows; ++row) {
    const vb::Variant candidate = CellValueOr(state, "B" + std::to_string(row));
    const vb::Variant expected = CellValueOr(state, "B" + std::to_string(row + 100));
    base::Result<int> order = vb::CompareVariants(candidate, expected);
    if (!order || *order != 0) return engine::kFalse;
  }
  return engine::kTrue;
}

int16_t CheckFormulation(SheetState& state, std::string_view sheet, std::string_view firstCell,
                         std::string_view lastCell, std::string_view formula) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  base::Result<excel::Range> range =
      ActiveRange(state, std::string(firstCell) + ":" + std::string(lastCell));
  const std::string r1c1 = range ? range->FormulaR1C1().value_or(std::string()) : std::string();
  const std::string_view withoutEquals = std::string_view(r1c1).substr(FirstCharacterLength(r1c1));
  return ToTruth(withoutEquals == formula);
}

int16_t CheckFormulationIncluding(SheetState& state, std::string_view cell, std::string_view text) {
  base::Result<excel::Range> range = ActiveRange(state, cell);
  const std::string formula = range ? range->Formula().value_or(std::string()) : std::string();
  return ToTruth(Contains(formula, vb::UCase(text)));
}

}  // namespace sheetmark
