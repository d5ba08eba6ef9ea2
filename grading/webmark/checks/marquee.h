// The scrolling text ("Marquee"): its size, scrolling and colours, its place above a table, and
// the font, bold, italic and underline around it within its cell.
#pragma once

#include "grading/webmark/evaluator.h"

namespace webmark {

base::Result<bool> CheckMarquee(RuleContext& context);

}  // namespace webmark
