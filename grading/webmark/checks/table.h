// The table keywords: a table found by its id and its placement, alignment, size, borders,
// colours, spacing, rows and columns and style ("Table"); one of its cells addressed by row and
// cell index, with its alignment, size, spans, colours, pictures, text and fonts ("TableCell").
#pragma once

#include "grading/webmark/evaluator.h"

namespace webmark {

base::Result<bool> CheckTable(RuleContext& context);
base::Result<bool> CheckTableCell(RuleContext& context);

}  // namespace webmark
