// A shape's size and position, in the units the answer workbooks write them.
#pragma once

#include <cstdint>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// Points to the workbooks' size unit: divided by 28.375 (not the 28.35 points of a centimetre),
// rounded to one decimal place as the number format rounds (halves away from zero), as a single.
// 141.875 points read 5, 150 points 5.3.
float SizeUnitsOf(double points);

// Height and width in size units equal the expected ones (0 and 0 hold for a missing shape).
bool CheckShapeDimention(const Presentation& p, int16_t slide, int16_t shape, float height,
                         float width);
// Left and top, rounded to whole points halves to even, equal the expected ones.
bool CheckShapePosition(const Presentation& p, int16_t slide, int16_t shape, int32_t left,
                        int32_t top);

}  // namespace slidemark
