// The text keywords (see text.h). Texts compare as text, nothing trimmed.
#include "grading/webmark/checks/text.h"

#include <string>

#include "grading/webmark/checks/element_text.h"
#include "grading/webmark/dom_walks.h"
#include "grading/webmark/markup.h"
#include "grading/webmark/result_log.h"
#include "platform/vb/strings.h"
#include "platform/vb/variant.h"

namespace webmark {
namespace {

using frontpage::Element;

// A line number as the rule writes it; text that is not a number is an error.
base::Result<double> LineNumber(std::string_view value) {
  return vb::CDbl(vb::Variant::String(std::string(value)));
}

base::Result<const Element*> Parent(const Element& element) {
  return ParentOf(element);
}

// Where a font's size or face may also come from: a span or font below it, a span or font
// around it. `styleItem` is read from the spans, `property` from the fonts. The span below is
// always read; the others only while nothing `matched`.
base::Result<bool> NestedSourceMatches(WebState& state, const Element& font,
                                       std::string_view styleItem, std::string_view property,
                                       std::string_view value, bool matched) {
  base::Result<bool> found = FindChildrenByTag(state, font, "span");
  if (!found) return found.error();
  if (*found && vb::TextEquals(ExtractSpanItem(state.FoundElement->outerHTML(), styleItem), value))
    matched = true;
  if (!matched) {
    found = FindChildrenByTag(state, font, "font");
    if (!found) return found.error();
    if (*found) {
      base::Result<bool> same = PropertyEquals(*state.FoundElement, property, value);
      if (!same) return same.error();
      matched = *same;
    }
  }
  base::Result<const Element*> parent = Parent(font);
  if (!parent) return parent.error();
  if (!matched) {
    found = FindParentByTag(state, **parent, "span");
    if (!found) return found.error();
    if (*found &&
        vb::TextEquals(ExtractSpanItem(state.FoundElement->outerHTML(), styleItem), value))
      matched = true;
  }
  if (!matched) {
    found = FindParentByTag(state, **parent, "font");
    if (!found) return found.error();
    if (*found) {
      base::Result<bool> same = PropertyEquals(*state.FoundElement, property, value);
      if (!same) return same.error();
      matched = *same;
    }
  }
  return matched;
}

base::Result<bool> SizeHolds(WebState& state, const Element& font, std::string_view value) {
  base::Result<std::string> size = font.Text("size");
  if (!size) return size.error();
  const bool own = !size->empty() && vb::TextEquals(*size, value);
  base::Result<bool> nested = NestedSourceMatches(state, font, "font-size", "Size", value, own);
  if (!nested) return nested.error();
  return *nested || vb::TextEquals(ExtractStyleItem(font.outerHTML(), "font-size"), value);
}

base::Result<bool> FaceHolds(WebState& state, const Element& font, std::string_view value) {
  base::Result<bool> own = PropertyEquals(font, "face", value);
  if (!own || *own) return own;
  return NestedSourceMatches(state, font, "font-family", "face", value, false);
}

base::Result<bool> ColorHolds(WebState& state, const Element& font, std::string_view value) {
  base::Result<bool> own = PropertyEquals(font, "color", value);
  if (!own || *own) return own;
  base::Result<const Element*> parent = Parent(font);
  if (!parent) return parent.error();
  base::Result<bool> found = FindParentByTag(state, **parent, "span");
  if (!found) return found.error();
  return *found && vb::TextEquals(ExtractSpanItem(state.FoundElement->outerHTML(), "color"), value);
}

// The Align of the paragraph or the cell around the font equals the value.
base::Result<bool> FontAlignHolds(WebState& state, const Element& font, std::string_view value) {
  base::Result<const Element*> parent = Parent(font);
  if (!parent) return parent.error();
  for (std::string_view tag : {"p", "td"}) {
    base::Result<bool> found = FindParentByTag(state, **parent, tag);
    if (!found) return found.error();
    if (!*found) continue;
    base::Result<bool> same = PropertyEquals(*state.FoundElement, "Align", value);
    if (!same || *same) return same;
  }
  return false;
}

// True when the nearest of `tag`, body, p or td above the font is `tag` and shows the same text.
base::Result<bool> WrappedIn(const Element& font, std::string_view tag) {
  base::Result<const Element*> e = Parent(font);
  if (!e) return e.error();
  while (!(*e)->Is(tag) && !(*e)->Is("body") && !(*e)->Is("p") && !(*e)->Is("td")) {
    e = Parent(**e);
    if (!e) return e.error();
  }
  return (*e)->Is(tag) && vb::TextEquals((*e)->innerText(), font.innerText());
}

struct Emphasis {
  std::string_view key;  // BOLD, ITALIC, UNDERLINE
  std::string_view tag;  // b, i, u
};

constexpr Emphasis kEmphases[] = {{"BOLD", "b"}, {"ITALIC", "i"}, {"UNDERLINE", "u"}};

// The font's own markup holds the tag's start and end.
bool MarkedUp(const Element& font, const Emphasis& emphasis) {
  const std::string_view inner = font.innerHTML();
  const std::string tag(emphasis.tag);
  return ContainsText(inner, "<" + tag + ">") && ContainsText(inner, "</" + tag + ">");
}

base::Result<bool> EmphasisHolds(RuleContext& context, const Element& font,
                                 const Emphasis& emphasis, std::string_view key,
                                 std::string_view value) {
  if (vb::TextEquals(value, "FALSE")) {
    base::Result<bool> wrapped = WrappedIn(font, emphasis.tag);
    if (!wrapped) return wrapped.error();
    return !*wrapped;
  }
  if (!vb::TextEquals(value, "TRUE")) {
    AppendLog(context.state, "(" + std::to_string(context.rule.Id) +
                                 ")错误！答案文件有错，关键字：[Font|" + std::string(emphasis.key) +
                                 "]" + std::string(key) + "=" + std::string(value));
    return false;
  }
  if (MarkedUp(font, emphasis)) return true;
  if (emphasis.tag == "b") {
    const std::string weight = ExtractSpanItem(font.outerHTML(), "font-weight");
    if (!weight.empty()) return vb::TextEquals(weight, "700");
    base::Result<const Element*> parent = Parent(font);
    if (!parent) return parent.error();
    if ((*parent)->Is("SPAN"))
      return vb::TextEquals(ExtractSpanItem((*parent)->outerHTML(), "font-weight"), "700");
  }
  if (emphasis.tag == "i" &&
      vb::TextEquals(ExtractSpanItem(font.innerHTML(), "font-style"), "italic"))
    return true;
  return WrappedIn(font, emphasis.tag);
}

base::Result<bool> FontKeyHolds(RuleContext& context, const Element& font, std::string_view key,
                                std::string_view value) {
  WebState& state = context.state;
  if (vb::TextEquals(key, "size")) return SizeHolds(state, font, value);
  if (vb::TextEquals(key, "face")) return FaceHolds(state, font, value);
  if (vb::TextEquals(key, "color")) return ColorHolds(state, font, value);
  if (vb::TextEquals(key, "align")) return FontAlignHolds(state, font, value);
  if (vb::TextEquals(key, "ATLINE")) {
    base::Result<int32_t> line = AtPara(context.document, font, "body");
    if (!line) return line.error();
    base::Result<double> expected = LineNumber(value);
    if (!expected) return expected.error();
    return *expected == *line - 1;
  }
  for (const Emphasis& emphasis : kEmphases) {
    if (vb::TextEquals(key, emphasis.key))
      return EmphasisHolds(context, font, emphasis, key, value);
  }
  return GeneralCheck(state, font, key, value);
}

// A table tagged so and with the value as its id follows the paragraph in document order.
base::Result<bool> TableFollows(const frontpage::Document& document, const Element& paragraph,
                                std::string_view value) {
  const frontpage::ElementList& all = document.all();
  for (int32_t k = paragraph.sourceIndex() + 1; k < all.length(); ++k) {
    const Element* e = all.at(k);
    if (e->Is("table") && vb::TextEquals(e->id(), value)) return true;
  }
  return false;
}

base::Result<bool> ParaKeyHolds(RuleContext& context, const Element& paragraph,
                                std::string_view key, std::string_view value) {
  if (vb::TextEquals(key, "align")) {
    base::Result<bool> own = PropertyEquals(paragraph, "align", value);
    if (!own || *own) return own;
    base::Result<const Element*> parent = Parent(paragraph);
    if (!parent) return parent.error();
    if (!(*parent)->Is("TD")) return false;
    return PropertyEquals(**parent, "Align", value);
  }
  if (vb::TextEquals(key, "ATLINE")) {
    base::Result<int32_t> line = AtPara(context.document, paragraph, "body");
    if (!line) return line.error();
    base::Result<double> expected = LineNumber(value);
    if (!expected) return expected.error();
    return *expected == *line;
  }
  if (vb::TextEquals(key, "ABOVETABLE")) return TableFollows(context.document, paragraph, value);
  return GeneralCheck(context.state, paragraph, key, value);
}

}  // namespace

base::Result<bool> CheckFont(RuleContext& context) {
  base::Result<std::string_view> sought = Item(context.rule.ObjectDescription, 2);
  if (!sought) return sought.error();
  const Element* font = nullptr;
  for (const Element* e : context.document.all().tags("font")) {
    if (vb::TextEquals(e->id(), *sought) || vb::TextEquals(e->innerText(), *sought)) {
      font = e;
      break;
    }
  }
  if (!font) return false;
  return WalkConditions(context.rule,
                        [&](std::string_view key, std::string_view value) -> base::Result<bool> {
                          return FontKeyHolds(context, *font, key, value);
                        });
}

base::Result<bool> CheckPara(RuleContext& context) {
  base::Result<std::string_view> sought = Item(context.rule.ObjectDescription, 2);
  if (!sought) return sought.error();
  const Element* paragraph = nullptr;
  for (const Element* e : context.document.all().tags("p")) {
    if (vb::TextEquals(e->id(), *sought)) {
      paragraph = e;
      break;
    }
    // The outer text of a paragraph is its inner text.
    const std::string text = e->innerText();
    if (vb::TextEquals(text, *sought) || ContainsText(text, *sought)) {
      paragraph = e;
      break;
    }
  }
  if (!paragraph) return false;
  return WalkConditions(context.rule,
                        [&](std::string_view key, std::string_view value) -> base::Result<bool> {
                          return ParaKeyHolds(context, *paragraph, key, value);
                        });
}

}  // namespace webmark
