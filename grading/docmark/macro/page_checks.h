// The part-B checks of the page, the columns and the drop cap, answering codes of decimal
// weights that the keyword rows judge with a mask (MaskHolds) or by equality. Values are the
// dialogs' as the word processor shows them ("21 厘米"); one that cannot be read stays empty
// (or 0) and is compared as such.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/word/application.h"

namespace docmark {

// SETPAPER: 10 when the page width (FilePageSetup PageWidth, of the selection's section) is
// `width`, plus 1 when the height is `height`. No text is searched first.
int16_t SetPaper(word::Application& app, std::string_view width, std::string_view height);
// SETPAPERMAG: 1000 for the top margin, 100 bottom, 10 left, 1 right, each when equal.
int16_t SetPaperMag(word::Application& app, std::string_view top, std::string_view bottom,
                    std::string_view left, std::string_view right);

// WORDDROPCAP: for the paragraph of the first occurrence of `text`, 16 when the drop cap's
// position is `position`, plus 8 when the number of lines dropped is `lines`, plus 4 when the
// font is `font`, plus 2 when the distance from the text is `distance`; 0 when not found.
int16_t WordDropCap(word::Application& app, std::string_view text, int16_t position, int16_t lines,
                    std::string_view font, std::string_view distance);

// FORMATSTYCOLUMNS: for the section of the first occurrence of `text`, 16 when it has `columns`
// columns, plus 8 when a line stands between them as `line` says (1 / 0), plus 4 when
// `evenlySpaced` says whether they are, plus 2 when the spacing is `spacing`, plus 1 when the
// first column's width is `width` and the expected columns are not evenly spaced. A text that is
// not found answers 0: no bit is set, so no mask holds.
int16_t FormatStyColumns(word::Application& app, std::string_view text, int16_t columns,
                         int16_t line, int16_t evenlySpaced, std::string_view spacing,
                         std::string_view width);

}  // namespace docmark
