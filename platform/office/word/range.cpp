// Range positions and text.
#include "platform/office/word/range.h"

#include <algorithm>

namespace word {

void Range::SetStart(int32_t start) {
  start_ = std::clamp(start, 0, Index().Length());
  if (end_ < start_) end_ = start_;
}

void Range::SetEnd(int32_t end) {
  end_ = std::clamp(end, 0, Index().Length());
  if (start_ > end_) start_ = end_;
}

void Range::SetRange(int32_t start, int32_t end) {
  const int32_t length = Index().Length();
  start_ = std::clamp(start, 0, length);
  end_ = std::clamp(end, 0, length);
  if (end_ < start_) std::swap(start_, end_);
}

base::Result<std::string> Range::Text() const {
  return Index().TextOf(start_, end_);
}

}  // namespace word
