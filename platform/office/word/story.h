// A story (the main text, a header, a footer) indexed once: every character position the word
// processor counts, which element of the part's XML it comes from, the text shown, and the
// paragraphs, tables, rows, cells and sections by position. Ranges, Find and the selection ask
// this index; nothing rescans the XML per call.
//
// Positions: each character of text is one position per UTF-16 unit; a tab, a break, a symbol,
// a drawing are one each; every paragraph ends with a mark ("\r", one position); the last
// paragraph of a table cell ends with the end-of-cell mark instead and every row with an
// end-of-row mark (each one position, shown as "\r\a"); a paragraph that carries a section's
// properties ends with a section break ("\f"). Fields (w:fldSimple, w:fldChar, and hyperlinks,
// which the word processor holds as HYPERLINK fields) take positions for their begin,
// code, separator and end characters, as the word processor counts them, but only their result
// is shown in the text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/office/opc/package.h"

namespace word {

enum class PieceKind : uint8_t {
  kText,            // the characters of a w:t (or w:delText)
  kTab,             // "\t"
  kLineBreak,       // a text-wrapping break, "\v"
  kPageBreak,       // "\f"
  kColumnBreak,     // "\x0e"
  kSymbol,          // a w:sym, its character
  kSpecial,         // non-breaking hyphen, soft hyphen, a note or comment reference
  kInlineObject,    // an inline picture or object, "\x01"
  kFloatingObject,  // the anchor of a floating drawing, "\x08"
  kFieldBegin,      // hidden: the field characters and code
  kFieldCode,
  kFieldSeparator,
  kFieldEnd,
  kParagraphEnd,  // "\r"
  kSectionEnd,    // "\f": the mark of a paragraph that ends a section
  kCellEnd,       // "\r\a"
  kRowEnd,        // "\r\a"
};

// True for the marks that end a paragraph, a cell or a row.
inline bool IsMark(PieceKind kind) {
  return kind == PieceKind::kParagraphEnd || kind == PieceKind::kSectionEnd ||
         kind == PieceKind::kCellEnd || kind == PieceKind::kRowEnd;
}

struct Piece {
  int32_t start = 0;        // first position
  int32_t length = 1;       // positions it takes
  uint32_t textOffset = 0;  // where its shown text starts in Story::Text()
  uint32_t textLength = 0;  // bytes of shown text (0 for the hidden parts of fields)
  PieceKind kind = PieceKind::kText;
  int32_t paragraph = 0;  // index into Story::Paragraphs()
  pugi::xml_node node;    // the element: w:t, w:tab, ...; w:p for a paragraph mark, w:tc for a
                          // cell mark without a paragraph of its own, w:tr for a row mark
  pugi::xml_node run;     // the w:r holding it; empty for marks and field codes outside runs

  int32_t End() const { return start + length; }
};

// A paragraph, or the end-of-row mark (which the word processor counts as a paragraph too).
struct ParagraphSpan {
  pugi::xml_node node;  // w:p; empty for a synthetic mark (an empty cell, a story without one)
  int32_t start = 0;
  int32_t end = 0;      // after its mark
  int32_t cell = -1;    // the innermost cell holding it; -1 outside tables and for row marks
  int32_t rowEnd = -1;  // for an end-of-row mark: its row
  uint32_t firstPiece = 0;
  uint32_t endPiece = 0;  // one past its mark
  bool bodyLevel = true;  // outside every table
};

// Shown text decoded character by character, for searching it.
struct ShownCharacters {
  std::vector<char32_t> chars;
  std::vector<uint32_t> offsets;  // where each character starts in the text, then `to`

