// Format checks (part of the system's unit excel).
#include "grading/sheetmark/checks/formats.h"

#include "grading/sheetmark/checks/cells.h"
#include "grading/sheetmark/workbook_helpers.h"
#include "platform/office/excel/errors.h"

namespace sheetmark {
namespace {

// A property read as the checks' 16-bit variables take it: 0 when it cannot be read.
int16_t ShortOr0(const base::Result<int>& value) {
  if (!value || *value < INT16_MIN || *value > INT16_MAX) return 0;
  return static_cast<int16_t>(*value);
}

// A property kept as a variant: nothing (matching no number) when it has no single value over
// the range, 0 when it cannot be read at all.
std::optional<int> VariantOr0(const base::Result<int>& value) {
  if (value) return *value;
  if (value.error().code == excel::kErrMixed) return std::nullopt;
  return 0;
}

// The range on the active sheet, selected first as the checks select what they read.
base::Result<excel::Range> SelectedRange(SheetState& state, std::string_view reference) {
  base::Result<excel::Range> range = ActiveRange(state, reference);
  if (range) (void)range->Select();
  return range;
}

struct FillRead {
  std::optional<int> colorIndex, pattern, patternColorIndex;
  bool None() const {
    return colorIndex == excel::xlNone && pattern == excel::xlNone &&
           patternColorIndex == excel::xlNone;
  }
};

FillRead ReadFill(const base::Result<excel::Range>& range) {
  if (!range) return {0, 0, 0};
  const excel::Interior interior = range->Interior();
  return {VariantOr0(interior.ColorIndex()), VariantOr0(interior.Pattern()),
          VariantOr0(interior.PatternColorIndex())};
}

int16_t CheckBorder(SheetState& state, std::string_view sheet, std::string_view reference,
                    int index, int16_t lineStyle, int16_t weight, int16_t colorIndex) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  base::Result<excel::Range> range = SelectedRange(state, reference);
  if (!range) return ToTruth(lineStyle == 0 && weight == 0 && colorIndex == 0);
  const excel::Border border = range->Borders(index);
  return ToTruth(ShortOr0(border.LineStyle()) == lineStyle && ShortOr0(border.Weight()) == weight &&
                 ShortOr0(border.ColorIndex()) == colorIndex);
}

}  // namespace

std::optional<int16_t> ReadFontColorIndex(SheetState& state, std::string_view sheet,
                                          std::string_view cell) {
  if (!EnsureSheet(state, sheet)) return std::nullopt;
  base::Result<excel::Range> range = ActiveRange(state, cell);
  return range ? ShortOr0(range->Font().ColorIndex()) : int16_t{0};
}

int16_t IsMerged(SheetState& state, std::string_view sheet, std::string_view reference) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  base::Result<excel::Range> range = SelectedRange(state, reference);
  return ToTruth(range && range->MergeCells().value_or(false));
}

int16_t CheckFontSize(SheetState& state, std::string_view sheet, std::string_view reference,
                      double size) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  base::Result<excel::Range> range = ActiveRange(state, reference);
  const double actual = range ? range->Font().Size().value_or(0.0) : 0.0;
  return ToTruth(actual == size);
}

int16_t CheckFontName(SheetState& state, std::string_view sheet, std::string_view reference,
                      std::string_view name) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  base::Result<excel::Range> range = SelectedRange(state, reference);
  const std::string actual = range ? range->Font().Name().value_or(std::string()) : std::string();
  return ToTruth(actual == name);
}

int16_t CheckOrientation(SheetState& state, std::string_view sheet, std::string_view reference,
                         int16_t orientation) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  base::Result<excel::Range> range = SelectedRange(state, reference);
  const int actual = range ? range->Orientation().value_or(0) : 0;
  return ToTruth(actual == orientation);
}

int16_t StyleCode(bool bold, bool italic, int underline) {
  int code = (bold ? 100 : 0) + (italic ? 10 : 0);
  if (underline != excel::xlNone) code += underline;
  return static_cast<int16_t>(code);
}

std::optional<int16_t> FontStyleCode(SheetState& state, std::string_view sheet,
                                     std::string_view reference) {
  if (!EnsureSheet(state, sheet)) return std::nullopt;
  base::Result<excel::Range> range = ActiveRange(state, reference);
  if (!range) return int16_t{0};
  const excel::Font font = range->Font();
  return StyleCode(font.Bold().value_or(false), font.Italic().value_or(false),
                   font.Underline().value_or(excel::xlNone));
}

int16_t CheckAlignment(SheetState& state, std::string_view sheet, std::string_view reference,
                       bool horizontal, int16_t alignment) {
  if (!state.SpreadsheetApp) return engine::kFalse;
  base::Result<excel::Worksheet*> found = state.SpreadsheetApp->Sheets(sheet);
  if (!found) return engine::kFalse;
  base::Result<excel::Range> range = (*found)->Range(reference);
  if (!range) return ToTruth(alignment == 0);
  (void)range->Activate();
  const int16_t actual =
      ShortOr0(horizontal ? range->HorizontalAlignment() : range->VerticalAlignment());
  return ToTruth(actual == alignment);
}

std::optional<double> ReadCellSize(SheetState& state, std::string_view sheet,
                                   std::string_view reference, bool rowHeight) {
  if (!EnsureSheet(state, sheet)) return std::nullopt;
  base::Result<excel::Range> range = SelectedRange(state, reference);
  if (!range) return 0.0;
  return (rowHeight ? range->RowHeight() : range->ColumnWidth()).value_or(0.0);
}

int16_t CheckCellSize(SheetState& state, std::string_view sheet, std::string_view reference,
                      bool rowHeight, double size) {
  const std::optional<double> actual = ReadCellSize(state, sheet, reference, rowHeight);
  return ToTruth(actual && *actual == size);
}

int16_t CheckNumberFormat(SheetState& state, std::string_view sheet, std::string_view reference,
                          std::string_view format) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  base::Result<excel::Range> range = SelectedRange(state, reference);
  const std::string actual =
      range ? range->NumberFormatLocal().value_or(std::string()) : std::string();
  return ToTruth(actual == format);
}

int16_t CheckFill(SheetState& state, std::string_view sheet, std::string_view reference,
                  int16_t colorIndex, int16_t pattern, int16_t patternColorIndex) {
  if (!EnsureSheet(state, sheet)) return engine::kFalse;
  FillRead fill = ReadFill(SelectedRange(state, reference));
  if (fill.None()) {
    // Kept as answer workbooks know it: the range pasted at A100 and that cell read instead.
    CopyRangeTo(state, reference, "a100");
    fill = ReadFill(SelectedRange(state, "a100"));
  }
  return ToTruth(fill.colorIndex == colorIndex && fill.pattern == pattern &&
                 fill.patternColorIndex == patternColorIndex);
}

int16_t CheckOuterBorder(SheetState& state, std::string_view sheet, std::string_view reference,
                         int16_t lineStyle, int16_t weight, int16_t colorIndex) {
  return CheckBorder(state, sheet, reference, excel::xlEdgeLeft, lineStyle, weight, colorIndex);
}

int16_t CheckInnerBorder(SheetState& state, std::string_view sheet, std::string_view reference,
                         int16_t lineStyle, int16_t weight, int16_t colorIndex) {
  return CheckBorder(state, sheet, reference, excel::xlInsideVertical, lineStyle, weight,
                     colorIndex);
}

}  // namespace sheetmark
