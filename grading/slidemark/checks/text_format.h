// The font and alignment of one shape's whole text (SHAPETXTFONT..., TXTALIGNMENT), and the font
// reads the text searches share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// Bold 4, italic 2, underline 1, each counted when the switch reads true; a failed or mixed
// read counts nothing.
int32_t AttributeSum(const powerpoint::Font& font);
// Font.Name, Font.Size and Font.Color's RGB, each left at "" or 0 when the read fails.
std::string FontNameOf(const powerpoint::Font& font);
float FontSizeOf(const powerpoint::Font& font);
int32_t FontColorOf(const powerpoint::Font& font);

bool CheckShapeTxtFontName(const Presentation& p, int16_t slide, int16_t shape,
                           std::string_view fontName);
// The size rounded to a whole number, halves to even (10.5 reads 10, 11.5 reads 12).
bool CheckShapeTxtFontSize(const Presentation& p, int16_t slide, int16_t shape, int32_t size);
int32_t CheckShapeTxtFontAttrib(const Presentation& p, int16_t slide, int16_t shape);
// Unlike the others, false whenever a read fails, even for an expected 0.
bool CheckShapeTxtFontColor(const Presentation& p, int16_t slide, int16_t shape, int32_t rgb);
// ParagraphFormat.Alignment of the shape's text.
bool CheckTxtAlignment(const Presentation& p, int16_t slide, int16_t shape, int32_t alignment);

}  // namespace slidemark
