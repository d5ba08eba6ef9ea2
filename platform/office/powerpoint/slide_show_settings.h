// A presentation's SlideShowSettings: how its slide show is presented, which slides it runs, how
// it advances and the pen's colour, from p:showPr of ppt/presProps.xml, with the file format's
// defaults for whatever the part (or the whole part) leaves out.
#pragma once

#include <cstdint>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/color.h"
#include "platform/office/powerpoint/text_range.h"

namespace powerpoint {

class SlideShowSettings {
 public:
  // `showPr` is the p:showPr element (empty when the presentation has none); `slideCount` is
  // Slides.Count; `colors` resolves the pen's scheme colours (the first master's theme and
  // colour map).
  SlideShowSettings(pugi::xml_node showPr, int32_t slideCount, drawingml::Context colors)
      : showPr_(showPr), slideCount_(slideCount), colors_(colors) {}

  // PpSlideShowType: p:browse a window, p:kiosk a kiosk, p:present or none the speaker.
  int32_t ShowType() const;
  // MsoTriState of loop (false by default), showNarration (false), showAnimation (true).
  base::Result<int32_t> LoopUntilStopped() const;
  base::Result<int32_t> ShowWithNarration() const;
  base::Result<int32_t> ShowWithAnimation() const;
  // PpSlideShowRangeType: p:sldRg a range, p:custShow a named show, p:sldAll or none all.
  int32_t RangeType() const;
  // p:sldRg's st and end; 1 and Slides.Count for a show of all slides or a named show.
  base::Result<int32_t> StartingSlide() const;
  base::Result<int32_t> EndingSlide() const;
  // PpSlideShowAdvanceMode: useTimings (true by default) uses the slides' timings, false
  // advances by hand.
  base::Result<int32_t> AdvanceMode() const;
  // p:penClr; red when it is not set.
  base::Result<ColorFormat> PointerColor() const;

 private:
  base::Result<int32_t> Flag(const char* attribute, bool byDefault) const;
  base::Result<int32_t> RangeEnd(const char* attribute, int32_t whole) const;

  pugi::xml_node showPr_;
  int32_t slideCount_;
  drawingml::Context colors_;
};

}  // namespace powerpoint
