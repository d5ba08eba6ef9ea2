// The part-B checks of a paragraph's format: the paragraph dialog's values for the first
// occurrence of a text, compared as the word processor shows them ("12 磅", "2 字符"), and its
// alignment. A text that is not found is not selected and nothing is read: the value stays
// empty (0 for the line spacing rule), so an empty (0) expected value still holds.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/word/application.h"

namespace docmark {

// FORMATSTYPARABEFORE, ...AFTER, ...LEFTIND, ...RIGHTIND, ...LINESPACE, ...FIRSTIND: the
// FormatParagraph field (before, after, LeftIndent, RightIndent, linespacing, firstindent) as
// text equal to `expected`.
int16_t FormatStyParaBefore(word::Application& app, std::string_view text,
                            std::string_view expected);
int16_t FormatStyParaAfter(word::Application& app, std::string_view text,
                           std::string_view expected);
int16_t FormatStyParaLeftInd(word::Application& app, std::string_view text,
                             std::string_view expected);
int16_t FormatStyParaRightInd(word::Application& app, std::string_view text,
                              std::string_view expected);
int16_t FormatStyParaLineSpace(word::Application& app, std::string_view text,
                               std::string_view expected);
int16_t FormatStyParaFirstInd(word::Application& app, std::string_view text,
                              std::string_view expected);
// FORMATSTYPARALINERULE: the field LineSpacingRule (-1 when the paragraphs differ) equal to
// `expected`.
int16_t FormatStyParaLineRule(word::Application& app, std::string_view text, int16_t expected);

// TXTPARA: the alignment of the text's paragraphs as a code: 0 left, 1 centred, 2 right,
// 3 justified, 4 distributed (asked in that order, the last that all of them have wins; none:
// 0); -1 when the text is not found.
int16_t TxtPara(word::Application& app, std::string_view text);

}  // namespace docmark
