// The slides of a presentation in the order of p:sldIdLst, each with its identifier, its
// layout and its shapes; the layouts (CustomLayout) and the slide masters behind them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/powerpoint/background.h"
#include "platform/office/powerpoint/slide_part.h"
#include "platform/office/powerpoint/slide_show_transition.h"

namespace powerpoint {

// A slide layout: its name and shapes.
class CustomLayout {
 public:
  explicit CustomLayout(std::unique_ptr<SlidePart> part) : part_(std::move(part)) {}
  const std::string& Name() const { return part_->Name(); }
  const powerpoint::Shapes& Shapes() const { return part_->Shapes(); }
  // PpSlideLayout of the layout's type; ppLayoutCustom for a layout without one.
  base::Result<int32_t> Layout() const;
  const SlidePart& Part() const { return *part_; }
  powerpoint::Background Background() const { return powerpoint::Background(*part_); }
  void SetLinks(std::unordered_map<std::string, LinkTarget> links) {
    part_->SetLinks(std::move(links));
  }

 private:
  std::unique_ptr<SlidePart> part_;
};

// A slide master (Presentation.SlideMaster): its name, shapes and layouts.
class Master {
 public:
  explicit Master(std::unique_ptr<SlidePart> part) : part_(std::move(part)) {}
  const std::string& Name() const { return part_->Name(); }
  const powerpoint::Shapes& Shapes() const { return part_->Shapes(); }
  // The master's own p:transition (set when a transition was applied to all slides).
  powerpoint::SlideShowTransition SlideShowTransition() const {
    return powerpoint::SlideShowTransition(part_->Root(), 0);
  }
  const SlidePart& Part() const { return *part_; }
  powerpoint::Background Background() const { return powerpoint::Background(*part_); }
  void SetLinks(std::unordered_map<std::string, LinkTarget> links) {
    part_->SetLinks(std::move(links));
  }

 private:
  std::unique_ptr<SlidePart> part_;
};

class Slide {
 public:
  Slide(std::unique_ptr<SlidePart> part, int32_t slideId, int32_t index,
        const powerpoint::CustomLayout* layout)
      : part_(std::move(part)), slideId_(slideId), index_(index), layout_(layout) {}

  // p:sldId's id: set when the slide was made, kept when slides move.
  int32_t SlideID() const { return slideId_; }
  // The position in Slides, from 1.
  int32_t SlideIndex() const { return index_; }
  const std::string& Name() const { return part_->Name(); }
  // PpSlideLayout of the slide's layout.
  base::Result<int32_t> Layout() const;
  base::Result<const powerpoint::CustomLayout*> CustomLayout() const;
  const powerpoint::Shapes& Shapes() const { return part_->Shapes(); }
  powerpoint::SlideShowTransition SlideShowTransition() const {
    return powerpoint::SlideShowTransition(part_->Root(), index_);
  }
  // The slide's animation timeline (TimeLine.MainSequence).
  const powerpoint::TimeLine& TimeLine() const { return part_->TimeLine(); }
  const SlidePart& Part() const { return *part_; }
  // Its own background, else its layout's, else its master's; msoTrue when it has none of its
  // own.
  powerpoint::Background Background() const { return powerpoint::Background(*part_); }
  int32_t FollowMasterBackground() const { return FollowsMasterBackground(*part_); }
  void SetLinks(std::unordered_map<std::string, LinkTarget> links) {
    part_->SetLinks(std::move(links));
  }

 private:
  std::unique_ptr<SlidePart> part_;
  int32_t slideId_;
  int32_t index_;
  const powerpoint::CustomLayout* layout_;
};

class Slides {
 public:
  int32_t Count() const { return static_cast<int32_t>(slides_.size()); }
  // By position from 1; fails when there is no such slide.
  base::Result<Slide*> Item(int32_t index) const;
  // Slides.Range(index): a range of the one slide, which answers as the slide does.
  base::Result<Slide*> Range(int32_t index) const { return Item(index); }
  // The slide of that identifier; fails when none has it.
  base::Result<Slide*> FindBySlideID(int32_t slideId) const;

  void Add(std::unique_ptr<Slide> slide) { slides_.push_back(std::move(slide)); }
  auto begin() const { return slides_.begin(); }
  auto end() const { return slides_.end(); }

 private:
  std::vector<std::unique_ptr<Slide>> slides_;
};

}  // namespace powerpoint
