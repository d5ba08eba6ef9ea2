// What a range covers, for the properties read over it: the shown text of its runs (with the
// resolved properties of each run), its paragraphs, and the formatting behind them. Character
// properties are read from the text; paragraph and cell marks count only when the range holds
// nothing else, so a paragraph selected with its mark reads as its text does.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/office/word/document.h"
#include "platform/office/word/properties.h"
#include "platform/office/word/story.h"

namespace word {

// A piece of shown text and the properties of its run.
struct CoveredText {
  std::string_view text;  // the part of the piece inside the range
  const RunProps* props;
  PieceKind kind;
};

// The text of [start, end) of the story, piece by piece; for a collapsed range the character
// before it in its paragraph (the one after it at a paragraph's start), as typing there would
// be formatted; when the range holds only marks, the marks of its paragraphs.
std::vector<CoveredText> CoveredRuns(Document& document, StoryId story, int32_t start, int32_t end);

// The paragraphs [start, end) touches (the one holding `start` when collapsed); end-of-row
// marks only when the range holds nothing else.
std::vector<int32_t> CoveredParagraphs(const Story& story, int32_t start, int32_t end);

// The innermost w:tbl holding a paragraph; empty outside tables.
pugi::xml_node TableNodeOf(const Story& story, int32_t paragraph);
const ParagraphProps& ParagraphPropsOf(Document& document, const Story& story, int32_t paragraph);

}  // namespace word
