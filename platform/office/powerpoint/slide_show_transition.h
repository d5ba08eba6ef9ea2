// A slide's SlideShowTransition: how the slide show enters it, from the slide's p:transition
// (or the one an mc:AlternateContent stands for).
#pragma once

#include <cstdint>

#include <pugixml.hpp>

#include "platform/base/result.h"

namespace powerpoint {

class SlideShowTransition {
 public:
  // `slide` is the slide part's p:sld element; `slideIndex` names the slide in errors.
  SlideShowTransition(pugi::xml_node slide, int32_t slideIndex)
      : slide_(slide), slideIndex_(slideIndex) {}

  // PpEntryEffect of the transition element; ppEffectNone without one. Fails (unreadable) for
  // an element or direction the object model has no number for.
  base::Result<int32_t> EntryEffect() const;

 private:
  pugi::xml_node slide_;
  int32_t slideIndex_;
};

}  // namespace powerpoint
