// The image-map hot spot keyword ("MapArea"): the image that uses the area's map, the corner count
// of a polygon, and the area's edges, centre and size against "<n", ">n" or "=n". Also the
// reading of an area's coordinate list that the link keyword's coordinate test shares.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grading/webmark/evaluator.h"

namespace webmark {

base::Result<bool> CheckMapArea(RuleContext& context);

// The items of a coordinate list split at ","; an empty list has none.
std::vector<std::string> SplitCoords(std::string_view coords);
// A number rounded to a 16-bit integer, halves to even; out of range is an overflow error.
base::Result<int16_t> ToInt16(double value);
// Item `index` (0-based) of `items`, read as its leading number ("10px" is 10), as a 16-bit
// integer; a missing item, or one that starts with no number, is an error.
base::Result<int16_t> CoordInt16(const std::vector<std::string>& items, size_t index);

}  // namespace webmark
