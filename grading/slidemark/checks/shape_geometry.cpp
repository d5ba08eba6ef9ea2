// Shape size and position.
#include "grading/slidemark/checks/shape_geometry.h"

#include <cmath>

#include "grading/slidemark/checks/reads.h"
#include "platform/base/rounding.h"

namespace slidemark {

float SizeUnitsOf(double points) {
  constexpr double kPointsPerUnit = 28.375;
  return static_cast<float>(std::round(points / kPointsPerUnit * 10.0) / 10.0);
}

bool CheckShapeDimention(const Presentation& p, int16_t slide, int16_t shape, float height,
                         float width) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  double h = 0, w = 0;
  if (onSlide != nullptr) {
    KeepRead(h, onSlide->Height());
    KeepRead(w, onSlide->Width());
  }
  return SizeUnitsOf(h) == height && SizeUnitsOf(w) == width;
}

bool CheckShapePosition(const Presentation& p, int16_t slide, int16_t shape, int32_t left,
                        int32_t top) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  double l = 0, t = 0;
  if (onSlide != nullptr) {
    KeepRead(l, onSlide->Left());
    KeepRead(t, onSlide->Top());
  }
  return base::RoundHalfEven(l) == left && base::RoundHalfEven(t) == top;
}

}  // namespace slidemark
