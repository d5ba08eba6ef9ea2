// A shape's line: its weight, dash style and colour, each a number of the object model compared
// with the expected one. A missing slide or shape, or a shape with no line of its own (a group,
// a table), reads 0.
#pragma once

#include <cstdint>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// Line.Weight in points, rounded halves to even (2.5 reads 2), equals `weight`.
bool CheckLineWeight(const Presentation& p, int16_t slide, int16_t shape, int32_t weight);
// Line.DashStyle (MsoLineDashStyle) equals `dashStyle`.
bool CheckLineStyle(const Presentation& p, int16_t slide, int16_t shape, int32_t dashStyle);
// Line.ForeColor.RGB; 0 when it cannot be read (no line drawn).
int32_t CheckLineColor(const Presentation& p, int16_t slide, int16_t shape);

}  // namespace slidemark
