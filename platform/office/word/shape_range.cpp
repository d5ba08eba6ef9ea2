// Selection.ShapeRange and UnGroup's answer: selecting several shapes, taking their groups apart.
#include "platform/office/word/shape_range.h"

#include <cassert>

#include "platform/office/word/document.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/selection.h"
#include "platform/office/word/shape_data.h"

namespace word {

ShapeRange::ShapeRange(std::vector<Shape*> shapes) : shapes_(std::move(shapes)) {
  assert(!shapes_.empty());
}

base::Result<Shape*> ShapeRange::Item(int32_t index) const {
  if (index < 1 || index > Count())
    return NoSuchMember("the shape range has no shape ", index, " (it has ", Count(), ")");
  return shapes_[static_cast<size_t>(index - 1)];
}

base::Status ShapeRange::Select() {
  if (base::Status selected = First().Select(); !selected) return selected;
  // The first one's selecting put the selection at its anchor: the others join it.
  Selection& selection = First().Document().Selection();
  selection.SelectShapes(shapes_, selection.Range());
  return base::Ok();
}

base::Result<ShapeRange> ShapeRange::UnGroup() {
  std::vector<Shape*> children;
  for (Shape* shape : shapes_) {
    if (shape->Data().type != msoGroup) continue;
    base::Result<ShapeRange> parts = shape->UnGroup();
    if (!parts) return parts.error();
    children.insert(children.end(), parts->Members().begin(), parts->Members().end());
  }
  if (children.empty()) return NotAvailable("the shape range holds no group");
  return ShapeRange(std::move(children));
}

}  // namespace word
