// Where the origins that a shape's position is measured from lie on its page, for re-expressing
// Left and Top when the anchor changes. The page, the margin and the margin areas come from the
// page setup; a column, a character, a paragraph and a line from where the approximate layout
// places the shape's anchor (layout.h).
#pragma once

#include <cstdint>
#include <optional>

#include "platform/office/word/layout.h"
#include "platform/office/word/section.h"

namespace word {

// Left (WdRelativeHorizontalPosition) or Top (WdRelativeVerticalPosition): the two number their
// anchors alike, the column and the character standing where the paragraph and the line do.
enum class Axis { kHorizontal, kVertical };

// True for the anchors whose origin needs the text laid out.
bool NeedsLayout(Axis axis, int32_t relative);

// Points from the page's left (top) edge to the origin of an anchor; the inside and outside
// margin areas as on an odd page. The anchors in the text need `place` (the shape's anchor's);
// nullopt without it or for a number that is no anchor.
std::optional<double> Origin(Axis axis, int32_t relative, const PageSetup& page,
                             const TextPlace* place);

}  // namespace word
