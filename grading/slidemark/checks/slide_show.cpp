// Slide show settings, read afresh on every check.
#include "grading/slidemark/checks/slide_show.h"

#include <optional>

#include "grading/slidemark/checks/reads.h"

namespace slidemark {
namespace {

using powerpoint::SlideShowSettings;
using Settings = std::optional<SlideShowSettings>;

Settings Of(const Presentation& p) {
  base::Result<SlideShowSettings> settings = p.SlideShowSettings();
  if (!settings) return std::nullopt;
  return *settings;
}

int32_t Read(const Settings& settings, base::Result<int32_t> (SlideShowSettings::*read)() const) {
  int32_t value = 0;
  if (settings) KeepRead(value, ((*settings).*read)());
  return value;
}

int32_t Read(const Settings& settings, int32_t (SlideShowSettings::*read)() const) {
  return settings ? ((*settings).*read)() : 0;
}

}  // namespace

bool CheckSlideShowSettingShowType(const Presentation& p, int32_t showType) {
  return Read(Of(p), &SlideShowSettings::ShowType) == showType;
}

bool CheckSlideShowSettingOption(const Presentation& p, int32_t sum) {
  const Settings settings = Of(p);
  int32_t read = 0;
  if (Read(settings, &SlideShowSettings::LoopUntilStopped) != 0) read = 1;
  if (Read(settings, &SlideShowSettings::ShowWithNarration) != 0) read += 2;
  if (Read(settings, &SlideShowSettings::ShowWithAnimation) != 0) read += 6;
  return read == sum;
}

bool CheckSlideShowSettingRangeType(const Presentation& p, int32_t rangeType) {
  return Read(Of(p), &SlideShowSettings::RangeType) == rangeType;
}

bool CheckSlideShowSettingRange(const Presentation& p, int32_t first, int32_t last) {
  const Settings settings = Of(p);
  return Read(settings, &SlideShowSettings::StartingSlide) == first &&
         Read(settings, &SlideShowSettings::EndingSlide) == last;
}

bool CheckSlideShowPointerColor(const Presentation& p, int32_t color) {
  int32_t read = 0;
  if (const Settings settings = Of(p)) {
    base::Result<powerpoint::ColorFormat> pointer = settings->PointerColor();
    if (pointer) read = pointer->RGB();
  }
  return read == color;
}

bool CheckSlideShowSettingAdvanceMode(const Presentation& p, int32_t mode) {
  return Read(Of(p), &SlideShowSettings::AdvanceMode) == mode;
}

}  // namespace slidemark
