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
  clip.cells.reserve(static_cast<size_t>(std::min(a.Rows(), 100000)) *
                     static_cast<size_t>(a.Columns()));
  for (int r = a.top; r <= a.bottom; ++r) {
    if (filtered) {
      base::Result<bool> hidden = sheet->RowHidden(r);
      if (!hidden) return hidden.error();
      if (*hidden) continue;
    }
    clip.rows.push_back(r);
    for (int c = a.left; c <= a.right; ++c) {
      CellContent content = sheet->ContentAt(r, c);
      if (content.type == CellType::SharedString) {
        const uint32_t index =
            static_cast<uint32_t>(std::strtoul(content.value.c_str(), nullptr, 10));
        const std::string* text = sheet->Parent().SharedString(index);
        content.type = CellType::InlineString;
        content.value = text != nullptr ? *text : std::string();
      }
      clip.cells.push_back(std::move(content));
    }
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
  for (int i = 0; i < rows; ++i) {
    const int fromRow = clip->rows[static_cast<size_t>(i)];
    for (int j = 0; j < clip->columns; ++j) {
      CellContent content = clip->cells[static_cast<size_t>(i * clip->columns + j)];
      const int row = at.top + i, column = at.left + j;
      if (!content.formula.empty())
        content.formula =
            ShiftFormula(content.formula, row - fromRow, column - (clip->firstColumn + j));
      if (base::Status s = WriteCell(row, column, content); !s) return s;
    }
  }
  selection_ = excel::Area{at.top, at.left, at.top + rows - 1, at.left + clip->columns - 1};
  return base::Ok();
}

}  // namespace excel
