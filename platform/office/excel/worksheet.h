// One sheet of a workbook. Its XML part is the source of truth: values are read through the
// part's cell scan (SheetCells), everything else (columns, merges, selection, filter, edits)
// through the part's XML tree, parsed on first need. An edit changes the tree and marks the part
// changed; the scan then follows it without a rescan where a rescan would give the same records
// (widths, hidden rows, filters, a paste into a plainly written sheet: see SheetCells::Plain),
// and otherwise the next read rescans the text the tree saves to.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/excel/address.h"
#include "platform/office/excel/charts.h"
#include "platform/office/excel/range.h"
#include "platform/office/excel/sheet_cells.h"

namespace excel {

class Workbook;

// What a cell holds, as copy and paste carry it.
struct CellContent {
  bool present = false;  // false: no cell (pasting it clears the target)
  CellType type = CellType::Number;
  std::string value;    // the <v> text, or the text of an inline string
  std::string formula;  // A1 text without "=", already moved to where it is written
  uint32_t style = 0;
};

// A cell of a block: its row and column counted from the block's first (0), and what it holds.
struct PlacedCell {
  int row;
  int column;
  CellContent content;
};

class Worksheet {
 public:
  Worksheet(Workbook& parent, std::string name, std::string partName, bool isChart,
            std::string visibility);

  Workbook& Parent() { return parent_; }
  const std::string& Name() const { return name_; }
  const std::string& PartName() const { return partName_; }
  bool IsChart() const { return isChart_; }
  // "visible", "hidden" or "veryHidden".
  const std::string& Visibility() const { return visibility_; }

  // Makes this the workbook's active sheet and leaves no chart active; a hidden sheet cannot be
  // selected.
  base::Status Select();
  base::Status Activate() { return Select(); }

  excel::Range Cells(int row, int column) { return excel::Range(this, {row, column, row, column}); }
  // An A1 area or a defined name that refers to this sheet (a name of another sheet fails).
  base::Result<excel::Range> Range(std::string_view reference);
  // Whole columns: "C:E" or "C".
  base::Result<excel::Range> Columns(std::string_view columns);

  // The sheet's selection: what was selected last here, else the saved view's, else A1.
  excel::Range Selection();
  void SetSelection(const Area& area) { selection_ = area; }

  // Pastes the application's clipboard at the selection's first cell.
  base::Status Paste();

  // The embedded chart object of that name ("图表 1"); an error when the sheet has none.
  base::Result<ChartObject> ChartObjects(std::string_view name);

  // --- what ranges read ---

  // The scanned cells (rescanned after an edit).
  base::Result<const SheetCells*> CellTable();
  // The same on the hot path: null when the sheet cannot be read (CellTable says why).
  const SheetCells* ScannedCells() {
    if (cells_) return &*cells_;
    base::Result<const SheetCells*> table = CellTable();
    return table ? *table : nullptr;
  }
  // The <worksheet> (or <chartsheet>) element.
  base::Result<pugi::xml_node> Node();
  // The cell format of a position: the cell's own, else its row's or its column's, else 0.
  uint32_t StyleAt(int row, int column);
  // The last row and column that hold a cell or a row record (0 when none).
  int LastRow();
  int LastColumn();

  // Widths in characters of the default font's widest digit (0 for a hidden column), heights
  // in points (0 for a hidden row).
  base::Result<double> ColumnWidth(int column);
  base::Result<double> RowHeight(int row);
  base::Result<bool> RowHidden(int row);
  // The width the sheet's columns have without a <col> of their own.
  double StandardWidth();
  // The widest digit of the default font, in pixels: the unit of column widths.
  int DigitWidthPixels();

  // The merged areas; the one holding a position, if any.
  base::Result<const std::vector<Area>*> MergedAreas();
  std::optional<Area> MergedAreaAt(int row, int column);

  // The auto-filter's area, when the sheet has one.
  std::optional<Area> AutoFilterArea();
  // True when the sheet's rows are filtered: then copying skips the hidden rows.
  bool FilterMode();

