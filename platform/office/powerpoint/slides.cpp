// Slides, their layouts and the slide collection.
#include "platform/office/powerpoint/slides.h"

#include "platform/office/common/xml_names.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"

namespace powerpoint {

base::Result<int32_t> CustomLayout::Layout() const {
  std::string_view type = office::Attr(part_->Root(), "type").value();
  std::optional<int32_t> layout = SlideLayoutOf(type);
  if (!layout) return Unreadable("layout type \"", type, "\"");
  return *layout;
}

base::Result<int32_t> Slide::Layout() const {
  if (layout_ == nullptr) return NotAvailable("slide ", index_, " has no layout");
  return layout_->Layout();
}

base::Result<const powerpoint::CustomLayout*> Slide::CustomLayout() const {
  if (layout_ == nullptr) return NotAvailable("slide ", index_, " has no layout");
  return layout_;
}

base::Result<Slide*> Slides::Item(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("there is no slide ", index);
  return slides_[static_cast<size_t>(index - 1)].get();
}

base::Result<Slide*> Slides::FindBySlideID(int32_t slideId) const {
  for (const auto& slide : slides_) {
    if (slide->SlideID() == slideId) return slide.get();
  }
  return NoSuchMember("no slide has the id ", slideId);
}

}  // namespace powerpoint
