// Slide show settings from p:showPr: the attributes for the switches, the first child of each
// choice (present / browse / kiosk, sldAll / sldRg / custShow) for the kinds, p:penClr for the
// pen.
#include "platform/office/powerpoint/slide_show_settings.h"

#include <cstdint>
#include <optional>

#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/xml.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"

namespace powerpoint {
namespace {

using office::Attr;
using office::Child;

// The pen the program gives a new presentation.
constexpr int32_t kRedPen = 0x0000FF;

}  // namespace

base::Result<int32_t> SlideShowSettings::Flag(const char* attribute, bool byDefault) const {
  pugi::xml_attribute present = Attr(showPr_, attribute);
  if (!present) return byDefault ? msoTrue : msoFalse;
  std::optional<bool> value = drawingml::BoolAttr(showPr_, attribute);
  if (!value) return Unreadable("the slide show's ", attribute, " \"", present.value(), "\"");
  return *value ? msoTrue : msoFalse;
}

int32_t SlideShowSettings::ShowType() const {
  if (Child(showPr_, "browse")) return ppShowTypeWindow;
  if (Child(showPr_, "kiosk")) return ppShowTypeKiosk;
  return ppShowTypeSpeaker;
}

base::Result<int32_t> SlideShowSettings::LoopUntilStopped() const {
  return Flag("loop", false);
}

base::Result<int32_t> SlideShowSettings::ShowWithNarration() const {
  return Flag("showNarration", false);
}

base::Result<int32_t> SlideShowSettings::ShowWithAnimation() const {
  return Flag("showAnimation", true);
}

int32_t SlideShowSettings::RangeType() const {
  if (Child(showPr_, "sldRg")) return ppShowSlideRange;
  if (Child(showPr_, "custShow")) return ppShowNamedSlideShow;
  return ppShowAll;
}

base::Result<int32_t> SlideShowSettings::RangeEnd(const char* attribute, int32_t whole) const {
  pugi::xml_node range = Child(showPr_, "sldRg");
  if (!range) return whole;
  std::optional<int64_t> slide = drawingml::IntAttr(range, attribute);
  if (!slide || *slide < 0 || *slide > INT32_MAX)
    return Unreadable("the slide show's range ", attribute, " \"", Attr(range, attribute).value(),
                      "\"");
  return static_cast<int32_t>(*slide);
}

base::Result<int32_t> SlideShowSettings::StartingSlide() const {
  return RangeEnd("st", 1);
}

base::Result<int32_t> SlideShowSettings::EndingSlide() const {
  return RangeEnd("end", slideCount_);
}

base::Result<int32_t> SlideShowSettings::AdvanceMode() const {
  base::Result<int32_t> useTimings = Flag("useTimings", true);
  if (!useTimings) return useTimings.error();
  return *useTimings == msoTrue ? ppSlideShowUseSlideTimings : ppSlideShowManualAdvance;
}

base::Result<ColorFormat> SlideShowSettings::PointerColor() const {
  pugi::xml_node pen = Child(showPr_, "penClr");
  if (!pen) return ColorFormat(kRedPen);
  base::Result<drawingml::Color> color = drawingml::ReadRequiredColor(pen, colors_);
  if (!color) return Unreadable("the slide show's pen colour: ", color.error().message);
  return ColorFormat(color->Ole());
}

}  // namespace powerpoint
