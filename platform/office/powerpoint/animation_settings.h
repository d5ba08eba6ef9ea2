// A shape's AnimationSettings: the older per-shape view of its animation, derived from the
// slide's main sequence (timing.h). The shape's build effect (its first entrance effect, else
// its first effect) gives the entry effect, the advance mode and time, the text unit and the
// sound; the build's rank among the shapes' builds is the animation order; the p:bldP of the
// shape gives the text level; a hide or colour change after the effect, in it or in a later
// one, gives the after effect and the dim colour. A shape the main sequence leaves alone answers
// as a shape that is not animated.
#pragma once

#include <cstdint>

#include "platform/base/result.h"
#include "platform/office/powerpoint/action_settings.h"
#include "platform/office/powerpoint/text_range.h"
#include "platform/office/powerpoint/timing.h"

namespace powerpoint {

class AnimationSettings {
 public:
  // `build` is the shape's build on its slide's timeline; null for a shape without one.
  explicit AnimationSettings(const ShapeBuild* build) : build_(build) {}

  // msoTrue when the main sequence animates the shape.
  int32_t Animate() const;
  // The build's position among the slide's builds, from 1; 0 when not animated.
  int32_t AnimationOrder() const;
  // PpEntryEffect of the build effect and its direction; ppEffectNone when not animated. Fails
  // (not available) for a build that is no entrance effect or one the older settings have no
  // number for.
  base::Result<int32_t> EntryEffect() const;
  // PpAdvanceMode: on a click for a build that waits for one (or no build), on time for one
  // that starts with or after the previous effect.
  int32_t AdvanceMode() const;
  // The build effect's delay in seconds; 0 when not animated.
  base::Result<float> AdvanceTime() const;
  // PpAfterEffect: the build effect's own after effect, else one a later effect gives the shape.
  int32_t AfterEffect() const;
  // The colour of a dim; fails when the after effect is no dim.
  base::Result<ColorFormat> DimColor() const;
  // PpTextLevelEffect from the shape's p:bldP: build "whole" (or none) ppAnimateLevelNone,
  // "allAtOnce" ppAnimateByAllLevels, "p" its bldLvl (1 without one, at most the fifth),
  // "cust" ppAnimateLevelMixed.
  int32_t TextLevelEffect() const;
  // PpTextUnitEffect of the build effect's p:iterate (by paragraph without one).
  int32_t TextUnitEffect() const;
  // The sound the build effect plays; fails when it plays none.
  base::Result<powerpoint::SoundEffect> SoundEffect() const;

 private:
  const Effect* BuildEffect() const { return build_ != nullptr ? build_->effect : nullptr; }
  AfterEffectRead After() const;

  const ShapeBuild* build_;
};

}  // namespace powerpoint
