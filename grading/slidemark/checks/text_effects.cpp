// WordArt of shapes.
#include "grading/slidemark/checks/text_effects.h"

#include <optional>
#include <string>

#include "grading/slidemark/checks/reads.h"

namespace slidemark {
namespace {

std::optional<powerpoint::TextEffectFormat> EffectOf(const Presentation& p, int16_t slide,
                                                     int16_t shape) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  if (onSlide == nullptr) return std::nullopt;
  base::Result<powerpoint::TextEffectFormat> effect = onSlide->TextEffect();
  if (!effect) return std::nullopt;
  return *effect;
}

}  // namespace

int32_t TextEffectAttributes(int32_t bold, int32_t italic) {
  int32_t value = 0;
  if (bold == powerpoint::msoTrue) value = 2;
  if (italic == powerpoint::msoTrue) value += 4;
  return value;
}

bool CheckTxtEffectPreShape(const Presentation& p, int16_t slide, int16_t shape,
                            int32_t presetShape) {
  int32_t read = 0;
  if (std::optional<powerpoint::TextEffectFormat> effect = EffectOf(p, slide, shape))
    KeepRead(read, effect->PresetShape());
  return read == presetShape;
}

bool CheckShapeTxtEffectFont(const Presentation& p, int16_t slide, int16_t shape,
                             std::string_view name, float size, int32_t attributes) {
  std::string readName;
  float readSize = 0;
  int32_t bold = 0;
  int32_t italic = 0;
  if (std::optional<powerpoint::TextEffectFormat> effect = EffectOf(p, slide, shape)) {
    KeepRead(readName, effect->FontName());
    KeepRead(readSize, effect->FontSize());
    KeepRead(bold, effect->FontBold());
    KeepRead(italic, effect->FontItalic());
  }
  return readName == name && readSize == size && TextEffectAttributes(bold, italic) == attributes;
}

bool CheckShapeTxtEffectText(const Presentation& p, int16_t slide, int16_t shape,
                             std::string_view text) {
  std::string read;
  if (std::optional<powerpoint::TextEffectFormat> effect = EffectOf(p, slide, shape))
    read = effect->Text();
  return read == text;
}

bool CheckShapeTxtEffect(const Presentation& p, int16_t slide, int16_t shape,
                         int32_t presetEffect) {
  int32_t read = 0;
  if (std::optional<powerpoint::TextEffectFormat> effect = EffectOf(p, slide, shape))
    KeepRead(read, effect->PresetTextEffect());
  return read == presetEffect;
}

}  // namespace slidemark
