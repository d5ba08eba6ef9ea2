// Gathering what a range covers from the story's index.
#include "platform/office/word/covered.h"

#include "platform/office/word/formatting.h"
#include "platform/office/word/text_units.h"

namespace word {
namespace {

bool IsShownText(const Piece& p) {
  return p.textLength > 0 && !IsMark(p.kind);
}

// Where the last UTF-8 character of `text` starts.
size_t LastCharacter(std::string_view text) {
  size_t at = text.size();
  while (at > 0) {
    --at;
    if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) break;
  }
  return at;
}

CoveredText PieceText(Document& document, const Story& story, size_t index) {
  const Piece& p = story.Pieces()[index];
  const ParagraphSpan& paragraph = story.Paragraphs()[static_cast<size_t>(p.paragraph)];
  const RunProps& props =
      document.Format().Run(p.run, paragraph.node, TableNodeOf(story, p.paragraph));
  return {story.PieceText(index), &props, p.kind};
}

}  // namespace

pugi::xml_node TableNodeOf(const Story& story, int32_t paragraph) {
  const ParagraphSpan& p = story.Paragraphs()[static_cast<size_t>(paragraph)];
  int32_t table = -1;
  if (p.cell >= 0) table = story.Cells()[static_cast<size_t>(p.cell)].table;
  if (p.rowEnd >= 0) table = story.Rows()[static_cast<size_t>(p.rowEnd)].table;
  return table < 0 ? pugi::xml_node() : story.Tables()[static_cast<size_t>(table)].node;
}

const ParagraphProps& ParagraphPropsOf(Document& document, const Story& story, int32_t paragraph) {
  return document.Format().Paragraph(story.Paragraphs()[static_cast<size_t>(paragraph)].node,
                                     TableNodeOf(story, paragraph));
}

std::vector<CoveredText> CoveredRuns(Document& document, StoryId storyId, int32_t start,
                                     int32_t end) {
  const Story& story = document.StoryAt(storyId);
  std::vector<CoveredText> found;
  if (story.Pieces().empty()) return found;
  if (start == end) {
    const ParagraphSpan& paragraph =
        story.Paragraphs()[static_cast<size_t>(story.ParagraphAt(start))];
    const size_t at = story.PieceAt(start);
    // The character before the insertion point within its paragraph, else the one after it.
    for (size_t i = at + 1; i-- > paragraph.firstPiece;) {
      const Piece& p = story.Pieces()[i];
      if (p.start >= start || !IsShownText(p)) continue;
      CoveredText text = PieceText(document, story, i);
      if (p.kind == PieceKind::kText) {
        text.text = text.text.substr(0, Utf8OffsetOfUnits(text.text, start - p.start));
        text.text = text.text.substr(LastCharacter(text.text));
      }
      return {text};
    }
    for (size_t i = at; i < paragraph.endPiece; ++i) {
      if (!IsShownText(story.Pieces()[i])) continue;
      CoveredText text = PieceText(document, story, i);
      text.text = text.text.substr(0, Utf8OffsetOfUnits(text.text, 1));
      return {text};
    }
  } else {
    for (size_t i = story.PieceAt(start); i < story.Pieces().size(); ++i) {
      const Piece& p = story.Pieces()[i];
      if (p.start >= end) break;
      if (!IsShownText(p) || p.End() <= start) continue;
      CoveredText text = PieceText(document, story, i);
      if (p.kind == PieceKind::kText && (p.start < start || p.End() > end)) {
        const size_t from = p.start < start ? Utf8OffsetOfUnits(text.text, start - p.start) : 0;
        const size_t to =
            p.End() > end ? Utf8OffsetOfUnits(text.text, end - p.start) : text.text.size();
        text.text = text.text.substr(from, to - from);
      }
      found.push_back(text);
    }
    if (!found.empty()) return found;
  }
  for (int32_t paragraph : CoveredParagraphs(story, start, end)) {
    const ParagraphSpan& span = story.Paragraphs()[static_cast<size_t>(paragraph)];
    const RunProps& props = document.Format().Mark(span.node, TableNodeOf(story, paragraph));
    found.push_back({{}, &props, PieceKind::kParagraphEnd});
  }
  return found;
}

std::vector<int32_t> CoveredParagraphs(const Story& story, int32_t start, int32_t end) {
  std::vector<int32_t> found;
  std::vector<int32_t> rowMarks;
  if (story.Paragraphs().empty()) return found;
  const int32_t first = story.ParagraphAt(start);
  for (auto i = static_cast<size_t>(first); i < story.Paragraphs().size(); ++i) {
    const ParagraphSpan& p = story.Paragraphs()[i];
    if (i != static_cast<size_t>(first) && p.start >= end) break;
    (p.rowEnd >= 0 ? rowMarks : found).push_back(static_cast<int32_t>(i));
  }
  return found.empty() ? rowMarks : found;
}

}  // namespace word
