// Slide identifiers and the template name.
#include "grading/slidemark/checks/slide_identity.h"

#include <string>

#include "grading/slidemark/checks/reads.h"

namespace slidemark {

int32_t CheckGetSlideId(const Presentation& p, int16_t slide) {
  const powerpoint::Slide* onSlide = SlideAt(p, slide);
  return onSlide != nullptr ? onSlide->SlideID() : 0;
}

bool CheckInsertSlide(const Presentation& p, int16_t slide, int32_t id) {
  return CheckGetSlideId(p, slide) == id;
}

bool CheckSlideSwap(const Presentation& p, int16_t a, int16_t b) {
  // A missing slide reads as identifier 0, which is smaller than any: without this test a
  // presentation that lost slide b would count as swapped.
  if (SlideAt(p, a) == nullptr || SlideAt(p, b) == nullptr) return false;
  return CheckGetSlideId(p, b) < CheckGetSlideId(p, a);
}

bool CheckTemplateApply(const Presentation& p, std::string_view name) {
  std::string read;
  KeepRead(read, p.TemplateName());
  return read == name;
}

}  // namespace slidemark
