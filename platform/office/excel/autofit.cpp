// Columns.AutoFit. Each column is made as wide as the widest text its cells show (merged cells
// left out, as the suite leaves them), measured in the cells' fonts (font_metrics.h), plus the
// cell margins; an empty column takes the standard width. The measurement approximates the
// suite's: a column whose width is already within kAutoFitTolerance of the fitted width is left
// as it is, so a column the suite fitted counts as fitted here too.
#include <cmath>

#include "platform/office/common/font_metrics.h"
#include "platform/office/excel/cell_value.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/range.h"
#include "platform/office/excel/workbook.h"
#include "platform/office/excel/worksheet.h"

namespace excel {

base::Status Range::AutoFitColumns() const {
  Worksheet* sheet = sheet_;
  if (sheet == nullptr || sheet->IsChart()) return Failed("no columns to fit");
  base::Result<const SheetCells*> table = sheet->CellTable();
  if (!table) return table.error();
  const Styles& styles = sheet->Parent().StyleSheet();
  const int digit = sheet->DigitWidthPixels();
  const int lastColumn = std::min(area_.right, std::max(area_.left, sheet->LastColumn()));
  std::vector<double> widest(static_cast<size_t>(lastColumn - area_.left + 1), -1);
  for (const CellRecord& cell : (*table)->Cells()) {
    if (cell.column < area_.left || cell.column > lastColumn || cell.row < area_.top ||
        cell.row > area_.bottom) {
      continue;
    }
    if (std::optional<excel::Area> merged = sheet->MergedAreaAt(cell.row, cell.column);
        merged && !merged->IsCell()) {
      continue;
    }
    base::Result<std::string> text = CellText(*sheet, cell.row, cell.column);
    if (!text || text->empty()) continue;
    const FontSpec& font = styles.Font(styles.Format(cell.style).font);
    // A wrapped or multi-line text is as wide as its longest line.
    double pixels = 0;
    for (size_t start = 0; start <= text->size();) {
      size_t end = text->find('\n', start);
      if (end == std::string::npos) end = text->size();
      pixels = std::max(pixels,
                        office::TextWidthPixels(std::string_view(*text).substr(start, end - start),
                                                font.name, font.size, font.bold));
      start = end + 1;
    }
    double& w = widest[static_cast<size_t>(cell.column - area_.left)];
    w = std::max(w, pixels);
  }
  for (int column = area_.left; column <= area_.right; ++column) {
    const size_t i = static_cast<size_t>(column - area_.left);
    const double fitted =
        i < widest.size() && widest[i] >= 0
            ? std::min(255.0, std::ceil(widest[i] + kAutoFitMarginPixels - 5) / digit)
            : sheet->StandardWidth();
    base::Result<double> current = sheet->ColumnWidth(column);
    if (!current) return current.error();
    if (std::fabs(*current - fitted) <= std::max(1.0, kAutoFitTolerance * fitted)) continue;
    if (base::Status s = sheet->SetColumnWidth(column, std::round(fitted * 100) / 100, true); !s)
      return s;
  }
  return base::Ok();
}

}  // namespace excel
