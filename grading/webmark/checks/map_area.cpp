// The image-map hot spot keyword (see map_area.h). A coordinate reads as its leading number
// ("10px" is 10); one that holds none fails the rule, as reading it as 0 would let an expected 0
// match a broken area.
#include "grading/webmark/checks/map_area.h"

#include <optional>

#include "grading/webmark/checks/element_values.h"
#include "grading/webmark/markup.h"
#include "platform/vb/strings.h"
#include "platform/vb/variant.h"

namespace webmark {
namespace {

using frontpage::Element;

enum class Shape { Rect, Circle, Polygon, Other };

Shape ShapeOf(std::string_view shape) {
  for (std::string_view rect : {"rect", "rectangle"})
    if (vb::TextEquals(shape, rect)) return Shape::Rect;
  for (std::string_view circle : {"circle", "circ"})
    if (vb::TextEquals(shape, circle)) return Shape::Circle;
  for (std::string_view polygon : {"polygon", "poly"})
    if (vb::TextEquals(shape, polygon)) return Shape::Polygon;
  return Shape::Other;
}

enum class Measure { Left, Right, Top, Bottom, CenterX, CenterY, Width, Height };

struct MeasureKey {
  std::string_view key;
  Measure measure;
};

constexpr MeasureKey kMeasures[] = {
    {"AreaLeft", Measure::Left},       {"AreaRight", Measure::Right},
    {"AreaTop", Measure::Top},         {"AreaBottom", Measure::Bottom},
    {"AreaCenterX", Measure::CenterX}, {"AreaCenterY", Measure::CenterY},
    {"AreaWidth", Measure::Width},     {"AreaHeight", Measure::Height},
};

base::Result<double> NumberAt(const std::vector<std::string>& items, size_t index) {
  if (index >= items.size())
    return base::Error::WithCode(9, "coordinate " + std::to_string(index) + " is missing");
  return NumberValue(items[index]);
}

// The first operand of a sum or difference is the coordinate's text itself, which converts only
// when it is a number through and through ("10px" there is an error): the item it is, if any.
std::optional<size_t> TextOperand(Shape shape, Measure measure) {
  if (shape == Shape::Rect) {
    switch (measure) {
      case Measure::CenterX:
        return 0;
      case Measure::CenterY:
        return 1;
      case Measure::Width:
        return 2;
      case Measure::Height:
        return 3;
      default:
        return std::nullopt;
    }
  }
  switch (measure) {
    case Measure::Left:
    case Measure::Right:
      return 0;
    case Measure::Top:
    case Measure::Bottom:
      return 1;
    default:
      return std::nullopt;
  }
}

// The first `count` coordinates as numbers for the measure.
base::Status ReadCoords(const std::vector<std::string>& items, Shape shape, Measure measure,
                        double* v, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    base::Result<double> n = NumberAt(items, i);
    if (!n) return n.error();
    v[i] = *n;
  }
  if (const std::optional<size_t> operand = TextOperand(shape, measure)) {
    base::Result<double> strict = vb::CDbl(vb::Variant::String(items[*operand]));
    if (!strict)
      return base::Error::WithCode(13,
                                   "the coordinate \"" + items[*operand] + "\" is not a number");
    v[*operand] = *strict;
  }
  return base::Ok();
}

// A rectangle's measure from left, top, right, bottom, rounded once.
base::Result<int16_t> RectMeasure(const std::vector<std::string>& items, Measure measure) {
  double v[4];
  if (base::Status read = ReadCoords(items, Shape::Rect, measure, v, 4); !read) return read.error();
  switch (measure) {
    case Measure::Left:
      return ToInt16(v[0]);
    case Measure::Top:
      return ToInt16(v[1]);
    case Measure::Right:
      return ToInt16(v[2]);
    case Measure::Bottom:
      return ToInt16(v[3]);
    case Measure::CenterX:
      return ToInt16((v[0] + v[2]) / 2);
    case Measure::CenterY:
      return ToInt16((v[1] + v[3]) / 2);
    case Measure::Width:
      return ToInt16(v[2] - v[0]);
    case Measure::Height:
      return ToInt16(v[3] - v[1]);
  }
  return base::Error::WithCode(5, "unknown measure");
}

// A circle's measure from x, y and radius, rounded once.
base::Result<int16_t> CircleMeasure(const std::vector<std::string>& items, Measure measure) {
  double v[3];
  if (base::Status read = ReadCoords(items, Shape::Circle, measure, v, 3); !read)
    return read.error();
  const double x = v[0], y = v[1], r = v[2];
  switch (measure) {
    case Measure::Left:
      return ToInt16(x - r);
    case Measure::Right:
      return ToInt16(x + r);
    case Measure::Top:
      return ToInt16(y - r);
    case Measure::Bottom:
      return ToInt16(y + r);
    case Measure::CenterX:
      return ToInt16(x);
    case Measure::CenterY:
      return ToInt16(y);
    case Measure::Width:
    case Measure::Height:
      return ToInt16(2 * r);
  }
  return base::Error::WithCode(5, "unknown measure");
}

struct Extremes {
  int16_t low = 0, high = 0, mean = 0;
};

// The smallest, largest and mean of the x (offset 0) or y (offset 1) values of a polygon's
// corners, kept as 16-bit integers as they go.
base::Result<Extremes> PolygonAxis(const std::vector<std::string>& items, size_t offset) {
  const size_t n = items.empty() ? 0 : (items.size() - 1) / 2;
  base::Result<int16_t> first = CoordInt16(items, offset);
  if (!first) return first.error();
  Extremes e{*first, *first, *first};
  for (size_t j = 1; j <= n; ++j) {
    base::Result<double> v = NumberAt(items, 2 * j + offset);
    if (!v) return v.error();
    if (*v < e.low || *v > e.high) {
      base::Result<int16_t> rounded = ToInt16(*v);
      if (!rounded) return rounded.error();
      if (*v < e.low) e.low = *rounded;
      if (*v > e.high) e.high = *rounded;
    }
    base::Result<int16_t> sum = ToInt16(e.mean + *v);
    if (!sum) return sum.error();
    e.mean = *sum;
  }
  base::Result<int16_t> mean = ToInt16(static_cast<double>(e.mean) / static_cast<double>(n + 1));
  if (!mean) return mean.error();
  e.mean = *mean;
  return e;
}

base::Result<int16_t> PolygonMeasure(const std::vector<std::string>& items, Measure measure) {
  const bool vertical = measure == Measure::Top || measure == Measure::Bottom ||
                        measure == Measure::CenterY || measure == Measure::Height;
  base::Result<Extremes> axis = PolygonAxis(items, vertical ? 1 : 0);
  if (!axis) return axis.error();
  switch (measure) {
    case Measure::Left:
    case Measure::Top:
      return axis->low;
    case Measure::Right:
    case Measure::Bottom:
      return axis->high;
    case Measure::CenterX:
    case Measure::CenterY:
      return axis->mean;
    case Measure::Width:
    case Measure::Height:
      return ToInt16(static_cast<double>(axis->high) - axis->low);
  }
  return base::Error::WithCode(5, "unknown measure");
}

// The measure of the area's shape against "<n", ">n" or "=n"; a shape without enough
// coordinates, or one of no known kind, does not hold.
base::Result<bool> MeasureHolds(std::string_view shape, const std::vector<std::string>& items,
                                Measure measure, std::string_view value) {
  const int64_t u = static_cast<int64_t>(items.size()) - 1;
  base::Result<int16_t> m = int16_t{0};
  switch (ShapeOf(shape)) {
    case Shape::Rect:
      if (u <= 2) return false;
      m = RectMeasure(items, measure);
      break;
    case Shape::Circle:
      if (u <= 1) return false;
      m = CircleMeasure(items, measure);
      break;
    case Shape::Polygon:
      m = PolygonMeasure(items, measure);
      break;
    case Shape::Other:
      return false;
  }
  if (!m) return m.error();
  return CoordsCheck(*m, value);
}

// The image whose useMap is "#" & the name of the area's map contains `value` in its src.
base::Result<bool> MapImageHolds(const frontpage::Document& document, const Element& area,
                                 std::string_view value) {
  const Element* map = area.parentElement();
  if (!map || !map->Is("map")) return false;
  base::Result<std::string> name = map->Text("name");
  if (!name) return name.error();
  if (name->empty()) return false;
  const std::string useMap = "#" + *name;
  for (const Element* image : document.images()) {
    base::Result<std::string> uses = image->Text("useMap");
    if (!uses) return uses.error();
    if (!vb::TextEquals(*uses, useMap)) continue;
    base::Result<std::string> src = image->Text("src");
    if (!src) return src.error();
    return Contains(*src, value);
  }
  return false;
}

// The first area whose shape is item 2 and, when the rule has item 3, whose href is item 3.
base::Result<const Element*> FindArea(RuleContext& context) {
  const auto& od = context.rule.ObjectDescription;
  base::Result<std::string_view> shape = Item(od, 2);
  if (!shape) return shape.error();
  std::optional<std::string_view> href;
  if (od.size() > 2) href = od[2];
  for (const Element* area : context.document.all().tags("area")) {
    base::Result<std::string> own = area->Text("shape");
    if (!own) return own.error();
    if (!vb::TextEquals(*own, *shape)) continue;
    if (href) {
      base::Result<std::string> target = area->Text("href");
      if (!target) return target.error();
      if (!vb::TextEquals(*target, *href)) continue;
    }
    return area;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> SplitCoords(std::string_view coords) {
  std::vector<std::string> items;
  if (coords.empty()) return items;
  size_t start = 0;
  for (;;) {
    const size_t comma = coords.find(',', start);
    items.emplace_back(coords.substr(start, comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return items;
}

base::Result<int16_t> ToInt16(double value) {
  return vb::CInt(vb::Variant::Double(value));
}

base::Result<int16_t> CoordInt16(const std::vector<std::string>& items, size_t index) {
  base::Result<double> number = NumberAt(items, index);
  if (!number) return number.error();
  return ToInt16(*number);
}

base::Result<bool> CheckMapArea(RuleContext& context) {
  base::Result<const Element*> found = FindArea(context);
  if (!found) return found.error();
  if (!*found) return false;
  const Element& area = **found;
  base::Result<std::string> shape = area.Text("shape");
  if (!shape) return shape.error();
  base::Result<std::string> coords = area.Text("coords");
  if (!coords) return coords.error();
  const std::vector<std::string> items = SplitCoords(*coords);
  return WalkConditions(context.rule,
                        [&](std::string_view key, std::string_view value) -> base::Result<bool> {
                          if (vb::TextEquals(key, "IMAGESRC"))
                            return MapImageHolds(context.document, area, value);
                          if (vb::TextEquals(key, "CoordsPair")) {
                            if (!vb::TextEquals(*shape, "polygon")) return false;
                            const int64_t u = static_cast<int64_t>(items.size()) - 1;
                            return Val(value) == static_cast<double>(u / 2 + 1);
                          }
                          for (const MeasureKey& m : kMeasures) {
                            if (vb::TextEquals(key, m.key))
                              return MeasureHolds(*shape, items, m.measure, value);
                          }
                          return GeneralCheck(context.state, area, key, value);
                        });
}

}  // namespace webmark
