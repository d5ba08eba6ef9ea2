// The bookmark and hyperlink keywords (see links.h). Texts compare as text, nothing trimmed.
#include "grading/webmark/checks/links.h"

#include <cstdlib>
#include <optional>
#include <string>

#include "grading/webmark/checks/element_text.h"
#include "grading/webmark/checks/map_area.h"
#include "grading/webmark/markup.h"
#include "platform/vb/strings.h"

namespace webmark {
namespace {

using frontpage::Element;

// The 1-based position of the last occurrence of `sought` in `text`, 0 when absent.
size_t InStrRevText(std::string_view text, std::string_view sought) {
  size_t found = std::string_view::npos;
  for (size_t at = vb::InStrText(text, sought); at != std::string_view::npos;
       at = vb::InStrText(text, sought, at + 1))
    found = at;
  return found == std::string_view::npos ? 0 : found + 1;
}

size_t CodePoints(std::string_view text) {
  size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

// The byte offset where the last `count` characters of `text` begin (0 when it has fewer).
size_t LastCharsFrom(std::string_view text, size_t count) {
  size_t at = text.size();
  while (count > 0 && at > 0) {
    --at;
    if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) --count;
  }
  return at;
}

// The byte length of the first `count` characters of `text`.
size_t FirstCharsLength(std::string_view text, size_t count) {
  size_t at = 0;
  while (at < text.size()) {
    if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
      if (count == 0) break;
      --count;
    }
    ++at;
  }
  return at;
}

base::Result<bool> SrcContains(const Element& image, std::string_view value) {
  base::Result<std::string> src = image.Text("src");
  if (!src) return src.error();
  return ContainsText(*src, value);
}

// The image at or before (step -1) or at or after (step 1) the bookmark in document order.
base::Result<bool> NearImageHolds(const frontpage::Document& document, const Element& bookmark,
                                  int step, std::string_view value) {
  const frontpage::ElementList& all = document.all();
  int32_t k = bookmark.sourceIndex();
  base::Result<const Element*> e = all.item(k);
  if (!e) return e.error();
  while (!(*e)->Is("img") && (step < 0 ? k > 0 : k < all.length() - 1)) {
    k += step;
    e = all.item(k);
    if (!e) return e.error();
  }
  if (!(*e)->Is("img")) return false;
  return SrcContains(**e, value);
}

// The paragraph around the bookmark; null when the climb reaches the body first.
base::Result<const Element*> ParagraphOf(const Element& bookmark) {
  const Element* e = bookmark.parentElement();
  while (e && !e->Is("P") && !e->Is("BODY")) e = e->parentElement();
  if (!e) return base::Error::WithCode(91, "the bookmark is outside the body");
  return e->Is("P") ? e : nullptr;
}

// The paragraph's plain text before (LEADERTEXT) or after (FOLLOWTEXT) the bookmark ends or
// starts with the value.
base::Result<bool> NearTextHolds(const Element& bookmark, bool before, std::string_view value) {
  base::Result<const Element*> p = ParagraphOf(bookmark);
  if (!p) return p.error();
  if (!*p) return false;
  const std::string_view inner = (*p)->innerHTML();
  const std::string_view outer = bookmark.outerHTML();
  const size_t pos = InStrRevText(inner, outer);
  const size_t count = CodePoints(value);
  if (before) {
    const std::string t = RemoveTagBefore(inner, static_cast<int64_t>(pos));
    if (CodePoints(t) < count) return false;
    return vb::TextEquals(std::string_view(t).substr(LastCharsFrom(t, count)), value);
  }
  base::Result<std::string> t = RemoveTagAfter(inner, static_cast<int64_t>(pos + outer.size()));
  if (!t) return t.error();
  return vb::TextEquals(std::string_view(*t).substr(0, FirstCharsLength(*t, count)), value);
}

// The first element of `list` whose property `name` reads as text equal to `value`.
base::Result<const Element*> FirstWith(const frontpage::ElementList& list, std::string_view name,
                                       std::string_view value) {
  for (const Element* element : list) {
    base::Result<std::string> text = element->Text(name);
    if (!text) return text.error();
    if (vb::TextEquals(*text, value)) return element;
  }
  return nullptr;
}

// An area's coordinates within the tolerances the value carries after its coordinates.
base::Result<bool> CoordsWithin(const Element& area, std::string_view value) {
  base::Result<std::string> shape = area.Text("shape");
  if (!shape) return shape.error();
  size_t count = 0;
  if (vb::TextEquals(*shape, "CIRCLE") || vb::TextEquals(*shape, "circ")) count = 3;
  if (vb::TextEquals(*shape, "RECT") || vb::TextEquals(*shape, "rectangle")) count = 4;
  if (count == 0) return false;
  base::Result<std::string> coords = area.Text("coords");
  if (!coords) return coords.error();
  const std::vector<std::string> actual = SplitCoords(*coords);
  const std::vector<std::string> expected = SplitCoords(value);
  for (size_t j = 0; j < count; ++j) {
    base::Result<int16_t> a = CoordInt16(actual, j);
    if (!a) return a.error();
    base::Result<int16_t> e = CoordInt16(expected, j);
    if (!e) return e.error();
    base::Result<int16_t> tolerance = CoordInt16(expected, j + count);
    if (!tolerance) return tolerance.error();
    if (std::abs(*a - *e) > *tolerance) return false;
  }
  return true;
}

// The first image whose useMap contains the name of the map around the area has the value in its
// src.
base::Result<bool> MapImageContains(const frontpage::Document& document, const Element& link,
                                    std::string_view value) {
  const Element* map = link.parentElement();
  if (!map || !map->Is("map")) return false;
  const std::string name = FindMapName(map->outerHTML());
  if (name.empty()) return false;
  for (const Element* image : document.images()) {
    base::Result<std::string> uses = image->Text("useMap");
    if (!uses) return uses.error();
    if (ContainsText(*uses, name)) return SrcContains(*image, value);
  }
  return false;
}

base::Result<bool> LinkKeyHolds(RuleContext& context, const Element& link, std::string_view key,
                                std::string_view value) {
  const bool area = link.Is("area");
  if (vb::TextEquals(key, "target")) {
    if (area) return base::Error::WithCode(438, "an area is no link with a target");
    base::Result<std::string> target = link.Text("target");
    if (!target) return target.error();
    return vb::TextEquals(*target, value);
  }
  if (vb::TextEquals(key, "INTEXT")) return vb::TextEquals(link.innerText(), value);
  if (vb::TextEquals(key, "INIMAGE")) {
    bool found = false;
    for (const Element* child : link.children()) {
      // A child that is no picture has no src to match.
      std::optional<std::string_view> written = child->getAttribute("src");
      if (!written) continue;
      base::Result<std::string> src = child->Text("src");
      if (!src) return src.error();
      found = found || vb::TextEquals(*src, value);
    }
    return found;
  }
  if (vb::TextEquals(key, "1111111111111111111coords")) {
    if (!area) return false;
    return CoordsWithin(link, value);
  }
  if (vb::TextEquals(key, "11111111shape")) {
    if (!area) return false;
    base::Result<std::string> shape = link.Text("shape");
    if (!shape) return shape.error();
    return vb::TextEquals(*shape, value);
  }
  if (vb::TextEquals(key, "IMAGESRC")) return MapImageContains(context.document, link, value);
  return GeneralCheck(context.state, link, key, value);
}

}  // namespace

