// Slides, shapes and text frames by position.
#include "grading/slidemark/checks/reads.h"

namespace slidemark {

const powerpoint::Slide* SlideAt(const powerpoint::Presentation& presentation, int32_t slide) {
  base::Result<powerpoint::Slide*> found = presentation.Slides().Item(slide);
  return found ? *found : nullptr;
}

const powerpoint::Shape* ShapeAt(const powerpoint::Presentation& presentation, int16_t slide,
                                 int16_t shape) {
  const powerpoint::Slide* onSlide = SlideAt(presentation, slide);
  if (onSlide == nullptr) return nullptr;
  base::Result<powerpoint::Shape*> found = onSlide->Shapes().Item(shape);
  return found ? *found : nullptr;
}

std::optional<powerpoint::TextRange> TextRangeOf(const powerpoint::Shape* shape) {
  if (shape == nullptr) return std::nullopt;
  base::Result<powerpoint::TextFrame> frame = shape->TextFrame();
  if (!frame) return std::nullopt;
  return frame->TextRange();
}

std::optional<powerpoint::TextRange> TextOf(const powerpoint::Shape& shape) {
  base::Result<powerpoint::TextFrame> frame = shape.TextFrame();
  if (!frame || frame->HasText() != powerpoint::msoTrue) return std::nullopt;
  return frame->TextRange();
}

}  // namespace slidemark
