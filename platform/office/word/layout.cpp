// Approximate layout: row heights from the text they hold.
#include "platform/office/word/layout.h"

#include <algorithm>
#include <cmath>

#include "platform/office/common/font_metrics.h"
#include "platform/office/common/units.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/word/covered.h"
#include "platform/office/word/formatting.h"
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

// A paragraph's height, its text measured in its first run's font.
float ParagraphHeight(Document& document, StoryId storyId, int32_t paragraph,
                      float availablePoints) {
  const Story& story = document.StoryAt(storyId);
  const ParagraphSpan& span = story.Paragraphs()[static_cast<size_t>(paragraph)];
  const std::string text = story.TextOf(span.start, span.end - 1);
  const std::vector<CoveredText> runs = CoveredRuns(document, storyId, span.start, span.end - 1);
  const RunProps& props = runs.empty()
                              ? document.Format().Mark(span.node, TableNodeOf(story, paragraph))
                              : *runs.front().props;
  const std::string& font = HasEastAsian(text) ? *props.eastAsia : *props.ascii;
  const float size = *props.size;
  const double widthPixels = office::TextWidthPixels(text, font, size, *props.bold);
  const double available = std::max(1.0, office::PointsToPixels(availablePoints));
  const double lines = std::max(1.0, std::ceil(widthPixels / available));
  const double natural = office::DefaultRowHeightPoints(font, size) - 1.5;
  const ParagraphProps& p = ParagraphPropsOf(document, story, paragraph);
  const LineSpacing line = p.line.value_or(LineSpacing{});
  double lineHeight = natural;
  if (line.rule == LineRule::kExact) {
    lineHeight = line.value / 20.0;
  } else if (line.rule == LineRule::kAtLeast) {
    lineHeight = std::max(natural, line.value / 20.0);
  } else {
    lineHeight = natural * line.value / 240.0;
  }
  const double before = p.before ? p.before->twips / 20.0 : 0;
  const double after = p.after ? p.after->twips / 20.0 : 0;
  return static_cast<float>(lines * lineHeight + before + after);
}

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

}  // namespace word
