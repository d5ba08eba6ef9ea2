// Shape lines.
#include "grading/slidemark/checks/lines.h"

#include <optional>

#include "grading/slidemark/checks/reads.h"
#include "platform/base/rounding.h"

namespace slidemark {
namespace {

std::optional<powerpoint::LineFormat> LineOf(const Presentation& p, int16_t slide, int16_t shape) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  if (onSlide == nullptr) return std::nullopt;
  base::Result<powerpoint::LineFormat> line = onSlide->Line();
  if (!line) return std::nullopt;
  return *line;
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
