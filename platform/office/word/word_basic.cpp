// The macro interface's commands and functions over the application's active document.
#include "platform/office/word/word_basic.h"

#include <algorithm>

#include "platform/office/word/errors.h"
#include "platform/office/word/macro_values.h"
#include "platform/office/word/section.h"

namespace word {
namespace {

// Which header or footer shows on the page holding `position` of the main story in section
// `section` (from 0).
int32_t ShownHeaderFooter(Document& document, int32_t section, int32_t position) {
  base::Result<Section> s = document.Sections().Item(section + 1);
  if (!s) return wdHeaderFooterPrimary;
  const HeadersFooters kinds = s->Headers();
  const Story& main = document.StoryAt(kMainStory);
  const int32_t page = PageOf(main, position);
  base::Result<HeaderFooter> first = kinds.Item(wdHeaderFooterFirstPage);
  if (first && first->Exists() && page == PageOf(main, s->Range().Start()))
    return wdHeaderFooterFirstPage;
  base::Result<HeaderFooter> even = kinds.Item(wdHeaderFooterEvenPages);
  if (even && even->Exists() && page % 2 == 0) return wdHeaderFooterEvenPages;
  return wdHeaderFooterPrimary;
}

}  // namespace

base::Status WordBasic::StartOfDocument() {
  base::Result<Selection*> s = app_.Selection();
  if (!s) return s.error();
  (*s)->SetRange(0, 0);
  return base::Ok();
}

base::Status WordBasic::EditFind(std::string_view text) {
  lastFound_ = false;
  base::Result<Selection*> s = app_.Selection();
  if (!s) return s.error();
  // A Find of our own: the dialog's settings as they start, whatever Selection.Find was set to.
  Range target = (*s)->Range();
  Find find(target, true);
  find.text = std::string(text);
  base::Result<bool> found = find.Execute();
  if (!found) return found.error();
  if (*found) (*s)->Select(target);
  lastFound_ = *found;
  return base::Ok();
}

int32_t WordBasic::GetSelStartPos() {
  base::Result<Selection*> s = app_.Selection();
  return s ? (*s)->Start() : 0;
}

int32_t WordBasic::GetSelEndPos() {
  base::Result<Selection*> s = app_.Selection();
  return s ? (*s)->End() : 0;
}

base::Status WordBasic::SetSelRange(int32_t start, int32_t end) {
  base::Result<Selection*> s = app_.Selection();
  if (!s) return s.error();
  (*s)->SetRange(start, end);
  return base::Ok();
}

base::Status WordBasic::ViewHeaderFooter(bool footer) {
  base::Result<Selection*> s = app_.Selection();
  if (!s) return s.error();
  Document& document = (*s)->Document();
  const bool inMain = (*s)->Range().Story() == kMainStory;
  const int32_t position = inMain ? (*s)->Start() : 0;
  const int32_t section = inMain ? document.StoryAt(kMainStory).SectionAt(position) : 0;
  base::Result<Section> shown = document.Sections().Item(section + 1);
  if (!shown) return shown.error();
  const HeadersFooters kinds = footer ? shown->Footers() : shown->Headers();
  base::Result<HeaderFooter> part = kinds.Item(ShownHeaderFooter(document, section, position));
  if (!part) return part.error();
  const Range story = part->Range();
  (*s)->Select(Range(document, story.Story(), 0, 0));
  return base::Ok();
}

base::Status WordBasic::CloseViewHeaderFooter() {
  base::Result<Selection*> s = app_.Selection();
  if (!s) return s.error();
  if ((*s)->Range().Story() == kMainStory) return NotAvailable("no header or footer is shown");
  (*s)->Select(Range((*s)->Document(), kMainStory, 0, 0));
  return base::Ok();
}

base::Status WordBasic::ParaDown(int32_t count, int32_t select) {
  base::Result<Selection*> s = app_.Selection();
  if (!s) return s.error();
  const Story& story = (*s)->Range().Index();
  const std::vector<ParagraphSpan>& paragraphs = story.Paragraphs();
  int32_t end = (*s)->End();
  for (int32_t k = 0; k < count && !paragraphs.empty(); ++k) {
    const int32_t at = story.ParagraphAt(end);
    if (at < 0) break;
    end = std::max(end, paragraphs[static_cast<size_t>(at)].end);
  }
  if (select == 1) {
    (*s)->SetEnd(end);
  } else {
    // An insertion point never passes the story's last paragraph mark.
    end = std::min(end, std::max(story.Length() - 1, 0));
    (*s)->SetRange(end, end);
  }
  return base::Ok();
}

base::Status WordBasic::EditCopy() {
  base::Result<Selection*> s = app_.Selection();
  if (!s) return s.error();
  return (*s)->Copy();
}

base::Status WordBasic::EditPaste() {
  base::Result<Selection*> s = app_.Selection();
  if (!s) return s.error();
  return (*s)->Paste();
}

int32_t WordBasic::AlignmentState(int32_t alignment) {
  base::Result<Selection*> s = app_.Selection();
  return s ? ParagraphAlignmentState((*s)->Range(), alignment) : 0;
}

int32_t WordBasic::LeftPara() {
  return AlignmentState(wdAlignParagraphLeft);
}
int32_t WordBasic::CenterPara() {
  return AlignmentState(wdAlignParagraphCenter);
}
int32_t WordBasic::RightPara() {
  return AlignmentState(wdAlignParagraphRight);
}
int32_t WordBasic::JustifyPara() {
  return AlignmentState(wdAlignParagraphJustify);
}
int32_t WordBasic::DistributePara() {
  return AlignmentState(wdAlignParagraphDistribute);
}

int32_t WordBasic::Bold() {
  base::Result<Selection*> s = app_.Selection();
  return s ? BoldState((*s)->Range()) : 0;
}

int32_t WordBasic::Italic() {
  base::Result<Selection*> s = app_.Selection();
  return s ? ItalicState((*s)->Range()) : 0;
}

int32_t WordBasic::Underline() {
  base::Result<Selection*> s = app_.Selection();
  return s ? UnderlineState((*s)->Range()) : 0;
}

double WordBasic::FontSize() {
  base::Result<Selection*> s = app_.Selection();
  return s ? FontSizeValue((*s)->Range()) : 0;
}

base::Result<vb::Variant> WordBasic::CurValues(std::string_view dialog, std::string_view field) {
  base::Result<Selection*> s = app_.Selection();
  if (!s) return s.error();
  return DialogField((*s)->Range(), dialog, field, app_.Options().MeasurementUnit());
}

}  // namespace word
