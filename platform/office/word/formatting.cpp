// Resolving paragraph and run properties through styles, lists and defaults.
#include "platform/office/word/formatting.h"

#include <initializer_list>

#include "platform/office/common/xml_names.h"

namespace word {
namespace {

using office::Attr;
using office::Child;

const void* Key(pugi::xml_node node) {
  return node.internal_object();
}

// A synthetic paragraph has no node: key it on its table (or on nothing).
const void* ParagraphKey(pugi::xml_node paragraph, pugi::xml_node table) {
  return paragraph ? Key(paragraph) : Key(table);
}

// Toggle property `member` across the style kinds: XOR of the kinds that set it, else the base.
void Toggle(std::optional<bool> RunProps::*member, RunProps& result, const RunProps& base,
            std::initializer_list<const RunProps*> layers) {
  std::optional<bool> value;
  for (const RunProps* layer : layers) {
    if (layer == nullptr || !(layer->*member)) continue;
    value = value.value_or(false) != *(layer->*member);
  }
  result.*member = value ? value : base.*member;
}

}  // namespace

Formatting::Formatting(const StyleSheet& styles, const Numbering& numbering,
                       const ReadContext& context)
    : styles_(styles), numbering_(numbering), context_(context) {}

void Formatting::Clear() {
  paragraphs_.clear();
  runs_.clear();
  marks_.clear();
}

int32_t Formatting::ParagraphStyle(pugi::xml_node paragraph) const {
  const int32_t named =
      styles_.IndexOf(Attr(Child(Child(paragraph, "pPr"), "pStyle"), "val").value());
  if (named >= 0 && styles_.TypeOf(named) == StyleType::kParagraph) return named;
  return styles_.DefaultOf(StyleType::kParagraph);
}

int32_t Formatting::TableStyle(pugi::xml_node table) const {
  if (!table) return -1;
  const int32_t named =
      styles_.IndexOf(Attr(Child(Child(table, "tblPr"), "tblStyle"), "val").value());
  if (named >= 0 && styles_.TypeOf(named) == StyleType::kTable) return named;
  return styles_.DefaultOf(StyleType::kTable);
}

const ParagraphProps& Formatting::Paragraph(pugi::xml_node paragraph, pugi::xml_node table) {
  const void* key = ParagraphKey(paragraph, table);
  if (auto it = paragraphs_.find(key); it != paragraphs_.end()) return it->second;

  ParagraphProps props = styles_.DefaultParagraph();
  ParagraphProps tableScratch;
  ParagraphProps styleScratch;
  if (const int32_t t = TableStyle(table); t >= 0)
    props.Overlay(styles_.ChainParagraph(t, tableScratch));
  const ParagraphProps direct = ReadParagraphProps(Child(paragraph, "pPr"), context_);
  const int32_t style = ParagraphStyle(paragraph);
  const ParagraphProps* styled =
      style >= 0 ? &styles_.ChainParagraph(style, styleScratch) : nullptr;
  // The list a paragraph belongs to: its own w:numPr, else its style's.
  std::optional<int32_t> numId = direct.numId;
  std::optional<int32_t> level = direct.level;
  if (!numId && styled != nullptr) numId = styled->numId;
  if (!level && styled != nullptr) level = styled->level;
  if (numId && *numId != 0) {
    ParagraphProps listScratch;
    if (const ParagraphProps* listLevel = numbering_.Level(*numId, level.value_or(0), listScratch))
      props.Overlay(*listLevel);
  }
  if (styled != nullptr) props.Overlay(*styled);
  props.Overlay(direct);
  props.mark = direct.mark;
  return paragraphs_.emplace(key, std::move(props)).first->second;
}

RunProps Formatting::Resolve(const RunProps& direct, pugi::xml_node paragraph,
                             pugi::xml_node table) const {
  const RunProps& base = styles_.DefaultRun();
  const int32_t t = TableStyle(table);
  const int32_t p = ParagraphStyle(paragraph);
  int32_t c = direct.style ? styles_.IndexOf(*direct.style) : -1;
  if (c >= 0 && styles_.TypeOf(c) != StyleType::kCharacter) c = -1;
  RunProps scratch[3];
  const RunProps* tableLayer = t >= 0 ? &styles_.ChainRun(t, scratch[0]) : nullptr;
  const RunProps* paragraphLayer = p >= 0 ? &styles_.ChainRun(p, scratch[1]) : nullptr;
  const RunProps* characterLayer = c >= 0 ? &styles_.ChainRun(c, scratch[2]) : nullptr;

  RunProps props = base;
  for (const RunProps* layer : {tableLayer, paragraphLayer, characterLayer}) {
    if (layer != nullptr) props.Overlay(*layer);
  }
  for (auto member : {&RunProps::bold, &RunProps::italic, &RunProps::shadow, &RunProps::strike,
                      &RunProps::caps, &RunProps::smallCaps, &RunProps::hidden}) {
    Toggle(member, props, base, {tableLayer, paragraphLayer, characterLayer});
  }
  props.Overlay(direct);
  return props;
}

const RunProps& Formatting::Run(pugi::xml_node run, pugi::xml_node paragraph,
                                pugi::xml_node table) {
  if (!run) return Mark(paragraph, table);
  const void* key = Key(run);
  if (auto it = runs_.find(key); it != runs_.end()) return it->second;
  RunProps props = Resolve(ReadRunProps(Child(run, "rPr"), context_), paragraph, table);
  return runs_.emplace(key, std::move(props)).first->second;
}

const RunProps& Formatting::Mark(pugi::xml_node paragraph, pugi::xml_node table) {
  const void* key = ParagraphKey(paragraph, table);
  if (auto it = marks_.find(key); it != marks_.end()) return it->second;
  RunProps props = Resolve(Paragraph(paragraph, table).mark, paragraph, table);
  return marks_.emplace(key, std::move(props)).first->second;
}

}  // namespace word
