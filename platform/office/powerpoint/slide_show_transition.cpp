// The transition effect: the one effect element of p:transition through the table in
// constants.cpp. Newer transitions are saved in an mc:Choice with an older one as Fallback for
// readers that do not know them; the Choice wins when its element has a number here.
#include "platform/office/powerpoint/slide_show_transition.h"

#include <string_view>

#include "platform/office/common/xml_names.h"
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

base::Result<int32_t> EffectOf(pugi::xml_node transition, int32_t slideIndex) {
  pugi::xml_node effect = EffectElement(transition);
  if (!effect) return static_cast<int32_t>(ppEffectNone);
  const std::string_view name = office::LocalName(effect.name());
  std::optional<int32_t> number =
      TransitionEffectOf(name, [effect](std::string_view attribute) -> std::string_view {
        return Attr(effect, attribute).value();
      });
  if (!number) return Unreadable("slide ", slideIndex, ": transition \"", name, "\"");
  return *number;
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

base::Result<int32_t> SlideShowTransition::EntryEffect() const {
  pugi::xml_node transition = TransitionOf(slide_, slideIndex_);
  if (!transition) return static_cast<int32_t>(ppEffectNone);
  return EffectOf(transition, slideIndex_);
}

}  // namespace powerpoint
