// The drawing objects kept as vector markup: word art ("ArtText": text, font, shape, fill, shadow,
// place above a table) and text boxes ("TextBox": place and size, fill and outline, text and its
// font), read from the drawing's markup as text.
#pragma once

#include "grading/webmark/evaluator.h"

namespace webmark {

base::Result<bool> CheckArtText(RuleContext& context);
base::Result<bool> CheckTextBox(RuleContext& context);

}  // namespace webmark
