// What a mouse action on a shape or on a piece of text does in the slide show: the
// ActionSettings collection (ppMouseClick, ppMouseOver) read from a:hlinkClick and a:hlinkHover
// of the shape's p:cNvPr or of a run's a:rPr. The action comes from the ppaction:// form, the
// hyperlink's address from the relationship's external target and its sub-address, for a jump
// to a slide of this presentation, reads "SlideID,SlideIndex,Title".
#pragma once

#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "platform/base/result.h"

namespace powerpoint {

class SlidePart;  // slide_part.h

enum PpMouseActivation : int32_t { ppMouseClick = 1, ppMouseOver = 2 };

enum PpActionType : int32_t {
  ppActionMixed = -2,
  ppActionNone = 0,
  ppActionNextSlide = 1,
  ppActionPreviousSlide = 2,
  ppActionFirstSlide = 3,
  ppActionLastSlide = 4,
  ppActionLastSlideViewed = 5,
  ppActionEndShow = 6,
  ppActionHyperlink = 7,
  ppActionRunMacro = 8,
  ppActionRunProgram = 9,
  ppActionNamedSlideShow = 10,
  ppActionOLEVerb = 11,
  ppActionPlay = 12,
};

class Hyperlink {
 public:
  Hyperlink(std::string address, std::string subAddress)
      : address_(std::move(address)), subAddress_(std::move(subAddress)) {}
  // The external target ("https://example.com/", "C:\\docs\\a.docx"); "" for none.
  const std::string& Address() const { return address_; }
  // "SlideID,SlideIndex,Title" of a slide of this presentation; "" for none.
  const std::string& SubAddress() const { return subAddress_; }

 private:
  std::string address_;
  std::string subAddress_;
};

class SoundEffect {
 public:
  explicit SoundEffect(std::string name) : name_(std::move(name)) {}
  // a:snd's name ("applause.wav").
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

class ActionSetting {
 public:
  // `link` is the a:hlinkClick or a:hlinkHover element (empty when the action has none);
  // `owner` resolves its relationships (null reads no targets).
  ActionSetting(const SlidePart* owner, pugi::xml_node link) : owner_(owner), link_(link) {}

  // PpActionType; an action form with no number fails not available.
  base::Result<int32_t> Action() const;
  powerpoint::Hyperlink Hyperlink() const;
  // Fails when the action plays no sound.
  base::Result<powerpoint::SoundEffect> SoundEffect() const;

 private:
  const SlidePart* owner_;
  pugi::xml_node link_;
};

class ActionSettings {
 public:
  // `properties` is a shape's p:cNvPr or a run's a:rPr (empty for text without a run).
  ActionSettings(const SlidePart* owner, pugi::xml_node properties)
      : owner_(owner), properties_(properties) {}

  int32_t Count() const { return 2; }
  // ppMouseClick or ppMouseOver; any other index fails.
  base::Result<ActionSetting> Item(int32_t index) const;

 private:
  const SlidePart* owner_;
  pugi::xml_node properties_;
};

}  // namespace powerpoint
