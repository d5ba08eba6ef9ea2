// Opening built presentations for the tests.
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace powerpoint::testing {

OpenPptx::OpenPptx(const PptxContent& content) {
  base::Result<std::string> bytes = PptxBytes(content);
  if (!bytes) {
    ADD_FAILURE() << bytes.error().message;
    return;
  }
  Take(app_.Presentations().OpenBytes("C:\\test.pptx", *bytes));
}

OpenPptx::OpenPptx(const std::filesystem::path& file) {
  Take(app_.Presentations().Open("C:\\" + file.filename().string(), file));
}

void OpenPptx::Take(const base::Result<Presentation*>& opened) {
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

PptxContent BlankSlides(size_t count, std::optional<std::string> presentationPr,
                        const std::vector<std::string>& transitions) {
  PptxContent content;
  content.slides.resize(count);
  for (size_t i = 0; i < count && i < transitions.size(); ++i)
    content.slides[i].transition = transitions[i];
  content.presentationPr = std::move(presentationPr);
  return content;
}

std::filesystem::path SuiteFile(std::string_view file) {
  return std::filesystem::path(KIRV_SOURCE_DIR) / "platform/office/powerpoint/testdata" / file;
}

}  // namespace powerpoint::testing
