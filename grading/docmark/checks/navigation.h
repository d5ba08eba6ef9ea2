// How part A's checks move through the candidate's document: the selection to the first table
// (or page, section), cell by cell to the right and extended by characters, the next occurrence
// of a text; the borders of the selection; and the centimetre-to-point conversion with its
// one-point tolerance. Every helper works on the application's active document and keeps no
// state; with no document open it moves nothing and answers false.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/word/application.h"
#include "platform/office/word/find.h"

namespace docmark {

// One centimetre of a rule counts as this many points.
inline constexpr double kPointsPerCentimetre = 28.35;

// GoToFirstItem: an insertion point at the start of the first item of `kind` (wdGoToTable,
// wdGoToPage, wdGoToSection), then the selection's search reset (ResetSearch with no text).
// False when the document has no such item: the selection then stays where it was.
bool GoToFirstItem(word::Application& app, int16_t kind);

// The search settings every part-A search runs with: no formatting, forward, on from the start
// at the end, case ignored, whole words and wildcards off, full- and half-width forms apart.
void ResetSearch(word::Find& find, std::string_view text);

// MoveRightCells: `count` moves to the next cell, each selecting that cell's contents. False as
// soon as one fails: the selection is not in a table, or it stands in the table's last cell.
bool MoveRightCells(word::Application& app, int16_t count);

// ExtendRight: the selection's end `count` characters further right.
bool ExtendRight(word::Application& app, int16_t count);

// GoToTableCell: the first table, `cells` cells to the right, extended by `characters`. True
// only when the cell was reached.
bool GoToTableCell(word::Application& app, int16_t cells, int16_t characters);

// Whether the selection stands in a table.
bool SelectionInTable(word::Application& app);

// FindTextForward: the next occurrence of `text` after the selection (from the document's start
// once the end is passed) becomes the selection. False when there is none: the selection stays.
bool FindTextForward(word::Application& app, std::string_view text);

// The border read by ReadSelectionBorder; a value that cannot be read keeps what it held.
struct SelectionBorder {
  int16_t lineStyle = 0;
  int16_t lineWidth = 0;
  int32_t colorIndex = 0;
};

// ReadSelectionBorder: the selection's border `which` (wdBorderTop ..): its line style, width
// and colour index, each kept as it was when it cannot be read or does not fit.
void ReadSelectionBorder(word::Application& app, int16_t which, SelectionBorder& border);

// CmToPoints: 28.35 points a centimetre, to the nearest whole point (halves to even); 0 when that
// does not fit in 16 bits.
int16_t CmToPoints(double centimetres);

// WithinOnePoint: a and b differ by at most one point (false when the difference itself does not
// fit in 16 bits).
bool WithinOnePoint(int16_t a, int16_t b);

}  // namespace docmark
