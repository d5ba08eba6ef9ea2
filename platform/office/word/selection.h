// The selection of a document's window: a range that the movement commands move (GoTo,
// MoveRight, Collapse, WholeStory), that its Find moves to what it finds, and that Copy and
// Paste work on. It starts as an insertion point at the start of the main story.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/find.h"
#include "platform/office/word/range.h"

namespace word {

class Shape;
class ShapeRange;

class Selection {
 public:
  explicit Selection(word::Document& document)
      : range_(document, kMainStory, 0, 0), find_(range_, true), shapesAt_(range_) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

  const word::Range& Range() const { return range_; }
  word::Document& Document() const { return range_.Document(); }
  int32_t Start() const { return range_.Start(); }
  int32_t End() const { return range_.End(); }
  WdStoryType StoryType() const { return range_.StoryType(); }
  base::Result<std::string> Text() const { return range_.Text(); }

  void SetStart(int32_t start) { range_.SetStart(start); }
  void SetEnd(int32_t end) { range_.SetEnd(end); }
  void SetRange(int32_t start, int32_t end) { range_.SetRange(start, end); }
  // Selects `range` (of any story of this document).
  void Select(const word::Range& range) { range_ = range; }

  // Selection.Find: its settings stay from one search to the next, as the word processor's do.
  word::Find& Find() { return find_; }

  // GoTo(What, Which, Count, Name): an insertion point at the start of the item, in the main
  // story. Items: wdGoToTable (the tables of the main story in document order, nested ones
  // included), wdGoToPage (see PageStart), wdGoToSection. Which: wdGoToFirst / wdGoToAbsolute
  // (the Count-th), wdGoToLast, wdGoToNext / wdGoToPrevious (Count items from the selection).
  // A page's Name is its number and wins over Which. An item that is not there fails (5941)
  // and leaves the selection; other kinds of item fail as not available (4605).
  base::Result<word::Range> GoTo(int32_t what, int32_t which = wdGoToNext, int32_t count = 1,
                                 std::string_view name = {});

  // MoveRight(Unit, Count, Extend): the number of units moved.
  //   wdCharacter: with wdExtend the end moves; with wdMove a non-collapsed selection
  //     collapses to its end (which counts as one move) and the insertion point moves on.
  //   wdCell: to the next cell of the table (the next row's first at a row's end), selecting
  //     its contents without its end-of-cell mark; the continuation of a vertically merged
  //     cell is passed over; at the table's last cell the move stops (no row is added). Outside
  //     a table it fails (4605).
  // A negative count moves left; other units fail (4605).
  base::Result<int32_t> MoveRight(int32_t unit = wdCharacter, int32_t count = 1,
                                  int32_t extend = wdMove);
  base::Result<int32_t> MoveLeft(int32_t unit = wdCharacter, int32_t count = 1,
                                 int32_t extend = wdMove);
  // Collapse(Direction): an insertion point at the start (wdCollapseStart) or the end.
  void Collapse(int32_t direction = wdCollapseStart);
  // Selects the whole story the selection is in.
  void WholeStory();
  // HomeKey(wdStory) / EndKey(wdStory): an insertion point at the story's start, or before its
  // last paragraph mark (with wdExtend the selection is extended to the story's start or end);
  // other units fail (4605). An insertion point never passes the last paragraph mark.
  base::Result<int32_t> HomeKey(int32_t unit = wdStory, int32_t extend = wdMove);
  base::Result<int32_t> EndKey(int32_t unit = wdStory, int32_t extend = wdMove);

  // Copy: the selection's range onto the clipboard (Range::Copy).
  base::Status Copy() const { return range_.Copy(); }
  // Paste: the clipboard's runs and paragraph marks at the selection, which they replace
  // (only text within one paragraph can be replaced; anything more fails before the paste);
  // the selection is then an insertion point after them. The story's part is marked changed and
  // its index built anew. An empty clipboard fails (4198).
  base::Status Paste();

  // Selection.ShapeRange: the shapes last selected (Shape::Select), while the selection stays
  // where selecting them put it; fails (4605) when no shape is selected.
  base::Result<word::ShapeRange> ShapeRange() const;
  // Selects `shapes` (at least one): the selection becomes `anchor`, the first one's anchor.
  void SelectShapes(std::vector<Shape*> shapes, const word::Range& anchor);

 private:
  base::Result<int32_t> MoveCells(int32_t count);
  base::Result<int32_t> MoveCharacters(int32_t count, int32_t extend);

  word::Range range_;
  word::Find find_;
  std::vector<Shape*> shapes_;  // selected, while range_ is still shapesAt_
  word::Range shapesAt_;
};

// Where page `page` (from 1) of the main story starts: 0 for the first; for later pages the
// known page starts (hard page breaks, page-starting sections, paragraphs that start a page,
// and the breaks the word processor noted at its last layout); past the last known page, the
// last one's start. Pages in between are not laid out here.
int32_t PageStart(const Story& story, int32_t page);
// The page (from 1) holding `position`, by the same known starts.
int32_t PageOf(const Story& story, int32_t position);

}  // namespace word
