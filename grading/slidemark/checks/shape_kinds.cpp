// Shape kinds.
#include "grading/slidemark/checks/shape_kinds.h"

#include "grading/slidemark/checks/reads.h"

namespace slidemark {

bool CheckShapeMediaType(const Presentation& p, int16_t slide, int16_t shape, int32_t type) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  int32_t read = 0;
  if (onSlide != nullptr) KeepRead(read, onSlide->MediaType());
  return read == type;
}

bool CheckInsertAutoShapeType(const Presentation& p, int16_t slide, int16_t shape, int32_t type) {
  return CheckShapeAutoShapeType(p, slide, shape, type);
}

bool CheckShapeAutoShapeType(const Presentation& p, int16_t slide, int16_t shape, int32_t type) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  int32_t read = 0;
  if (onSlide != nullptr) KeepRead(read, onSlide->AutoShapeType());
  return read == type;
}

bool CheckShapeTypeName(const Presentation& p, int16_t slide, int16_t shape, int32_t type) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  return (onSlide != nullptr ? onSlide->Type() : 0) == type;
}

bool CheckShapePlaceholderTypeName(const Presentation& p, int16_t slide, int16_t shape,
                                   int32_t type) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  int32_t read = 0;
  if (onSlide != nullptr) {
    base::Result<powerpoint::PlaceholderFormat> placeholder = onSlide->PlaceholderFormat();
    if (placeholder) read = placeholder->ContainedType();
  }
  return read == type;
}

}  // namespace slidemark