base::Result<bool> CheckAnchor(RuleContext& context) {
  base::Result<std::string_view> name = Item(context.rule.ObjectDescription, 2);
  if (!name) return name.error();
  base::Result<const Element*> found = FirstWith(context.document.anchors(), "name", *name);
  if (!found) return found.error();
  if (!*found) return false;
  const Element& bookmark = **found;
  return WalkConditions(context.rule,
                        [&](std::string_view key, std::string_view value) -> base::Result<bool> {
                          if (vb::TextEquals(key, "LEADERIMAGE"))
                            return NearImageHolds(context.document, bookmark, -1, value);
                          if (vb::TextEquals(key, "FOLLOWIMAGE"))
                            return NearImageHolds(context.document, bookmark, 1, value);
                          if (vb::TextEquals(key, "INIMAGE")) {
                            const std::string_view inner = bookmark.innerHTML();
                            return ContainsText(inner, "<img") &&
                                   ContainsText(inner, "src=\"" + std::string(value) + "\"");
                          }
                          if (vb::TextEquals(key, "LEADERTEXT"))
                            return NearTextHolds(bookmark, true, value);
                          if (vb::TextEquals(key, "FOLLOWTEXT"))
                            return NearTextHolds(bookmark, false, value);
                          if (vb::TextEquals(key, "INTEXT"))
                            return vb::TextEquals(bookmark.innerText(), value);
                          return GeneralCheck(context.state, bookmark, key, value);
                        });
}

base::Result<bool> CheckLink(RuleContext& context) {
  base::Result<std::string_view> href = Item(context.rule.ObjectDescription, 2);
  if (!href) return href.error();
  base::Result<const Element*> found = FirstWith(context.document.links(), "href", *href);
  if (!found) return found.error();
  if (!*found) return false;
  return WalkConditions(context.rule,
                        [&](std::string_view key, std::string_view value) -> base::Result<bool> {
                          return LinkKeyHolds(context, **found, key, value);
                        });
}

}  // namespace webmark
