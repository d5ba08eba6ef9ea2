// A slide's or a master's SlideShowTransition: how the slide show enters the slide and when it
// leaves it, from the part's p:transition (or the one an mc:AlternateContent stands for), with
// the file format's defaults for what the element leaves out.
#pragma once

#include <cstdint>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/powerpoint/action_settings.h"

namespace powerpoint {

class SlideShowTransition {
 public:
  // `part` is the p:sld or p:sldMaster element; `slideIndex` names the slide in errors, 0 the
  // master.
  SlideShowTransition(pugi::xml_node part, int32_t slideIndex);

  // PpEntryEffect of the transition element; ppEffectNone without one. Fails (unreadable) for
  // an element or direction the object model has no number for.
  base::Result<int32_t> EntryEffect() const;
  // PpTransitionSpeed of spd; ppTransitionSpeedFast without it.
  base::Result<int32_t> Speed() const;
  // msoTrue unless advClick is false.
  base::Result<int32_t> AdvanceOnClick() const;
  // msoTrue when advTm is set.
  base::Result<int32_t> AdvanceOnTime() const;
  // advTm in seconds; 0 without it.
  base::Result<float> AdvanceTime() const;
  // p14:dur in seconds; without it the length the speed stands for (fast 0.5, medium 0.75,
  // slow 1).
  base::Result<float> Duration() const;
  // The sound the transition starts (p:sndAc/p:stSnd/p:snd); fails (not available) without one.
  base::Result<powerpoint::SoundEffect> SoundEffect() const;

 private:
  // An error naming the slide (or the master) and what in its transition is unreadable.
  base::Error UnreadableAttribute(const char* attribute) const;

  pugi::xml_node transition_;  // empty when the part has none
  int32_t slideIndex_;
};

}  // namespace powerpoint
