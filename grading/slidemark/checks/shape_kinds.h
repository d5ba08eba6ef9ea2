// What kind of shape a shape is: media type, auto-shape type, shape type and what its
// placeholder holds, each a number of the object model's own enumerations.
#pragma once

#include <cstdint>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// Each holds when the number read equals the expected one; a missing shape, or one the property
// does not apply to, reads 0.
bool CheckShapeMediaType(const Presentation& p, int16_t slide, int16_t shape, int32_t type);
// The same AutoShapeType, read through a one-shape range and through the shape.
bool CheckInsertAutoShapeType(const Presentation& p, int16_t slide, int16_t shape, int32_t type);
bool CheckShapeAutoShapeType(const Presentation& p, int16_t slide, int16_t shape, int32_t type);
// Type (MsoShapeType).
bool CheckShapeTypeName(const Presentation& p, int16_t slide, int16_t shape, int32_t type);
// PlaceholderFormat.ContainedType (MsoShapeType of what the placeholder holds).
bool CheckShapePlaceholderTypeName(const Presentation& p, int16_t slide, int16_t shape,
                                   int32_t type);

}  // namespace slidemark
