// Approximate layout: row heights from the text they hold, and where a character of the main
// text stands on its page.
#include "platform/office/word/layout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "platform/office/common/font_metrics.h"
#include "platform/office/common/units.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/word/covered.h"
#include "platform/office/word/formatting.h"
#include "platform/office/word/section.h"
#include "platform/office/word/table.h"

namespace word {
namespace {

using office::Attr;
using office::Child;

// The word processor's default cell margins: 0.19 cm left and right, none above and below.
constexpr float kDefaultSideMargin = 5.4f;

float Margin(pugi::xml_node table, pugi::xml_node cell, std::string_view side, float fallback) {
  pugi::xml_node m = Child(Child(Child(cell, "tcPr"), "tcMar"), side);
  if (!m) m = Child(Child(Child(table, "tblPr"), "tblCellMar"), side);
  if (!m && side == "left") return Margin(table, cell, "start", fallback);
  if (!m && side == "right") return Margin(table, cell, "end", fallback);
  if (!m) return fallback;
  return static_cast<float>(Attr(m, "w").as_int(0)) / 20.0f;
}

bool HasEastAsian(std::string_view text) {
  // Three-byte UTF-8 sequences from E2 80 up hold the CJK ranges; a rough test is enough here.
  for (unsigned char c : text) {
    if (c >= 0xE3) return true;
  }
  return false;
}

// A paragraph laid out in a width, its text measured in its first run's font: how many lines
// it takes and how tall they are.
struct ParagraphLines {
  std::string font;
  float size = 10;
  bool bold = false;
  double available = 1;  // pixels of text a line holds
  double lines = 1;
  double lineHeight = 0;  // points
  double before = 0;      // points
  double after = 0;

  double Height() const { return lines * lineHeight + before + after; }
};

ParagraphLines MeasureParagraph(Document& document, StoryId storyId, int32_t paragraph,
                                double availablePoints) {
  const Story& story = document.StoryAt(storyId);
  const ParagraphSpan& span = story.Paragraphs()[static_cast<size_t>(paragraph)];
  const std::string text = story.TextOf(span.start, span.end - 1);
  const std::vector<CoveredText> runs = CoveredRuns(document, storyId, span.start, span.end - 1);
  const RunProps& props = runs.empty()
                              ? document.Format().Mark(span.node, TableNodeOf(story, paragraph))
                              : *runs.front().props;
  ParagraphLines measured;
  measured.font = HasEastAsian(text) ? *props.eastAsia : *props.ascii;
  measured.size = *props.size;
  measured.bold = *props.bold;
  const double widthPixels =
      office::TextWidthPixels(text, measured.font, measured.size, measured.bold);
  measured.available = std::max(1.0, office::PointsToPixels(availablePoints));
  measured.lines = std::max(1.0, std::ceil(widthPixels / measured.available));
  const double natural = office::DefaultRowHeightPoints(measured.font, measured.size) - 1.5;
  const ParagraphProps& p = ParagraphPropsOf(document, story, paragraph);
  const LineSpacing line = p.line.value_or(LineSpacing{});
  if (line.rule == LineRule::kExact) {
    measured.lineHeight = line.value / 20.0;
  } else if (line.rule == LineRule::kAtLeast) {
    measured.lineHeight = std::max(natural, line.value / 20.0);
  } else {
    measured.lineHeight = natural * line.value / 240.0;
  }
  measured.before = p.before ? p.before->twips / 20.0 : 0;
  measured.after = p.after ? p.after->twips / 20.0 : 0;
  return measured;
}

float ParagraphHeight(Document& document, StoryId storyId, int32_t paragraph,
                      float availablePoints) {
  return static_cast<float>(
      MeasureParagraph(document, storyId, paragraph, availablePoints).Height());
}

double Twips(const std::optional<UnitLength>& length) {
  return length ? length->twips / 20.0 : 0.0;
}

// The text columns of one section as the flow fills them.
struct ColumnSet {
  PageSetup page;
  std::vector<float> lefts;  // points from the page's left edge
  std::vector<float> widths;

  ColumnSet(Document& document, pugi::xml_node sectPr) : page(document, sectPr) {
    const TextColumns columns = page.TextColumns();
    float left = page.LeftMargin();
    for (int32_t i = 1; i <= columns.Count(); ++i) {
      const float width = columns.ColumnWidth(i).value_or(0);
      lefts.push_back(left);
      widths.push_back(width);
      left += width + columns.ColumnSpaceAfter(i).value_or(0);
    }
  }
  size_t Count() const { return lefts.size(); }
  double TextHeight() const {
    return std::max(1.0f, page.PageHeight() - page.TopMargin() - page.BottomMargin());
  }
};

// The main story's body from a page's start, paragraph by paragraph, into the columns of each
// section: a paragraph that does not fit below what stands in its column starts the next one
// (the next page after the last), a section that goes on on the same page starts below the
// previous one's text, balanced over its columns.
class Flow {
 public:
  Flow(Document& document, int32_t firstParagraph)
      : document_(document), story_(document.StoryAt(kMainStory)), paragraph_(firstParagraph) {
    Enter(story_.SectionAt(Span().start));
  }

