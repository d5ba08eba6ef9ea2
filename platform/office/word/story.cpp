// Look-ups in a story's index: binary searches over the pieces and paragraphs by position, and
// its shown text decoded for searching.
#include "platform/office/word/story.h"

#include <algorithm>

#include "platform/office/word/text_units.h"
#include "platform/vb/strings.h"

namespace word {

size_t Story::PieceAt(int32_t position) const {
  auto it = std::upper_bound(pieces_.begin(), pieces_.end(), position,
                             [](int32_t p, const Piece& piece) { return p < piece.start; });
  if (it == pieces_.begin()) return 0;
  return static_cast<size_t>(it - pieces_.begin()) - 1;
}

int32_t Story::ParagraphAt(int32_t position) const {
  auto it = std::upper_bound(paragraphs_.begin(), paragraphs_.end(), position,
                             [](int32_t p, const ParagraphSpan& span) { return p < span.end; });
  if (it == paragraphs_.end()) return static_cast<int32_t>(paragraphs_.size()) - 1;
  return static_cast<int32_t>(it - paragraphs_.begin());
}

int32_t Story::CellAt(int32_t position) const {
  if (paragraphs_.empty()) return -1;
  return paragraphs_[static_cast<size_t>(ParagraphAt(position))].cell;
}

int32_t Story::TableAt(int32_t position) const {
  if (paragraphs_.empty()) return -1;
  const ParagraphSpan& p = paragraphs_[static_cast<size_t>(ParagraphAt(position))];
  if (p.cell >= 0) return cells_[static_cast<size_t>(p.cell)].table;
  if (p.rowEnd >= 0) return rows_[static_cast<size_t>(p.rowEnd)].table;
  return -1;
}

int32_t Story::SectionAt(int32_t position) const {
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (position < sections_[i].end) return static_cast<int32_t>(i);
  }
  return sections_.empty() ? -1 : static_cast<int32_t>(sections_.size()) - 1;
}

std::string_view Story::PieceText(size_t index) const {
  const Piece& p = pieces_[index];
  return std::string_view(text_).substr(p.textOffset, p.textLength);
}

std::string Story::TextOf(int32_t start, int32_t end) const {
  std::string out;
  if (pieces_.empty() || start >= end) return out;
  for (size_t i = PieceAt(start); i < pieces_.size() && pieces_[i].start < end; ++i) {
    const Piece& p = pieces_[i];
    const std::string_view shown = PieceText(i);
    if (p.kind != PieceKind::kText) {
      if (p.start >= start) out += shown;
      continue;
    }
    const size_t from = p.start >= start ? 0 : Utf8OffsetOfUnits(shown, start - p.start);
    const size_t to = p.End() <= end ? shown.size() : Utf8OffsetOfUnits(shown, end - p.start);
    if (to > from) out.append(shown.substr(from, to - from));
  }
  return out;
}

uint32_t Story::TextOffsetAt(int32_t position) const {
  if (pieces_.empty()) return 0;
  if (position >= Length()) return static_cast<uint32_t>(text_.size());
  const size_t i = PieceAt(position);
  const Piece& p = pieces_[i];
  if (p.kind != PieceKind::kText || position <= p.start) return p.textOffset;
  return p.textOffset + static_cast<uint32_t>(Utf8OffsetOfUnits(PieceText(i), position - p.start));
}

int32_t Story::PositionAtTextOffset(uint32_t offset) const {
  if (offset >= text_.size()) return Length();
  // The last piece whose shown text starts at or before `offset` and holds it.
  auto it = std::upper_bound(pieces_.begin(), pieces_.end(), offset,
                             [](uint32_t o, const Piece& piece) { return o < piece.textOffset; });
  while (it != pieces_.begin()) {
    --it;
    if (it->textLength == 0) continue;
    const uint32_t within = offset - it->textOffset;
    if (within >= it->textLength) return it->End();
    if (it->kind != PieceKind::kText) return it->start;
    const auto index = static_cast<size_t>(it - pieces_.begin());
    return it->start + Utf16Units(PieceText(index).substr(0, within));
  }
  return 0;
}

ShownCharacters ShownCharacters::Decode(std::string_view text, uint32_t from, uint32_t to) {
  ShownCharacters d;
  for (uint32_t i = from; i < to;) {
    size_t len = 1;
    d.chars.push_back(vb::DecodeUtf8(text, i, len));
    d.offsets.push_back(i);
    i += static_cast<uint32_t>(len);
  }
  d.offsets.push_back(to);
  return d;
}

const ShownCharacters& Story::Characters() const {
  if (!characters_)
    characters_ = ShownCharacters::Decode(text_, 0, static_cast<uint32_t>(text_.size()));
  return *characters_;
}

}  // namespace word
