// Tests only: a page opened in the state's editor from its bytes, as a run opens it, and its
// elements found by id.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "grading/webmark/state.h"
#include "platform/office/frontpage/application.h"

namespace webmark::testing {

// Opens `bytes` as "C:\exam\Fropkt\<name>" in a new editor of `state`; false when it does not.
bool OpenPageBytes(WebState& state, std::string_view bytes, std::string_view name = "index.htm");
// Opens the committed test page.
bool OpenTestPage(WebState& state, std::string_view page);

// The active page's first element with this id, or the first tagged `tag` when `id` is "";
// null when there is none.
const frontpage::Element* ElementById(const WebState& state, std::string_view id);
const frontpage::Element* FirstTagged(const WebState& state, std::string_view tag, int nth = 0);

}  // namespace webmark::testing