  // The characters starting in [from, to) of `text`, byte offsets.
  static ShownCharacters Decode(std::string_view text, uint32_t from, uint32_t to);
};

enum class VerticalMerge : uint8_t { kNone, kRestart, kContinue };

struct CellSpan {
  pugi::xml_node node;  // w:tc
  int32_t table = 0;
  int32_t row = 0;
  int32_t indexInRow = 0;  // from 0, counting every w:tc of the row
  int32_t start = 0;
  int32_t end = 0;         // after its end-of-cell mark
  int32_t gridColumn = 0;  // the first grid column it covers, from 0
  int32_t gridSpan = 1;
  VerticalMerge vmerge = VerticalMerge::kNone;
};

struct RowSpan {
  pugi::xml_node node;  // w:tr
  int32_t table = 0;
  int32_t indexInTable = 0;
  int32_t start = 0;
  int32_t end = 0;  // after its end-of-row mark
  int32_t gridBefore = 0;
  std::vector<int32_t> cells;  // indexes into Story::Cells(), in order
};

struct TableSpan {
  pugi::xml_node node;      // w:tbl
  int32_t parentCell = -1;  // the cell holding a nested table; -1 for a table of the story
  int32_t start = 0;
  int32_t end = 0;
  std::vector<int32_t> rows;  // indexes into Story::Rows(), in order
};

// A section of the main story: its paragraphs up to and including the one whose mark is the
// section break, and the w:sectPr that holds its properties (empty when the file has none).
struct SectionSpan {
  pugi::xml_node properties;
  int32_t start = 0;
  int32_t end = 0;
};

class Story {
 public:
  // Indexes the block content below `root` (w:body, w:hdr, w:ftr, w:txbxContent). Hyperlink
  // targets come from `relationships` (the part's own). A story always ends with a paragraph
  // mark, added when the XML has none.
  static Story Build(pugi::xml_node root, const std::vector<opc::Relationship>& relationships);

  pugi::xml_node Root() const { return root_; }
  int32_t Length() const { return pieces_.empty() ? 0 : pieces_.back().End(); }
  // The shown text of the whole story.
  const std::string& Text() const { return text_; }

  const std::vector<Piece>& Pieces() const { return pieces_; }
  const std::vector<ParagraphSpan>& Paragraphs() const { return paragraphs_; }
  const std::vector<TableSpan>& Tables() const { return tables_; }
  const std::vector<RowSpan>& Rows() const { return rows_; }
  const std::vector<CellSpan>& Cells() const { return cells_; }
  const std::vector<SectionSpan>& Sections() const { return sections_; }
  // Positions where a page is known to start after the first: hard page breaks, page-starting
  // section breaks, paragraphs that start a page, and the breaks the word processor noted when
  // it last laid the document out (w:lastRenderedPageBreak). Sorted, without repeats.
  const std::vector<int32_t>& PageStarts() const { return pageStarts_; }

  // The piece that holds `position`; the last piece for the story's end. Needs a non-empty story.
  size_t PieceAt(int32_t position) const;
  // The paragraph that holds `position` (the last paragraph for the end).
  int32_t ParagraphAt(int32_t position) const;
  // The innermost cell that holds `position`; -1 outside tables and on an end-of-row mark.
  int32_t CellAt(int32_t position) const;
  // The innermost table that holds `position` (end-of-row marks included); -1 outside tables.
  int32_t TableAt(int32_t position) const;
  // The section that holds `position`; -1 for stories without sections.
  int32_t SectionAt(int32_t position) const;

  // The shown text of [start, end): marks whose position lies inside, the part of each text
  // piece inside it, nothing of field codes.
  std::string TextOf(int32_t start, int32_t end) const;
  // Where `position` falls in Text().
  uint32_t TextOffsetAt(int32_t position) const;
  // The position of the shown character at `offset` of Text(); Length() at its end.
  int32_t PositionAtTextOffset(uint32_t offset) const;
  // The shown text of piece `index`.
  std::string_view PieceText(size_t index) const;
  // Text() decoded, once: repeated searches then cost what they read, not the rest of the story.
  // An edit indexes the story anew, so this never outlives the text it was decoded from.
  const ShownCharacters& Characters() const;

 private:
  friend class StoryBuilder;

  pugi::xml_node root_;
  std::string text_;
  std::vector<Piece> pieces_;
  std::vector<ParagraphSpan> paragraphs_;
  std::vector<TableSpan> tables_;
  std::vector<RowSpan> rows_;
  std::vector<CellSpan> cells_;
  std::vector<SectionSpan> sections_;
  std::vector<int32_t> pageStarts_;
  mutable std::optional<ShownCharacters> characters_;
};

}  // namespace word
