// The horizontal line ("HLine": found by the text just above it, or after or before a mark) and
// the page's background sound ("BGsound").
#pragma once

#include "grading/webmark/evaluator.h"

namespace webmark {

base::Result<bool> CheckHLine(RuleContext& context);
base::Result<bool> CheckBGsound(RuleContext& context);

}  // namespace webmark
