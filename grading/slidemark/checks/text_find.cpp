// Text found over every slide, in one slide and in one shape.
#include "grading/slidemark/checks/text_find.h"

#include <optional>
#include <string>

#include "grading/slidemark/checks/reads.h"
#include "grading/slidemark/checks/text_format.h"

namespace slidemark {
namespace {

using powerpoint::TextRange;

// Every shape with a text frame, slide by slide and shape by shape, asked with Find for the
// text; `visit` gets each shape's first occurrence and answers true to end the walk.
template <class Visit>
void ForEachFound(const Presentation& p, std::string_view text, Visit visit) {
  for (int32_t s = 1; s <= p.Slides().Count(); ++s) {
    const powerpoint::Slide* slide = SlideAt(p, s);
    if (slide == nullptr) continue;
    for (const auto& shape : slide->Shapes()) {
      if (shape->HasTextFrame() != powerpoint::msoTrue) continue;
      std::optional<TextRange> range = TextRangeOf(shape.get());
      if (!range) continue;
      std::optional<TextRange> found = range->Find(text);
      if (found && visit(*found)) return;
    }
  }
}

bool Contains(const TextRange& range, std::string_view text) {
  return range.Text().find(text) != std::string::npos;
}

// The whole text of the first shape of the slide, in order, whose text contains the text.
std::optional<TextRange> FirstTextContaining(const Presentation& p, int16_t slide,
                                             std::string_view text) {
  const powerpoint::Slide* onSlide = SlideAt(p, slide);
  if (onSlide == nullptr) return std::nullopt;
  for (const auto& shape : onSlide->Shapes()) {
    if (shape->HasTextFrame() != powerpoint::msoTrue) continue;
    std::optional<TextRange> range = TextOf(*shape);
    if (range && Contains(*range, text)) return range;
  }
  return std::nullopt;
}

}  // namespace

bool CheckFindText(const Presentation& p, std::string_view text) {
  bool found = false;
  ForEachFound(p, text, [&](const TextRange&) { return found = true; });
  return found;
}

bool CheckPptTxtFont(const Presentation& p, std::string_view text, std::string_view fontName) {
  bool matched = false;
  ForEachFound(p, text,
               [&](const TextRange& hit) { return matched = FontNameOf(hit.Font()) == fontName; });
  return matched;
}

bool CheckPptTxtFontSize(const Presentation& p, std::string_view text, float size) {
  bool matched = false;
  ForEachFound(p, text,
               [&](const TextRange& hit) { return matched = FontSizeOf(hit.Font()) == size; });
  return matched;
}

int32_t CheckPptTxtAttrib(const Presentation& p, std::string_view text) {
  int32_t sum = 0;
  ForEachFound(p, text,
               [&](const TextRange& hit) { return (sum = AttributeSum(hit.Font())) != 0; });
  return sum;
}

int32_t CheckPptTxtColor(const Presentation& p, std::string_view text) {
  int32_t rgb = 0;
  ForEachFound(p, text, [&](const TextRange& hit) {
    rgb = FontColorOf(hit.Font());
    return true;
  });
  return rgb;
}

bool CheckFindTextInSlide(const Presentation& p, int16_t slide, std::string_view text) {
  return FirstTextContaining(p, slide, text).has_value();
}

bool CheckFindTextInSlideFont(const Presentation& p, int16_t slide, std::string_view text,
                              std::string_view fontName, float size) {
  std::optional<TextRange> range = FirstTextContaining(p, slide, text);
  return range && FontNameOf(range->Font()) == fontName && FontSizeOf(range->Font()) == size;
}

bool CheckFindTextInSlideFontColor(const Presentation& p, int16_t slide, std::string_view text,
                                   int32_t rgb) {
  std::optional<TextRange> range = FirstTextContaining(p, slide, text);
  return range && FontColorOf(range->Font()) == rgb;
}

bool CheckFindTextInSlideShape(const Presentation& p, int16_t slide, int16_t shape,
                               std::string_view text) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  if (onSlide == nullptr) return false;
  std::optional<TextRange> range = TextOf(*onSlide);
  return range && Contains(*range, text);
}

bool CheckFindTextInSlideShapeFont(const Presentation& p, int16_t slide, int16_t shape,
                                   std::string_view text, std::string_view fontName, float size) {
  std::optional<TextRange> found = FirstOccurrence(p, slide, shape, text);
  return found && FontNameOf(found->Font()) == fontName && FontSizeOf(found->Font()) == size;
}

bool CheckFindTextInSlideShapeFontColor(const Presentation& p, int16_t slide, int16_t shape,
                                        std::string_view text, int32_t rgb) {
  std::optional<TextRange> found = FirstOccurrence(p, slide, shape, text);
  return found && FontColorOf(found->Font()) == rgb;
}

}  // namespace slidemark
