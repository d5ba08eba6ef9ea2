// Indexing the styles part and resolving style chains on first use.
#include "platform/office/word/styles.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "platform/base/text.h"
#include "platform/office/common/xml_names.h"

namespace word {
namespace {

using office::Attr;
using office::Child;
using office::IsElement;

struct ShownStyleName {
  std::string_view written;
  std::string_view shown;
};

constexpr ShownStyleName kShownStyleNames[] = {
#include "platform/office/word/style_names_zh.inc"
};

// What a kept chain costs beyond its own size: the hash map's node and bucket.
constexpr uint64_t kKeptEntryCost = 48;

StyleType TypeOf(std::string_view type) {
  if (type == "character") return StyleType::kCharacter;
  if (type == "table") return StyleType::kTable;
  if (type == "numbering") return StyleType::kNumbering;
  return StyleType::kParagraph;
}

bool IsOn(pugi::xml_attribute a) {
  const std::string_view v = a.value();
  return v == "1" || v == "true" || v == "on";
}

uint64_t HashOf(std::string_view id) {
  return std::hash<std::string_view>()(id);
}

}  // namespace

std::optional<std::string_view> BuiltInStyleName(std::string_view writtenName) {
  for (const ShownStyleName& entry : kShownStyleNames) {
    if (base::EqualsNoCase(entry.written, writtenName)) return entry.shown;
  }
  return std::nullopt;
}

StyleSheet::StyleSheet(const ReadContext& context, MemoryCharge charge)
    : context_(context), charge_(std::move(charge)) {}

base::Result<std::unique_ptr<StyleSheet>> StyleSheet::Read(pugi::xml_node styles,
                                                           const ReadContext& context,
                                                           MemoryCharge charge) {
  std::unique_ptr<StyleSheet> sheet(new StyleSheet(context, std::move(charge)));
  if (base::Status indexed = sheet->Index(styles); !indexed) return indexed.error();
  return sheet;
}

base::Status StyleSheet::Index(pugi::xml_node styles) {
  defaultRun_ = BuiltInRunProps();
  defaultParagraph_ = BuiltInParagraphProps();
  const pugi::xml_node docDefaults = Child(styles, "docDefaults");
  defaultRun_.Overlay(ReadRunProps(Child(Child(docDefaults, "rPrDefault"), "rPr"), context_));
  defaultParagraph_.Overlay(
      ReadParagraphProps(Child(Child(docDefaults, "pPrDefault"), "pPr"), context_));

  size_t count = 0;
  for (pugi::xml_node s = styles.first_child(); s; s = s.next_sibling()) {
    if (IsElement(s, "style")) ++count;
  }
  if (count > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    return base::Error::Of("the styles part holds too many styles");
  if (charge_) {
    const uint64_t bytes = count * (sizeof(Style) + sizeof(decltype(byId_)::value_type));
    if (base::Status charged = charge_(bytes); !charged) return charged.error();
  }
  styles_.reserve(count);
  byId_.reserve(count);
  for (pugi::xml_node s = styles.first_child(); s; s = s.next_sibling()) {
    if (!IsElement(s, "style")) continue;
    const auto index = static_cast<int32_t>(styles_.size());
    Style& style = styles_.emplace_back();
    style.node = s;
    style.type = word::TypeOf(Attr(s, "type").value());
    byId_.emplace_back(HashOf(Attr(s, "styleId").value()), index);
    int32_t& byType = defaults_[static_cast<int>(style.type)];
    if (byType < 0 && IsOn(Attr(s, "default"))) byType = index;
  }
  // Sorting hashes is cheaper than sorting ids; a look-up compares the ids of equal hashes in
  // the part's order, so the first of two styles with one id is the one found.
  std::sort(byId_.begin(), byId_.end());
  return base::Ok();
}

int32_t StyleSheet::IndexOf(std::string_view id) const {
  if (id.empty()) return -1;
  const uint64_t hash = HashOf(id);
  for (auto it = std::lower_bound(byId_.begin(), byId_.end(),
                                  std::pair(hash, std::numeric_limits<int32_t>::min()));
       it != byId_.end() && it->first == hash; ++it) {
    if (id == Attr(At(it->second).node, "styleId").value()) return it->second;
  }
  return -1;
}

int32_t StyleSheet::DefaultOf(StyleType type) const {
  return defaults_[static_cast<int>(type)];
}

int32_t StyleSheet::BasedOn(int32_t index) const {
  const Style& style = At(index);
  if (style.basedOn == kNotRead) {
    const int32_t base = IndexOf(Attr(Child(style.node, "basedOn"), "val").value());
    // A style is based only on a style of its own type.
    style.basedOn = base >= 0 && At(base).type == style.type ? base : -1;
  }
  return style.basedOn;
}

std::vector<int32_t> StyleSheet::Chain(int32_t index) const {
  std::vector<int32_t> chain;
  for (int32_t at = index; at >= 0 && chain.size() < kMaxChain; at = BasedOn(at)) {
    if (std::find(chain.begin(), chain.end(), at) != chain.end()) break;
    chain.push_back(at);
  }
  return chain;
}

template <class Props>
const Props& StyleSheet::Laid(std::unordered_map<int32_t, Props>& kept, int32_t index,
                              Props& scratch, std::string_view element,
                              Props (*read)(pugi::xml_node, const ReadContext&)) const {
  if (auto it = kept.find(index); it != kept.end()) return it->second;
  Props props;
  const std::vector<int32_t> chain = Chain(index);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    Props own = read(Child(At(*it).node, element), context_);
    own.style.reset();  // a style's own w:pStyle or w:rStyle says nothing
    props.Overlay(own);
    ++stylesRead_;
  }
  if (!charge_ || charge_(sizeof(Props) + kKeptEntryCost + HeapBytes(props)))
    return kept.emplace(index, std::move(props)).first->second;
  scratch = std::move(props);
  return scratch;
}

const RunProps& StyleSheet::ChainRun(int32_t index, RunProps& scratch) const {
  return Laid(chainRuns_, index, scratch, "rPr", &ReadRunProps);
}

const ParagraphProps& StyleSheet::ChainParagraph(int32_t index, ParagraphProps& scratch) const {
  return Laid(chainParagraphs_, index, scratch, "pPr", &ReadParagraphProps);
}

std::string StyleSheet::ShownName(int32_t index) const {
  const pugi::xml_node node = Node(index);
  const std::string_view name = Attr(Child(node, "name"), "val").value();
  if (std::optional<std::string_view> shown = BuiltInStyleName(name)) return std::string(*shown);
  return std::string(name.empty() ? Attr(node, "styleId").value() : name);
}

}  // namespace word
