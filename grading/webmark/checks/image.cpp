// The picture keyword (see image.h). Texts compare as text: letter case and width aside, nothing
// trimmed; to contain is to hold as a substring without regard to case.
#include "grading/webmark/checks/image.h"

#include <string>

#include "grading/webmark/checks/element_values.h"
#include "grading/webmark/dom_walks.h"
#include "grading/webmark/markup.h"
#include "platform/vb/strings.h"

namespace webmark {
namespace {

using frontpage::Document;
using frontpage::Element;

// The first image whose id equals the argument or, failing that, whose src contains it.
base::Result<const Element*> FindImage(const Document& document, std::string_view argument) {
  for (const Element* image : document.images()) {
    if (vb::TextEquals(image->id(), argument)) return image;
    base::Result<std::string> src = image->Text("src");
    if (!src) return src.error();
    if (Contains(*src, argument)) return image;
  }
  return nullptr;
}

// width and height take the value's leading number ("120px" is 120); hspace and vspace only a
// value that is a number through and through ("5px" fails).
base::Result<bool> SizeEquals(const Element& image, std::string_view property,
                              std::string_view value) {
  const bool spacing = vb::TextEquals(property, "hspace") || vb::TextEquals(property, "vspace");
  base::Result<double> expected = spacing ? vb::TextToNumber(value) : NumberValue(value);
  if (!expected) return expected.error();
  base::Result<int32_t> read = NumberProperty(image, property);
  if (!read) return read.error();
  return *read == *expected;
}

// The image's own align, else its paragraph's (or the paragraph's parent's), else its cell's;
// a picture in any other container passes.
base::Result<bool> AlignHolds(const Element& image, std::string_view value) {
  base::Result<bool> own = TextPropertyEquals(image, "align", value);
  if (!own) return own.error();
  if (*own) return true;
  base::Result<const Element*> parent = ParentOf(image);
  if (!parent) return parent.error();
  const Element& container = **parent;
  if (container.Is("p")) {
    base::Result<bool> paragraph = TextPropertyEquals(container, "align", value);
    if (!paragraph) return paragraph.error();
    if (*paragraph) return true;
    base::Result<const Element*> above = ParentOf(container);
    if (!above) return above.error();
    return TextPropertyEquals(**above, "align", value);
  }
  if (container.Is("td")) return TextPropertyEquals(container, "align", value);
  return true;
}

// The last `count` characters of a UTF-8 text (all of it when it is shorter).
std::string_view LastCharacters(std::string_view text, size_t count) {
  size_t begin = text.size();
  while (count > 0 && begin > 0) {
    --begin;
    if ((static_cast<unsigned char>(text[begin]) & 0xC0) != 0x80) --count;
  }
  return text.substr(begin);
}

// The first `count` characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, size_t count) {
  size_t end = 0;
  while (count > 0 && end < text.size()) {
    size_t length = 1;
    vb::DecodeUtf8(text, end, length);
    end += length;
    --count;
  }
  return text.substr(0, end);
}

size_t CharacterCount(std::string_view text) {
  size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// LEADERTEXT / FOLLOWTEXT: the plain text of the enclosing paragraph before the picture ends
// with the value, or the text after it begins with the value. Outside any paragraph: fails.
base::Result<bool> TextBesideHolds(const Element& image, bool leader, std::string_view value) {
  base::Result<const Element*> climb = ParentOf(image);
  if (!climb) return climb.error();
  while (!(*climb)->Is("p") && !(*climb)->Is("body")) {
    climb = ParentOf(**climb);
    if (!climb) return climb.error();
  }
  const Element& container = **climb;
  const std::string_view markup = image.outerHTML();
  const std::string_view inner = container.innerHTML();
  const size_t found = vb::InStrText(inner, markup);
  const int64_t p = static_cast<int64_t>(found == std::string_view::npos ? 0 : found + 1) +
                    static_cast<int64_t>(markup.size());
  if (!container.Is("p")) return false;
  const size_t length = CharacterCount(value);
  if (leader) return vb::TextEquals(LastCharacters(RemoveTagBefore(inner, p), length), value);
  base::Result<std::string> after = RemoveTagAfter(inner, p);
  if (!after) return after.error();
  return vb::TextEquals(FirstCharacters(*after, length), value);
}

bool IsTextParagraph(const Element& element) {
  return element.Is("p") && !element.innerText().empty();
}

// TEXTABOVE / TEXTBELOW: the nearest paragraph with text before or after the picture in
// document order holds the value; without one, the element where the walk ran out is read.
base::Result<bool> TextAroundHolds(const Document& document, const Element& image, bool above,
                                   std::string_view value) {
  const frontpage::ElementList& all = document.all();
  int32_t k = image.sourceIndex();
  for (;;) {
    if (above) {
      if (k <= 1 || all.at(k)->Is("body")) break;
      --k;
    } else {
      if (k >= all.length() - 1) break;
      ++k;
    }
    if (IsTextParagraph(*all.at(k))) break;
  }
  base::Result<const Element*> reached = all.item(k);
  if (!reached) return reached.error();
  return Contains((*reached)->innerText(), value);
}

// 1111111111MAPSHAPE: an area of the picture's map, found backwards from the picture, has the
// shape.
base::Result<bool> MapShapeHolds(const Document& document, const Element& image,
                                 std::string_view value) {
  base::Result<std::string> useMap = image.Text("useMap");
  if (!useMap) return useMap.error();
  if (useMap->empty()) return false;
  // The name follows the "#".
  const std::string_view name =
      std::string_view(*useMap).substr(FirstCharacters(*useMap, 1).size());
  const frontpage::ElementList& all = document.all();
  int32_t k = image.sourceIndex();
  const Element* map = nullptr;
  while (k > 1 && !all.at(k)->Is("body")) {
    --k;
    const Element& element = *all.at(k);
    if (!element.Is("map")) continue;
    base::Result<bool> named = TextPropertyEquals(element, "name", name);
    if (!named) return named.error();
    if (*named) {
      map = &element;
      break;
    }
  }
  if (!map) return false;
  base::Result<frontpage::ElementList> areas = map->areas();
  if (!areas) return areas.error();
  for (const Element* area : *areas) {
    base::Result<bool> shape = TextPropertyEquals(*area, "shape", value);
    if (!shape) return shape.error();
    if (*shape) return true;
  }
  return false;
}

}  // namespace

base::Result<bool> CheckImage(RuleContext& context) {
  base::Result<std::string_view> argument = Item(context.rule.ObjectDescription, 2);
  if (!argument) return argument.error();
  base::Result<const Element*> found = FindImage(context.document, *argument);
  if (!found) return found.error();
  if (!*found) return false;
  const Element& image = **found;
  return WalkConditions(context.rule,
                        [&](std::string_view key, std::string_view value) -> base::Result<bool> {
                          if (vb::TextEquals(key, "href")) {
                            base::Result<std::string> href = image.Text("href");
                            if (!href) return href.error();
                            return Contains(*href, value);
                          }
                          for (std::string_view size : {"width", "height", "hspace", "vspace"}) {
                            if (vb::TextEquals(key, size)) return SizeEquals(image, size, value);
                          }
                          if (vb::TextEquals(key, "border"))
                            return TextPropertyEquals(image, "border", value);
                          if (vb::TextEquals(key, "align")) return AlignHolds(image, value);
                          if (vb::TextEquals(key, "LEADERTEXT"))
                            return TextBesideHolds(image, true, value);
                          if (vb::TextEquals(key, "FOLLOWTEXT"))
                            return TextBesideHolds(image, false, value);
                          if (vb::TextEquals(key, "TEXTABOVE"))
                            return TextAroundHolds(context.document, image, true, value);
                          if (vb::TextEquals(key, "TEXTBELOW"))
                            return TextAroundHolds(context.document, image, false, value);
                          if (vb::TextEquals(key, "1111111111MAPSHAPE"))
                            return MapShapeHolds(context.document, image, value);
                          return GeneralCheck(context.state, image, key, value);
                        });
}

}  // namespace webmark
