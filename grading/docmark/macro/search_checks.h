// The part-B checks that search the document's text through the macro interface: how often a
// text occurs, whether texts stand in order, whether a header's or footer's first paragraph
// pasted at the start is found there, and selecting a text (the step the formatting checks take
// before they read). Each works on the active document of `app`; with none open the search
// finds nothing.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/word/application.h"
#include "platform/office/word/word_basic.h"

namespace docmark {

// Where the first occurrence of `text` starts / ends, searched from the start of the document;
// 0 when it does not occur (the insertion point stays at the start). Positions are 32-bit.
int32_t FindStartPos(word::WordBasic& basic, std::string_view text);
int32_t FindEndPos(word::WordBasic& basic, std::string_view text);

// Selects the first occurrence of `text` from the start of the document, exactly what was
// found; false (the selection left at the start) when it does not occur.
bool SelectFoundText(word::WordBasic& basic, std::string_view text);

// SELECTTXT: true when the text occurs (and is then selected).
int16_t SelectTxt(word::Application& app, std::string_view text);

// FINDCOUNT: the number of occurrences found one after the other from the start of the
// document, the search stopping at its end (0 when there is none).
int32_t FindCount(word::Application& app, std::string_view text);

// FINDREPLACE: true when `oldText` occurs `oldCount` times and `newText` `newCount` times.
int16_t FindReplace(word::Application& app, std::string_view oldText, int16_t oldCount,
                    std::string_view newText, int16_t newCount);

// PLACEINORDER: true when the four texts' first occurrences start at strictly increasing
// positions; a text that is not found counts as at 0.
int16_t PlaceInOrder(word::Application& app, std::string_view a1, std::string_view a2,
                     std::string_view a3, std::string_view a4);

// HEADFOOT: the first paragraph of the header (`header` true) or footer shown at the selection
// is copied and pasted at the start of the document (in memory; later checks of the same
// document see the copy); true when `text` is then first found ending at its own length (it
// starts the document), or, for a text of one character, ending past position 1. A step of the
// copy and paste that fails makes it false (nothing was pasted to find).
int16_t HeadFoot(word::Application& app, std::string_view text, bool header);

}  // namespace docmark