  // Moves on to the paragraph `target`, leaving the place where it starts.
  void FlowTo(int32_t target) {
    for (; paragraph_ < target; ++paragraph_) {
      const ParagraphSpan& span = Span();
      const int32_t section = story_.SectionAt(span.start);
      if (section != section_) {
        segmentTop_ += SegmentHeight();
        Enter(section);
      }
      double height = 0;
      if (span.rowEnd >= 0) {
        const RowSpan& row = story_.Rows()[static_cast<size_t>(span.rowEnd)];
        if (story_.Tables()[static_cast<size_t>(row.table)].parentCell < 0)
          height = Row(document_, kMainStory, span.rowEnd).Height().value_or(0);
      } else if (span.cell < 0) {
        height = Measure(paragraph_).Height();
      }
      Place(height);
      y_ += height;
      filled_ += height;
    }
    const int32_t section = story_.SectionAt(Span().start);
    if (section != section_) {
      segmentTop_ += SegmentHeight();
      Enter(section);
    }
  }

  // Where paragraph `target` (reached by FlowTo) and the character at `position` in it stand.
  TextPlace PlaceIn(int32_t position) {
    const ParagraphSpan& span = Span();
    TextPlace place;
    if (span.cell >= 0 || span.rowEnd >= 0) {
      place.columnLeft = columns_->lefts[column_];
      place.characterLeft = place.columnLeft;
      place.paragraphTop = place.lineTop = Top();
      return place;
    }
    const ParagraphLines lines = Measure(paragraph_);
    Place(lines.Height());
    const ParagraphProps& props = ParagraphPropsOf(document_, story_, paragraph_);
    place.columnLeft = columns_->lefts[column_];
    place.paragraphTop = Top();
    const std::string before = story_.TextOf(span.start, std::max(span.start, position));
    const double width = office::TextWidthPixels(before, lines.font, lines.size, lines.bold);
    const double line = std::floor(width / lines.available);
    place.lineTop = static_cast<float>(place.paragraphTop + lines.before + line * lines.lineHeight);
    const double indent = Twips(props.left) + (line == 0 ? Twips(props.firstLine) : 0.0);
    place.characterLeft = static_cast<float>(
        place.columnLeft + indent + office::PixelsToPoints(width - line * lines.available));
    return place;
  }

 private:
  const ParagraphSpan& Span() const { return story_.Paragraphs()[static_cast<size_t>(paragraph_)]; }

  void Enter(int32_t section) {
    section_ = section;
    pugi::xml_node properties;
    if (section >= 0) properties = story_.Sections()[static_cast<size_t>(section)].properties;
    columns_.emplace(document_, properties);
    column_ = 0;
    y_ = 0;
    filled_ = 0;
    if (segmentTop_ >= columns_->TextHeight()) segmentTop_ = 0;
  }

  // How far the section's text reaches down the page: balanced over its columns when they did
  // not fill it, to its foot when they did.
  double SegmentHeight() const {
    if (columns_->Count() == 1) return y_;
    if (column_ > 0) return columns_->TextHeight() - segmentTop_;
    return filled_ / static_cast<double>(columns_->Count());
  }

  // Moves to the next column, or page, when `height` does not fit below what stands.
  void Place(double height) {
    if (segmentTop_ + y_ + height <= columns_->TextHeight() || (y_ == 0 && segmentTop_ == 0))
      return;
    y_ = 0;
    if (++column_ >= columns_->Count()) {
      column_ = 0;
      segmentTop_ = 0;
      filled_ = 0;
    }
  }

  ParagraphLines Measure(int32_t paragraph) const {
    const ParagraphProps& props = ParagraphPropsOf(document_, story_, paragraph);
    const double width = columns_->widths[column_] - Twips(props.left) - Twips(props.right);
    return MeasureParagraph(document_, kMainStory, paragraph, width);
  }

  float Top() const { return static_cast<float>(columns_->page.TopMargin() + segmentTop_ + y_); }

  Document& document_;
  const Story& story_;
  int32_t paragraph_;
  int32_t section_ = -1;
  std::optional<ColumnSet> columns_;
  size_t column_ = 0;
  double segmentTop_ = 0;  // points below the top margin where the section's text starts
  double y_ = 0;           // points filled in the current column below segmentTop_
  double filled_ = 0;      // points of the section's text on this page
};

}  // namespace

float AutoRowHeight(Document& document, StoryId storyId, int32_t row) {
  const Story& story = document.StoryAt(storyId);
  const RowSpan& r = story.Rows()[static_cast<size_t>(row)];
  const pugi::xml_node table = story.Tables()[static_cast<size_t>(r.table)].node;
  float tallest = 0;
  for (int32_t c : r.cells) {
    const CellSpan& cell = story.Cells()[static_cast<size_t>(c)];
    const float width = Cell(document, storyId, c).Width().value_or(0);
    const float available = width - Margin(table, cell.node, "left", kDefaultSideMargin) -
                            Margin(table, cell.node, "right", kDefaultSideMargin);
    float height = Margin(table, cell.node, "top", 0) + Margin(table, cell.node, "bottom", 0);
    for (int32_t p = story.ParagraphAt(cell.start);
         p < static_cast<int32_t>(story.Paragraphs().size()); ++p) {
      const ParagraphSpan& span = story.Paragraphs()[static_cast<size_t>(p)];
      if (span.start >= cell.end) break;
      if (span.cell == c) height += ParagraphHeight(document, storyId, p, available);
    }
    tallest = std::max(tallest, height);
  }
  return tallest;
}

TextPlace PlaceOf(Document& document, int32_t position) {
  const Story& story = document.StoryAt(kMainStory);
  const std::vector<int32_t>& starts = story.PageStarts();
  auto page = std::upper_bound(starts.begin(), starts.end(), position);
  const int32_t pageStart = page == starts.begin() ? 0 : *std::prev(page);
  Flow flow(document, story.ParagraphAt(pageStart));
  flow.FlowTo(story.ParagraphAt(position));
  return flow.PlaceIn(position);
}

}  // namespace word
