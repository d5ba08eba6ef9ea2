// A shape's fill: its colour, gradient, texture and pattern, read through
// Slides(slide).Shapes.Range(shape).Fill. A missing slide or shape, or a member the fill does not
// have (a pattern of a solid fill, a texture's name of an embedded picture), reads as 0 or empty
// text. The member reads here are shared with the background checks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/result.h"
#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;
using FillRead = base::Result<powerpoint::FillFormat>;

// One numeric member of a fill (PresetGradientType, GradientStyle, ...); 0 when the fill or the
// member cannot be read.
int32_t FillNumber(const FillRead& fill,
                   base::Result<int32_t> (powerpoint::FillFormat::*member)() const);
// ForeColor.RGB / BackColor.RGB; 0 when unread.
int32_t ForeColorOf(const FillRead& fill);
int32_t BackColorOf(const FillRead& fill);
// TextureName; "" when unread.
std::string TextureNameOf(const FillRead& fill);
// Pattern, ForeColor.RGB and BackColor.RGB, each read on its own, all equal the expected ones.
bool PatternMatches(const FillRead& fill, int32_t pattern, int32_t foreColor, int32_t backColor);
// Two texture names equal with letter case ignored.
bool SameTextureName(std::string_view read, std::string_view expected);

// The shape's Fill.ForeColor as an RGB number (0 when unread), for "= last".
int32_t CheckShapeFillColor(const Presentation& p, int16_t slide, int16_t shape);
bool CheckShapePrstGrdentType(const Presentation& p, int16_t slide, int16_t shape, int32_t preset);
bool CheckShapeGradtStyle(const Presentation& p, int16_t slide, int16_t shape, int32_t style);
bool CheckShapeTextured(const Presentation& p, int16_t slide, int16_t shape, int32_t texture);
bool CheckShapeTexturePicture(const Presentation& p, int16_t slide, int16_t shape,
                              std::string_view name);
bool CheckShapeFillPattern(const Presentation& p, int16_t slide, int16_t shape, int32_t pattern,
                           int32_t foreColor, int32_t backColor);

}  // namespace slidemark
