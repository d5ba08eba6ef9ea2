// The main sequence read from p:timing, walked without recursion: effects are the p:cTn with a
// presetClass (or an effect nodeType) below the main sequence's p:cTn, each taken whole.
#include "platform/office/powerpoint/timing.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/color.h"
#include "platform/office/drawingml/xml.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/slide_part.h"

namespace powerpoint {
namespace {

using office::Attr;
using office::Child;
using office::IsElement;
using office::NextBelow;

// The node after `at`'s subtree in document order that still lies below `within`.
pugi::xml_node SkipBelow(pugi::xml_node at, pugi::xml_node within) {
  while (at && at != within) {
    if (pugi::xml_node next = at.next_sibling()) return next;
    at = at.parent();
  }
  return {};
}

// An ST_TLTime attribute (milliseconds, or "indefinite") in seconds; `absent` without one.
base::Result<float> Seconds(pugi::xml_attribute time, float absent, std::string_view what) {
  if (!time) return absent;
  const std::string_view text = time.value();
  if (text == "indefinite") return NotAvailable(what, " is indefinite");
  const std::optional<int64_t> ms = drawingml::ParseInt(text);
  if (!ms || *ms < 0) return Unreadable(what, " \"", text, "\" is no time");
  return static_cast<float>(static_cast<double>(*ms) / 1000.0);
}

int32_t IntOf(pugi::xml_node node, std::string_view attribute) {
  const std::optional<int64_t> n = drawingml::IntAttr(node, attribute);
  return n && std::in_range<int32_t>(*n) ? static_cast<int32_t>(*n) : 0;
}

bool IsEffect(pugi::xml_node cTn) {
  if (!IsElement(cTn, "cTn")) return false;
  if (Attr(cTn, "presetClass")) return true;
  const std::string_view type = Attr(cTn, "nodeType").value();
  return type == "clickEffect" || type == "withEffect" || type == "afterEffect";
}

int32_t TriggerOf(pugi::xml_node cTn) {
  const std::string_view type = Attr(cTn, "nodeType").value();
  if (type == "clickEffect") return msoAnimTriggerOnPageClick;
  if (type == "withEffect") return msoAnimTriggerWithPrevious;
  if (type == "afterEffect") return msoAnimTriggerAfterPrevious;
  return msoAnimTriggerNone;
}

// The p:cBhvr of a behaviour element (p:set, p:anim, p:animClr, ...); empty for others.
pugi::xml_node BehaviourOf(pugi::xml_node element) {
  return Child(element, "cBhvr");
}

int32_t TargetOf(pugi::xml_node behaviour) {
  return IntOf(Child(Child(behaviour, "tgtEl"), "spTgt"), "spid");
}

std::string_view AttributeNameOf(pugi::xml_node behaviour) {
  return Child(Child(behaviour, "attrNameLst"), "attrName").text().as_string();
}

// The behaviours that make an effect: its p:childTnLst's elements with a p:cBhvr.
template <class Visit>
void ForEachBehaviour(pugi::xml_node cTn, Visit visit) {
  for (pugi::xml_node child : Child(cTn, "childTnLst").children()) {
    if (pugi::xml_node behaviour = BehaviourOf(child)) visit(child, behaviour);
  }
}

bool IsAfterEffect(pugi::xml_node behaviour) {
  return drawingml::BoolAttr(Child(behaviour, "cTn"), "afterEffect").value_or(false);
}

// A behaviour that hides its shape (a p:set of style.visibility to "hidden").
bool Hides(pugi::xml_node element, pugi::xml_node behaviour) {
  if (!IsElement(element, "set") || AttributeNameOf(behaviour) != "style.visibility") return false;
  return std::string_view(Child(Child(element, "to"), "strVal").attribute("val").value()) ==
         "hidden";
}

// Whether a hide waits for the next click rather than the end of the effect.
bool WaitsForClick(pugi::xml_node behaviour) {
  const pugi::xml_node cond = Child(Child(Child(behaviour, "cTn"), "stCondLst"), "cond");
  return std::string_view(Attr(cond, "evt").value()) == "onNext" ||
         std::string_view(Attr(cond, "delay").value()) == "indefinite";
}

// The colour a colour behaviour (p:animClr, or a p:set of a colour) ends on, as an automation
// value; none for other behaviours or a colour that does not resolve.
std::optional<int32_t> ColourOf(pugi::xml_node element, const SlidePart& part) {
  pugi::xml_node to = Child(element, "to");
  if (IsElement(element, "set"))
    to = Child(to, "clrVal");
  else if (!IsElement(element, "animClr"))
    return std::nullopt;
  const drawingml::Context context{&part.Theme(), &part.ColorMap()};
  base::Result<drawingml::Color> colour = drawingml::ReadColor(to, context);
  if (!colour) return std::nullopt;
  return colour->Ole();
}

// The after effect a behaviour gives the shape it targets. `ownEffect` tells whether the
// behaviour belongs to an effect of that shape; such a one counts only when marked as an after
// effect, or, for a hide, when the effect is no exit (an exit ends hidden by itself).
AfterEffectRead AfterEffectOf(pugi::xml_node element, pugi::xml_node behaviour, bool ownEffect,
                              bool exitEffect, const SlidePart& part) {
  const bool marked = IsAfterEffect(behaviour);
  if (Hides(element, behaviour) && (!ownEffect || marked || !exitEffect)) {
    const bool onClick = !ownEffect || WaitsForClick(behaviour);
    return {onClick ? ppAfterEffectHideOnClick : ppAfterEffectHide, std::nullopt};
  }
  if (ownEffect && !marked) return {};
  if (std::optional<int32_t> colour = ColourOf(element, part)) return {ppAfterEffectDim, colour};
  return {};
}

base::Result<float> DurationOf(pugi::xml_node cTn) {
  pugi::xml_attribute own = Attr(cTn, "dur");
  if (own && std::string_view(own.value()) != "indefinite") return Seconds(own, 0, "dur");
  std::optional<float> longest;
  ForEachBehaviour(cTn, [&](pugi::xml_node, pugi::xml_node behaviour) {
    if (IsAfterEffect(behaviour)) return;
    base::Result<float> dur = Seconds(Attr(Child(behaviour, "cTn"), "dur"), -1, "dur");
    if (dur && *dur >= 0) longest = std::max(longest.value_or(0), *dur);
  });
  if (!longest) return NotAvailable("the effect has no duration");
  return *longest;
}

int32_t TextUnitOf(pugi::xml_node cTn) {
  const std::string_view type = Attr(Child(cTn, "iterate"), "type").value();
  if (type == "wd") return ppAnimateByWord;
  if (type == "lt") return ppAnimateByCharacter;
  return ppAnimateByParagraph;
}

// The p:timing of a part: its own, else that of its first mc:AlternateContent's first Choice
// holding one, else of the Fallback.
pugi::xml_node TimingElement(pugi::xml_node root) {
  for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
    if (IsElement(child, "timing")) return child;
    if (!IsElement(child, "AlternateContent")) continue;
    for (pugi::xml_node choice = child.first_child(); choice; choice = choice.next_sibling()) {
      if (pugi::xml_node timing = Child(choice, "timing")) return timing;
    }
  }
  return {};
}

// The p:cTn of the main sequence; empty when there is none.
pugi::xml_node MainSequenceOf(pugi::xml_node timing) {
  for (pugi::xml_node at = NextBelow(timing, timing); at; at = NextBelow(at, timing)) {
    if (IsElement(at, "cTn") && std::string_view(Attr(at, "nodeType").value()) == "mainSeq")
      return at;
  }
  return {};
}

}  // namespace

