// Whether a text occurs in the candidate's presentation and how the found text is formatted,
// located three ways: the text range's own Find over every slide (FINDTEXT and the PPTTXT
// keywords, case ignored as Find ignores it), a case-sensitive search of the shapes of one slide
// (FINDTEXTINSLIDE...), and of one shape (FINDTEXTINSLIDESHAPE...).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// Some shape with a text frame, on any slide, finds the text.
bool CheckFindText(const Presentation& p, std::string_view text);
// Some found occurrence has the font name / the size.
bool CheckPptTxtFont(const Presentation& p, std::string_view text, std::string_view fontName);
bool CheckPptTxtFontSize(const Presentation& p, std::string_view text, float size);
// The attribute sum (bold 4, italic 2, underline 1) of the first occurrence that has one; 0
// when none has.
int32_t CheckPptTxtAttrib(const Presentation& p, std::string_view text);
// The colour (RGB number) of the first occurrence; 0 when the text is found nowhere.
int32_t CheckPptTxtColor(const Presentation& p, std::string_view text);

// Some shape of the slide has text containing the text, case-sensitive.
bool CheckFindTextInSlide(const Presentation& p, int16_t slide, std::string_view text);
// The first shape of the slide whose text contains the text decides, by the font of its whole
// text: name and size / colour.
bool CheckFindTextInSlideFont(const Presentation& p, int16_t slide, std::string_view text,
                              std::string_view fontName, float size);
bool CheckFindTextInSlideFontColor(const Presentation& p, int16_t slide, std::string_view text,
                                   int32_t rgb);

// The shape's text contains the text, case-sensitive.
bool CheckFindTextInSlideShape(const Presentation& p, int16_t slide, int16_t shape,
                               std::string_view text);
// The text occurs in the shape and its first occurrence's characters have the font name and
// size / the colour.
bool CheckFindTextInSlideShapeFont(const Presentation& p, int16_t slide, int16_t shape,
                                   std::string_view text, std::string_view fontName, float size);
bool CheckFindTextInSlideShapeFontColor(const Presentation& p, int16_t slide, int16_t shape,
                                        std::string_view text, int32_t rgb);

}  // namespace slidemark
