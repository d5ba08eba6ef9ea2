// Where the origins that a shape's position is measured from lie on its page, for re-expressing
// Left and Top when the anchor changes. Origins that need the text laid out (a column, a
// character, a paragraph, a line) are not known here.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/office/word/section.h"

namespace word {

// Points from the page's left edge to the origin of a WdRelativeHorizontalPosition; the
// inside and outside margin areas as on an odd page. nullopt for the column and the character.
std::optional<double> HorizontalOrigin(int32_t relative, const PageSetup& page);
// Points from the page's top edge to the origin of a WdRelativeVerticalPosition. nullopt for
// the paragraph and the line.
std::optional<double> VerticalOrigin(int32_t relative, const PageSetup& page);

}  // namespace word
