// The position checks of part A's drawing objects: where a shape stands from its anchors, and
// how two shapes stand to each other.
#include <cmath>
#include <optional>
#include <string>

#include "grading/docmark/checks/navigation.h"
#include "grading/docmark/checks/shape_reads.h"
#include "grading/docmark/checks/shapes.h"

namespace docmark {
namespace {

using word::ShapeRange;

// What a position check reads of a shape: its anchors and its place from them, in whole points.
struct ShapePlace {
  std::optional<int16_t> horizontal;
  std::optional<int16_t> vertical;
  std::optional<int16_t> left;
  std::optional<int16_t> top;
};

ShapePlace ReadPlace(const ShapeRange& shape) {
  return {Short(shape.RelativeHorizontalPosition()), Short(shape.RelativeVerticalPosition()),
          WholePoints(shape.Left()), WholePoints(shape.Top())};
}

// Keeps what was read of the place for the relative-position check.
void Remember(const ShapePlace& place, LastShapePosition last) {
  if (place.left) last.left = *place.left;
  if (place.top) last.top = *place.top;
}

bool At(const std::optional<int16_t>& read, double cm) {
  return read && WithinOnePoint(CmToPoints(cm), *read);
}

// The first shape of a family, found and its text copied as EXISTOBJ does, and where it stands.
std::optional<ShapePlace> FindPlace(word::Application& app, std::string_view prefix,
                                    LastShapePosition last) {
  std::string name;
  if (ExistShape(app, prefix, name) == ToTruth(false)) return std::nullopt;
  const std::optional<ShapeRange> shape = SelectedShape(app, name);
  if (!shape) return std::nullopt;
  const ShapePlace place = ReadPlace(*shape);
  Remember(place, last);
  return place;
}

bool ApartBy(const std::optional<int16_t>& first, const std::optional<int16_t>& second,
             double expected) {
  return first && second && std::abs(static_cast<double>(*first - *second) - expected) <= 1;
}

}  // namespace

std::optional<int16_t> ShapePositionCode(word::Application& app, std::string_view name,
                                         double leftCm, int16_t horizontal, double topCm,
                                         int16_t vertical, LastShapePosition last) {
  const std::optional<ShapeRange> shape = SelectedShape(app, name);
  if (!shape) return std::nullopt;
  const ShapePlace place = ReadPlace(*shape);
  Remember(place, last);
  return DigitCode({At(place.left, leftCm) && place.horizontal == horizontal,
                    At(place.top, topCm) && place.vertical == vertical});
}

int16_t CheckShapeLeft(word::Application& app, std::string_view name, double leftCm,
                       int16_t horizontal) {
  return ShapeTruth(app, name, [&](ShapeRange& s) {
    return s.SetRelativeHorizontalPosition(horizontal).has_value() &&
           At(WholePoints(s.Left()), leftCm);
  });
}

int16_t CheckShapeTop(word::Application& app, std::string_view name, double topCm,
                      int16_t vertical) {
  return ShapeTruth(app, name, [&](ShapeRange& s) {
    return s.SetRelativeVerticalPosition(vertical).has_value() && At(WholePoints(s.Top()), topCm);
  });
}

int16_t CheckRelativePosition(word::Application& app, std::string_view prefix1,
                              std::string_view prefix2, double dx, double dy,
                              LastShapePosition last) {
  const std::optional<ShapePlace> first = FindPlace(app, prefix1, last);
  if (!first) return ToTruth(false);
  const std::optional<ShapePlace> second = FindPlace(app, prefix2, last);
  if (!second) return ToTruth(false);
  return ToTruth(ApartBy(first->left, second->left, dx) || ApartBy(first->top, second->top, dy));
}

}  // namespace docmark
