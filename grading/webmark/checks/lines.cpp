// The line and background-sound keywords (see lines.h).
#include "grading/webmark/checks/lines.h"

#include <string>

#include "grading/webmark/checks/object_common.h"
#include "platform/vb/strings.h"

namespace webmark {
namespace {

using frontpage::Element;
using frontpage::ElementList;

// The line whose nearest p or td above it (walking the document back, never past index 1) shows
// exactly `text`; the first such line wins. One pass, so a page of many lines stays linear.
const Element* LineBelowText(const frontpage::Document& document, std::string_view text) {
  const ElementList& all = document.all();
  int32_t block = 1;    // where the walk back from the next line ends
  int32_t tested = -1;  // the block whose text was last compared, and the outcome
  bool matched = false;
  for (int32_t i = 2; i < all.length(); ++i) {
    const Element* e = all.at(i);
    if (e->Is("hr")) {
      if (block != tested) {
        tested = block;
        matched = vb::TextEquals(text, all.at(block)->innerText());
      }
      if (matched) return e;
    } else if (e->Is("p") || e->Is("td")) {
      block = i;
    }
  }
  return nullptr;
}

const Mark* MarkNamed(const WebState& state, std::string_view name) {
  for (const Mark& mark : state.MarkList) {
    if (vb::TextEquals(mark.name, name)) return &mark;
  }
  return nullptr;
}

bool IsPercentForm(std::string_view text) {
  return text.size() >= 2 && text.front() == '%' && text.back() == '%';
}

// The target line, null when none is found; a position word the keyword does not know is an
// answer-workbook error.
base::Result<const Element*> LocateLine(RuleContext& context) {
  const auto& od = context.rule.ObjectDescription;
  base::Result<std::string_view> where = Item(od, 2);
  if (!where) return where.error();
  if (!IsPercentForm(*where)) return LineBelowText(context.document, *where);

  const bool after = vb::TextEquals(*where, "%AFTEROBJ%");
  if (!after && !vb::TextEquals(*where, "%BEFOREOBJ%")) {
    AnswerError(context, "HLine", *where);
    return nullptr;
  }
  base::Result<std::string_view> name = Item(od, 3);
  if (!name) return name.error();
  const Mark* mark = MarkNamed(context.state, *name);
  if (!mark) return nullptr;
  for (const Element* line : context.document.all().tags("hr")) {
    if (after ? line->sourceIndex() > mark->sourceIndex : line->sourceIndex() < mark->sourceIndex)
      return line;
  }
  return nullptr;
}

}  // namespace

base::Result<bool> CheckHLine(RuleContext& context) {
  base::Result<const Element*> found = LocateLine(context);
  if (!found) return found.error();
  if (!*found) return false;
  const Element& line = **found;
  return WalkConditions(
      context.rule, [&](std::string_view key, std::string_view value) -> base::Result<bool> {
        if (vb::TextEquals(key, "align")) {
          // The 2000 editor wrote no align for a centred line: centre was its default.
          if (context.state.EditorVersion == 2000 && vb::TextEquals(value, "center")) {
            base::Result<std::string> align = line.Text("align");
            if (!align) return align.error();
            return align->empty();
          }
          return TextPropertyEquals(line, "align", value);
        }
        for (std::string_view own : {"width", "size", "color"}) {
          if (vb::TextEquals(key, own)) return TextPropertyEquals(line, own, value);
        }
        return GeneralCheck(context.state, line, key, value);
      });
}

base::Result<bool> CheckBGsound(RuleContext& context) {
  const ElementList sounds = context.document.all().tags("BGSOUND");
  if (sounds.empty()) return false;
  const Element& sound = *sounds.at(0);
  return WalkConditions(
      context.rule, [&](std::string_view key, std::string_view value) -> base::Result<bool> {
        if (vb::TextEquals(key, "src")) {
          base::Result<std::string> src = sound.Text("src");
          if (!src) return src.error();
          return vb::InStrText(*src, value) != std::string::npos;
        }
        if (vb::TextEquals(key, "loop")) {
          base::Result<int32_t> expected = WholeNumber(value);
          if (!expected) return expected.error();
          base::Result<frontpage::PropertyValue> loop = sound.Property("loop");
          if (!loop) return loop.error();
          return loop->number == *expected;
        }
        return AnswerError(context, "BGsound", std::string(key) + std::string(value));
      });
}

}  // namespace webmark
