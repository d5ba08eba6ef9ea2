// Slide and master transitions: each check reads one member of the transition and compares it.
#include "grading/slidemark/checks/transitions.h"

#include <optional>
#include <string>

#include "grading/slidemark/checks/reads.h"

namespace slidemark {
namespace {

using powerpoint::SlideShowTransition;
using Transition = std::optional<SlideShowTransition>;

Transition OfSlide(const Presentation& p, int16_t slide) {
  const powerpoint::Slide* onSlide = SlideAt(p, slide);
  if (onSlide == nullptr) return std::nullopt;
  return onSlide->SlideShowTransition();
}

Transition OfMaster(const Presentation& p) {
  base::Result<const powerpoint::Master*> master = p.SlideMaster();
  if (!master) return std::nullopt;
  return (*master)->SlideShowTransition();
}

// One member read as the check reads it: its starting value unless the transition is there and
// the read succeeds.
template <class T, class Read>
T Member(const Transition& transition, Read read) {
  T value{};
  if (transition) KeepRead(value, ((*transition).*read)());
  return value;
}

bool SoundIs(const Transition& transition, std::string_view sound) {
  std::string name;
  if (transition) {
    base::Result<powerpoint::SoundEffect> effect = transition->SoundEffect();
    if (effect) name = effect->Name();
  }
  return SameIgnoringCase(name, sound);
}

}  // namespace

bool CheckSlideTransition(const Presentation& p, int16_t slide, int32_t effect) {
  return Member<int32_t>(OfSlide(p, slide), &SlideShowTransition::EntryEffect) == effect;
}

bool CheckSlideTransitionSpeed(const Presentation& p, int16_t slide, int32_t speed) {
  return Member<int32_t>(OfSlide(p, slide), &SlideShowTransition::Speed) == speed;
}

bool CheckSlideTransitionClick(const Presentation& p, int16_t slide, int32_t onClick) {
  return Member<int32_t>(OfSlide(p, slide), &SlideShowTransition::AdvanceOnClick) == onClick;
}

bool CheckSlideTransitionModeOnTime(const Presentation& p, int16_t slide, float time) {
  return Member<float>(OfSlide(p, slide), &SlideShowTransition::AdvanceTime) == time;
}

bool CheckSlideTransitionDuration(const Presentation& p, int16_t slide, float duration) {
  return Member<float>(OfSlide(p, slide), &SlideShowTransition::Duration) == duration;
}

bool CheckSlideTransitionSoundEffect(const Presentation& p, int16_t slide, std::string_view sound) {
  return SoundIs(OfSlide(p, slide), sound);
}

bool CheckAllSlideTransition(const Presentation& p, int32_t effect) {
  return Member<int32_t>(OfMaster(p), &SlideShowTransition::EntryEffect) == effect;
}

bool CheckAllSlideTransitionOnClick(const Presentation& p, int32_t onClick) {
  return Member<int32_t>(OfMaster(p), &SlideShowTransition::AdvanceOnClick) == onClick;
}

bool CheckAllSlideTransitionOnTime(const Presentation& p, float time) {
  return Member<float>(OfMaster(p), &SlideShowTransition::AdvanceTime) == time;
}

bool CheckAllSlideTransitionDuration(const Presentation& p, float duration) {
  return Member<float>(OfMaster(p), &SlideShowTransition::Duration) == duration;
}

bool CheckAllSlideTransitionSpeed(const Presentation& p, int32_t speed) {
  return Member<int32_t>(OfMaster(p), &SlideShowTransition::Speed) == speed;
}

bool CheckAllSlideTransitionSoundEffect(const Presentation& p, std::string_view sound) {
  return SoundIs(OfMaster(p), sound);
}

}  // namespace slidemark
