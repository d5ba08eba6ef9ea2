// Indexing the numbering part and reading list levels on first use.
#include "platform/office/word/numbering.h"

#include <algorithm>
#include <limits>

#include "platform/office/common/xml_names.h"

namespace word {
namespace {

using office::Attr;
using office::Child;
using office::IsElement;

// What a kept level costs beyond its own size: the hash map's node and bucket.
constexpr uint64_t kKeptEntryCost = 48;

}  // namespace

Numbering::Numbering(const ReadContext& context, MemoryCharge charge)
    : context_(context), charge_(std::move(charge)) {}

base::Result<std::unique_ptr<Numbering>> Numbering::Read(pugi::xml_node numbering,
                                                         const ReadContext& context,
                                                         MemoryCharge charge) {
  std::unique_ptr<Numbering> read(new Numbering(context, std::move(charge)));
  if (base::Status indexed = read->Index(numbering); !indexed) return indexed.error();
  return read;
}

base::Status Numbering::Index(pugi::xml_node numbering) {
  size_t abstracts = 0;
  size_t lists = 0;
  for (pugi::xml_node c = numbering.first_child(); c; c = c.next_sibling()) {
    if (IsElement(c, "abstractNum")) ++abstracts;
    if (IsElement(c, "num")) ++lists;
  }
  if (abstracts + lists > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    return base::Error::Of("the numbering part holds too many lists");
  if (charge_) {
    if (base::Status charged = charge_((abstracts + lists) * sizeof(Entry)); !charged)
      return charged.error();
  }
  abstract_.reserve(abstracts);
  lists_.reserve(lists);
  int32_t order = 0;
  for (pugi::xml_node c = numbering.first_child(); c; c = c.next_sibling(), ++order) {
    if (IsElement(c, "abstractNum")) {
      abstract_.push_back({Attr(c, "abstractNumId").as_int(-1), order, c});
    } else if (IsElement(c, "num")) {
      lists_.push_back({Attr(c, "numId").as_int(-1), order, c});
    }
  }
  std::sort(abstract_.begin(), abstract_.end());
  std::sort(lists_.begin(), lists_.end());
  return base::Ok();
}

namespace {

// The entries of `id`, in the part's order.
template <class Entries>
auto EntriesOf(const Entries& entries, int32_t id) {
  const auto first = std::partition_point(entries.begin(), entries.end(),
                                          [id](const auto& e) { return e.id < id; });
  const auto last =
      std::partition_point(first, entries.end(), [id](const auto& e) { return e.id == id; });
  return std::pair(first, last);
}

// The part's last w:lvl of `level` among the children of the elements of `id` (a
// w:lvlOverride's own w:lvl too): a later definition replaces an earlier one.
template <class Entries>
pugi::xml_node LastLevel(const Entries& entries, int32_t id, int32_t level) {
  pugi::xml_node found;
  const auto [first, last] = EntriesOf(entries, id);
  for (auto e = first; e != last; ++e) {
    for (pugi::xml_node c = e->node.first_child(); c; c = c.next_sibling()) {
      const pugi::xml_node lvl = IsElement(c, "lvlOverride") ? Child(c, "lvl") : c;
      if (IsElement(lvl, "lvl") && Attr(lvl, "ilvl").as_int(-1) == level) found = lvl;
    }
  }
  return found;
}

}  // namespace

const ParagraphProps* Numbering::Level(int32_t numId, int32_t level,
                                       ParagraphProps& scratch) const {
  if (level < 0 || level > 8) return nullptr;
  const int64_t key = static_cast<int64_t>(numId) * 9 + level;
  if (auto it = kept_.find(key); it != kept_.end()) return it->second ? &*it->second : nullptr;

  std::optional<ParagraphProps> props;
  const auto [first, last] = EntriesOf(lists_, numId);
  if (first != last) {
    pugi::xml_node lvl = LastLevel(lists_, numId, level);
    if (!lvl) {
      // The list's abstract definition, as the last w:num of the id names it.
      const int32_t abstractId = Attr(Child((last - 1)->node, "abstractNumId"), "val").as_int(-1);
      lvl = LastLevel(abstract_, abstractId, level);
    }
    if (lvl) {
      props = ReadParagraphProps(Child(lvl, "pPr"), context_);
      ++levelsRead_;
    }
  }
  const uint64_t cost = sizeof(std::pair<const int64_t, std::optional<ParagraphProps>>) +
                        kKeptEntryCost + (props ? HeapBytes(*props) : 0);
  if (!charge_ || charge_(cost)) {
    const std::optional<ParagraphProps>& kept = kept_.emplace(key, std::move(props)).first->second;
    return kept ? &*kept : nullptr;
  }
  if (!props) return nullptr;
  scratch = std::move(*props);
  return &scratch;
}

}  // namespace word
