// What a range's Shading, Borders and Orientation read: the cells it holds whole, or else the
// text, its paragraphs and the cell around them, the nearest layer that says something.
#include <optional>

#include "platform/office/common/xml_names.h"
#include "platform/office/word/covered.h"
#include "platform/office/word/paragraph_format.h"
#include "platform/office/word/range.h"
#include "platform/office/word/table.h"

namespace word {
namespace {

bool IsBlank(const ShadingProps& s) {
  return s == ShadingProps{};
}

bool IsBlank(const BorderProps& b) {
  return b.lineStyle == wdLineStyleNone;
}

// The cells a range holds whole: all of one cell's content, or parts of more than one cell.
// Nothing when it holds part of one cell's text, or lies outside tables.
std::optional<Cells> WholeCells(const Range& range) {
  base::Result<Cells> cells = range.Cells();
  if (!cells) return std::nullopt;
  if (cells->Count() > 1) return *cells;
  const CellSpan& c = range.Index().Cells()[static_cast<size_t>(cells->Item(1)->Index())];
  if (range.Start() <= c.start && range.End() >= c.end - 1) return *cells;
  return std::nullopt;
}

// The cell around a range inside one cell; nothing outside tables.
std::optional<Cell> CellAround(const Range& range) {
  const int32_t cell = range.Index().CellAt(range.Start());
  if (cell < 0) return std::nullopt;
  return Cell(range.Document(), range.Story(), cell);
}

}  // namespace

base::Result<word::Shading> Range::Shading() const {
  if (std::optional<word::Cells> cells = WholeCells(*this)) {
    std::vector<ShadingProps> found;
    for (int32_t i = 1; i <= cells->Count(); ++i) {
      // A cell's shading is one value: read it through its own Shading.
      base::Result<word::Shading> s = cells->Item(i)->Shading();
      if (!s) return s.error();
      found.push_back(s->Props().front());
    }
    return word::Shading(std::move(found));
  }
  std::vector<ShadingProps> text;
  bool any = false;
  for (const CoveredText& t : CoveredRuns(*document_, story_, start_, end_)) {
    text.push_back(*t.props->shading);
    any = any || !IsBlank(text.back());
  }
  if (any) return word::Shading(std::move(text));
  base::Result<word::Shading> paragraphs = ParagraphFormat().Shading();
  if (!paragraphs) return paragraphs;
  bool paragraphsSay = false;
  for (const ShadingProps& s : paragraphs->Props()) paragraphsSay = paragraphsSay || !IsBlank(s);
  if (!paragraphsSay) {
    if (std::optional<Cell> cell = CellAround(*this)) return cell->Shading();
  }
  return paragraphs;
}

base::Result<Border> Range::Borders(int32_t index) const {
  if (std::optional<word::Cells> cells = WholeCells(*this)) {
    std::vector<BorderProps> found;
    for (int32_t i = 1; i <= cells->Count(); ++i) {
      base::Result<Border> b = cells->Item(i)->Borders(index);
      if (!b) return b.error();
      found.push_back(b->Props().front());
    }
    return Border(std::move(found));
  }
  base::Result<Border> paragraphs = ParagraphFormat().Borders(index);
  bool paragraphsSay = false;
  if (paragraphs) {
    for (const BorderProps& b : paragraphs->Props()) paragraphsSay = paragraphsSay || !IsBlank(b);
  }
  if (!paragraphsSay) {
    if (std::optional<Cell> cell = CellAround(*this)) return cell->Borders(index);
  }
  return paragraphs;
}

base::Result<int32_t> Range::Orientation() const {
  if (std::optional<Cell> cell = CellAround(*this)) return cell->Orientation();
  const word::Story& story = Index();
  if (const int32_t section = story.SectionAt(start_); section >= 0) {
    const pugi::xml_node direction =
        office::Child(story.Sections()[static_cast<size_t>(section)].properties, "textDirection");
    if (direction) return ReadTextDirection(direction).value_or(wdTextOrientationHorizontal);
  }
  const std::vector<int32_t> paragraphs = CoveredParagraphs(story, start_, end_);
  if (paragraphs.empty()) return wdTextOrientationHorizontal;
  return ParagraphPropsOf(*document_, story, paragraphs.front())
      .textDirection.value_or(wdTextOrientationHorizontal);
}

}  // namespace word
