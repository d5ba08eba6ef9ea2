// Reading a shape's text and resolving its runs. The levels a run's properties come from, most
// specific first: the run, its paragraph, the shape's list style, its style's font reference,
// the list styles of the placeholders it inherits from (layout, then master), the master's
// title, body or other text style by the placeholder's type, the presentation's default style.
#include "platform/office/powerpoint/text_body.h"

#include <array>
#include <string_view>

#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/xml.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/shapes.h"
#include "platform/office/powerpoint/slide_part.h"
#include "platform/vb/strings.h"

namespace powerpoint {
namespace {

using office::Attr;
using office::Child;
using office::IsElement;

constexpr int kLevels = 9;

// The master text style a placeholder of this type takes its text from; null for shapes that
// are no placeholders (they take the presentation's default style alone).
const drawingml::ListStyle* MasterStyleFor(const Shape& shape) {
  pugi::xml_node ph = shape.PlaceholderElement();
  if (!ph) return nullptr;
  const TextStyles& styles = shape.Owner().Master().Styles();
  std::string_view type = Attr(ph, "type").value();
  if (type == "title" || type == "ctrTitle") return &styles.title;
  if (type == "dt" || type == "ftr" || type == "sldNum" || type == "hdr") return &styles.other;
  return &styles.body;
}

// The levels every run of one paragraph level shares, from the shape outwards.
struct Chain {
  std::vector<drawingml::ListStyle> lists;  // the shape's, then its inherited placeholders'
  std::optional<drawingml::TextLevel> fontRef;
  const drawingml::ListStyle* master = nullptr;
  const drawingml::ListStyle* defaults = nullptr;

  std::vector<const drawingml::TextLevel*> Levels(const drawingml::TextLevel* run,
                                                  const drawingml::TextLevel* paragraph,
                                                  int level) const {
    std::vector<const drawingml::TextLevel*> levels{run, paragraph};
    for (size_t i = 0; i < lists.size(); ++i) {
      levels.push_back(lists[i].Level(level));
      if (i == 0 && fontRef) levels.push_back(&*fontRef);
    }
    if (lists.empty() && fontRef) levels.push_back(&*fontRef);
    if (master != nullptr) levels.push_back(master->Level(level));
    if (defaults != nullptr) {
      levels.push_back(defaults->Level(level));
      levels.push_back(defaults->Default());
    }
    return levels;
  }
};

Chain ChainOf(const Shape& shape) {
  Chain chain;
  for (const Shape* s = &shape; s != nullptr; s = s->Inherited()) {
    pugi::xml_node body = Child(s->Element(), "txBody");
    base::Result<drawingml::ListStyle> list = drawingml::ListStyle::Read(Child(body, "lstStyle"));
    // An unreadable list style of a layout is passed over, as the run's own would not be.
    chain.lists.push_back(list ? std::move(*list) : drawingml::ListStyle{});
  }
  pugi::xml_node fontRef = Child(Child(shape.Element(), "style"), "fontRef");
  if (fontRef) {
    base::Result<drawingml::TextLevel> level = drawingml::ReadFontReference(fontRef);
    if (level) chain.fontRef = std::move(*level);
  }
  chain.master = MasterStyleFor(shape);
  chain.defaults = &shape.Owner().Defaults();
  return chain;
}

base::Result<drawingml::ResolvedText> Resolve(const Chain& chain, pugi::xml_node rPr,
                                              const base::Result<drawingml::TextLevel>& paragraph,
                                              int level, const drawingml::Context& context) {
  if (!paragraph) return paragraph.error();
  base::Result<drawingml::TextLevel> run = drawingml::ReadRunProperties(rPr);
  if (!run) return run.error();
  std::vector<const drawingml::TextLevel*> levels = chain.Levels(&*run, &*paragraph, level);
  return drawingml::ResolveText(std::span<const drawingml::TextLevel* const>(levels), context);
}

void AppendText(std::string_view utf8, std::u32string& out) {
  for (size_t i = 0; i < utf8.size();) {
    size_t len = 1;
    out.push_back(vb::DecodeUtf8(utf8, i, len));
    i += len;
  }
}

}  // namespace

base::Result<std::unique_ptr<TextBody>> TextBody::Build(const Shape& shape) {
  auto body = std::make_unique<TextBody>();
  const Chain chain = ChainOf(shape);
  const SlidePart& owner = shape.Owner();
  body->owner_ = &owner;
  const drawingml::Context context{&owner.Theme(), &owner.ColorMap()};
  pugi::xml_node txBody = Child(shape.Element(), "txBody");

  for (pugi::xml_node p = txBody.first_child(); p; p = p.next_sibling()) {
    if (!IsElement(p, "p")) continue;
    if (!body->paragraphs_.empty()) {
      // The CR closing the previous paragraph carries that paragraph's end properties.
      Paragraph& previous = body->paragraphs_.back();
      body->segments_.push_back(Segment{static_cast<int32_t>(body->chars_.size()),
                                        1,
                                        static_cast<int32_t>(body->paragraphs_.size() - 1),
                                        true,
                                        previous.end,
                                        {}});
      body->chars_.push_back(U'\r');
    }
    const int32_t index = static_cast<int32_t>(body->paragraphs_.size());
    pugi::xml_node pPr = Child(p, "pPr");
    int64_t lvl = drawingml::IntAttr(pPr, "lvl").value_or(0);
    const int level = lvl < 0 || lvl >= kLevels ? 0 : static_cast<int>(lvl);
    const base::Result<drawingml::TextLevel> paragraphLevel =
        drawingml::ReadParagraphProperties(pPr);
    Paragraph paragraph;
    paragraph.start = static_cast<int32_t>(body->chars_.size());
    paragraph.level = level;
    for (pugi::xml_node piece = p.first_child(); piece; piece = piece.next_sibling()) {
      const bool isBreak = IsElement(piece, "br");
      if (!isBreak && !IsElement(piece, "r") && !IsElement(piece, "fld")) continue;
      Segment segment;
      segment.start = static_cast<int32_t>(body->chars_.size());
      segment.paragraph = index;
      segment.mark = isBreak;
      if (!isBreak) segment.run = piece;
      if (isBreak)
        body->chars_.push_back(U'\v');
      else
        AppendText(Child(piece, "t").text().get(), body->chars_);
      segment.length = static_cast<int32_t>(body->chars_.size()) - segment.start;
      if (segment.length == 0) continue;
      segment.text = Resolve(chain, Child(piece, "rPr"), paragraphLevel, level, context);
      body->segments_.push_back(std::move(segment));
    }
    paragraph.length = static_cast<int32_t>(body->chars_.size()) - paragraph.start;
    paragraph.end = Resolve(chain, Child(p, "endParaRPr"), paragraphLevel, level, context);
    body->paragraphs_.push_back(std::move(paragraph));
  }
  if (body->paragraphs_.empty()) {
    Paragraph empty;
    empty.end = Resolve(chain, pugi::xml_node(), drawingml::TextLevel{}, 0, context);
    body->paragraphs_.push_back(std::move(empty));
  }
  return body;
}

int32_t TextBody::ParagraphAt(int32_t index) const {
  for (size_t i = 1; i < paragraphs_.size(); ++i) {
    if (paragraphs_[i].start > index) return static_cast<int32_t>(i - 1);
  }
  return static_cast<int32_t>(paragraphs_.size() - 1);
}

}  // namespace powerpoint