  // --- edits (each clears the workbook's Saved) ---
  base::Status WriteCell(int row, int column, const CellContent& content);
  // A block of cells, `content(row, column, scratch)` giving each (a cell it keeps, or one it
  // built in `scratch`): one change for the whole block.
  using CellSource = std::function<const CellContent&(int row, int column, CellContent& scratch)>;
  base::Status WriteCells(const Area& area, const CellSource& content);
  // Replaces the block's cells with `cells` (row by row, left to right); positions not listed
  // are emptied. `formulaOf` gives the formula to write for a listed cell that has one. The
  // work follows what the block and the cells hold, not the block's size. One change.
  base::Status ReplaceCells(const Area& block, std::span<const PlacedCell> cells,
                            const std::function<std::string(const PlacedCell&)>& formulaOf);
  base::Status SetColumnWidth(int column, double characters, bool bestFit);
  base::Status SetRowHidden(int row, bool hidden);
  // Replaces the sheet's <autoFilter> element with the given one (built by the filter code)
  // and hides the area's rows that `visible` says fail. `visible` has one entry per data row.
  base::Status SetAutoFilter(const Area& area, const std::vector<bool>& visible,
                             const std::function<void(pugi::xml_node)>& writeFilter);

  // What a cell holds, for copying.
  CellContent ContentAt(int row, int column);
  // The positions of columns left..right of a row that hold something, left to right, each
  // with what ContentAt would give (the row read once; empty positions skipped).
  void RowContents(int row, int left, int right,
                   const std::function<void(int column, CellContent content)>& take);
  // The cell's formula in A1 notation as the file has it, without "=": its own, its shared
  // formula moved to it, or its array's; nothing for a cell without one.
  std::optional<std::string> FormulaAt(int row, int column);

 private:
  base::Status Changed();
  // An edit of the tree that leaves the cells and rows as scanned: the scan is kept, on a copy
  // of the text it points into (the part's bytes are remade from the tree when next asked for).
  base::Status TreeChanged();
  // After ReplaceCells wrote `written` (each with the formula it got) and made <row>s for
  // `rowsMade`: the records follow without a rescan.
  struct WrittenCell {
    const PlacedCell* cell;
    std::string formula;  // as written
    std::string prefix;   // of the <c>'s name
  };
  base::Status CellsReplaced(const Area& block, const std::vector<WrittenCell>& written,
                             const std::vector<int>& rowsMade);
  CellContent ContentOf(const SheetCells& table, const CellRecord& cell);
  // The format a column gives its empty positions.
  uint32_t ColumnStyle(int column);
  // Writes what a cell holds into its <c>.
  void WriteCellNode(pugi::xml_node c, int row, int column, const CellContent& content);
  void LoadColumns();
  double ColumnFileWidth(int column, bool& hidden);
  double DefaultFileWidth();
  // <sheetData> for writing an area; an error for an area outside the sheet.
  base::Result<pugi::xml_node> SheetDataFor(const Area& area);
  // <sheetData>, every row and cell of it given its "r" on first use.
  pugi::xml_node SheetData(pugi::xml_node root);

  struct ColumnSpan {
    int first;
    int last;
    double width;  // in the file's unit; < 0: none
    bool hidden;
    uint32_t style;
  };

  Workbook& parent_;
  std::string name_;
  std::string partName_;
  bool isChart_;
  std::string visibility_;
  std::optional<SheetCells> cells_;
  std::string cellsText_;  // the text cells_ points into once kept across an edit
  std::string cellsError_;
  std::optional<Area> selection_;
  pugi::xml_document* dom_ = nullptr;  // the part's tree, once parsed
  bool numbered_ = false;
  pugi::xml_node rowHint_;  // the <row> an edit found last
  bool columnsLoaded_ = false;
  std::vector<ColumnSpan> columns_;
  std::optional<std::vector<Area>> merged_;
  double defaultRowHeight_ = -1;
  double defaultColumnWidth_ = -1;  // in the file's unit
  double baseColumnWidth_ = 8;
};

}  // namespace excel
