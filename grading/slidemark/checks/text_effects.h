// A shape's text seen as WordArt (TextEffect): its warp as a preset shape number, its font, its
// text and its gallery style. A missing slide or shape, or one without text, reads 0 and empty
// text; so does a value the file does not record (no warp, the gallery style).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// The text-effect attribute value: bold 2, then italic 4 added (bold italic 6).
int32_t TextEffectAttributes(int32_t bold, int32_t italic);

// TextEffect.PresetShape (MsoPresetTextEffectShape) equals `presetShape`.
bool CheckTxtEffectPreShape(const Presentation& p, int16_t slide, int16_t shape,
                            int32_t presetShape);
// TextEffect.FontName equals `name` exactly, FontSize equals `size` and the attribute value of
// FontBold and FontItalic equals `attributes`.
bool CheckShapeTxtEffectFont(const Presentation& p, int16_t slide, int16_t shape,
                             std::string_view name, float size, int32_t attributes);
// TextEffect.Text equals `text`, case-sensitive.
bool CheckShapeTxtEffectText(const Presentation& p, int16_t slide, int16_t shape,
                             std::string_view text);
// TextEffect.PresetTextEffect (MsoPresetTextEffect) equals `presetEffect`.
bool CheckShapeTxtEffect(const Presentation& p, int16_t slide, int16_t shape, int32_t presetEffect);

}  // namespace slidemark
