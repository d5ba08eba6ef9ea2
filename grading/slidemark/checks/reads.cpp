// Slides, shapes and text frames by position.
#include "grading/slidemark/checks/reads.h"

#include <string>

#include "platform/vb/strings.h"

namespace slidemark {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return vb::LCase(a) == vb::LCase(b);
}

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

namespace {

// Characters counted as the text range counts them: every UTF-8 lead byte starts one.
int32_t CharacterCount(std::string_view utf8) {
  int32_t count = 0;
  for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

}  // namespace

std::optional<powerpoint::TextRange> FirstOccurrence(const powerpoint::Presentation& presentation,
                                                     int16_t slide, int16_t shape,
                                                     std::string_view text) {
  const powerpoint::Shape* onSlide = ShapeAt(presentation, slide, shape);
  if (onSlide == nullptr) return std::nullopt;
  std::optional<powerpoint::TextRange> range = TextOf(*onSlide);
  if (!range) return std::nullopt;
  const std::string all = range->Text();
  const size_t at = all.find(text);
  if (at == std::string::npos) return std::nullopt;
  const int32_t position = CharacterCount(std::string_view(all).substr(0, at)) + 1;
  base::Result<powerpoint::TextRange> characters =
      range->Characters(position, CharacterCount(text));
  if (!characters) return std::nullopt;
  return *characters;
}

}  // namespace slidemark
