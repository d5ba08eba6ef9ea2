// Opening built presentations for the tests.
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace powerpoint::testing {

OpenPptx::OpenPptx(const PptxContent& content) {
  base::Result<std::string> bytes = PptxBytes(content);
  if (!bytes) {
    ADD_FAILURE() << bytes.error().message;
    return;
  }
  base::Result<Presentation*> opened = app_.Presentations().OpenBytes("C:\\test.pptx", *bytes);
  if (!opened) {
    ADD_FAILURE() << opened.error().message;
    return;
  }
  presentation_ = *opened;
}

Shape* OpenPptx::ShapeAt(int32_t slide, int32_t shape) const {
  if (presentation_ == nullptr) return nullptr;
  base::Result<Slide*> s = presentation_->Slides().Item(slide);
  if (!s) {
    ADD_FAILURE() << s.error().message;
    return nullptr;
  }
  base::Result<Shape*> found = (*s)->Shapes().Item(shape);
  if (!found) {
    ADD_FAILURE() << found.error().message;
    return nullptr;
  }
  return *found;
}

PptxContent OneSlide(std::string shapes, int32_t layout) {
  PptxContent content;
  content.slides.push_back(SlideXml{std::move(shapes), layout});
  return content;
}

}  // namespace powerpoint::testing