base::Result<const Shape*> Effect::Shape() const {
  if (owner_ != nullptr) {
    std::vector<const Shapes*> pending{&owner_->Shapes()};
    while (!pending.empty()) {
      const Shapes* shapes = pending.back();
      pending.pop_back();
      for (const auto& shape : *shapes) {
        if (shape->Id() == shapeId_) return shape.get();
        if (base::Result<const Shapes*> members = shape->GroupItems()) pending.push_back(*members);
      }
    }
  }
  return NoSuchMember("the effect's shape ", shapeId_);
}

base::Result<const Effect*> Sequence::Item(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("effect ", index, " of the main sequence");
  return &effects_[static_cast<size_t>(index - 1)];
}

void TimeLine::KeepLaterAfterEffect(int32_t shapeId, const AfterEffectRead& after) {
  auto build = builds_.find(shapeId);
  if (build != builds_.end() && build->second.laterAfterEffect.effect == ppAfterEffectNothing)
    build->second.laterAfterEffect = after;
}

const ShapeBuild* TimeLine::BuildOf(int32_t shapeId) const {
  auto found = builds_.find(shapeId);
  return found == builds_.end() ? nullptr : &found->second;
}

TimeLine TimeLine::Read(const SlidePart& part) {
  TimeLine timeline;
  const pugi::xml_node timing = TimingElement(part.Root());
  const pugi::xml_node main = MainSequenceOf(timing);
  if (!main) return timeline;

  std::vector<pugi::xml_node> nodes;
  std::vector<pugi::xml_node> loose;  // behaviours outside every effect (their p:cBhvr)
  for (pugi::xml_node at = NextBelow(main, main); at;) {
    if (!IsEffect(at)) {
      if (IsElement(at, "cBhvr")) loose.push_back(at);
      at = NextBelow(at, main);
      continue;
    }
    nodes.push_back(at);
    Effect effect;
    effect.owner_ = &part;
    effect.presetClass_ = Attr(at, "presetClass").value();
    effect.effectType_ = AnimEffectOf(effect.presetClass_, IntOf(at, "presetID"))
                             .value_or(static_cast<int32_t>(msoAnimEffectCustom));
    effect.presetSubtype_ = IntOf(at, "presetSubtype");
    effect.groupId_ = IntOf(at, "grpId");
    effect.shapeId_ = IntOf(office::FirstDescendant(at, "spTgt"), "spid");
    effect.textUnit_ = TextUnitOf(at);
    if (pugi::xml_node sound =
            office::FirstDescendant(office::FirstDescendant(at, "audio"), "sndTgt"))
      effect.sound_ = sound.attribute("name").value();
    effect.timing_.triggerType_ = TriggerOf(at);
    effect.timing_.delay_ =
        Seconds(Attr(Child(Child(at, "stCondLst"), "cond"), "delay"), 0, "the effect's delay");
    effect.timing_.duration_ = DurationOf(at);
    effect.timing_.repeatCount_ = Seconds(Attr(at, "repeatCount"), 1, "the repeat count");
    timeline.main_.effects_.push_back(std::move(effect));
    at = SkipBelow(at, main);
  }

  // Each shape's build: its first entrance effect, else its first effect.
  std::vector<Effect>& effects = timeline.main_.effects_;
  for (Effect& effect : effects) {
    if (effect.shapeId_ == 0) continue;
    ShapeBuild& build = timeline.builds_[effect.shapeId_];
    if (build.effect == nullptr ||
        (build.effect->presetClass_ != "entr" && effect.presetClass_ == "entr"))
      build.effect = &effect;
  }
  std::vector<ShapeBuild*> ordered;
  for (auto& [id, build] : timeline.builds_) ordered.push_back(&build);
  std::sort(ordered.begin(), ordered.end(),
            [](const ShapeBuild* a, const ShapeBuild* b) { return a->effect < b->effect; });
  for (size_t i = 0; i < ordered.size(); ++i) ordered[i]->order = static_cast<int32_t>(i + 1);

  // After effects: a shape's own effect may end it hidden or dimmed; an effect on another shape
  // may hide or dim it on the next click.
  for (size_t i = 0; i < effects.size(); ++i) {
    Effect& effect = effects[i];
    ForEachBehaviour(nodes[i], [&](pugi::xml_node element, pugi::xml_node behaviour) {
      const int32_t target = TargetOf(behaviour);
      const bool own = target == effect.shapeId_;
      AfterEffectRead after = AfterEffectOf(element, behaviour, own, effect.Exit(), part);
      if (after.effect == ppAfterEffectNothing) return;
      if (own) {
        if (effect.after_.effect == ppAfterEffectNothing) effect.after_ = after;
        return;
      }
      timeline.KeepLaterAfterEffect(target, after);
    });
  }
  // Some editors write them beside the effects, in the click group: a hide when an effect ends
  // or on a later click, a colour change when a later effect starts.
  for (pugi::xml_node behaviour : loose) {
    const pugi::xml_node element = behaviour.parent();
    AfterEffectRead after;
    if (Hides(element, behaviour)) {
      const pugi::xml_node cond = Child(Child(Child(behaviour, "cTn"), "stCondLst"), "cond");
      const bool atEnd = std::string_view(Attr(cond, "evt").value()) == "end";
      after.effect = atEnd ? ppAfterEffectHide : ppAfterEffectHideOnClick;
    } else if (std::optional<int32_t> colour = ColourOf(element, part)) {
      after = {ppAfterEffectDim, colour};
    }
    if (after.effect != ppAfterEffectNothing)
      timeline.KeepLaterAfterEffect(TargetOf(behaviour), after);
  }

  // Text builds: the p:bldP of the shape and its build's group, else the shape's first.
  for (pugi::xml_node paragraph : Child(timing, "bldLst").children()) {
    if (!IsElement(paragraph, "bldP")) continue;
    auto build = timeline.builds_.find(IntOf(paragraph, "spid"));
    if (build == timeline.builds_.end()) continue;
    ShapeBuild& shape = build->second;
    const int32_t group = shape.effect->groupId_;
    const bool kept = shape.buildParagraph && IntOf(shape.buildParagraph, "grpId") == group;
    if (!kept && (!shape.buildParagraph || IntOf(paragraph, "grpId") == group))
      shape.buildParagraph = paragraph;
  }
  return timeline;
}

}  // namespace powerpoint
