// Shading and Border members over the values found.
#include "platform/office/word/shading_border.h"

#include "platform/office/word/mixed.h"

namespace word {

base::Result<int32_t> Shading::Texture() const {
  return CommonNumber(found_, [](const ShadingProps& s) { return s.texture; });
}

base::Result<int32_t> Shading::ForegroundPatternColor() const {
  return CommonNumber(found_, [](const ShadingProps& s) { return s.foreground.Ole(); });
}

base::Result<int32_t> Shading::BackgroundPatternColor() const {
  return CommonNumber(found_, [](const ShadingProps& s) { return s.background.Ole(); });
}

base::Result<int32_t> Shading::ForegroundPatternColorIndex() const {
  return CommonNumber(found_, [](const ShadingProps& s) { return s.foreground.Index(); });
}

base::Result<int32_t> Shading::BackgroundPatternColorIndex() const {
  return CommonNumber(found_, [](const ShadingProps& s) { return s.background.Index(); });
}

base::Result<int32_t> Border::LineStyle() const {
  return CommonNumber(found_, [](const BorderProps& b) { return b.lineStyle; });
}

base::Result<int32_t> Border::LineWidth() const {
  return CommonNumber(found_, [](const BorderProps& b) {
    return b.lineStyle == wdLineStyleNone || b.width == 0 ? static_cast<int32_t>(wdLineWidth050pt)
                                                          : b.width;
  });
}

base::Result<int32_t> Border::Color() const {
  return CommonNumber(found_, [](const BorderProps& b) { return b.color.Ole(); });
}

base::Result<int32_t> Border::ColorIndex() const {
  return CommonNumber(found_, [](const BorderProps& b) { return b.color.Index(); });
}

base::Result<int32_t> Border::Shadow() const {
  return CommonNumber(found_, [](const BorderProps& b) { return Truth(b.shadow); });
}

}  // namespace word
