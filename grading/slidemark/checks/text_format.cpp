// A shape's font and alignment.
#include "grading/slidemark/checks/text_format.h"

#include "grading/slidemark/checks/reads.h"
#include "platform/base/rounding.h"

namespace slidemark {
namespace {

int32_t IfTrue(const base::Result<int32_t>& read, int32_t weight) {
  return read && *read == powerpoint::msoTrue ? weight : 0;
}

}  // namespace

int32_t AttributeSum(const powerpoint::Font& font) {
  return IfTrue(font.Bold(), 4) + IfTrue(font.Italic(), 2) + IfTrue(font.Underline(), 1);
}

std::string FontNameOf(const powerpoint::Font& font) {
  std::string name;
  KeepRead(name, font.Name());
  return name;
}

float FontSizeOf(const powerpoint::Font& font) {
  float size = 0;
  KeepRead(size, font.Size());
  return size;
}

int32_t FontColorOf(const powerpoint::Font& font) {
  base::Result<powerpoint::ColorFormat> color = font.Color();
  return color ? color->RGB() : 0;
}

bool CheckShapeTxtFontName(const Presentation& p, int16_t slide, int16_t shape,
                           std::string_view fontName) {
  std::optional<powerpoint::TextRange> text = TextRangeOf(ShapeAt(p, slide, shape));
  return (text ? FontNameOf(text->Font()) : std::string()) == fontName;
}

bool CheckShapeTxtFontSize(const Presentation& p, int16_t slide, int16_t shape, int32_t size) {
  std::optional<powerpoint::TextRange> text = TextRangeOf(ShapeAt(p, slide, shape));
  const float read = text ? FontSizeOf(text->Font()) : 0.0f;
  return base::RoundHalfEven(read) == size;
}

int32_t CheckShapeTxtFontAttrib(const Presentation& p, int16_t slide, int16_t shape) {
  std::optional<powerpoint::TextRange> text = TextRangeOf(ShapeAt(p, slide, shape));
  return text ? AttributeSum(text->Font()) : 0;
}

bool CheckShapeTxtFontColor(const Presentation& p, int16_t slide, int16_t shape, int32_t rgb) {
  std::optional<powerpoint::TextRange> text = TextRangeOf(ShapeAt(p, slide, shape));
  if (!text) return false;
  base::Result<powerpoint::ColorFormat> color = text->Font().Color();
  return color && color->RGB() == rgb;
}

bool CheckTxtAlignment(const Presentation& p, int16_t slide, int16_t shape, int32_t alignment) {
  std::optional<powerpoint::TextRange> text = TextRangeOf(ShapeAt(p, slide, shape));
  int32_t read = 0;
  if (text) KeepRead(read, text->ParagraphFormat().Alignment());
  return read == alignment;
}

}  // namespace slidemark
