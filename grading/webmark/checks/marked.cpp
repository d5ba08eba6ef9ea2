// The marked-object keyword (see marked.h).
#include "grading/webmark/checks/marked.h"

#include <string>

#include "grading/webmark/checks/object_common.h"
#include "grading/webmark/dom_walks.h"
#include "grading/webmark/markup.h"
#include "grading/webmark/result_log.h"
#include "platform/vb/strings.h"

namespace webmark {
namespace {

using frontpage::Element;

// The source index of the last mark whose "name:index" text holds `name` followed by a colon, so
// a name also finds the marks whose names end with it.
const Mark* LastMarkHolding(const WebState& state, std::string_view name) {
  const std::string sought = std::string(name) + ":";
  const Mark* found = nullptr;
  for (const Mark& mark : state.MarkList) {
    if (vb::InStrText(mark.name + ":" + std::to_string(mark.sourceIndex), sought) !=
        std::string::npos)
      found = &mark;
  }
  return found;
}

base::Result<bool> PicturesInCell(WebState& state, const Element& element, std::string_view value) {
  base::Result<double> expected = NumberValue(value);
  if (!expected) return expected.error();
  base::Result<bool> cell = FindParentByTag(state, element, "td");
  if (!cell) return cell.error();
  if (!*cell) return false;
  int32_t pictures = 0;
  for (const Element* e : state.FoundElement->all()) pictures += e->Is("img") ? 1 : 0;
  return pictures == *expected;
}

// A font property of the marked element: a span's style item, a font's attribute, or in a
// paragraph the first font below it (its attribute, or for the size its style when the attribute
// is empty) else the first span below it.
base::Result<bool> FontOf(WebState& state, const Element& element, std::string_view attribute,
                          std::string_view styleItem, bool sizeFallsToStyle,
                          std::string_view value) {
  if (element.Is("span"))
    return vb::TextEquals(ExtractStyleItem(element.outerHTML(), styleItem), value);
  if (element.Is("font")) return TextPropertyEquals(element, attribute, value);
  if (!element.Is("p")) return false;
  base::Result<bool> font = FindChildrenByTag(state, element, "font");
  if (!font) return font.error();
  if (*font) {
    const Element& f = *state.FoundElement;
    base::Result<std::string> written = f.Text(attribute);
    if (!written) return written.error();
    if (sizeFallsToStyle && written->empty())
      return vb::TextEquals(ExtractStyleItem(f.outerHTML(), styleItem), value);
    return vb::TextEquals(*written, value);
  }
  base::Result<bool> span = FindChildrenByTag(state, element, "span");
  if (!span) return span.error();
  return *span &&
         vb::TextEquals(ExtractStyleItem(state.FoundElement->outerHTML(), styleItem), value);
}

}  // namespace

base::Result<bool> CheckObject(RuleContext& context) {
  const auto& od = context.rule.ObjectDescription;
  base::Result<std::string_view> name = Item(od, 2);
  if (!name) return name.error();
  const Mark* mark = LastMarkHolding(context.state, *name);
  if (!mark) {
    AppendLog(context.state, "对象没有找到！对象名：" + od[0] + std::string(*name));
    return false;
  }
  base::Result<const Element*> marked = context.document.all().item(mark->sourceIndex);
  if (!marked) return marked.error();
  const Element& element = **marked;
  WebState& state = context.state;
  return WalkConditions(
      context.rule, [&](std::string_view key, std::string_view value) -> base::Result<bool> {
        if (vb::TextEquals(key, "TDIMAGECNT")) return PicturesInCell(state, element, value);
        for (std::string_view accepted : {"TDPARACNT", "ATROWS", "ATCOLS", "HAVETEXT"}) {
          if (vb::TextEquals(key, accepted)) return true;
        }
        if (vb::TextEquals(key, "FontFace"))
          return FontOf(state, element, "face", "font-family", false, value);
        if (vb::TextEquals(key, "FontSize"))
          return FontOf(state, element, "size", "font-size", true, value);
        if (vb::TextEquals(key, "Align"))
          return element.Is("p") ? TextPropertyEquals(element, "align", value)
                                 : base::Result<bool>(false);
        return GeneralCheck(state, element, key, value);
      });
}

}  // namespace webmark
