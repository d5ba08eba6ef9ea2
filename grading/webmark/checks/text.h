// The text keywords: a font element's size, face, colour, alignment, line and bold, italic and
// underline, from its attributes, the spans and fonts around and inside it and the tags that wrap
// it ("Font"); a paragraph's alignment, line and the table that follows it ("Para").
#pragma once

#include "grading/webmark/evaluator.h"

namespace webmark {

base::Result<bool> CheckFont(RuleContext& context);
base::Result<bool> CheckPara(RuleContext& context);

}  // namespace webmark
