// The selection's movements: GoTo, MoveRight / MoveLeft by characters and cells, Collapse,
// WholeStory, HomeKey and EndKey.
#include "platform/office/word/selection.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "platform/office/word/errors.h"
#include "platform/office/word/shape_range.h"
#include "platform/office/word/shapes.h"

namespace word {
namespace {

// The next (or previous) cell of the table after `cell`, passing over continued merged cells;
// -1 when there is none. From a row's end mark (`cell` < 0, `row` set) the next row's first.
int32_t NeighbourCell(const Story& story, int32_t cell, int32_t row, bool forward) {
  const std::vector<CellSpan>& cells = story.Cells();
  int32_t r = cell >= 0 ? cells[static_cast<size_t>(cell)].row : row;
  const TableSpan& table =
      story.Tables()[static_cast<size_t>(story.Rows()[static_cast<size_t>(r)].table)];
  int32_t k =
      cell >= 0
          ? cells[static_cast<size_t>(cell)].indexInRow + (forward ? 1 : -1)
          : (forward ? static_cast<int32_t>(story.Rows()[static_cast<size_t>(r)].cells.size())
                     : static_cast<int32_t>(story.Rows()[static_cast<size_t>(r)].cells.size()) - 1);
  int32_t rowInTable = story.Rows()[static_cast<size_t>(r)].indexInTable;
  while (rowInTable >= 0 && rowInTable < static_cast<int32_t>(table.rows.size())) {
    const RowSpan& at =
        story.Rows()[static_cast<size_t>(table.rows[static_cast<size_t>(rowInTable)])];
    while (k >= 0 && k < static_cast<int32_t>(at.cells.size())) {
      const int32_t candidate = at.cells[static_cast<size_t>(k)];
      if (cells[static_cast<size_t>(candidate)].vmerge != VerticalMerge::kContinue)
        return candidate;
      k += forward ? 1 : -1;
    }
    rowInTable += forward ? 1 : -1;
    if (rowInTable < 0 || rowInTable >= static_cast<int32_t>(table.rows.size())) break;
    const RowSpan& next =
        story.Rows()[static_cast<size_t>(table.rows[static_cast<size_t>(rowInTable)])];
    k = forward ? 0 : static_cast<int32_t>(next.cells.size()) - 1;
  }
  return -1;
}

// The index of the item `which` / `count` picks among items starting at `starts`, seen from
// `position`; -1 when there is none.
int32_t PickItem(const std::vector<int32_t>& starts, int32_t which, int32_t count,
                 int32_t position) {
  const auto n = static_cast<int32_t>(starts.size());
  switch (which) {
    case wdGoToFirst:  // also wdGoToAbsolute: the Count-th
      return count >= 1 && count <= n ? count - 1 : -1;
    case wdGoToLast:
      return n - 1;
    case wdGoToNext: {
      const auto after = static_cast<int32_t>(
          std::upper_bound(starts.begin(), starts.end(), position) - starts.begin());
      const int32_t index = after + std::max(count, 1) - 1;
      return index < n ? index : -1;
    }
    case wdGoToPrevious: {
      const auto before = static_cast<int32_t>(
          std::lower_bound(starts.begin(), starts.end(), position) - starts.begin());
      const int32_t index = before - std::max(count, 1);
      return index >= 0 ? index : -1;
    }
    default:
      return -1;
  }
}

}  // namespace

int32_t PageStart(const Story& story, int32_t page) {
  const std::vector<int32_t>& starts = story.PageStarts();
  if (page <= 1 || starts.empty()) return 0;
  const auto index = static_cast<size_t>(page - 2);
  return index < starts.size() ? starts[index] : starts.back();
}

int32_t PageOf(const Story& story, int32_t position) {
  const std::vector<int32_t>& starts = story.PageStarts();
  return 1 + static_cast<int32_t>(std::upper_bound(starts.begin(), starts.end(), position) -
                                  starts.begin());
}

base::Result<word::Range> Selection::GoTo(int32_t what, int32_t which, int32_t count,
                                          std::string_view name) {
  word::Document& document = Document();
  const Story& main = document.StoryAt(kMainStory);
  const int32_t position = range_.Story() == kMainStory ? range_.Start() : 0;
  int32_t target = 0;
  switch (what) {
    case wdGoToTable:
    case wdGoToSection: {
      std::vector<int32_t> starts;
      if (what == wdGoToTable) {
        for (const TableSpan& t : main.Tables()) starts.push_back(t.start);
      } else {
        for (const SectionSpan& s : main.Sections()) starts.push_back(s.start);
      }
      const int32_t index = PickItem(starts, which, count, position);
      if (index < 0)
        return NoSuchMember("there is no such ", what == wdGoToTable ? "table" : "section");
      target = starts[static_cast<size_t>(index)];
      break;
    }
    case wdGoToPage: {
      const auto pages = static_cast<int32_t>(main.PageStarts().size()) + 1;
      int32_t page = 1;
      if (!name.empty()) {
        const char* end = name.data() + name.size();
        if (std::from_chars(name.data(), end, page).ptr != end || page < 1)
          return NoSuchMember("\"", name, "\" names no page");
      } else if (which == wdGoToFirst) {
        page = count;
      } else if (which == wdGoToLast) {
        page = pages;
      } else if (which == wdGoToNext) {
        page = PageOf(main, position) + std::max(count, 1);
      } else if (which == wdGoToPrevious) {
        page = PageOf(main, position) - std::max(count, 1);
      }
      target = PageStart(main, std::clamp(page, 1, pages));
      break;
    }
    default:
      return NotAvailable("going to item ", what, " needs what this model does not lay out");
  }
  range_ = word::Range(document, kMainStory, target, target);
  return range_;
}

base::Result<int32_t> Selection::MoveRight(int32_t unit, int32_t count, int32_t extend) {
  if (unit == wdCell) return MoveCells(count);
  if (unit == wdCharacter) return MoveCharacters(count, extend);
  return NotAvailable("moving by unit ", unit, " is not modelled");
}

base::Result<int32_t> Selection::MoveLeft(int32_t unit, int32_t count, int32_t extend) {
  return MoveRight(unit, -count, extend);
}

base::Result<int32_t> Selection::MoveCells(int32_t count) {
  const Story& story = range_.Index();
  const int32_t start = range_.Start();
  int32_t cell = story.CellAt(start);
  int32_t row = -1;
  if (cell < 0) {
    row = story.Paragraphs()[static_cast<size_t>(story.ParagraphAt(start))].rowEnd;
    if (row < 0) return NotAvailable("the selection is not in a table");
  }
  int32_t moved = 0;
  for (int32_t i = 0; i < std::abs(count); ++i) {
    const int32_t next = NeighbourCell(story, cell, row, count > 0);
    if (next < 0) break;
    cell = next;
    row = -1;
    ++moved;
  }
  if (moved > 0) {
    const CellSpan& c = story.Cells()[static_cast<size_t>(cell)];
    range_.SetRange(c.start, c.end - 1);
  }
  return moved;
}

base::Result<int32_t> Selection::MoveCharacters(int32_t count, int32_t extend) {
  const int32_t length = range_.Index().Length();
  if (extend == wdExtend) {
    const int32_t end = std::clamp(range_.End() + count, range_.Start(), length);
    const int32_t moved = std::abs(end - range_.End());
    range_.SetEnd(end);
    return moved;
  }
  int32_t position = count >= 0 ? range_.End() : range_.Start();
  int32_t moved = 0;
  int32_t remaining = count;
  if (!range_.Collapsed() && count != 0) {
    // Collapsing a selection counts as the first move.
    moved = 1;
    remaining += count > 0 ? -1 : 1;
  }
  // An insertion point never passes the story's last paragraph mark.
  const int32_t target = std::clamp(position + remaining, 0, std::max(length - 1, 0));
  moved += std::abs(target - position);
  position = target;
  range_.SetRange(position, position);
  return moved;
}

void Selection::Collapse(int32_t direction) {
  const int32_t at = direction == wdCollapseEnd ? range_.End() : range_.Start();
  range_.SetRange(at, at);
}

base::Result<word::ShapeRange> Selection::ShapeRange() const {
  // Moving the selection anywhere else deselects the shapes, as it does in the word processor.
  std::vector<Shape*> selected;
  if (range_ == shapesAt_) {
    word::Shapes& shapes = range_.Document().Shapes();
    for (Shape* shape : shapes_) {
      if (shapes.Contains(*shape)) selected.push_back(shape);
    }
  }
  if (selected.empty()) return NotAvailable("no shape is selected");
  return word::ShapeRange(std::move(selected));
}

void Selection::SelectShapes(std::vector<Shape*> shapes, const word::Range& anchor) {
  range_ = anchor;
  shapes_ = std::move(shapes);
  shapesAt_ = anchor;
}

void Selection::WholeStory() {
  range_.SetRange(0, range_.Index().Length());
}

base::Result<int32_t> Selection::HomeKey(int32_t unit, int32_t extend) {
  if (unit != wdStory) return NotAvailable("HomeKey by unit ", unit, " is not modelled");
  const int32_t moved = range_.Start();
  range_.SetRange(0, extend == wdExtend ? range_.End() : 0);
  return moved;
}

base::Result<int32_t> Selection::EndKey(int32_t unit, int32_t extend) {
  if (unit != wdStory) return NotAvailable("EndKey by unit ", unit, " is not modelled");
  const int32_t length = range_.Index().Length();
  if (extend == wdExtend) {
    const int32_t moved = length - range_.End();
    range_.SetEnd(length);
    return moved;
  }
  // Before the last paragraph mark, where typing would go.
  const int32_t end = std::max(length - 1, 0);
  const int32_t moved = std::abs(end - range_.End());
  range_.SetRange(end, end);
  return moved;
}

}  // namespace word
