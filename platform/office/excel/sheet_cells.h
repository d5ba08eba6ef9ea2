// The cells of a worksheet part, found by one pass over its XML text without building a tree:
// each cell's position, type, style, value text and formula, and each row's height and
// visibility, held in position order with views into the text. This is what makes reading a
// workbook's values cheap; everything else about a sheet (columns, merges, filters, edits) goes
// through the part's XML tree. After an edit a sheet rescans the text the tree saves to, unless
// the records can follow the edit exactly (SetRowHidden, ReplaceBlock).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/opc/pool_allocator.h"

namespace excel {

// The cell's "t".
enum class CellType : uint8_t {
  Number,         // "n" or none
  SharedString,   // "s": the value is an index into the shared strings
  FormulaString,  // "str": a formula's text result
  InlineString,   // "inlineStr": the value is the inner XML of <is>
  Boolean,        // "b"
  Error,          // "e"
  IsoDate,        // "d"
};

// The formula's "t".
enum class FormulaKind : uint8_t { None, Normal, Shared, Array, DataTable };

// A stretch of the scanned text, by position (smaller than a view: the records stay compact).
struct TextSpan {
  uint32_t offset = 0;
  uint32_t length = 0;
  bool empty() const { return length == 0; }
};

struct CellRecord {
  int32_t row = 0;
  int32_t column = 0;
  uint32_t style = 0;  // "s": index into the cell formats
  CellType type = CellType::Number;
  FormulaKind formula = FormulaKind::None;
  bool valueEscaped = false;    // the value text holds entity references to decode
  bool formulaEscaped = false;  // the same for the formula text
  bool hasValue = false;        // the cell has a <v> or an <is>
  int32_t sharedIndex = -1;     // "si" of a shared formula
  TextSpan value;               // <v> text, or <is> inner XML; empty when there is none
  TextSpan formulaText;         // <f> text
  TextSpan formulaRef;          // "ref" of an array formula or a shared formula's master
};

struct RowRecord {
  int32_t row = 0;
  double height = -1;  // "ht" in points; below 0 when the row has none
  bool hidden = false;
  bool customHeight = false;
  bool customFormat = false;
  uint32_t style = 0;
};

// The texts of a shared string table (<sst>), one per <si>, in order; an error when its XML
// breaks off.
base::Result<std::vector<std::string>> ScanStringItems(std::string_view xml);

template <class T>
using PooledVector = std::vector<T, opc::PoolAllocator<T>>;

class SheetCells {
 public:
  SheetCells() = default;

  // Scans a worksheet's XML text; an error when it breaks off or is no XML. The text must
  // outlive the result.
  static base::Result<SheetCells> Scan(std::string_view xml);

  // The cell at a position; null when the file holds none there.
  const CellRecord* Find(int row, int column) const;
  // The cells of one row in column order.
  std::span<const CellRecord> Row(int row) const;
  // The row's own record; null when the file has no <row> for it.
  const RowRecord* RowInfo(int row) const;
  const PooledVector<CellRecord>& Cells() const { return cells_; }
  const PooledVector<RowRecord>& Rows() const { return rows_; }
  // The text of a span of a record.
  std::string_view View(TextSpan span) const { return text_.substr(span.offset, span.length); }

  // The master cell of shared formula `si`: the one that holds its text; null when none does.
  const CellRecord* SharedMaster(int32_t si) const;

  bool Plain() const { return plain_; }
  // The same text at another place (a copy of the scanned one): the records keep their offsets.
  void Rebase(std::string_view text) { text_ = text; }
  // What a rescan gives after a row's <row> gets or loses "hidden" (one made without other
  // attributes when it had none). False when the sheet is not plain enough to tell (see
  // plain_): then only a rescan says.
  bool SetRowHidden(int row, bool hidden);
  // What a rescan gives after the block's cells are replaced by `added` (in position order,
  // pointing into this text) and <row>s made for `rowsMade` where none were. False, leaving
  // the records unusable, when the sheet is not plain enough to tell.
  bool ReplaceBlock(int top, int left, int bottom, int right, std::span<const CellRecord> added,
                    std::span<const int> rowsMade);

 private:
  void BuildIndex();
  // The row's record, made without attributes when there is none.
  RowRecord* MadeRow(int row);

  struct Span {
    int32_t row;
    uint32_t begin;
    uint32_t end;
  };
  std::string_view text_;  // the scanned XML
  // Every <row> has a valid "r" and every cell a valid position in its own row, rows and
  // cells each listed once and in order: the text's tree needs no numbering, and an edit of
  // it changes the records the way a rescan would.
  bool plain_ = true;
  PooledVector<CellRecord> cells_;  // ordered by row, then column
  PooledVector<RowRecord> rows_;    // ordered by row
  PooledVector<Span> spans_;        // one per row that has cells, ordered
  // When rows are dense enough: entry r is the index into spans_ of row r + 1, or -1.
  PooledVector<int32_t> direct_;
};

}  // namespace excel
