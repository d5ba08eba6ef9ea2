// How the drawing-object checks read the shape they talk about: selected by name (nothing when
// it is not there), its lengths in whole points, its values compared only when they were read.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "grading/docmark/checks/check_values.h"
#include "grading/docmark/checks/shapes_navigation.h"
#include "platform/base/result.h"
#include "platform/office/word/application.h"
#include "platform/office/word/shape_range.h"

namespace docmark {

// A length the document reports, in whole points (halves to even); nothing when it cannot be
// read or does not fit in 16 bits (an aligned shape's position constant).
std::optional<int16_t> WholePoints(const base::Result<double>& points);

// An enumeration value read as 16 bits; nothing when it cannot be read or does not fit.
std::optional<int16_t> Short(const base::Result<int32_t>& value);

// The length read is `cm` centimetres, within one point.
bool LengthIs(const base::Result<double>& points, double cm);

// The value was read and is `expected`.
template <class T, class E>
bool ReadIs(const base::Result<T>& read, E expected) {
  return read && *read == expected;
}

// The value was read and is not msoTrue: the shape shows none of it.
bool ReadNotShown(const base::Result<int32_t>& visible);

// A truth about the shape `name`: false when the shape is not there.
template <class Test>
int16_t ShapeTruth(word::Application& app, std::string_view name, Test test) {
  std::optional<word::ShapeRange> shape = SelectedShape(app, name);
  return ToTruth(shape && test(*shape));
}

// A digit code about the shape `name`: 0 when the shape is not there.
template <class Code>
int16_t ShapeCode(word::Application& app, std::string_view name, Code code) {
  const std::optional<word::ShapeRange> shape = SelectedShape(app, name);
  return shape ? code(*shape) : int16_t{0};
}

}  // namespace docmark
