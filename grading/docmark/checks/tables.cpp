// Table checks of part A (part of the system's unit for the document object model's checks).
#include "grading/docmark/checks/tables.h"

#include <cmath>
#include <optional>
#include <string>

#include "grading/docmark/checks/check_values.h"
#include "grading/docmark/checks/navigation.h"
#include "platform/base/rounding.h"
#include "platform/base/text.h"
#include "platform/office/word/mixed.h"
#include "platform/office/word/paragraph_format.h"
#include "platform/office/word/table.h"

namespace docmark {
namespace {

// The document's first table; nothing when no document is open or it has no table.
std::optional<word::Table> FirstTable(word::Application& app) {
  word::Document* document = app.ActiveDocument();
  if (!document) return std::nullopt;
  base::Result<word::Table> table = document->Tables().Item(1);
  if (!table) return std::nullopt;
  return *table;
}

// The selection's range, once a walk has reached its cell.
word::Range SelectionRange(word::Application& app) {
  return (*app.Selection())->Range();
}

// The first table's first cell (or the selection's cell), then `cells` cells to the right: true
// when the selection stands in the cell it was sent to.
bool WalkToCell(word::Application& app, bool fromFirstTable, int16_t cells) {
  if (fromFirstTable && !GoToFirstItem(app, word::wdGoToTable)) return false;
  return MoveRightCells(app, cells) && SelectionInTable(app);
}

// A value that masks are applied to: one the cell has, not the mark of cells that differ.
int32_t MaskableValue(const base::Result<int32_t>& read) {
  return read && *read != word::wdUndefined ? *read : 0;
}

// Reads of a cell the bounds let through: nothing when the document refuses it.
std::optional<word::Cell> CellAt(const word::Table& table, int16_t row, int16_t column) {
  base::Result<word::Cell> cell = table.Cell(row, column);
  if (!cell) return std::nullopt;
  return *cell;
}

// Row `row` within the table's rows (rows are not counted below 1: such a row reads nothing).
bool RowWithin(const word::Table& table, int16_t row) {
  return row <= table.Rows().Count();
}

// LLCOFCELL and TABBAKESHADING: cell (row, column) within the table's row and column counts,
// the digit code `read` makes of it (nothing to read from a cell the document refuses) equal to
// `code`.
template <class Read>
int16_t CheckIndexedCellCode(word::Application& app, int16_t row, int16_t column, int16_t code,
                             Read read) {
  const std::optional<word::Table> table = FirstTable(app);
  if (!table || !RowWithin(*table, row) || column > table->Columns().Count()) return engine::kFalse;
  return ToTruth(read(CellAt(*table, row, column)) == code);
}

// A walked cell's shading read; `value` stays 0 when the cell is not reached.
template <class Read>
int16_t CheckWalkedShading(word::Application& app, int16_t cells, int16_t characters,
                           int16_t expected, Read read) {
  int32_t value = 0;
  if (!GoToTableCell(app, cells, characters)) return engine::kFalse;
  if (base::Result<word::Shading> shading = SelectionRange(app).Shading())
    KeepRead(value, read(*shading));
  return ToTruth(value == expected);
}

}  // namespace

int32_t CellVerticalAlignment(word::Application& app, int16_t cells) {
  if (!WalkToCell(app, true, cells) || !ExtendRight(app, 0)) return 0;
  base::Result<word::Cells> walked = SelectionRange(app).Cells();
  if (!walked) return 0;
  return MaskableValue(walked->VerticalAlignment());
}

int32_t CellHorizontalAlignment(word::Application& app, int16_t cells) {
  if (!WalkToCell(app, true, cells)) return 0;
  return MaskableValue(SelectionRange(app).ParagraphFormat().Alignment());
}

int16_t CheckCellTexture(word::Application& app, int16_t cells, int16_t characters,
                         int16_t texture) {
  return CheckWalkedShading(app, cells, characters, texture,
                            [](const word::Shading& s) { return s.Texture(); });
}

int16_t CheckCellForegroundColorIndex(word::Application& app, int16_t cells, int16_t characters,
                                      int16_t colorIndex) {
  return CheckWalkedShading(app, cells, characters, colorIndex,
                            [](const word::Shading& s) { return s.ForegroundPatternColorIndex(); });
}

int16_t CheckCellBackgroundColorIndex(word::Application& app, int16_t cells, int16_t characters,
                                      int16_t colorIndex) {
  return CheckWalkedShading(app, cells, characters, colorIndex,
                            [](const word::Shading& s) { return s.BackgroundPatternColorIndex(); });
}

int16_t CellLineCode(word::Application& app, bool fromFirstTable, int16_t cells, int16_t index,
                     int16_t lineStyle, int16_t lineWidth, int32_t colorIndex) {
  if (!WalkToCell(app, fromFirstTable, cells)) return 0;
  SelectionBorder border;
  ReadSelectionBorder(app, index, border);
  return DigitCode({border.lineStyle == lineStyle, border.lineWidth == lineWidth,
                    border.colorIndex == colorIndex});
}

int16_t CheckTableSize(word::Application& app, int16_t rows, int16_t columns, int16_t code) {
  const std::optional<word::Table> table = FirstTable(app);
  if (!table) return engine::kFalse;
  return ToTruth(DigitCode({table->Rows().Count() == rows, table->Columns().Count() == columns}) ==
                 code);
}

int16_t CheckCellSize(word::Application& app, int16_t row, int16_t column, int16_t width,
                      int16_t height, int16_t code) {
  const std::optional<word::Table> table = FirstTable(app);
  if (!table || !RowWithin(*table, row)) return engine::kFalse;
  // A table with vertically merged cells refuses its rows, so its rows' cells count 0.
  int32_t cellsInRow = 0;
  if (base::Result<word::Row> r = table->Rows().Item(row)) cellsInRow = r->Cells().Count();
  if (column > cellsInRow) return engine::kFalse;
  float widthRead = 0;
  float heightRead = 0;
  if (const std::optional<word::Cell> cell = CellAt(*table, row, column)) {
    KeepRead(widthRead, cell->Width());
    KeepRead(heightRead, cell->Height());
  }
  return ToTruth(DigitCode({std::trunc(widthRead) == width, std::trunc(heightRead) == height}) ==
                 code);
}

int16_t CheckRowCellCount(word::Application& app, int16_t row, int16_t count) {
  const std::optional<word::Table> table = FirstTable(app);
  if (!table || !RowWithin(*table, row)) return engine::kFalse;
  int32_t read = 0;
  if (base::Result<word::Row> r = table->Rows().Item(row)) read = r->Cells().Count();
  return ToTruth(read == count);
}

int16_t CheckColumnCellCount(word::Application& app, int16_t column, int16_t count) {
  const std::optional<word::Table> table = FirstTable(app);
  if (!table || column > table->Columns().Count()) return engine::kFalse;
  int32_t read = 0;
  if (base::Result<word::Column> c = table->Columns().Item(column)) read = c->Cells().Count();
  return ToTruth(read == count);
}

int16_t CheckCellBorder(word::Application& app, int16_t row, int16_t column, int16_t index,
                        int16_t lineStyle, int16_t lineWidth, int32_t color, int16_t code) {
  return CheckIndexedCellCode(app, row, column, code, [&](const std::optional<word::Cell>& cell) {
    int32_t style = 0;
    int32_t width = 0;
    int32_t lineColor = 0;
    base::Result<word::Border> border =
        cell ? cell->Borders(index) : base::Result<word::Border>(base::Error::Of("no cell"));
    if (border) {
      KeepRead(style, border->LineStyle());
      KeepRead(width, border->LineWidth());
      KeepRead(lineColor, border->Color());
    }
    return DigitCode({style == lineStyle, width == lineWidth, lineColor == color});
  });
}

int16_t CheckCellShading(word::Application& app, int16_t row, int16_t column, int32_t texture,
                         int32_t foreground, int32_t background, int16_t code) {
  return CheckIndexedCellCode(app, row, column, code, [&](const std::optional<word::Cell>& cell) {
    int32_t textureRead = 0;
    int32_t foregroundRead = 0;
    int32_t backgroundRead = 0;
    base::Result<word::Shading> shading =
        cell ? cell->Shading() : base::Result<word::Shading>(base::Error::Of("no cell"));
    if (shading) {
      KeepRead(textureRead, shading->Texture());
      KeepRead(foregroundRead, shading->ForegroundPatternColor());
      KeepRead(backgroundRead, shading->BackgroundPatternColor());
    }
    return DigitCode(
        {textureRead == texture, foregroundRead == foreground, backgroundRead == background});
  });
}

int16_t CheckRowHeight(word::Application& app, int16_t row, int16_t rule, int32_t height) {
  const std::optional<word::Table> table = FirstTable(app);
  if (!table || !RowWithin(*table, row)) return engine::kFalse;
  int32_t ruleRead = 0;
  float heightRead = 0;
  if (base::Result<word::Row> r = table->Rows().Item(row)) {
    KeepRead(ruleRead, r->HeightRule());
    KeepRead(heightRead, r->Height());
  }
  return ToTruth(ruleRead == rule && base::RoundHalfEven(heightRead) == height);
}

int16_t CheckTableAlignment(word::Application& app, int16_t alignment) {
  const std::optional<word::Table> table = FirstTable(app);
  if (!table) return engine::kFalse;
  int32_t read = 0;
  KeepRead(read, table->Rows().Alignment());
  return ToTruth(read == alignment);
}

int16_t CheckTableWrap(word::Application& app, bool wrap) {
  const std::optional<word::Table> table = FirstTable(app);
  if (!table) return engine::kFalse;
  int32_t read = 0;
  KeepRead(read, table->Rows().WrapAroundText());
  return ToTruth(read == word::Truth(wrap));
}

int16_t CheckTableStyle(word::Application& app, std::string_view name) {
  std::optional<word::Table> table = FirstTable(app);
  if (!table) return engine::kFalse;
  // A selection in a table names that table; elsewhere it names none, and the first one is meant.
  if (base::Result<word::Table> selected = SelectionRange(app).Tables().Item(1)) table = *selected;
  std::string read;
  if (base::Result<std::string> style = table->Style()) read = *style;
  return ToTruth(read == base::Trim(name, " "));
}

}  // namespace docmark
