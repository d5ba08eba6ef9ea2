// WordArt of shapes.
#include "grading/slidemark/checks/text_effects.h"

#include <optional>
#include <string>

#include "grading/slidemark/checks/reads.h"

namespace slidemark {
namespace {

using powerpoint::TextEffectFormat;

std::optional<TextEffectFormat> EffectOf(const Presentation& p, int16_t slide, int16_t shape) {
  return ShapeMember(p, slide, shape, &powerpoint::Shape::TextEffect);
}

// A numbered member of the text effect; 0 when it cannot be read.
int32_t EffectNumber(const Presentation& p, int16_t slide, int16_t shape,
                     base::Result<int32_t> (TextEffectFormat::*member)() const) {
  int32_t read = 0;
  if (std::optional<TextEffectFormat> effect = EffectOf(p, slide, shape))
    KeepRead(read, ((*effect).*member)());
  return read;
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
  return EffectNumber(p, slide, shape, &TextEffectFormat::PresetShape) == presetShape;
}

bool CheckShapeTxtEffectFont(const Presentation& p, int16_t slide, int16_t shape,
                             std::string_view name, float size, int32_t attributes) {
  std::string readName;
  float readSize = 0;
  int32_t bold = 0;
  int32_t italic = 0;
  if (std::optional<TextEffectFormat> effect = EffectOf(p, slide, shape)) {
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
  if (std::optional<TextEffectFormat> effect = EffectOf(p, slide, shape)) read = effect->Text();
  return read == text;
}

bool CheckShapeTxtEffect(const Presentation& p, int16_t slide, int16_t shape,
                         int32_t presetEffect) {
  return EffectNumber(p, slide, shape, &TextEffectFormat::PresetTextEffect) == presetEffect;
}

}  // namespace slidemark
