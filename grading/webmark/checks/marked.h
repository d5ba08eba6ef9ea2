// The element an earlier rule marked ("OBJECT"): its font face and size, its paragraph's
// alignment, and the pictures of the table cell that holds it.
#pragma once

#include "grading/webmark/evaluator.h"

namespace webmark {

base::Result<bool> CheckObject(RuleContext& context);

}  // namespace webmark
