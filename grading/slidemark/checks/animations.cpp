// Animation settings of shapes and the effects of a slide's main sequence.
#include "grading/slidemark/checks/animations.h"

#include <optional>
#include <string>

#include "grading/slidemark/checks/reads.h"
#include "platform/base/rounding.h"
#include "platform/vb/strings.h"

namespace slidemark {
namespace {

using powerpoint::AnimationSettings;
using powerpoint::Effect;

// Slides(slide).Shapes.Range(shape).AnimationSettings; none when the shape is missing.
std::optional<AnimationSettings> SettingsOf(const Presentation& p, int16_t slide, int16_t shape) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  if (onSlide == nullptr) return std::nullopt;
  return onSlide->AnimationSettings();
}

// Slides(slide).TimeLine.MainSequence(effect); null when the slide or effect is missing.
const Effect* EffectAt(const Presentation& p, int16_t slide, int16_t effect) {
  const powerpoint::Slide* onSlide = SlideAt(p, slide);
  if (onSlide == nullptr) return nullptr;
  base::Result<const Effect*> found = onSlide->TimeLine().MainSequence().Item(effect);
  return found ? *found : nullptr;
}

// One whole-number setting of the shape, 0 when the shape is missing.
template <class Read>
int32_t SettingOf(const Presentation& p, int16_t slide, int16_t shape, Read read) {
  std::optional<AnimationSettings> settings = SettingsOf(p, slide, shape);
  return settings ? read(*settings) : 0;
}

// One time of the effect's Timing in seconds, 0 when the effect is missing or the read fails.
template <class Read>
float TimeOf(const Presentation& p, int16_t slide, int16_t effect, Read read) {
  float value = 0;
  if (const Effect* found = EffectAt(p, slide, effect)) KeepRead(value, read(found->Timing()));
  return value;
}

}  // namespace

bool CheckSetAnimation(const Presentation& p, int16_t slide, int16_t shape, int32_t effect) {
  int32_t read = 0;
  if (std::optional<AnimationSettings> settings = SettingsOf(p, slide, shape))
    KeepRead(read, settings->EntryEffect());
  return read == effect;
}

int32_t CheckGetAnimationOrder(const Presentation& p, int16_t slide, int16_t shape) {
  return SettingOf(p, slide, shape, [](const AnimationSettings& s) { return s.AnimationOrder(); });
}

bool CheckPptAnimationOrder(const Presentation& p, int16_t slide, int16_t first, int16_t second) {
  const int32_t a = CheckGetAnimationOrder(p, slide, first);
  const int32_t b = CheckGetAnimationOrder(p, slide, second);
  // A missing or unanimated shape reads order 0, which comes before any animated one; answer
  // workbooks are written against that.
  return a < b;
}

int32_t CheckShapeAnimationMode(const Presentation& p, int16_t slide, int16_t shape) {
  return SettingOf(p, slide, shape, [](const AnimationSettings& s) { return s.AdvanceMode(); });
}

bool CheckShapeAnimationOnTime(const Presentation& p, int16_t slide, int16_t shape, float time) {
  float read = 0;
  if (std::optional<AnimationSettings> settings = SettingsOf(p, slide, shape))
    KeepRead(read, settings->AdvanceTime());
  return read == time;
}

bool CheckSetAnimationEffect(const Presentation& p, int16_t slide, int16_t shape,
                             int32_t afterEffect) {
  return SettingOf(p, slide, shape, [](const AnimationSettings& s) { return s.AfterEffect(); }) ==
         afterEffect;
}

bool CheckSetAnimationEffectColor(const Presentation& p, int16_t slide, int16_t shape,
                                  int32_t rgb) {
  return SettingOf(p, slide, shape, [](const AnimationSettings& s) {
           base::Result<powerpoint::ColorFormat> colour = s.DimColor();
           return colour ? colour->RGB() : 0;
         }) == rgb;
}

bool CheckSetAnimationEffectTextLevel(const Presentation& p, int16_t slide, int16_t shape,
                                      int32_t level) {
  return SettingOf(p, slide, shape,
                   [](const AnimationSettings& s) { return s.TextLevelEffect(); }) == level;
}

bool CheckSetAnimationTextEffect(const Presentation& p, int16_t slide, int16_t shape,
                                 int32_t unit) {
  return SettingOf(p, slide, shape,
                   [](const AnimationSettings& s) { return s.TextUnitEffect(); }) == unit;
}

bool CheckSetAnimationEffectSoundEffect(const Presentation& p, int16_t slide, int16_t shape,
                                        std::string_view sound) {
  std::string read;
  if (std::optional<AnimationSettings> settings = SettingsOf(p, slide, shape)) {
    base::Result<powerpoint::SoundEffect> effect = settings->SoundEffect();
    if (effect) read = effect->Name();
  }
  return vb::LCase(read) == vb::LCase(sound);
}

bool CheckSlideShapeIsAnimate(const Presentation& p, int16_t slide, int16_t shape, int32_t flag) {
  return SettingOf(p, slide, shape, [](const AnimationSettings& s) { return s.Animate(); }) == flag;
}

bool CheckSldAnimationSetting(const Presentation& p, int16_t slide, int16_t effect,
                              int32_t effectType) {
  const Effect* found = EffectAt(p, slide, effect);
  return (found != nullptr ? found->EffectType() : 0) == effectType;
}

bool CheckSldAnimationTrigger(const Presentation& p, int16_t slide, int16_t effect,
                              int32_t trigger) {
  const Effect* found = EffectAt(p, slide, effect);
  return (found != nullptr ? found->Timing().TriggerType() : 0) == trigger;
}

bool CheckSldAnimationTriggerDelayTime(const Presentation& p, int16_t slide, int16_t effect,
                                       float delay) {
  return TimeOf(p, slide, effect,
                [](const powerpoint::Timing& t) { return t.TriggerDelayTime(); }) == delay;
}

bool CheckSldAnimationDuration(const Presentation& p, int16_t slide, int16_t effect,
                               float duration) {
  return TimeOf(p, slide, effect, [](const powerpoint::Timing& t) { return t.Duration(); }) ==
         duration;
}

bool CheckSldAnimationRepeatCount(const Presentation& p, int16_t slide, int16_t effect,
                                  int32_t count) {
  const float read =
      TimeOf(p, slide, effect, [](const powerpoint::Timing& t) { return t.RepeatCount(); });
  return base::RoundHalfEven(read) == count;
}

}  // namespace slidemark
