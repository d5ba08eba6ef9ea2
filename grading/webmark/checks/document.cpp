// The document-level keywords (see document.h). Texts compare as text: letter case and width
// aside, nothing trimmed.
#include "grading/webmark/checks/document.h"

#include <span>
#include <string>

#include "grading/webmark/checks/element_text.h"
#include "grading/webmark/markup.h"
#include "grading/webmark/result_log.h"
#include "platform/vb/strings.h"

namespace webmark {
namespace {

using frontpage::Document;
using frontpage::Element;

base::Result<bool> DocumentPropertyEquals(const Document& document, std::string_view property,
                                          std::string_view value) {
  base::Result<frontpage::PropertyValue> read = document.Property(property);
  if (!read) return read.error();
  return vb::TextEquals(read->ToText(), value);
}

// The first element of the document tagged `tag` whose Name equals `name`; null for none.
base::Result<const Element*> NamedElement(const Document& document, std::string_view tag,
                                          std::string_view name) {
  for (const Element* element : document.all()) {
    if (!element->Is(tag)) continue;
    base::Result<bool> named = PropertyEquals(*element, "name", name);
    if (!named) return named.error();
    if (*named) return element;
  }
  return nullptr;
}

// The answer-workbook error line of a keyword that does not know the key, then the failed pair.
bool Refused(RuleContext& context, std::string_view keyword, std::string_view key,
             std::string_view joiner, std::string_view value) {
  AppendLog(context.state, "(" + std::to_string(context.rule.Id) +
                               ")错误！答案文件有错，关键字：[" + std::string(keyword) + "]" +
                               std::string(key) + std::string(joiner) + std::string(value));
  return false;
}

// The first column's percentage of "30%,70%": the number before the first "%,"; none when the
// text has no "%," after its first character.
std::optional<double> FirstColumnPercent(std::string_view cols) {
  const size_t p = vb::InStrText(cols, "%,");
  if (p == std::string_view::npos || p < 1) return std::nullopt;
  return Val(cols.substr(0, p));
}

base::Result<bool> ColsHold(const Document& frames, std::string_view value) {
  const frontpage::ElementList framesets = frames.all().tags("FRAMESET");
  if (framesets.empty()) return false;
  base::Result<std::string> cols = framesets.at(0)->Text("cols");
  if (!cols) return cols.error();
  const std::optional<double> w = FirstColumnPercent(*cols);
  if (!w) return false;
  if (vb::TextEquals(value, "LEFT_SMALL")) return *w < 50;
  if (vb::TextEquals(value, "LEFT_BIG")) return *w > 50;
  return Val(value) == *w;
}

// The inline frame's attributes read from its markup as written.
constexpr std::string_view kWrittenIFrameAttributes[] = {
    "width", "height", "marginwidth", "marginheight", "title", "align", "frameborder"};

// A frame or inline frame found by its name (item 2): its "src" and "scrolling", the attributes
// `written` from its markup as written, any other key through GeneralCheck.
base::Result<bool> CheckNamedFrame(RuleContext& context, std::string_view tag,
                                   std::span<const std::string_view> written) {
  base::Result<std::string_view> name = Item(context.rule.ObjectDescription, 2);
  if (!name) return name.error();
  base::Result<const Element*> frame = NamedElement(context.document, tag, *name);
  if (!frame) return frame.error();
  if (!*frame) return false;
  const Element& element = **frame;
  return WalkConditions(context.rule,
                        [&](std::string_view key, std::string_view value) -> base::Result<bool> {
                          for (std::string_view own : {"src", "scrolling"}) {
                            if (vb::TextEquals(key, own))
                              return PropertyEquals(element, own, value);
                          }
                          for (std::string_view attribute : written) {
                            if (vb::TextEquals(key, attribute))
                              return vb::TextEquals(ExtractItem(element.outerHTML(), key), value);
                          }
                          return GeneralCheck(context.state, element, key, value);
                        });
}

}  // namespace

base::Result<bool> CheckFrameSet(RuleContext& context) {
  return WalkConditions(context.rule,
                        [&](std::string_view key, std::string_view value) -> base::Result<bool> {
                          if (vb::TextEquals(key, "title"))
                            return DocumentPropertyEquals(context.document, "title", value);
                          if (vb::TextEquals(key, "cols")) return ColsHold(context.document, value);
                          return Refused(context, "FrameSet", key, "", value);
                        });
}

base::Result<bool> CheckFrame(RuleContext& context) {
  return CheckNamedFrame(context, "FRAME", {});
}

base::Result<bool> CheckIFrame(RuleContext& context) {
  return CheckNamedFrame(context, "iframe", kWrittenIFrameAttributes);
}

base::Result<bool> CheckMeta(RuleContext& context) {
  const auto& od = context.rule.ObjectDescription;
  base::Result<std::string_view> by = Item(od, 2);
  if (!by) return by.error();
  base::Result<std::string_view> sought = Item(od, 3);
  if (!sought) return sought.error();
  std::string_view property;
  if (vb::TextEquals(*by, "name")) property = "name";
  if (vb::TextEquals(*by, "httpEquiv")) property = "httpEquiv";
  if (vb::TextEquals(*by, "id")) property = "id";
  if (property.empty()) return false;
  const Element* meta = nullptr;
  for (const Element* element : context.document.all().tags("meta")) {
    base::Result<bool> found = PropertyEquals(*element, property, *sought);
    if (!found) return found.error();
    if (*found) {
      meta = element;
      break;
    }
  }
  if (!meta) return false;
  return WalkConditions(context.rule,
                        [&](std::string_view key, std::string_view value) -> base::Result<bool> {
                          for (std::string_view own : {"content", "charset"}) {
                            if (vb::TextEquals(key, own)) return PropertyEquals(*meta, own, value);
                          }
                          return Refused(context, "Meta", key, "=", value);
                        });
}

base::Result<bool> CheckDoc(RuleContext& context) {
  return WalkConditions(
      context.rule, [&](std::string_view key, std::string_view value) -> base::Result<bool> {
        for (std::string_view own :
             {"title", "alinkColor", "vlinkColor", "linkColor", "bgColor", "fgColor"}) {
          if (vb::TextEquals(key, own)) return DocumentPropertyEquals(context.document, own, value);
        }
        if (vb::TextEquals(key, "background")) {
          const Element* body = context.document.body();
          if (!body) return base::Error::WithCode(91, "the document has no body");
          return PropertyEquals(*body, "background", value);
        }
        if (vb::TextEquals(key, "BASETARGET")) {
          base::Result<std::string_view> name = Item(context.rule.ObjectDescription, 2);
          if (!name) return name.error();
          base::Result<const Element*> base = NamedElement(context.document, "base", *name);
          if (!base) return base.error();
          if (!*base) return false;
          return PropertyEquals(**base, "target", value);
        }
        return Refused(context, "Doc", key, "=", value);
      });
}

}  // namespace webmark
