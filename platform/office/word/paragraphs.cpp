// Paragraphs and drop caps.
#include "platform/office/word/paragraphs.h"

#include "platform/office/word/covered.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/font.h"

namespace word {
namespace {

constexpr int32_t kDefaultLinesToDrop = 3;

bool IsDropCap(const ParagraphProps& props) {
  return props.frame && props.frame->dropCap != wdDropNone;
}

}  // namespace

word::Paragraphs Range::Paragraphs() const {
  const word::Story& story = Index();
  std::vector<int32_t> paragraphs;
  const int32_t first = story.ParagraphAt(start_);
  for (auto i = static_cast<size_t>(first); i < story.Paragraphs().size(); ++i) {
    if (static_cast<int32_t>(i) != first && story.Paragraphs()[i].start >= end_) break;
    paragraphs.push_back(static_cast<int32_t>(i));
  }
  return word::Paragraphs(*document_, story_, std::move(paragraphs));
}

word::Paragraphs Document::Paragraphs() {
  return Content().Paragraphs();
}

base::Result<Paragraph> Paragraphs::Item(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("there is no paragraph ", index);
  return Paragraph(*document_, story_, paragraphs_[static_cast<size_t>(index - 1)]);
}

word::Range Paragraph::Range() const {
  const ParagraphSpan& p = document_->StoryAt(story_).Paragraphs()[static_cast<size_t>(index_)];
  return word::Range(*document_, story_, p.start, p.end);
}

word::DropCap Paragraph::DropCap() const {
  const Story& story = document_->StoryAt(story_);
  int32_t frame = -1;
  if (IsDropCap(ParagraphPropsOf(*document_, story, index_))) {
    frame = index_;
  } else if (index_ > 0 && IsDropCap(ParagraphPropsOf(*document_, story, index_ - 1))) {
    frame = index_ - 1;
  }
  const int32_t text = frame >= 0 ? frame : index_;
  const ParagraphSpan& span = story.Paragraphs()[static_cast<size_t>(text)];
  const std::string font =
      word::Range(*document_, story_, span.start, std::max(span.start, span.end - 1))
          .Font()
          .Name()
          .value_or(std::string());
  if (frame < 0) return word::DropCap(wdDropNone, kDefaultLinesToDrop, font, 0);
  const FrameProps& f = *ParagraphPropsOf(*document_, story, frame).frame;
  return word::DropCap(f.dropCap, f.lines > 0 ? f.lines : kDefaultLinesToDrop, font,
                       static_cast<float>(f.hSpace) / 20.0f);
}

}  // namespace word
