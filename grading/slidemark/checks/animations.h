// Animation checks: a shape's older per-shape settings (Slides(slide).Shapes.Range(shape)
// .AnimationSettings: entry effect, order, advance mode and time, after effect, dim colour, text
// level and unit, sound, whether it is animated) and the effects of a slide's main sequence
// (Slides(slide).TimeLine.MainSequence(effect): type, trigger, delay, duration, repeat count).
// Every value read starts at 0 or empty text and keeps it when the slide, shape or effect is
// missing or the read fails, so an equality with 0 holds there.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// AnimationSettings.EntryEffect equals the effect.
bool CheckSetAnimation(const Presentation& p, int16_t slide, int16_t shape, int32_t effect);
// AnimationSettings.AnimationOrder; 0 for a shape that is missing or not animated.
int32_t CheckGetAnimationOrder(const Presentation& p, int16_t slide, int16_t shape);
// Both shapes are animated and the first one's order is less than the second one's.
bool CheckPptAnimationOrder(const Presentation& p, int16_t slide, int16_t first, int16_t second);
// AnimationSettings.AdvanceMode (the rule compares it with its last cell).
int32_t CheckShapeAnimationMode(const Presentation& p, int16_t slide, int16_t shape);
// AnimationSettings.AdvanceTime equals the time, exactly.
bool CheckShapeAnimationOnTime(const Presentation& p, int16_t slide, int16_t shape, float time);
// AnimationSettings.AfterEffect equals the after effect.
bool CheckSetAnimationEffect(const Presentation& p, int16_t slide, int16_t shape,
                             int32_t afterEffect);
// AnimationSettings.DimColor.RGB equals the colour.
bool CheckSetAnimationEffectColor(const Presentation& p, int16_t slide, int16_t shape, int32_t rgb);
// AnimationSettings.TextLevelEffect equals the level effect.
bool CheckSetAnimationEffectTextLevel(const Presentation& p, int16_t slide, int16_t shape,
                                      int32_t level);
// AnimationSettings.TextUnitEffect equals the unit effect.
bool CheckSetAnimationTextEffect(const Presentation& p, int16_t slide, int16_t shape, int32_t unit);
// AnimationSettings.SoundEffect.Name equals the name, case ignored.
bool CheckSetAnimationEffectSoundEffect(const Presentation& p, int16_t slide, int16_t shape,
                                        std::string_view sound);
// Slides(slide).Shapes(shape).AnimationSettings.Animate equals the flag (true is -1).
bool CheckSlideShapeIsAnimate(const Presentation& p, int16_t slide, int16_t shape, int32_t flag);

// MainSequence(effect).EffectType equals the effect type.
bool CheckSldAnimationSetting(const Presentation& p, int16_t slide, int16_t effect,
                              int32_t effectType);
// MainSequence(effect).Timing.TriggerType equals the trigger type.
bool CheckSldAnimationTrigger(const Presentation& p, int16_t slide, int16_t effect,
                              int32_t trigger);
// MainSequence(effect).Timing.TriggerDelayTime equals the delay, exactly.
bool CheckSldAnimationTriggerDelayTime(const Presentation& p, int16_t slide, int16_t effect,
                                       float delay);
// MainSequence(effect).Timing.Duration equals the duration, exactly.
bool CheckSldAnimationDuration(const Presentation& p, int16_t slide, int16_t effect,
                               float duration);
// MainSequence(effect).Timing.RepeatCount, rounded halves to even, equals the count.
bool CheckSldAnimationRepeatCount(const Presentation& p, int16_t slide, int16_t effect,
                                  int32_t count);

}  // namespace slidemark
