// The selection of a document's window: a range that the movement commands move (GoTo,
// MoveRight, Collapse, WholeStory), that Find moves to what it finds, and that Copy and Paste
// work on. It starts as an insertion point at the start of the main story.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/result.h"
#include "platform/office/word/range.h"

namespace word {

class Selection {
 public:
  explicit Selection(Document& document) : range_(document, kMainStory, 0, 0) {}

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

 private:
  word::Range range_;
};

}  // namespace word
