// Shape fills.
#include "grading/slidemark/checks/fills.h"

#include "grading/slidemark/checks/reads.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/vb/strings.h"

namespace slidemark {
namespace {

using powerpoint::FillFormat;

FillRead FillOf(const Presentation& p, int16_t slide, int16_t shape) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  if (onSlide == nullptr) return powerpoint::NoSuchMember("shape ", shape, " of slide ", slide);
  return onSlide->Fill();
}

int32_t ColorOf(const FillRead& fill,
                base::Result<powerpoint::ColorFormat> (FillFormat::*member)() const) {
  int32_t read = 0;
  if (!fill) return read;
  base::Result<powerpoint::ColorFormat> color = ((*fill).*member)();
  if (color) read = color->RGB();
  return read;
}

}  // namespace

int32_t FillNumber(const FillRead& fill, base::Result<int32_t> (FillFormat::*member)() const) {
  int32_t read = 0;
  if (fill) KeepRead(read, ((*fill).*member)());
  return read;
}

int32_t ForeColorOf(const FillRead& fill) {
  return ColorOf(fill, &FillFormat::ForeColor);
}

int32_t BackColorOf(const FillRead& fill) {
  return ColorOf(fill, &FillFormat::BackColor);
}

std::string TextureNameOf(const FillRead& fill) {
  std::string read;
  if (fill) KeepRead(read, fill->TextureName());
  return read;
}

bool PatternMatches(const FillRead& fill, int32_t pattern, int32_t foreColor, int32_t backColor) {
  return FillNumber(fill, &FillFormat::Pattern) == pattern && ForeColorOf(fill) == foreColor &&
         BackColorOf(fill) == backColor;
}

bool SameTextureName(std::string_view read, std::string_view expected) {
  return vb::LCase(read) == vb::LCase(expected);
}

int32_t CheckShapeFillColor(const Presentation& p, int16_t slide, int16_t shape) {
  return ForeColorOf(FillOf(p, slide, shape));
}

bool CheckShapePrstGrdentType(const Presentation& p, int16_t slide, int16_t shape, int32_t preset) {
  return FillNumber(FillOf(p, slide, shape), &FillFormat::PresetGradientType) == preset;
}

bool CheckShapeGradtStyle(const Presentation& p, int16_t slide, int16_t shape, int32_t style) {
  return FillNumber(FillOf(p, slide, shape), &FillFormat::GradientStyle) == style;
}

bool CheckShapeTextured(const Presentation& p, int16_t slide, int16_t shape, int32_t texture) {
  return FillNumber(FillOf(p, slide, shape), &FillFormat::PresetTexture) == texture;
}

bool CheckShapeTexturePicture(const Presentation& p, int16_t slide, int16_t shape,
                              std::string_view name) {
  return SameTextureName(TextureNameOf(FillOf(p, slide, shape)), name);
}

bool CheckShapeFillPattern(const Presentation& p, int16_t slide, int16_t shape, int32_t pattern,
                           int32_t foreColor, int32_t backColor) {
  return PatternMatches(FillOf(p, slide, shape), pattern, foreColor, backColor);
}

}  // namespace slidemark
