// The transition: the one effect element of p:transition through the table in constants.cpp,
// and the element's attributes. Newer transitions are saved in an mc:Choice with an older one as
// Fallback for readers that do not know them; the Choice wins when its element has a number
// here, and its attributes (p14:dur among them) are the ones read.
#include "platform/office/powerpoint/slide_show_transition.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/xml.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"

namespace powerpoint {
namespace {

using office::Attr;
using office::Child;
using office::IsElement;

// The effect element of a p:transition: its first child that is no sound or extension list.
pugi::xml_node EffectElement(pugi::xml_node transition) {
  for (pugi::xml_node child = transition.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    if (IsElement(child, "sndAc") || IsElement(child, "extLst")) continue;
    return child;
  }
  return {};
}

// "slide 3", or "the slide master" for index 0.
std::string OwnerName(int32_t slideIndex) {
  return slideIndex == 0 ? std::string("the slide master") : "slide " + std::to_string(slideIndex);
}

base::Result<int32_t> EffectOf(pugi::xml_node transition, int32_t slideIndex) {
  pugi::xml_node effect = EffectElement(transition);
  if (!effect) return static_cast<int32_t>(ppEffectNone);
  const std::string_view name = office::LocalName(effect.name());
  std::optional<int32_t> number =
      TransitionEffectOf(name, [effect](std::string_view attribute) -> std::string_view {
        return Attr(effect, attribute).value();
      });
  if (!number) return Unreadable(OwnerName(slideIndex), ": transition \"", name, "\"");
  return *number;
}

// Milliseconds as the file writes them (xsd:unsignedInt) in seconds, converted as a decimal
// cell's text is, so that 1.1 s reads as the single 1.1.
std::optional<float> Seconds(pugi::xml_node node, std::string_view attribute) {
  std::optional<int64_t> ms = drawingml::IntAttr(node, attribute);
  if (!ms || *ms < 0 || *ms > UINT32_MAX) return std::nullopt;
  return static_cast<float>(static_cast<double>(*ms) / 1000.0);
}

// The seconds a speed stands for when no duration is written.
float SecondsOfSpeed(int32_t speed) {
  switch (speed) {
    case ppTransitionSpeedSlow:
      return 1.0f;
    case ppTransitionSpeedMedium:
      return 0.75f;
    default:
      return 0.5f;
  }
}

// The p:transition the slide show uses: the slide's own, else that of the first Choice of an
// mc:AlternateContent whose effect has a number, else that one's Fallback; empty when none.
pugi::xml_node TransitionOf(pugi::xml_node slide, int32_t slideIndex) {
  for (pugi::xml_node child = slide.first_child(); child; child = child.next_sibling()) {
    if (IsElement(child, "transition")) return child;
    if (!IsElement(child, "AlternateContent")) continue;
    pugi::xml_node unknown;
    for (pugi::xml_node choice = child.first_child(); choice; choice = choice.next_sibling()) {
      if (!IsElement(choice, "Choice")) continue;
      pugi::xml_node transition = Child(choice, "transition");
      if (!transition) continue;
      if (EffectOf(transition, slideIndex)) return transition;
      if (!unknown) unknown = transition;
    }
    if (pugi::xml_node fallback = Child(Child(child, "Fallback"), "transition")) return fallback;
    if (unknown) return unknown;
  }
  return {};
}

}  // namespace

SlideShowTransition::SlideShowTransition(pugi::xml_node part, int32_t slideIndex)
    : transition_(TransitionOf(part, slideIndex)), slideIndex_(slideIndex) {}

base::Error SlideShowTransition::UnreadableAttribute(const char* attribute) const {
  return Unreadable(OwnerName(slideIndex_), ": the transition's ", attribute, " \"",
                    Attr(transition_, attribute).value(), "\"");
}

base::Result<int32_t> SlideShowTransition::EntryEffect() const {
  if (!transition_) return static_cast<int32_t>(ppEffectNone);
  return EffectOf(transition_, slideIndex_);
}

base::Result<int32_t> SlideShowTransition::Speed() const {
  pugi::xml_attribute spd = Attr(transition_, "spd");
  if (!spd) return static_cast<int32_t>(ppTransitionSpeedFast);
  std::optional<int32_t> speed = TransitionSpeedOf(spd.value());
  if (!speed) return UnreadableAttribute("spd");
  return *speed;
}

base::Result<int32_t> SlideShowTransition::AdvanceOnClick() const {
  if (!Attr(transition_, "advClick")) return msoTrue;
  std::optional<bool> onClick = drawingml::BoolAttr(transition_, "advClick");
  if (!onClick) return UnreadableAttribute("advClick");
  return *onClick ? msoTrue : msoFalse;
}

base::Result<int32_t> SlideShowTransition::AdvanceOnTime() const {
  base::Result<float> time = AdvanceTime();
  if (!time) return time.error();
  return Attr(transition_, "advTm") ? msoTrue : msoFalse;
}

base::Result<float> SlideShowTransition::AdvanceTime() const {
  if (!Attr(transition_, "advTm")) return 0.0f;
  std::optional<float> seconds = Seconds(transition_, "advTm");
  if (!seconds) return UnreadableAttribute("advTm");
  return *seconds;
}

base::Result<float> SlideShowTransition::Duration() const {
  if (Attr(transition_, "dur")) {
    std::optional<float> seconds = Seconds(transition_, "dur");
    if (!seconds) return UnreadableAttribute("dur");
    return *seconds;
  }
  base::Result<int32_t> speed = Speed();
  if (!speed) return speed.error();
  return SecondsOfSpeed(*speed);
}

base::Result<SoundEffect> SlideShowTransition::SoundEffect() const {
  pugi::xml_node sound = Child(Child(Child(transition_, "sndAc"), "stSnd"), "snd");
  if (!sound) return NotAvailable(OwnerName(slideIndex_), ": the transition plays no sound");
  return powerpoint::SoundEffect(Attr(sound, "name").value());
}

}  // namespace powerpoint
