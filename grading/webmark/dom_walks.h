// Walks over the page's element tree that the rule keywords share: the rows of the enclosing
// table, the pictures below an element, the paragraph count back to a tag, and the tag searches
// below and above an element, whose result the control keeps in FoundElement and FoundFlag.
// A walk that runs past the top of the tree, or an index outside a collection, is an error, which
// fails the rule that asked.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grading/webmark/state.h"
#include "platform/base/result.h"
#include "platform/office/frontpage/document.h"

namespace webmark {

// The row count of the table around `te` (the walk starts at its parent); -1 outside any table.
base::Result<int32_t> getTableRows(const frontpage::Element& te);
// Reads the parent of `te` and answers 0, whatever `r` is.
base::Result<int32_t> getTableRowCols(const frontpage::Element& te, int32_t r);
// Appends the src of `n` and of every img below it, in document order, to `c`.
base::Status FindAllImageInNode(const frontpage::Element& n, std::vector<std::string>& c);
// 1 plus the "p" elements met walking the document's elements back from `e` (exclusive) to the
// nearest one whose tag is `tag` (inspected too), never below index 1.
base::Result<int32_t> AtPara(const frontpage::Document& d, const frontpage::Element& e,
                             std::string_view tag);
// The first element below `o` tagged `t`, depth first, into FoundElement; false (keeping the
// previous result) when `o` has no children.
base::Result<bool> FindChildrenByTag(WebState& state, const frontpage::Element& o,
                                     std::string_view t);
// The worker of FindChildrenByTag: searches only while FoundFlag is false.
base::Status FindChildren(WebState& state, const frontpage::Element& o, std::string_view t);
// `o` or its nearest ancestor tagged `t`, the walk stopping at "body", "table" or "tr"; found, it
// goes into FoundElement.
base::Result<bool> FindParentByTag(WebState& state, const frontpage::Element& o,
                                   std::string_view t);

// The parent of `e`, or the error a walk past the top of the tree raises.
base::Result<const frontpage::Element*> ParentOf(const frontpage::Element& e);

}  // namespace webmark
