// The bookmark and hyperlink keywords: a named bookmark's pictures and texts before, inside and
// after it ("Anchor"), and a hyperlink's target, text and pictures, or for an image-map area its
// shape, coordinates within tolerances and the image that uses its map ("Link").
#pragma once

#include "grading/webmark/evaluator.h"

namespace webmark {

base::Result<bool> CheckAnchor(RuleContext& context);
base::Result<bool> CheckLink(RuleContext& context);

}  // namespace webmark
