// The part-B checks of a text's characters: font, size, spacing, sub- and superscript, and bold,
// italic and underline as a code. Each selects the first occurrence of the text; one that is
// not found answers false (0 for the code).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/word/application.h"

namespace docmark {

// TXTFONT: the FormatFont field Font equal to `expected`.
int16_t TxtFont(word::Application& app, std::string_view text, std::string_view expected);
// TXTFONTSIZE: the size (0 when the text's sizes differ) exactly equal to `expected`.
int16_t TxtFontSize(word::Application& app, std::string_view text, double expected);
// TXTFONTSPACING: the FormatFont field spacing as text ("1 磅") equal to `expected`.
int16_t TxtFontSpacing(word::Application& app, std::string_view text, std::string_view expected);
// TXTFONTSCRIPT: the FormatFont fields subscript and superscript (1 / 0, -1 when mixed) equal
// to the two expected values.
int16_t TxtFontScript(word::Application& app, std::string_view text, int16_t subscript,
                      int16_t superscript);
// TXTATTRIB: 4 when all the text is bold, plus 2 when italic, plus 1 when single-underlined.
int16_t TxtAttrib(word::Application& app, std::string_view text);

}  // namespace docmark
