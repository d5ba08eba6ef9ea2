// Action settings read from the hyperlink elements of DrawingML.
#include "platform/office/powerpoint/action_settings.h"

#include <array>
#include <string_view>
#include <utility>

#include "platform/office/common/xml_names.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/slide_part.h"

namespace powerpoint {
namespace {

using office::Child;

struct ActionForm {
  std::string_view form;
  int32_t action;
};

// The ppaction:// forms by their text up to any query, and the slide-show jumps by their query.
constexpr std::array<ActionForm, 7> kForms = {{
    {"ppaction://hlinksldjump", ppActionHyperlink},
    {"ppaction://hlinkfile", ppActionHyperlink},
    {"ppaction://program", ppActionRunProgram},
    {"ppaction://macro", ppActionRunMacro},
    {"ppaction://ole", ppActionOLEVerb},
    {"ppaction://customshow", ppActionNamedSlideShow},
    {"ppaction://noaction", ppActionNone},
}};
constexpr std::array<ActionForm, 6> kJumps = {{
    {"nextslide", ppActionNextSlide},
    {"previousslide", ppActionPreviousSlide},
    {"firstslide", ppActionFirstSlide},
    {"lastslide", ppActionLastSlide},
    {"lastslideviewed", ppActionLastSlideViewed},
    {"endshow", ppActionEndShow},
}};

}  // namespace

base::Result<int32_t> ActionSetting::Action() const {
  if (!link_) return ppActionNone;
  const std::string_view action = link_.attribute("action").value();
  if (action.empty()) return RelationshipIdOf(link_).empty() ? ppActionNone : ppActionHyperlink;
  const std::string_view form = action.substr(0, action.find('?'));
  if (form == "ppaction://hlinkshowjump") {
    constexpr std::string_view kJump = "jump=";
    const size_t at = action.find(kJump);
    const std::string_view jump =
        at == std::string_view::npos ? std::string_view() : action.substr(at + kJump.size());
    for (const ActionForm& known : kJumps) {
      if (jump.substr(0, jump.find('&')) == known.form) return known.action;
    }
    return NotAvailable("the slide show jump ", action);
  }
  for (const ActionForm& known : kForms) {
    if (form == known.form) return known.action;
  }
  return NotAvailable("the action ", action);
}

Hyperlink ActionSetting::Hyperlink() const {
  const LinkTarget* target =
      owner_ != nullptr && link_ ? owner_->Link(RelationshipIdOf(link_)) : nullptr;
  if (target == nullptr) return powerpoint::Hyperlink("", "");
  return powerpoint::Hyperlink(target->address, target->subAddress);
}

base::Result<SoundEffect> ActionSetting::SoundEffect() const {
  pugi::xml_node sound = Child(link_, "snd");
  if (!sound) return NotAvailable("the action plays no sound");
  return powerpoint::SoundEffect(sound.attribute("name").value());
}

base::Result<ActionSetting> ActionSettings::Item(int32_t index) const {
  if (index != ppMouseClick && index != ppMouseOver) return NoSuchMember("action setting ", index);
  return ActionSetting(owner_,
                       Child(properties_, index == ppMouseClick ? "hlinkClick" : "hlinkHover"));
}

}  // namespace powerpoint
