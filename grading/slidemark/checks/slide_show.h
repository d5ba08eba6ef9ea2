// The presentation's slide show settings (SlideShowSettings): how the show is presented, its
// switches summed into one number, which slides it runs, the pen's colour and how it advances.
// A read that fails leaves its value at 0.
#pragma once

#include <cstdint>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// ShowType (PpSlideShowType).
bool CheckSlideShowSettingShowType(const Presentation& p, int32_t showType);
// LoopUntilStopped 1 + ShowWithNarration 2 + ShowWithAnimation 6 (so each of 0, 1, 2, 3, 6, 7,
// 8 and 9 names one combination) equals the sum.
bool CheckSlideShowSettingOption(const Presentation& p, int32_t sum);
// RangeType (PpSlideShowRangeType).
bool CheckSlideShowSettingRangeType(const Presentation& p, int32_t rangeType);
// StartingSlide and EndingSlide both equal.
bool CheckSlideShowSettingRange(const Presentation& p, int32_t first, int32_t last);
// PointerColor.RGB.
bool CheckSlideShowPointerColor(const Presentation& p, int32_t color);
// AdvanceMode (PpSlideShowAdvanceMode).
bool CheckSlideShowSettingAdvanceMode(const Presentation& p, int32_t mode);

}  // namespace slidemark
