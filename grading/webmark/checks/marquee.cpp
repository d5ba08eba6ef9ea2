// The marquee keyword (see marquee.h).
#include "grading/webmark/checks/marquee.h"

#include <string>

#include "grading/webmark/checks/object_common.h"
#include "grading/webmark/dom_walks.h"
#include "platform/vb/strings.h"

namespace webmark {
namespace {

using frontpage::Element;

// A property compared as the model hands it back: a text equal to the value; a number never is.
base::Result<bool> PropertyIs(const Element& element, std::string_view property,
                              std::string_view value) {
  base::Result<frontpage::PropertyValue> read = element.Property(property);
  if (!read) return read.error();
  return !read->isNumber && vb::TextEquals(read->text, value);
}

base::Result<bool> NumberIs(const Element& element, std::string_view property,
                            std::string_view value) {
  base::Result<int32_t> expected = WholeNumber(value);
  if (!expected) return expected.error();
  base::Result<frontpage::PropertyValue> read = element.Property(property);
  if (!read) return read.error();
  return read->isNumber && read->number == *expected;
}

constexpr std::string_view kTextProperties[] = {"width", "height", "direction", "bgcolor",
                                                "behavior"};
constexpr std::string_view kNumberProperties[] = {"loop", "scrollamount", "scrolldelay"};
constexpr std::string_view kFontProperties[] = {"FontFace", "FontSize", "FontColor"};
// FontBold, FontItalic, FontUnderline: "TRUE" asks for the tag around the marquee, any other
// value for none.
struct Emphasis {
  std::string_view key;
  std::string_view tag;
};
constexpr Emphasis kEmphases[] = {{"FontBold", "b"}, {"FontItalic", "i"}, {"FontUnderline", "u"}};

}  // namespace

base::Result<bool> CheckMarquee(RuleContext& context) {
  base::Result<std::string_view> sought = Item(context.rule.ObjectDescription, 2);
  if (!sought) return sought.error();
  const Element* marquee = nullptr;
  for (const Element* e : context.document.all().tags("marquee")) {
    if (Contains(e->outerHTML(), *sought)) {
      marquee = e;
      break;
    }
  }
  if (!marquee) return false;
  WebState& state = context.state;
  // The font searches start at the marquee's parent and stop at its row, table or body.
  auto around = [&](std::string_view tag) -> base::Result<bool> {
    base::Result<const Element*> parent = ParentOf(*marquee);
    if (!parent) return parent.error();
    return FindParentByTag(state, **parent, tag);
  };
  return WalkConditions(context.rule,
                        [&](std::string_view key, std::string_view value) -> base::Result<bool> {
                          for (std::string_view property : kTextProperties) {
                            if (vb::TextEquals(key, property))
                              return PropertyIs(*marquee, property, value);
                          }
                          for (std::string_view property : kNumberProperties) {
                            if (vb::TextEquals(key, property))
                              return NumberIs(*marquee, property, value);
                          }
                          if (vb::TextEquals(key, "ABOVETABLE"))
                            return TableFollows(context.document, *marquee, value);
                          for (std::string_view font : kFontProperties) {
                            if (!vb::TextEquals(key, font)) continue;
                            base::Result<bool> found = around("font");
                            if (!found) return found.error();
                            if (!*found) return false;
                            return PropertyIs(*state.FoundElement, font.substr(4), value);
                          }
                          for (const Emphasis& emphasis : kEmphases) {
                            if (!vb::TextEquals(key, emphasis.key)) continue;
                            const bool wanted = vb::TextEquals(value, "TRUE");
                            base::Result<bool> found = around(emphasis.tag);
                            if (!found) return found.error();
                            return *found == wanted;
                          }
                          return GeneralCheck(state, *marquee, key, value);
                        });
}

}  // namespace webmark
