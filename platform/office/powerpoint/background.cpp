// Where a background comes from: the part's own p:bg, else the layout's, else the master's.
#include "platform/office/powerpoint/background.h"

#include "platform/office/common/xml_names.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/slide_part.h"

namespace powerpoint {
namespace {

using office::Child;

pugi::xml_node OwnBackground(const SlidePart& part) {
  return Child(Child(part.Root(), "cSld"), "bg");
}

}  // namespace

base::Result<FillFormat> Background::Fill() const {
  const drawingml::Context context{&part_.Theme(), &part_.ColorMap()};
  for (const SlidePart* part = &part_; part != nullptr; part = part->Parent()) {
    pugi::xml_node bg = OwnBackground(*part);
    if (!bg) continue;
    if (pugi::xml_node ref = Child(bg, "bgRef")) return ReadStyleFill(ref, *part, context);
    pugi::xml_node element = drawingml::FindFillElement(Child(bg, "bgPr"));
    base::Result<drawingml::Fill> fill = drawingml::ReadFillElement(element, context);
    if (!fill) return Unreadable("background: ", fill.error().message);
    return FillFormat(std::move(*fill), element, {}, part);
  }
  // What a master without a background shows: its first light colour.
  drawingml::Fill blank;
  blank.kind = drawingml::FillKind::kSolid;
  const std::optional<drawingml::SchemeSlot> slot = part_.ColorMap().Resolve("bg1");
  const std::optional<drawingml::Color> color =
      slot ? part_.Theme().SlotColor(*slot) : std::nullopt;
  blank.color = color.value_or(drawingml::Color::FromRgb(0xFFFFFF));
  return FillFormat(std::move(blank), {}, {}, &part_);
}

int32_t FollowsMasterBackground(const SlidePart& part) {
  return OwnBackground(part) ? msoFalse : msoTrue;
}

}  // namespace powerpoint
