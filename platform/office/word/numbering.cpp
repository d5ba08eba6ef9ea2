// Reading list levels' paragraph properties.
#include "platform/office/word/numbering.h"

#include "platform/office/common/xml_names.h"

namespace word {
namespace {

using office::Attr;
using office::Child;
using office::IsElement;

// Reads the w:lvl children of `parent` (or of its w:lvlOverride children) into `levels`.
void ReadLevels(pugi::xml_node parent, const ReadContext& context,
                std::array<std::optional<ParagraphProps>, 9>& levels) {
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
    pugi::xml_node lvl = c;
    if (IsElement(c, "lvlOverride")) lvl = Child(c, "lvl");
    if (!IsElement(lvl, "lvl")) continue;
    const int level = Attr(lvl, "ilvl").as_int(-1);
    if (level < 0 || level > 8) continue;
    levels[static_cast<size_t>(level)] = ReadParagraphProps(Child(lvl, "pPr"), context);
  }
}

}  // namespace

Numbering::Numbering(pugi::xml_node numbering, const ReadContext& context) {
  for (pugi::xml_node c = numbering.first_child(); c; c = c.next_sibling()) {
    if (IsElement(c, "abstractNum")) {
      ReadLevels(c, context, abstract_[Attr(c, "abstractNumId").as_int(-1)]);
    } else if (IsElement(c, "num")) {
      const int32_t id = Attr(c, "numId").as_int(-1);
      lists_[id] = Attr(Child(c, "abstractNumId"), "val").as_int(-1);
      ReadLevels(c, context, overrides_[id]);
    }
  }
}

const ParagraphProps* Numbering::Level(int32_t numId, int32_t level) const {
  if (level < 0 || level > 8) return nullptr;
  const auto at = static_cast<size_t>(level);
  if (auto o = overrides_.find(numId); o != overrides_.end() && o->second[at])
    return &*o->second[at];
  auto list = lists_.find(numId);
  if (list == lists_.end()) return nullptr;
  auto a = abstract_.find(list->second);
  if (a == abstract_.end() || !a->second[at]) return nullptr;
  return &*a->second[at];
}

}  // namespace word
