// The picture keyword ("Image"): a picture found by its id or a part of its address, and its
// size, border, spacing, alignment, address, image-map shapes, and the text beside, above and
// below it.
#pragma once

#include "grading/webmark/evaluator.h"

namespace webmark {

base::Result<bool> CheckImage(RuleContext& context);

}  // namespace webmark
