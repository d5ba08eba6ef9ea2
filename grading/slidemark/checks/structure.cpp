// Slide count, shape count and layout.
#include "grading/slidemark/checks/structure.h"

#include "grading/slidemark/checks/reads.h"

namespace slidemark {

bool CheckSlideLayout(const Presentation& p, int16_t slide, int16_t layout) {
  const powerpoint::Slide* onSlide = SlideAt(p, slide);
  int32_t read = 0;
  if (onSlide != nullptr) KeepRead(read, onSlide->Layout());
  return read == layout;
}

bool CheckSlideNumber(const Presentation& p, int16_t count) {
  return p.Slides().Count() == count;
}

bool CheckShapeNumber(const Presentation& p, int16_t slide, int16_t count) {
  const powerpoint::Slide* onSlide = SlideAt(p, slide);
  const int32_t read = onSlide != nullptr ? onSlide->Shapes().Count() : 0;
  return read == count;
}

}  // namespace slidemark
