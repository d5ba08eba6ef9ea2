// The styles part: the document's defaults (w:docDefaults) and an index from each style's id to
// its w:style element, made in one pass when the document opens. A style's w:basedOn and
// properties are read only when a paragraph, run or table uses it, and a chain's properties laid
// over each other are kept once made. A chain stops at a style it has met before and after
// kMaxChain styles, so a loop or a long chain costs at most kMaxChain styles read per style
// used, however many the part holds. What the sheet keeps is charged to the package's budget.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/word/properties.h"

namespace word {

enum class StyleType : uint8_t { kParagraph, kCharacter, kTable, kNumbering };

class StyleSheet {
 public:
  static constexpr size_t kMaxChain = 32;

  // Indexes the w:styles element, charging the index before making it; an error when the budget
  // refuses it. An empty node gives a sheet with no styles and the built-in defaults; an empty
  // charge takes anything. The sheet reads the tree it was made from, which must outlive it
  // unedited.
  static base::Result<std::unique_ptr<StyleSheet>> Read(pugi::xml_node styles,
                                                        const ReadContext& context,
                                                        MemoryCharge charge = {});

  size_t Count() const { return styles_.size(); }
  // The index of the first style with that id; -1 when there is none.
  int32_t IndexOf(std::string_view id) const;
  // The document's default style of a type (the text of that type that names no style has it);
  // -1 when the file marks none.
  int32_t DefaultOf(StyleType type) const;
  StyleType TypeOf(int32_t index) const { return At(index).type; }
  pugi::xml_node Node(int32_t index) const { return At(index).node; }
  // The style its w:basedOn names when that is a style of its own type; -1 otherwise.
  int32_t BasedOn(int32_t index) const;

  // The style and those it is based on, the style itself first.
  std::vector<int32_t> Chain(int32_t index) const;
  // The properties of a style with its chain laid over each other (the nearest level wins): the
  // kept ones, or, when the budget keeps no more, made anew in `scratch`.
  const RunProps& ChainRun(int32_t index, RunProps& scratch) const;
  const ParagraphProps& ChainParagraph(int32_t index, ParagraphProps& scratch) const;

  // The built-in values with w:docDefaults laid over them: every member is set.
  const RunProps& DefaultRun() const { return defaultRun_; }
  const ParagraphProps& DefaultParagraph() const { return defaultParagraph_; }

  // The name the word processor shows for the style: a built-in style's name in the Chinese
  // word processor's words ("Table Grid" is "网格型"), any other name as written.
  std::string ShownName(int32_t index) const;

  // How many times a style's own properties have been read: what the document's use has cost.
  size_t StylesRead() const { return stylesRead_; }

 private:
  static constexpr int32_t kNotRead = -2;
  struct Style {
    pugi::xml_node node;  // w:style
    mutable int32_t basedOn = kNotRead;
    StyleType type = StyleType::kParagraph;
  };

  StyleSheet(const ReadContext& context, MemoryCharge charge);
  base::Status Index(pugi::xml_node styles);
  const Style& At(int32_t index) const { return styles_[static_cast<size_t>(index)]; }
  // The chain's `element` (w:rPr, w:pPr) read with `read` and laid over each other: kept in
  // `kept` when the budget takes it, else made in `scratch`.
  template <class Props>
  const Props& Laid(std::unordered_map<int32_t, Props>& kept, int32_t index, Props& scratch,
                    std::string_view element,
                    Props (*read)(pugi::xml_node, const ReadContext&)) const;

  ReadContext context_;
  MemoryCharge charge_;
  std::vector<Style> styles_;                       // in the part's order
  std::vector<std::pair<uint64_t, int32_t>> byId_;  // (hash of its id, index), sorted
  int32_t defaults_[4] = {-1, -1, -1, -1};
  RunProps defaultRun_;
  ParagraphProps defaultParagraph_;
  mutable std::unordered_map<int32_t, RunProps> chainRuns_;
  mutable std::unordered_map<int32_t, ParagraphProps> chainParagraphs_;
  mutable size_t stylesRead_ = 0;
};

// The Chinese word processor's name of a built-in style, by the name the file writes (compared
// without regard to case); nullopt for a name that is no built-in style.
std::optional<std::string_view> BuiltInStyleName(std::string_view writtenName);

}  // namespace word
