// Sections, page setup, text columns, headers, footers and their page numbers.
#include "platform/office/word/section.h"

#include <algorithm>
#include <cmath>

#include "platform/base/text.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/word/covered.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/formatting.h"
#include "platform/office/word/mixed.h"

namespace word {
namespace {

using office::Attr;
using office::Child;
using office::IsElement;

float Twips(int64_t twips) {
  return static_cast<float>(twips) / 20.0f;
}

int32_t IntAttr(pugi::xml_node node, const char* name, int32_t fallback) {
  const pugi::xml_attribute a = Attr(node, name);
  if (!a) return fallback;
  // Lengths beyond a few metres are damage: keep them where a float holds them exactly.
  return static_cast<int32_t>(std::clamp<long long>(a.as_llong(fallback), -3168000, 3168000));
}

bool OnOff(pugi::xml_node node) {
  if (!node) return false;
  const std::string_view v = Attr(node, "val").value();
  return !(v == "0" || v == "false" || v == "off");
}

// True when a field code is a PAGE field ("PAGE", " PAGE \* MERGEFORMAT ").
bool IsPageField(std::string_view code) {
  code = base::Trim(code);
  const size_t end = code.find_first_of(" \\");
  return base::EqualsNoCase(code.substr(0, end), "PAGE");
}

int32_t PageNumberAlignmentOf(std::string_view align) {
  if (align == "center") return wdAlignPageNumberCenter;
  if (align == "right" || align == "end") return wdAlignPageNumberRight;
  if (align == "inside") return wdAlignPageNumberInside;
  if (align == "outside") return wdAlignPageNumberOutside;
  return wdAlignPageNumberLeft;
}

const char* ReferenceType(int32_t index) {
  switch (index) {
    case wdHeaderFooterPrimary:
      return "default";
    case wdHeaderFooterFirstPage:
      return "first";
    case wdHeaderFooterEvenPages:
      return "even";
    default:
      return nullptr;
  }
}

WdStoryType StoryTypeOf(int32_t index, bool footer) {
  switch (index) {
    case wdHeaderFooterFirstPage:
      return footer ? wdFirstPageFooterStory : wdFirstPageHeaderStory;
    case wdHeaderFooterEvenPages:
      return footer ? wdEvenPagesFooterStory : wdEvenPagesHeaderStory;
    default:
      return footer ? wdPrimaryFooterStory : wdPrimaryHeaderStory;
  }
}

}  // namespace

word::Sections Document::Sections() {
  std::vector<int32_t> sections(StoryAt(kMainStory).Sections().size());
  for (size_t i = 0; i < sections.size(); ++i) sections[i] = static_cast<int32_t>(i);
  return word::Sections(*this, std::move(sections));
}

word::Sections Range::Sections() const {
  if (story_ != kMainStory) return word::Sections(*document_, {0});
  const word::Story& story = Index();
  std::vector<int32_t> sections;
  for (size_t i = 0; i < story.Sections().size(); ++i) {
    const SectionSpan& s = story.Sections()[i];
    const bool holdsStart = start_ >= s.start && start_ < s.end;
    if (holdsStart || (s.start < end_ && s.end > start_))
      sections.push_back(static_cast<int32_t>(i));
  }
  if (sections.empty()) sections.push_back(static_cast<int32_t>(story.Sections().size()) - 1);
  return word::Sections(*document_, std::move(sections));
}

base::Result<Section> Sections::Item(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("there is no section ", index);
  return Section(*document_, sections_[static_cast<size_t>(index - 1)]);
}

word::Range Section::Range() const {
  const SectionSpan& s = document_->StoryAt(kMainStory).Sections()[static_cast<size_t>(index_)];
  return word::Range(*document_, kMainStory, s.start, s.end);
}

word::PageSetup Section::PageSetup() const {
  return word::PageSetup(
      *document_,
      document_->StoryAt(kMainStory).Sections()[static_cast<size_t>(index_)].properties);
}

float PageSetup::PageWidth() const {
  return Twips(IntAttr(Child(sectPr_, "pgSz"), "w", 12240));
}

float PageSetup::PageHeight() const {
  return Twips(IntAttr(Child(sectPr_, "pgSz"), "h", 15840));
}

int32_t PageSetup::Margin(const char* side, int32_t fallback) const {
  return IntAttr(Child(sectPr_, "pgMar"), side, fallback);
}

float PageSetup::TopMargin() const {
  return Twips(Margin("top", 1440));
}

float PageSetup::BottomMargin() const {
  return Twips(Margin("bottom", 1440));
}

float PageSetup::LeftMargin() const {
  return Twips(Margin("left", 1800));
}

float PageSetup::RightMargin() const {
  return Twips(Margin("right", 1800));
}

float PageSetup::Gutter() const {
  return Twips(Margin("gutter", 0));
}

float PageSetup::HeaderDistance() const {
  return Twips(Margin("header", 720));
}

float PageSetup::FooterDistance() const {
  return Twips(Margin("footer", 720));
}

int32_t PageSetup::Orientation() const {
  return std::string_view(Attr(Child(sectPr_, "pgSz"), "orient").value()) == "landscape"
             ? wdOrientLandscape
             : wdOrientPortrait;
}

int32_t PageSetup::SectionStart() const {
  const std::string_view type = Attr(Child(sectPr_, "type"), "val").value();
  if (type == "continuous") return wdSectionContinuous;
  if (type == "nextColumn") return wdSectionNewColumn;
  if (type == "evenPage") return wdSectionEvenPage;
  if (type == "oddPage") return wdSectionOddPage;
  return wdSectionNewPage;
}

int32_t PageSetup::LayoutMode() const {
  const std::string_view type = Attr(Child(sectPr_, "docGrid"), "type").value();
  if (type == "lines") return wdLayoutModeLineGrid;
  if (type == "linesAndChars") return wdLayoutModeGrid;
  if (type == "snapToChars") return wdLayoutModeGenko;
  return wdLayoutModeDefault;
}

int32_t PageSetup::DifferentFirstPageHeaderFooter() const {
  return Truth(OnOff(Child(sectPr_, "titlePg")));
}

float PageSetup::LinesPage() const {
  // The grid's pitch: w:linePitch, else the word processor's default line of 18 pt.
  const int32_t pitch = std::max(1, IntAttr(Child(sectPr_, "docGrid"), "linePitch", 360));
  const int32_t textHeight = IntAttr(Child(sectPr_, "pgSz"), "h", 15840) -
                             std::abs(Margin("top", 1440)) - std::abs(Margin("bottom", 1440));
  return static_cast<float>(std::max(1, textHeight / pitch));
}

float PageSetup::CharsLine() const {
  // A character of the grid is the default font's size plus w:charSpace 4096ths of a point.
  const float size = *document_->Format().Mark({}, {}).size;
  // A signed 32-bit number, which some writers save negative as its unsigned value.
  const auto space = static_cast<int32_t>(
      static_cast<uint32_t>(Attr(Child(sectPr_, "docGrid"), "charSpace").as_llong(0)));
  const float pitch = size + static_cast<float>(space) / 4096.0f;
  const float textWidth = PageWidth() - LeftMargin() - RightMargin() - Gutter();
  if (pitch <= 0) return 1;
  // A grid the word processor set up for n characters holds n less a rounding error.
  return std::max(1.0f, std::floor(textWidth / pitch + 0.01f));
}

word::TextColumns PageSetup::TextColumns() const {
  return word::TextColumns(Child(sectPr_, "cols"),
                           PageWidth() - LeftMargin() - RightMargin() - Gutter());
}

std::vector<pugi::xml_node> TextColumns::Own() const {
  std::vector<pugi::xml_node> columns;
  for (pugi::xml_node c = cols_.first_child(); c; c = c.next_sibling()) {
    if (IsElement(c, "col")) columns.push_back(c);
  }
  return columns;
}

int32_t TextColumns::Count() const {
  const int32_t n = std::clamp(IntAttr(cols_, "num", 1), 1, 45);
  if (!EvenlySpaced()) {
    const auto own = static_cast<int32_t>(Own().size());
    if (own > 0) return own;
  }
  return n;
}

float TextColumns::Spacing() const {
  return Twips(IntAttr(cols_, "space", 720));
}

int32_t TextColumns::EvenlySpaced() const {
  const pugi::xml_attribute a = Attr(cols_, "equalWidth");
  if (!a) return kTrue;
  const std::string_view v = a.value();
  return Truth(!(v == "0" || v == "false" || v == "off"));
}

int32_t TextColumns::LineBetween() const {
  const std::string_view v = Attr(cols_, "sep").value();
  return Truth(v == "1" || v == "true" || v == "on");
}

float TextColumns::EvenWidth() const {
  const int32_t n = Count();
  return (textWidth_ - static_cast<float>(n - 1) * Spacing()) / static_cast<float>(n);
}

float TextColumns::Width() const {
  if (EvenlySpaced()) return EvenWidth();
  std::vector<float> widths;
  for (pugi::xml_node c : Own()) widths.push_back(Twips(IntAttr(c, "w", 0)));
  return CommonNumber(widths, [](float w) { return w; }).value_or(static_cast<float>(wdUndefined));
}

base::Result<float> TextColumns::ColumnWidth(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("there is no text column ", index);
  // Columns said to differ but not listed are as many even ones as w:num says.
  const std::vector<pugi::xml_node> own = Own();
  if (EvenlySpaced() || own.empty()) return EvenWidth();
  return Twips(IntAttr(own[static_cast<size_t>(index - 1)], "w", 0));
}

base::Result<float> TextColumns::ColumnSpaceAfter(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("there is no text column ", index);
  if (index == Count()) return 0.0f;
  const std::vector<pugi::xml_node> own = Own();
  if (EvenlySpaced() || own.empty()) return Spacing();
  return Twips(IntAttr(own[static_cast<size_t>(index - 1)], "space", 0));
}

base::Result<PageNumber> PageNumbers::Item(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("there is no page number ", index);
  return numbers_[static_cast<size_t>(index - 1)];
}

word::Range HeaderFooter::Range() const {
  return word::Range(*document_, story_, 0, document_->StoryAt(story_).Length());
}

int32_t HeaderFooter::Exists() const {
  return Truth(exists_);
}

int32_t HeaderFooter::LinkToPrevious() const {
  return Truth(linkToPrevious_);
}

word::PageNumbers HeaderFooter::PageNumbers() const {
  const word::Story& story = document_->StoryAt(story_);
  std::vector<PageNumber> numbers;
  for (const Piece& p : story.Pieces()) {
    if (p.kind != PieceKind::kFieldCode) continue;
    const std::string_view code = IsElement(p.node, "fldSimple")
                                      ? std::string_view(Attr(p.node, "instr").value())
                                      : std::string_view(p.node.text().get());
    if (!IsPageField(code)) continue;
    const ParagraphProps& props = ParagraphPropsOf(*document_, story, p.paragraph);
    if (props.frame && !props.frame->xAlign.empty()) {
      numbers.emplace_back(PageNumberAlignmentOf(props.frame->xAlign));
    } else {
      const int32_t jc = props.alignment.value_or(wdAlignParagraphLeft);
      numbers.emplace_back(jc == wdAlignParagraphCenter  ? wdAlignPageNumberCenter
                           : jc == wdAlignParagraphRight ? wdAlignPageNumberRight
                                                         : wdAlignPageNumberLeft);
    }
  }
  return word::PageNumbers(std::move(numbers));
}

base::Result<HeaderFooter> HeadersFooters::Item(int32_t index) const {
  const char* type = ReferenceType(index);
  if (type == nullptr) return NoSuchMember("there is no header or footer ", index);
  const Story& main = document_->StoryAt(kMainStory);
  const char* reference = footers_ ? "footerReference" : "headerReference";
  // The section's own reference of that type, else the nearest earlier section's.
  std::string id;
  bool own = false;
  for (int32_t s = section_; s >= 0 && id.empty(); --s) {
    for (pugi::xml_node r = main.Sections()[static_cast<size_t>(s)].properties.first_child(); r;
         r = r.next_sibling()) {
      if (IsElement(r, reference) && std::string_view(Attr(r, "type").value()) == type) {
        id = Attr(r, "id").value();
        own = s == section_;
        break;
      }
    }
  }
  const WdStoryType storyType = StoryTypeOf(index, footers_);
  bool exists = true;
  if (index == wdHeaderFooterFirstPage) {
    exists = OnOff(Child(main.Sections()[static_cast<size_t>(section_)].properties, "titlePg"));
  } else if (index == wdHeaderFooterEvenPages) {
    exists = OnOff(Child(document_->Settings(), "evenAndOddHeaders"));
  }
  const bool linkToPrevious = !own && section_ > 0;
  if (id.empty())
    return HeaderFooter(*document_, document_->EmptyStory(storyType), exists, linkToPrevious);
  std::string part;
  for (const opc::Relationship& r : document_->Package().Relationships(document_->MainPart())) {
    if (r.id == id && !r.external) part = r.target;
  }
  if (part.empty()) return Failed("the ", reference, " \"", id, "\" names no part");
  base::Result<StoryId> story = document_->PartStory(part, storyType);
  if (!story) return story.error();
  return HeaderFooter(*document_, *story, exists, linkToPrevious);
}

}  // namespace word
