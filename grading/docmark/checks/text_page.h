// Part A's checks on the formatting of a text found in the candidate's document (colour,
// animation, shading, emphasis mark, underline, scaling, shadow, direction, character border) and
// on document-wide page settings (grid of lines and characters, header and footer distances,
// page-number alignment, page background gradient).
//
// A text check first looks for its text with FindTextForward; when the text is not there it
// reads nothing, so its values stay at their start (0, or "" for a text) and are compared as
// such. Any read the document refuses leaves its value as it was and the check goes on. With no
// document open nothing is read. Truth values are engine::kTrue and engine::kFalse.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/word/application.h"

namespace docmark {

// TEXTCOL: the colour index of the found text, taken as a 16-bit number (0 when it does not fit,
// as for a colour that is none of the sixteen or a text of several colours).
int16_t TextColorIndex(word::Application& app, std::string_view text);

// TXTEFECT: the found text's animation is `animation`.
int16_t CheckTextAnimation(word::Application& app, std::string_view text, int32_t animation);

// TXTBACKGROUND: the background colour of the found text's shading is `color`.
int16_t CheckTextShadingColor(word::Application& app, std::string_view text, int32_t color);

// TXTSYMBOL: the found text's emphasis mark is `mark`.
int16_t CheckEmphasisMark(word::Application& app, std::string_view text, int32_t mark);

// TXTUNDERSYMBOL by mode: 1 the underline is not `underline`; 2 that, and the underline colour
// written as a number ("255") is `color`; 3 the underline is `underline`; 4 that and the colour;
// any other mode false.
int16_t CheckUnderline(word::Application& app, std::string_view text, int16_t mode,
                       int32_t underline, std::string_view color);

// STRLS: the found text's character scaling is `percent`.
int16_t CheckCharacterScaling(word::Application& app, std::string_view text, int32_t percent);

// STREFESHADOW: the found text's shadow is on (`shadow` true) or off.
int16_t CheckTextShadow(word::Application& app, std::string_view text, bool shadow);

// DIREHORORVER: the found text's direction (WdTextOrientation) is `orientation`.
int16_t CheckTextOrientation(word::Application& app, std::string_view text, int32_t orientation);

// The character border of the found text against the expected one, as a code: 1000 when its
// line style is `lineStyle`, + 100 its width `lineWidth`, + 10 its colour `color`, + 1 its shadow
// `shadow`.
int16_t TextBorderCode(word::Application& app, std::string_view text, int32_t lineStyle,
                       int32_t lineWidth, int32_t color, bool shadow);
// SELTXTBORDER: that code equals `code` (1111: all four as expected).
int16_t CheckTextBorder(word::Application& app, std::string_view text, int32_t lineStyle,
                        int32_t lineWidth, int32_t color, bool shadow, int16_t code);

// BACKSTYLEMODE: the page background is the preset gradient `gradient` (MsoPresetGradientType).
int16_t CheckBackgroundGradient(word::Application& app, int32_t gradient);

// DOCLINESTR by mode: 1 the document grid's lines per page are `lines`; 2 its characters per
// line are `characters`; 3 both; any other mode false.
int16_t CheckLinesAndCharacters(word::Application& app, int16_t mode, int16_t lines,
                                int16_t characters);

// HEADFOOTDISTANCE: the code 10 when the header stands exactly `header` points from the page's
// edge, + 1 when the footer stands exactly `footer` points from it, equals `code`.
int16_t CheckHeaderFooterDistance(word::Application& app, float header, float footer, int16_t code);

// YEMA: the first page number in the primary footer of the selection's section has the alignment
// `alignment` (WdPageNumberAlignment; 0 when there is none).
int16_t CheckPageNumberAlignment(word::Application& app, int16_t alignment);

}  // namespace docmark
