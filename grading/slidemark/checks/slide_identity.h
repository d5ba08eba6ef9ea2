// Slide identity and template: a slide's SlideID (inserted or swapped slides are told by their
// identifiers) and the presentation's TemplateName.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// Slides(slide).SlideID; 0 for a missing slide.
int32_t CheckGetSlideId(const Presentation& p, int16_t slide);
// The slide's identifier equals the expected one (0 holds for a missing slide).
bool CheckInsertSlide(const Presentation& p, int16_t slide, int32_t id);
// Both slides exist and b's identifier is smaller than a's: b was made before a, so the two
// stand swapped.
bool CheckSlideSwap(const Presentation& p, int16_t a, int16_t b);
// TemplateName equals the name, case-sensitive.
bool CheckTemplateApply(const Presentation& p, std::string_view name);

}  // namespace slidemark
