// The word-art and text-box keywords (see drawing.h).
#include "grading/webmark/checks/drawing.h"

#include <string>

#include "grading/webmark/checks/object_common.h"
#include "grading/webmark/dom_walks.h"
#include "grading/webmark/markup.h"
#include "platform/vb/strings.h"

namespace webmark {
namespace {

using frontpage::Element;

constexpr std::string_view kDrawingTag = "xxxxescher";

bool Contains(std::string_view text, std::string_view sought) {
  return vb::InStrText(text, sought) != std::string::npos;
}

// "NULL" stands for an attribute that is empty or not written.
bool EqualsOrNull(std::string_view actual, std::string_view value) {
  if (vb::TextEquals(value, "NULL")) return actual.empty();
  return vb::TextEquals(actual, value);
}

// One style item of the textpath, compared whole.
struct TextPathStyle {
  std::string_view key;
  std::string_view item;
  bool unquote;
};
constexpr TextPathStyle kTextPathStyles[] = {
    {"fontsize", "font-size", false},
    {"fontfamily", "font-family", true},
    {"fontweight", "font-weight", false},
    {"fontstyle", "font-style", false},
};

// One attribute of a vector element where "NULL" means unset.
struct NullableItem {
  std::string_view key;
  std::string_view element;
  std::string_view attribute;
};
constexpr NullableItem kNullableItems[] = {
    {"SHAPEFILLCOLOR", "shape", "fillcolor"},
    {"FILLTYPE", "fill", "type"},
    {"SHADOWCOLOR", "shadow", "color"},
};

// The span's style item, or "" when the element has no span below it.
base::Result<std::string> SpanItemBelow(WebState& state, const Element& element,
                                        std::string_view item) {
  base::Result<bool> span = FindChildrenByTag(state, element, "span");
  if (!span) return span.error();
  if (!*span) return std::string();
  return ExtractSpanItem(state.FoundElement->outerHTML(), item);
}

// The font size of the box's text: the font's size, else its span's, else its own style's.
base::Result<bool> BoxFontSize(WebState& state, const Element& box, std::string_view value) {
  base::Result<bool> font = FindChildrenByTag(state, box, "font");
  if (!font) return font.error();
  if (!*font) return false;
  const Element& f = *state.FoundElement;
  base::Result<std::string> size = f.Text("size");
  if (!size) return size.error();
  if (!size->empty() && vb::TextEquals(value, *size)) return true;
  base::Result<std::string> spanned = SpanItemBelow(state, f, "font-size");
  if (!spanned) return spanned.error();
  if (vb::TextEquals(*spanned, value)) return true;
  return vb::TextEquals(ExtractStyleItem(f.outerHTML(), "font-size"), value);
}

// The font face of the box's text: the font's face, else a span's below it, else a span's at or
// above its parent.
base::Result<bool> BoxFontFace(WebState& state, const Element& box, std::string_view value) {
  base::Result<bool> font = FindChildrenByTag(state, box, "font");
  if (!font) return font.error();
  if (!*font) return false;
  const Element& f = *state.FoundElement;
  base::Result<bool> face = TextPropertyEquals(f, "face", value);
  if (!face) return face.error();
  if (*face) return true;
  base::Result<std::string> spanned = SpanItemBelow(state, f, "font-family");
  if (!spanned) return spanned.error();
  if (vb::TextEquals(*spanned, value)) return true;
  base::Result<const Element*> parent = ParentOf(f);
  if (!parent) return parent.error();
  base::Result<bool> above = FindParentByTag(state, **parent, "span");
  if (!above) return above.error();
  return *above &&
         vb::TextEquals(ExtractSpanItem(state.FoundElement->outerHTML(), "font-family"), value);
}

}  // namespace

base::Result<bool> CheckArtText(RuleContext& context) {
  base::Result<std::string_view> sought = Item(context.rule.ObjectDescription, 2);
  if (!sought) return sought.error();
  const Element* art = nullptr;
  std::string textpath;
  for (const Element* drawing : context.document.all().tags(kDrawingTag)) {
    std::string path = ExtractVMLtag(drawing->outerHTML(), "textpath");
    if (Contains(ExtractItem(path, "string"), *sought)) {
      art = drawing;
      textpath = std::move(path);
      break;
    }
  }
  if (!art) return false;
  const std::string_view markup = art->outerHTML();
  return WalkConditions(
      context.rule, [&](std::string_view key, std::string_view value) -> base::Result<bool> {
        for (const TextPathStyle& style : kTextPathStyles) {
          if (!vb::TextEquals(key, style.key)) continue;
          std::string item = ExtractStyleItem(textpath, style.item);
          return vb::TextEquals(style.unquote ? RemoveQuote(item) : item, value);
        }
        if (vb::TextEquals(key, "TEXTSTYLEHAVE")) return Contains(GetStyleString(textpath), value);
        if (vb::TextEquals(key, "SHAPETYPE"))
          return vb::TextEquals(ExtractItem(ExtractVMLtag(markup, "shape"), "type"), value);
        if (vb::TextEquals(key, "SHAPESTYLEHAVE"))
          return Contains(GetStyleString(ExtractVMLtag(markup, "shape")), value);
        for (const NullableItem& item : kNullableItems) {
          if (vb::TextEquals(key, item.key))
            return EqualsOrNull(ExtractItem(ExtractVMLtag(markup, item.element), item.attribute),
                                value);
        }
        if (vb::TextEquals(key, "TEXTSTRING"))
          return vb::TextEquals(ExtractItem(textpath, "string"), value);
        if (vb::TextEquals(key, "ABOVETABLE")) return TableFollows(context.document, *art, value);
        return AnswerError(context, "ArtText", std::string(key) + std::string(value));
      });
}

base::Result<bool> CheckTextBox(RuleContext& context) {
  base::Result<std::string_view> sought = Item(context.rule.ObjectDescription, 2);
  if (!sought) return sought.error();
  const std::string byId = "id=\"" + std::string(*sought);
  const Element* box = nullptr;
  for (const Element* drawing : context.document.all().tags(kDrawingTag)) {
    if (Contains(drawing->innerText(), *sought) || Contains(drawing->outerHTML(), byId)) {
      box = drawing;
      break;
    }
  }
  if (!box) return false;
  const std::string shape = ExtractVMLtag(box->outerHTML(), "shape");
  return WalkConditions(
      context.rule, [&](std::string_view key, std::string_view value) -> base::Result<bool> {
        for (std::string_view place : {"left", "top", "width", "height"}) {
          if (vb::TextEquals(key, place))
            return vb::TextEquals(ExtractStyleItem(shape, key), value);
        }
        for (std::string_view outline : {"filled", "stroked"}) {
          if (vb::TextEquals(key, outline))
            return vb::TextEquals(ExtractItem(shape, outline), value);
        }
        if (vb::TextEquals(key, "ISTEXT")) return vb::TextEquals(box->innerText(), value);
        if (vb::TextEquals(key, "HAVETEXT"))
          return Contains(ExtractVMLtag(box->outerHTML(), "textbox"), value);
        if (vb::TextEquals(key, "fontsize")) return BoxFontSize(context.state, *box, value);
        if (vb::TextEquals(key, "fontface")) return BoxFontFace(context.state, *box, value);
        return AnswerError(context, "TextBox", std::string(key) + std::string(value));
      });
}

}  // namespace webmark
