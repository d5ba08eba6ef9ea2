// Part A's checks on the candidate's tables: the first table's size, cells per row and column,
// cell sizes, alignment, shading, borders, style, row height rule, alignment on the page and
// text wrapping.
//
// Two ways in. Indexed checks address Tables(1) by row and column from 1 and are false when the
// document has no table or an index passes the table's counts. Walked checks take the selection
// to the first table, move it right cell by cell and read the selection; a walk that does not
// reach its cell (no table, past the last cell) reads nothing. A read the document refuses
// leaves its value at 0 and the check goes on. With no document open nothing is read. Truth
// values are engine::kTrue and engine::kFalse.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/word/application.h"

namespace docmark {

// VERTICALALIGN: the vertical alignment of the cell `cells` to the right of the first table's
// first cell (WdCellVerticalAlignment); 0 when that cell cannot be reached or its cells differ,
// so that no mask passes.
int32_t CellVerticalAlignment(word::Application& app, int16_t cells);

// HORIZONTALALIGN: the paragraph alignment in that cell (WdParagraphAlignment); 0 as above, also
// when its paragraphs differ.
int32_t CellHorizontalAlignment(word::Application& app, int16_t cells);

// CELLSHADINGTEXTURE, CELLFORECOLOR, CELLBACKCOLOR: the shading of the selection `cells` cells to
// the right of the first table's first cell, extended by `characters`: its texture
// (WdTextureIndex), its pattern colour index, its background colour index. False when the cell
// cannot be reached.
int16_t CheckCellTexture(word::Application& app, int16_t cells, int16_t characters,
                         int16_t texture);
int16_t CheckCellForegroundColorIndex(word::Application& app, int16_t cells, int16_t characters,
                                      int16_t colorIndex);
int16_t CheckCellBackgroundColorIndex(word::Application& app, int16_t cells, int16_t characters,
                                      int16_t colorIndex);

// CELLLINE: border `index` of the cell `cells` to the right of the first table's first cell (or,
// when `fromFirstTable` is false, of the selection's cell) as a code: 100 when its line style is
// `lineStyle`, + 10 its width `lineWidth`, + 1 its colour index `colorIndex`; 0 when the cell
// cannot be reached.
int16_t CellLineCode(word::Application& app, bool fromFirstTable, int16_t cells, int16_t index,
                     int16_t lineStyle, int16_t lineWidth, int32_t colorIndex);

// TABCOLANDROWCOUNT: the code 10 when the first table has `rows` rows, + 1 when it has
// `columns` columns, equals `code`.
int16_t CheckTableSize(word::Application& app, int16_t rows, int16_t columns, int16_t code);

// TABCELLWIDTHANDHEIGHT: the code 10 when cell (row, column)'s width cut down to a whole point is
// `width`, + 1 when its height is `height`, equals `code`; false past the row's cells.
int16_t CheckCellSize(word::Application& app, int16_t row, int16_t column, int16_t width,
                      int16_t height, int16_t code);

// CELLCOUNTOFROW, CELLCOUNTOFCOL: row `row` (column `column`) of the first table has `count`
// cells.
int16_t CheckRowCellCount(word::Application& app, int16_t row, int16_t count);
int16_t CheckColumnCellCount(word::Application& app, int16_t column, int16_t count);

// LLCOFCELL: the code 100 when border `index` of cell (row, column) has the line style
// `lineStyle`, + 10 the width `lineWidth`, + 1 the colour `color`, equals `code`.
int16_t CheckCellBorder(word::Application& app, int16_t row, int16_t column, int16_t index,
                        int16_t lineStyle, int16_t lineWidth, int32_t color, int16_t code);

// TABBAKESHADING: the code 100 when cell (row, column)'s shading has the texture `texture`, + 10
// the pattern colour `foreground`, + 1 the background colour `background`, equals `code`.
int16_t CheckCellShading(word::Application& app, int16_t row, int16_t column, int32_t texture,
                         int32_t foreground, int32_t background, int16_t code);

// RULEOFROW: row `row` has the height rule `rule` (WdRowHeightRule) and, rounded to a whole
// point, the height `height`.
int16_t CheckRowHeight(word::Application& app, int16_t row, int16_t rule, int32_t height);

// POSSETOFTAB: the first table's rows have the alignment `alignment` (WdRowAlignment).
int16_t CheckTableAlignment(word::Application& app, int16_t alignment);

// TABWRAP: text wraps around the first table (`wrap` true) or not.
int16_t CheckTableWrap(word::Application& app, bool wrap);

// TABLESTYLECHOICE: the style of the selection's table (of the first table when the selection
// is in none) is `name` without its leading and trailing blanks.
int16_t CheckTableStyle(word::Application& app, std::string_view name);

}  // namespace docmark
