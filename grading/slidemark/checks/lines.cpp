// Shape lines.
#include "grading/slidemark/checks/lines.h"

#include <optional>

#include "grading/slidemark/checks/reads.h"
#include "platform/base/rounding.h"

namespace slidemark {
namespace {

std::optional<powerpoint::LineFormat> LineOf(const Presentation& p, int16_t slide, int16_t shape) {
  return ShapeMember(p, slide, shape, &powerpoint::Shape::Line);
}

}  // namespace

bool CheckLineWeight(const Presentation& p, int16_t slide, int16_t shape, int32_t weight) {
  double read = 0;
  if (std::optional<powerpoint::LineFormat> line = LineOf(p, slide, shape)) read = line->Weight();
  return base::RoundHalfEven(read) == weight;
}

bool CheckLineStyle(const Presentation& p, int16_t slide, int16_t shape, int32_t dashStyle) {
  int32_t read = 0;
  if (std::optional<powerpoint::LineFormat> line = LineOf(p, slide, shape))
    read = line->DashStyle();
  return read == dashStyle;
}

int32_t CheckLineColor(const Presentation& p, int16_t slide, int16_t shape) {
  int32_t read = 0;
  if (std::optional<powerpoint::LineFormat> line = LineOf(p, slide, shape)) {
    base::Result<powerpoint::ColorFormat> color = line->ForeColor();
    if (color) read = color->RGB();
  }
  return read;
}

}  // namespace slidemark
