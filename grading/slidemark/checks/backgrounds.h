// Slide and master backgrounds: gradient colour type, preset gradient, gradient style, preset
// texture, texture picture and pattern of Slides(slide).Background.Fill, and of
// SlideMaster.Background.Fill for the keywords that stand for a background applied to all
// slides. A missing slide reads as 0 or empty text, as do members the fill does not have.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "grading/slidemark/checks/fills.h"

namespace slidemark {

bool CheckPptGradientColorType(const Presentation& p, int16_t slide, int32_t type);
bool CheckPrstGrdentType(const Presentation& p, int16_t slide, int32_t preset);
bool CheckGradtStyle(const Presentation& p, int16_t slide, int32_t style);
bool CheckPptTextured(const Presentation& p, int16_t slide, int32_t texture);
// The texture's name, case ignored.
bool CheckPptFillTexturePicture(const Presentation& p, int16_t slide, std::string_view name);
bool CheckPptFillTexturePattern(const Presentation& p, int16_t slide, int32_t pattern,
                                int32_t foreColor, int32_t backColor);

// The master's preset texture; any failed read fails the check, also for an expected 0.
bool CheckAllSlidesBgTexture(const Presentation& p, int32_t texture);
bool CheckAllSlidesPrstGrdentType(const Presentation& p, int32_t preset);
bool CheckAllSlidesGradtStyle(const Presentation& p, int32_t style);
// The master's preset texture number written in decimal ("-2", "12"; 0 when unread) equals the
// expected text exactly, so "012" is no match for 12.
bool CheckPptFillTexturePictureAll(const Presentation& p, std::string_view texture);
bool CheckPptFillTexturePatternAll(const Presentation& p, int32_t pattern, int32_t foreColor,
                                   int32_t backColor);

}  // namespace slidemark
