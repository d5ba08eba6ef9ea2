// A slide's TimeLine: the main animation sequence of its p:timing tree, as the object model
// walks it. The main sequence (the p:seq whose p:cTn has nodeType="mainSeq") holds click groups,
// each of effects that start with or after one another; every p:cTn with a presetClass below it
// is one Effect, in document order. Each effect is read once, when the slide's timeline is first
// asked for: its type (presetClass and presetID through the table in constants.cpp), its
// direction, the shape it targets, its timing, and what the older per-shape settings take from
// it (after effect, dim colour, text unit, sound; animation_settings.h). After effects are
// hides and colour changes of an animated shape: inside its own effect (marked afterEffect, or a
// hide ending an entrance), inside a later effect on another shape, or beside the effects in a
// click group.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"

namespace powerpoint {

class Shape;      // shapes.h
class SlidePart;  // slide_part.h

// Effect.Timing. Times are in seconds, as the file's milliseconds / 1000.
class Timing {
 public:
  // MsoAnimTriggerType of the effect's nodeType: clickEffect on a page click, withEffect with
  // the previous effect, afterEffect after it; msoAnimTriggerNone for any other.
  int32_t TriggerType() const { return triggerType_; }
  // The delay of the effect's own start condition (0 without one); fails for "indefinite" or a
  // value that is no time.
  const base::Result<float>& TriggerDelayTime() const { return delay_; }
  // The effect's dur, else the longest dur of the behaviours that make the effect (its after
  // effects left out); fails when none has one.
  const base::Result<float>& Duration() const { return duration_; }
  // repeatCount / 1000 (1 without one); fails for "indefinite" (until the next click or the end
  // of the slide) or a value that is no number.
  const base::Result<float>& RepeatCount() const { return repeatCount_; }

 private:
  friend class TimeLine;
  int32_t triggerType_ = 0;
  base::Result<float> delay_ = 0.0f;
  base::Result<float> duration_ = 0.0f;
  base::Result<float> repeatCount_ = 1.0f;
};

// What follows an effect on its shape: PpAfterEffect and, for a dim, the colour (automation
// value, red in the low byte).
struct AfterEffectRead {
  int32_t effect = 0;
  std::optional<int32_t> dimColor;
};

class Effect {
 public:
  // MsoAnimEffect; msoAnimEffectCustom for a custom effect or a preset without a number.
  int32_t EffectType() const { return effectType_; }
  // The presetClass as written ("entr", "exit", "emph", "path", ...).
  const std::string& PresetClass() const { return presetClass_; }
  bool Exit() const { return presetClass_ == "exit"; }
  // presetSubtype: the direction, "in"/"out", or the spokes of a wheel (0 without one).
  int32_t PresetSubtype() const { return presetSubtype_; }
  // The p:cNvPr id of the shape the effect animates (its first p:spTgt); 0 for none.
  int32_t ShapeId() const { return shapeId_; }
  // That shape among the slide's shapes and their group members; fails when there is none.
  base::Result<const powerpoint::Shape*> Shape() const;
  const powerpoint::Timing& Timing() const { return timing_; }
  // The text unit of a p:iterate: PpTextUnitEffect (by paragraph without one).
  int32_t TextUnitEffect() const { return textUnit_; }
  // The name of the sound the effect plays (a p:audio's p:sndTgt); none without one.
  const std::optional<std::string>& SoundName() const { return sound_; }
  // The p:bldP group this effect belongs to (grpId).
  int32_t GroupId() const { return groupId_; }
  // After effects of the effect's own shape written inside this effect.
  const AfterEffectRead& AfterEffect() const { return after_; }

 private:
  friend class TimeLine;
  const SlidePart* owner_ = nullptr;
  int32_t effectType_ = 0;
  std::string presetClass_;
  int32_t presetSubtype_ = 0;
  int32_t shapeId_ = 0;
  int32_t groupId_ = 0;
  int32_t textUnit_ = 0;
  std::optional<std::string> sound_;
  AfterEffectRead after_;
  powerpoint::Timing timing_;
};

// TimeLine.MainSequence.
class Sequence {
 public:
  int32_t Count() const { return static_cast<int32_t>(effects_.size()); }
  // By position from 1; fails when there is no such effect.
  base::Result<const Effect*> Item(int32_t index) const;
  auto begin() const { return effects_.begin(); }
  auto end() const { return effects_.end(); }

 private:
  friend class TimeLine;
  std::vector<Effect> effects_;
};

// How a shape is built in the slide show, as the older per-shape settings see it: its build
// effect (its first entrance effect of the main sequence, else its first effect), the build's
// position among the shapes' builds, the after effect a later effect gives it and its p:bldP.
struct ShapeBuild {
  const Effect* effect = nullptr;
  int32_t order = 0;  // from 1
  AfterEffectRead laterAfterEffect;
  pugi::xml_node buildParagraph;  // p:bldP of the shape and the effect's group; may be empty
};

class TimeLine {
 public:
  TimeLine() = default;
  // Builds point into the sequence: moved, never copied.
  TimeLine(TimeLine&&) = default;
  TimeLine& operator=(TimeLine&&) = default;
  TimeLine(const TimeLine&) = delete;
  TimeLine& operator=(const TimeLine&) = delete;

  // The timeline of a slide (or layout, or master) part: its p:timing, or the one its first
  // mc:AlternateContent stands for. A part without one has an empty main sequence.
  static TimeLine Read(const SlidePart& part);

  const Sequence& MainSequence() const { return main_; }
  // The build of the shape with that p:cNvPr id; null for a shape the main sequence leaves
  // alone.
  const ShapeBuild* BuildOf(int32_t shapeId) const;

 private:
  // The first after effect found outside the shape's own effects.
  void KeepLaterAfterEffect(int32_t shapeId, const AfterEffectRead& after);

  Sequence main_;
  std::unordered_map<int32_t, ShapeBuild> builds_;
};

}  // namespace powerpoint
