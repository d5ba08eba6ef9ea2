// Slide and master backgrounds.
#include "grading/slidemark/checks/backgrounds.h"

#include "grading/slidemark/checks/reads.h"
#include "platform/office/powerpoint/errors.h"

namespace slidemark {
namespace {

using powerpoint::FillFormat;

FillRead BackgroundOf(const Presentation& p, int16_t slide) {
  const powerpoint::Slide* onSlide = SlideAt(p, slide);
  if (onSlide == nullptr) return powerpoint::NoSuchMember("slide ", slide);
  return onSlide->Background().Fill();
}

FillRead MasterBackground(const Presentation& p) {
  base::Result<const powerpoint::Master*> master = p.SlideMaster();
  if (!master) return master.error();
  return (*master)->Background().Fill();
}

}  // namespace

bool CheckPptGradientColorType(const Presentation& p, int16_t slide, int32_t type) {
  return FillNumber(BackgroundOf(p, slide), &FillFormat::GradientColorType) == type;
}

bool CheckPrstGrdentType(const Presentation& p, int16_t slide, int32_t preset) {
  return FillNumber(BackgroundOf(p, slide), &FillFormat::PresetGradientType) == preset;
}

bool CheckGradtStyle(const Presentation& p, int16_t slide, int32_t style) {
  return FillNumber(BackgroundOf(p, slide), &FillFormat::GradientStyle) == style;
}

bool CheckPptTextured(const Presentation& p, int16_t slide, int32_t texture) {
  return FillNumber(BackgroundOf(p, slide), &FillFormat::PresetTexture) == texture;
}

bool CheckPptFillTexturePicture(const Presentation& p, int16_t slide, std::string_view name) {
  return SameTextureName(TextureNameOf(BackgroundOf(p, slide)), name);
}

bool CheckPptFillTexturePattern(const Presentation& p, int16_t slide, int32_t pattern,
                                int32_t foreColor, int32_t backColor) {
  return PatternMatches(BackgroundOf(p, slide), pattern, foreColor, backColor);
}

bool CheckAllSlidesBgTexture(const Presentation& p, int32_t texture) {
  const FillRead fill = MasterBackground(p);
  if (!fill) return false;
  base::Result<int32_t> read = fill->PresetTexture();
  return read && *read == texture;
}

bool CheckAllSlidesPrstGrdentType(const Presentation& p, int32_t preset) {
  return FillNumber(MasterBackground(p), &FillFormat::PresetGradientType) == preset;
}

bool CheckAllSlidesGradtStyle(const Presentation& p, int32_t style) {
  return FillNumber(MasterBackground(p), &FillFormat::GradientStyle) == style;
}

bool CheckPptFillTexturePictureAll(const Presentation& p, std::string_view texture) {
  return std::to_string(FillNumber(MasterBackground(p), &FillFormat::PresetTexture)) == texture;
}

bool CheckPptFillTexturePatternAll(const Presentation& p, int32_t pattern, int32_t foreColor,
                                   int32_t backColor) {
  return PatternMatches(MasterBackground(p), pattern, foreColor, backColor);
}

}  // namespace slidemark
