// Element walks (see dom_walks.h). The tree is walked with an explicit stack: a candidate's page
// can nest as deep as it likes.
#include "grading/webmark/dom_walks.h"

#include <utility>

#include "platform/office/frontpage/errors.h"

namespace webmark {

base::Result<const frontpage::Element*> ParentOf(const frontpage::Element& e) {
  if (const frontpage::Element* parent = e.parentElement()) return parent;
  return frontpage::ErrorWith(frontpage::kErrNoSuchItem, "no parent element above ", e.tagName());
}

base::Result<int32_t> getTableRows(const frontpage::Element& te) {
  base::Result<const frontpage::Element*> e = ParentOf(te);
  while (e && !(*e)->Is("body") && !(*e)->Is("table")) e = ParentOf(**e);
  if (!e) return e.error();
  if (!(*e)->Is("table")) return -1;
  base::Result<frontpage::ElementList> rows = (*e)->rows();
  if (!rows) return rows.error();
  return rows->length();
}

base::Result<int32_t> getTableRowCols(const frontpage::Element& te, int32_t) {
  base::Result<const frontpage::Element*> parent = ParentOf(te);
  if (!parent) return parent.error();
  return 0;
}

base::Status FindAllImageInNode(const frontpage::Element& n, std::vector<std::string>& c) {
  std::vector<const frontpage::Element*> pending{&n};
  while (!pending.empty()) {
    const frontpage::Element* e = pending.back();
    pending.pop_back();
    if (e->Is("img")) {
      base::Result<std::string> src = e->Text("src");
      if (!src) return src.error();
      c.push_back(*std::move(src));
    }
    const frontpage::ElementList& children = e->children();
    for (int32_t i = children.length() - 1; i >= 0; --i) pending.push_back(children.at(i));
  }
  return base::Ok();
}

base::Result<int32_t> AtPara(const frontpage::Document& d, const frontpage::Element& e,
                             std::string_view tag) {
  int32_t count = 1;
  int32_t k = e.sourceIndex();
  for (;;) {
    base::Result<const frontpage::Element*> at = d.all().item(k);
    if (!at) return at.error();
    if ((*at)->Is(tag) || k <= 1) return count;
    --k;
    base::Result<const frontpage::Element*> before = d.all().item(k);
    if (!before) return before.error();
    if ((*before)->Is("p")) ++count;
  }
}

base::Result<bool> FindChildrenByTag(WebState& state, const frontpage::Element& o,
                                     std::string_view t) {
  if (o.children().length() == 0) return false;
  state.FoundFlag = false;
  state.FoundElement = nullptr;
  if (base::Status searched = FindChildren(state, o, t); !searched) return searched.error();
  return state.FoundFlag;
}

base::Status FindChildren(WebState& state, const frontpage::Element& o, std::string_view t) {
  if (state.FoundFlag) return base::Ok();
  // Pre-order over the descendants of `o`: the first one tagged `t` wins.
  std::vector<std::pair<const frontpage::Element*, int32_t>> stack{{&o, 0}};
  while (!stack.empty()) {
    auto& [element, next] = stack.back();
    const frontpage::ElementList& children = element->children();
    if (children.length() > INT16_MAX)
      return frontpage::ErrorWith(6, "overflow: more than 32767 children under one element");
    if (next >= children.length()) {
      stack.pop_back();
      continue;
    }
    const frontpage::Element* child = children.at(next++);
    if (child->Is(t)) {
      state.FoundElement = child;
      state.FoundFlag = true;
      return base::Ok();
    }
    stack.emplace_back(child, 0);
  }
  return base::Ok();
}

base::Result<bool> FindParentByTag(WebState& state, const frontpage::Element& o,
                                   std::string_view t) {
  const frontpage::Element* e = &o;
  while (!e->Is("body") && !e->Is("table") && !e->Is("tr") && !e->Is(t)) {
    base::Result<const frontpage::Element*> parent = ParentOf(*e);
    if (!parent) return parent.error();
    e = *parent;
  }
  if (!e->Is(t)) return false;
  state.FoundElement = e;
  return true;
}

}  // namespace webmark
