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

}  // namespace word
