// What the word processor answers from its page layout, which this model does not do, worked
// out approximately from the text and its formatting. The README says how each is reckoned.
#pragma once

#include <cstdint>

#include "platform/office/word/document.h"

namespace word {

// The height in points of a row whose height is automatic: the tallest of its cells, each its
// paragraphs' lines (the text's width in its font against the cell's width less its margins)
// at their line spacing, with the space before and after them and the cell's top and bottom
// margins.
float AutoRowHeight(Document& document, StoryId story, int32_t row);

// Where the character at a main-text position stands on its page, in points from the page's
// left and top edges: the left edge of its text column, the top of its paragraph and of its line,
// and its own left edge. Paragraphs are laid out as AutoRowHeight lays out a cell's, in their
// column's width less their indents, from the last page start the document knows.
struct TextPlace {
  float columnLeft = 0;
  float paragraphTop = 0;
  float lineTop = 0;
  float characterLeft = 0;
};
TextPlace PlaceOf(Document& document, int32_t position);

}  // namespace word
