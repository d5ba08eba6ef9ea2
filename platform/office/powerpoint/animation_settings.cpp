// The older per-shape animation settings over a shape's build on the slide's timeline.
#include "platform/office/powerpoint/animation_settings.h"

#include <algorithm>
#include <string_view>

#include "platform/office/drawingml/xml.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"

namespace powerpoint {

int32_t AnimationSettings::Animate() const {
  return BuildEffect() != nullptr ? msoTrue : msoFalse;
}

int32_t AnimationSettings::AnimationOrder() const {
  return build_ != nullptr ? build_->order : 0;
}

base::Result<int32_t> AnimationSettings::EntryEffect() const {
  const Effect* effect = BuildEffect();
  if (effect == nullptr) return static_cast<int32_t>(ppEffectNone);
  if (effect->PresetClass() != "entr")
    return NotAvailable("a \"", effect->PresetClass(), "\" effect has no entry effect");
  const std::optional<int32_t> entry = EntryEffectOf(effect->EffectType(), effect->PresetSubtype(),
                                                     effect->Timing().Duration().value_or(0.5f));
  if (!entry)
    return NotAvailable("effect type ", effect->EffectType(), " direction ",
                        effect->PresetSubtype(), " has no entry effect");
  return *entry;
}

int32_t AnimationSettings::AdvanceMode() const {
  const Effect* effect = BuildEffect();
  if (effect == nullptr) return ppAdvanceOnClick;
  const int32_t trigger = effect->Timing().TriggerType();
  return trigger == msoAnimTriggerWithPrevious || trigger == msoAnimTriggerAfterPrevious
             ? ppAdvanceOnTime
             : ppAdvanceOnClick;
}

base::Result<float> AnimationSettings::AdvanceTime() const {
  const Effect* effect = BuildEffect();
  if (effect == nullptr) return 0.0f;
  return effect->Timing().TriggerDelayTime();
}

AfterEffectRead AnimationSettings::After() const {
  const Effect* effect = BuildEffect();
  if (effect == nullptr) return {};
  if (effect->AfterEffect().effect != ppAfterEffectNothing) return effect->AfterEffect();
  return build_->laterAfterEffect;
}

int32_t AnimationSettings::AfterEffect() const {
  return After().effect;
}

base::Result<ColorFormat> AnimationSettings::DimColor() const {
  const AfterEffectRead after = After();
  if (after.effect != ppAfterEffectDim || !after.dimColor)
    return NotAvailable("the shape is not dimmed after its animation");
  return ColorFormat(*after.dimColor);
}

int32_t AnimationSettings::TextLevelEffect() const {
  if (build_ == nullptr || !build_->buildParagraph) return ppAnimateLevelNone;
  const std::string_view build = build_->buildParagraph.attribute("build").value();
  if (build == "allAtOnce") return ppAnimateByAllLevels;
  if (build == "cust") return ppAnimateLevelMixed;
  if (build != "p") return ppAnimateLevelNone;
  const int64_t level = drawingml::IntAttr(build_->buildParagraph, "bldLvl").value_or(1);
  return static_cast<int32_t>(
      std::clamp<int64_t>(level, ppAnimateByFirstLevel, ppAnimateByFifthLevel));
}

int32_t AnimationSettings::TextUnitEffect() const {
  const Effect* effect = BuildEffect();
  return effect != nullptr ? effect->TextUnitEffect() : ppAnimateByParagraph;
}

base::Result<SoundEffect> AnimationSettings::SoundEffect() const {
  const Effect* effect = BuildEffect();
  if (effect == nullptr || !effect->SoundName())
    return NotAvailable("the shape's animation plays no sound");
  return powerpoint::SoundEffect(*effect->SoundName());
}

}  // namespace powerpoint
