// Reading a drawing object's values for part A's checks.
#include "grading/docmark/checks/shape_reads.h"

#include <utility>

#include "grading/docmark/checks/navigation.h"
#include "platform/base/rounding.h"
#include "platform/office/word/constants.h"

namespace docmark {

std::optional<int16_t> WholePoints(const base::Result<double>& points) {
  if (!points) return std::nullopt;
  const double whole = base::RoundHalfEven(*points);
  if (!(whole >= INT16_MIN && whole <= INT16_MAX)) return std::nullopt;
  return static_cast<int16_t>(whole);
}

std::optional<int16_t> Short(const base::Result<int32_t>& value) {
  if (!value || !std::in_range<int16_t>(*value)) return std::nullopt;
  return static_cast<int16_t>(*value);
}

bool LengthIs(const base::Result<double>& points, double cm) {
  const std::optional<int16_t> whole = WholePoints(points);
  return whole && WithinOnePoint(CmToPoints(cm), *whole);
}

bool ReadNotShown(const base::Result<int32_t>& visible) {
  return visible && *visible != word::msoTrue;
}

}  // namespace docmark
