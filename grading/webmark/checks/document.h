// The document-level keywords: the frames page's title and first column ("FrameSet"), a named
// frame ("Frame") or inline frame ("IFrame"), a meta element ("Meta"), and the page's title,
// colours, background and base target ("Doc").
#pragma once

#include "grading/webmark/evaluator.h"

namespace webmark {

base::Result<bool> CheckFrameSet(RuleContext& context);
base::Result<bool> CheckFrame(RuleContext& context);
base::Result<bool> CheckIFrame(RuleContext& context);
base::Result<bool> CheckMeta(RuleContext& context);
base::Result<bool> CheckDoc(RuleContext& context);

}  // namespace webmark
