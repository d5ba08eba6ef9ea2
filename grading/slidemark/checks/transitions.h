// Slide transitions: how the slide show enters one slide (Slides.Range(slide).SlideShowTransition)
// or, for the keywords that begin ALL, the transition set on the slide master, which stands for
// one applied to all slides. A missing slide, a read that fails and a sound that is not there
// leave the value at 0 or empty text, so each check then holds only for an expected 0 or "".
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// EntryEffect equals the effect (0 holds for a transition that does not read).
bool CheckSlideTransition(const Presentation& p, int16_t slide, int32_t effect);
// Speed (PpTransitionSpeed).
bool CheckSlideTransitionSpeed(const Presentation& p, int16_t slide, int32_t speed);
// AdvanceOnClick: -1 set, 0 not.
bool CheckSlideTransitionClick(const Presentation& p, int16_t slide, int32_t onClick);
// AdvanceTime in seconds, exactly.
bool CheckSlideTransitionModeOnTime(const Presentation& p, int16_t slide, float time);
// Duration in seconds, exactly.
bool CheckSlideTransitionDuration(const Presentation& p, int16_t slide, float duration);
// SoundEffect.Name, case ignored.
bool CheckSlideTransitionSoundEffect(const Presentation& p, int16_t slide, std::string_view sound);

// The same reads of SlideMaster.SlideShowTransition.
bool CheckAllSlideTransition(const Presentation& p, int32_t effect);
bool CheckAllSlideTransitionOnClick(const Presentation& p, int32_t onClick);
bool CheckAllSlideTransitionOnTime(const Presentation& p, float time);
bool CheckAllSlideTransitionDuration(const Presentation& p, float duration);
bool CheckAllSlideTransitionSpeed(const Presentation& p, int32_t speed);
bool CheckAllSlideTransitionSoundEffect(const Presentation& p, std::string_view sound);

}  // namespace slidemark
