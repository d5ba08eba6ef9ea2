// Reading the styles part and resolving style chains.
#include "platform/office/word/styles.h"

#include <algorithm>

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

}  // namespace

std::optional<std::string_view> BuiltInStyleName(std::string_view writtenName) {
  for (const ShownStyleName& entry : kShownStyleNames) {
    if (base::EqualsNoCase(entry.written, writtenName)) return entry.shown;
  }
  return std::nullopt;
}

StyleSheet::StyleSheet(pugi::xml_node styles, const ReadContext& context) {
  defaultRun_ = BuiltInRunProps();
  defaultParagraph_ = BuiltInParagraphProps();
  const pugi::xml_node docDefaults = Child(styles, "docDefaults");
  defaultRun_.Overlay(ReadRunProps(Child(Child(docDefaults, "rPrDefault"), "rPr"), context));
  defaultParagraph_.Overlay(
      ReadParagraphProps(Child(Child(docDefaults, "pPrDefault"), "pPr"), context));

  std::vector<std::string> basedOnIds;
  for (pugi::xml_node s = styles.first_child(); s; s = s.next_sibling()) {
    if (!IsElement(s, "style")) continue;
    Style& style = styles_.emplace_back();
    style.id = Attr(s, "styleId").value();
    style.name = Attr(Child(s, "name"), "val").value();
    style.type = TypeOf(Attr(s, "type").value());
    style.isDefault = IsOn(Attr(s, "default"));
    style.node = s;
    style.run = ReadRunProps(Child(s, "rPr"), context);
    style.paragraph = ReadParagraphProps(Child(s, "pPr"), context);
    style.run.style.reset();
    style.paragraph.style.reset();
    basedOnIds.emplace_back(Attr(Child(s, "basedOn"), "val").value());
    const auto index = static_cast<int32_t>(styles_.size() - 1);
    byId_.emplace(style.id, index);  // the first of two styles with one id is the one found
    int32_t& byType = defaults_[static_cast<int>(style.type)];
    if (style.isDefault && byType < 0) byType = index;
  }
  for (size_t i = 0; i < styles_.size(); ++i) {
    const int32_t base = IndexOf(basedOnIds[i]);
    // A style is based only on a style of its own type.
    if (base >= 0 && styles_[static_cast<size_t>(base)].type == styles_[i].type)
      styles_[i].basedOn = base;
  }
  chainRuns_.resize(styles_.size());
  chainParagraphs_.resize(styles_.size());
}

int32_t StyleSheet::IndexOf(std::string_view id) const {
  if (id.empty()) return -1;
  auto it = byId_.find(std::string(id));
  return it == byId_.end() ? -1 : it->second;
}

int32_t StyleSheet::DefaultOf(StyleType type) const {
  return defaults_[static_cast<int>(type)];
}

std::vector<int32_t> StyleSheet::Chain(int32_t index) const {
  std::vector<int32_t> chain;
  for (int32_t at = index; at >= 0 && chain.size() < kMaxChain;
       at = styles_[static_cast<size_t>(at)].basedOn) {
    if (std::find(chain.begin(), chain.end(), at) != chain.end()) break;
    chain.push_back(at);
  }
  return chain;
}

const RunProps& StyleSheet::ChainRun(int32_t index) const {
  std::optional<RunProps>& kept = chainRuns_[static_cast<size_t>(index)];
  if (!kept) {
    RunProps props;
    const std::vector<int32_t> chain = Chain(index);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
      props.Overlay(styles_[static_cast<size_t>(*it)].run);
    kept = std::move(props);
  }
  return *kept;
}

const ParagraphProps& StyleSheet::ChainParagraph(int32_t index) const {
  std::optional<ParagraphProps>& kept = chainParagraphs_[static_cast<size_t>(index)];
  if (!kept) {
    ParagraphProps props;
    const std::vector<int32_t> chain = Chain(index);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
      props.Overlay(styles_[static_cast<size_t>(*it)].paragraph);
    kept = std::move(props);
  }
  return *kept;
}

std::string StyleSheet::ShownName(int32_t index) const {
  const Style& style = At(index);
  if (std::optional<std::string_view> shown = BuiltInStyleName(style.name))
    return std::string(*shown);
  return style.name.empty() ? style.id : style.name;
}

}  // namespace word
