// Tables of a story, counted and addressed as the word processor counts them: rows in order, a
// row's cells one per w:tc (a cell spanning grid columns is one cell), the continuation of a
// vertically merged cell a cell that cannot be reached. Rows(r) is refused in a table with
// vertically merged cells (5991), Columns(c) in one whose rows' cells do not line up (5992),
// Cell(r, c) that does not exist fails (5941).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/range.h"
#include "platform/office/word/shading_border.h"

namespace word {

class Cell;
class Table;

// Cells(): a set of cells (of a row, a column, or a range).
class Cells {
 public:
  Cells(word::Document& document, StoryId story, std::vector<int32_t> cells)
      : document_(&document), story_(story), cells_(std::move(cells)) {}
  int32_t Count() const { return static_cast<int32_t>(cells_.size()); }
  base::Result<word::Cell> Item(int32_t index) const;
  // WdCellVerticalAlignment, wdUndefined when the cells differ.
  base::Result<int32_t> VerticalAlignment() const;

 private:
  word::Document* document_;
  StoryId story_;
  std::vector<int32_t> cells_;  // indexes into the story's cells
};

class Cell {
 public:
  Cell(word::Document& document, StoryId story, int32_t cell)
      : document_(&document), story_(story), cell_(cell) {}

  int32_t RowIndex() const;     // from 1
  int32_t ColumnIndex() const;  // from 1, counting the row's cells
  // Its text and end-of-cell mark.
  word::Range Range() const;
  // Points: w:tcW in twips, a percentage of the table's width, or (automatic, missing) the
  // widths of the grid columns it spans.
  base::Result<float> Width() const;
  // The height of its row (Row::Height).
  base::Result<float> Height() const;
  base::Result<int32_t> VerticalAlignment() const;  // WdCellVerticalAlignment
  // w:tcPr/w:shd; else the table's w:tblPr/w:shd; else its style's cell shading; else none.
  base::Result<word::Shading> Shading() const;
  // A side (wdBorderTop .. wdBorderRight), an inside line (wdBorderHorizontal,
  // wdBorderVertical) or a diagonal: the cell's own w:tcBorders, else the table's w:tblBorders
  // for that edge (an edge inside the table takes w:insideH / w:insideV), else the table
  // style's; others fail (5941).
  base::Result<Border> Borders(int32_t index) const;
  // The text direction of the cell (w:tcPr/w:textDirection).
  int32_t Orientation() const;

  int32_t Index() const { return cell_; }

 private:
  friend class Row;
  word::Document* document_;
  StoryId story_;
  int32_t cell_;
};

class Row {
 public:
  Row(word::Document& document, StoryId story, int32_t row)
      : document_(&document), story_(story), row_(row) {}
  int32_t Index() const;  // from 1
  word::Cells Cells() const;
  word::Range Range() const;
  // w:trHeight w:hRule: exact 2, atLeast 1 (also without a rule), auto 0 (also without a
  // height).
  base::Result<int32_t> HeightRule() const;
  // Points: the height the row sets; for automatic rows the height of its contents, laid out
  // approximately (see README).
  base::Result<float> Height() const;
  // w:trPr/w:jc, else the table's (Rows.Alignment).
  int32_t Alignment() const;

 private:
  word::Document* document_;
  StoryId story_;
  int32_t row_;
};

class Column {
 public:
  Column(word::Document& document, StoryId story, std::vector<int32_t> cells)
      : cells_(document, story, std::move(cells)) {}
  // The column's cells, the continuations of vertically merged cells left out.
  const word::Cells& Cells() const { return cells_; }

 private:
  word::Cells cells_;
};

class TableRows {
 public:
  explicit TableRows(const Table& table) : table_(&table) {}
  int32_t Count() const;
  base::Result<Row> Item(int32_t index) const;
  // Rows.Alignment: WdRowAlignment of the rows (w:jc of the table or its style, a row's own
  // w:trPr/w:jc); wdUndefined when they differ.
  base::Result<int32_t> Alignment() const;
  // Rows.WrapAroundText: True when the table floats (w:tblpPr).
  base::Result<int32_t> WrapAroundText() const;

 private:
  const Table* table_;
};

class TableColumns {
 public:
  explicit TableColumns(const Table& table) : table_(&table) {}
  // The most cells any row has.
  int32_t Count() const;
  base::Result<Column> Item(int32_t index) const;

 private:
  const Table* table_;
};

class Table {
 public:
  Table(word::Document& document, StoryId story, int32_t table)
      : document_(&document), story_(story), table_(table) {}

  TableRows Rows() const { return TableRows(*this); }
  TableColumns Columns() const { return TableColumns(*this); }
  base::Result<word::Cell> Cell(int32_t row, int32_t column) const;
  word::Range Range() const;
  // The name of its style as the word processor shows it (built-in styles by their Chinese
  // names); a table that names none has the document's default table style ("普通表格").
  base::Result<std::string> Style() const;
  // 1 for a table of the story, 2 for one in its cell, ...
  int32_t NestingLevel() const;

  word::Document& Document() const { return *document_; }
  StoryId Story() const { return story_; }
  const TableSpan& Span() const;
  int32_t Index() const { return table_; }

 private:
  word::Document* document_;
  StoryId story_;
  int32_t table_;
};

// Document.Tables: the tables of the main story (nested tables are reached through their
// cells' ranges).
class Tables {
 public:
  Tables(word::Document& document, StoryId story, std::vector<int32_t> tables)
      : document_(&document), story_(story), tables_(std::move(tables)) {}
  int32_t Count() const { return static_cast<int32_t>(tables_.size()); }
  base::Result<Table> Item(int32_t index) const;

 private:
  word::Document* document_;
  StoryId story_;
  std::vector<int32_t> tables_;
};

}  // namespace word
