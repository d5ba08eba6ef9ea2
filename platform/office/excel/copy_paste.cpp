// Copy and paste of cells. Copy takes what the cells hold at that moment (shared strings as
// their text, so a paste into another workbook reads the same); on a filtered sheet only the
// visible rows are taken, as the suite copies a filtered range. Paste writes the block at the
// selection, formulas moved by the distance, and selects what it wrote.
#include "platform/office/excel/application.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/formula.h"
#include "platform/office/excel/range.h"
#include "platform/office/excel/workbook.h"
#include "platform/office/excel/worksheet.h"

namespace excel {

base::Status Range::Copy() const {
  Worksheet* sheet = sheet_;
  if (sheet == nullptr || sheet->IsChart()) return Failed("no cells to copy");
  base::Result<const SheetCells*> table = sheet->CellTable();
  if (!table) return table.error();
  excel::Area a = area_;
  // Whole rows or columns: only as far as the sheet is used.
  if (a.bottom == kMaxRows) a.bottom = std::max(a.top, sheet->LastRow());
  if (a.right == kMaxColumns) a.right = std::max(a.left, sheet->LastColumn());
  const bool filtered = sheet->FilterMode();
  Clipboard clip;
  clip.firstColumn = a.left;
  clip.columns = a.Columns();
  for (int r = a.top; r <= a.bottom; ++r) {
    if (filtered) {
      base::Result<bool> hidden = sheet->RowHidden(r);
      if (!hidden) return hidden.error();
      if (*hidden) continue;
    }
    const int rowIndex = static_cast<int>(clip.rows.size());
    clip.rows.push_back(r);
    sheet->RowContents(r, a.left, a.right, [&](int column, CellContent content) {
      if (content.type == CellType::SharedString) {
        const auto index = static_cast<uint32_t>(std::strtoul(content.value.c_str(), nullptr, 10));
        const std::string* text = sheet->Parent().SharedString(index);
        content.type = CellType::InlineString;
        content.value = text != nullptr ? *text : std::string();
      }
      clip.cells.push_back({rowIndex, column - a.left, std::move(content)});
    });
  }
  sheet->Parent().Parent().SetClipboard(std::move(clip));
  return base::Ok();
}

base::Status Worksheet::Paste() {
  if (isChart_) return Failed("a chart sheet has no cells to paste into");
  const std::optional<Clipboard>& clip = parent_.Parent().ClipboardContent();
  if (!clip || clip->rows.empty() || clip->columns == 0) return Failed("the clipboard is empty");
  const excel::Area at = Selection().Area();
  const int rows = static_cast<int>(clip->rows.size());
  if (at.top + rows - 1 > kMaxRows || at.left + clip->columns - 1 > kMaxColumns)
    return Failed("the copied cells do not fit below ", AreaText(at));
  const excel::Area block{at.top, at.left, at.top + rows - 1, at.left + clip->columns - 1};
  base::Status written = ReplaceCells(block, clip->cells, [&](const PlacedCell& cell) {
    const int fromRow = clip->rows[static_cast<size_t>(cell.row)];
    return ShiftFormula(cell.content.formula, at.top + cell.row - fromRow,
                        at.left - clip->firstColumn);
  });
  if (!written) return written;
  selection_ = block;
  return base::Ok();
}

}  // namespace excel
