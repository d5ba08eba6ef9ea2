// WordArt reads over a shape's text body.
#include "platform/office/powerpoint/text_effect.h"

#include <vector>

#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/body.h"
#include "platform/office/drawingml/codes.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/shapes.h"
#include "platform/office/powerpoint/text_body.h"
#include "platform/office/powerpoint/text_range.h"

namespace powerpoint {
namespace {

// The first run's characters; the whole (run-less) text answers by its paragraph's end.
TextRange FirstRun(const TextBody* body) {
  for (const TextBody::Segment& segment : body->Segments()) {
    if (!segment.mark) return TextRange(body, segment.start + 1, segment.length);
  }
  return TextRange(body, 1, static_cast<int32_t>(body->Chars().size()));
}

}  // namespace

base::Result<std::string> WarpOf(const Shape& shape) {
  std::vector<const Shape*> chain;
  for (const Shape* level = &shape; level != nullptr; level = level->Inherited())
    chain.push_back(level);
  drawingml::BodyProperties body;
  for (auto level = chain.rbegin(); level != chain.rend(); ++level) {
    pugi::xml_node bodyPr = office::Child(office::Child((*level)->Element(), "txBody"), "bodyPr");
    if (!bodyPr) continue;
    base::Result<drawingml::BodyProperties> read = drawingml::ReadBodyProperties(bodyPr, body);
    if (!read) return Unreadable("the text body of \"", shape.Name(), "\": ", read.error().message);
    body = *read;
  }
  return body.warp;
}

base::Result<int32_t> TextEffectFormat::PresetShape() const {
  if (!warp_) return warp_.error();
  if (warp_->empty()) return NotAvailable("the text is not warped");
  std::optional<int> shape = drawingml::MsoPresetTextEffectShapeOf(*warp_);
  if (!shape) return NotAvailable("the warp \"", *warp_, "\" has no preset shape number");
  return static_cast<int32_t>(*shape);
}

base::Result<int32_t> TextEffectFormat::PresetTextEffect() const {
  return NotAvailable("the file records no WordArt gallery style");
}

std::string TextEffectFormat::Text() const {
  return TextFrame(body_).TextRange().Text();
}

base::Result<std::string> TextEffectFormat::FontName() const {
  return FirstRun(body_).Font().Name();
}

base::Result<float> TextEffectFormat::FontSize() const {
  return FirstRun(body_).Font().Size();
}

base::Result<int32_t> TextEffectFormat::FontBold() const {
  return FirstRun(body_).Font().Bold();
}

base::Result<int32_t> TextEffectFormat::FontItalic() const {
  return FirstRun(body_).Font().Italic();
}

base::Result<TextEffectFormat> Shape::TextEffect() const {
  base::Result<powerpoint::TextFrame> frame = TextFrame();  // reads the text once
  if (!frame) return frame.error();
  return TextEffectFormat(text_.get(), WarpOf(*this));
}

}  // namespace powerpoint
