// Whole-slide structure: the number of slides, the number of shapes on a slide and a slide's
// layout.
#pragma once

#include <cstdint>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// Slides(slide).Layout equals the layout (0 holds for a missing slide).
bool CheckSlideLayout(const Presentation& p, int16_t slide, int16_t layout);
// Slides.Count equals the count.
bool CheckSlideNumber(const Presentation& p, int16_t count);
// Slides(slide).Shapes.Count equals the count (0 holds for a missing slide).
bool CheckShapeNumber(const Presentation& p, int16_t slide, int16_t count);

}  // namespace slidemark
