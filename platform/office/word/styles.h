// The styles part read once: the document's defaults (w:docDefaults), every style with the
// properties its own level writes, and each style's chain through w:basedOn resolved on first
// use and kept. A chain stops at a style it has met before and after kMaxChain styles, so a
// file whose styles are based on each other in a loop still reads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "platform/office/word/properties.h"

namespace word {

enum class StyleType : uint8_t { kParagraph, kCharacter, kTable, kNumbering };

struct Style {
  std::string id;    // w:styleId
  std::string name;  // w:name as written
  StyleType type = StyleType::kParagraph;
  bool isDefault = false;    // w:default="1": the style of text that names none
  int32_t basedOn = -1;      // index of its w:basedOn style; -1 for none
  pugi::xml_node node;       // w:style
  RunProps run;              // its own w:rPr
  ParagraphProps paragraph;  // its own w:pPr
};

class StyleSheet {
 public:
  static constexpr size_t kMaxChain = 32;

  // Reads the w:styles element; an empty node gives a sheet with no styles and the built-in
  // defaults.
  StyleSheet(pugi::xml_node styles, const ReadContext& context);

  size_t Count() const { return styles_.size(); }
  const Style& At(int32_t index) const { return styles_[static_cast<size_t>(index)]; }
  // The index of the style with that id; -1 when there is none.
  int32_t IndexOf(std::string_view id) const;
  // The document's default style of a type (the text of that type that names no style has it);
  // -1 when the file marks none.
  int32_t DefaultOf(StyleType type) const;

  // The style and those it is based on, the style itself first.
  std::vector<int32_t> Chain(int32_t index) const;
  // The properties of a style with its chain laid over each other (the nearest level wins).
  const RunProps& ChainRun(int32_t index) const;
  const ParagraphProps& ChainParagraph(int32_t index) const;

  // The built-in values with w:docDefaults laid over them: every member is set.
  const RunProps& DefaultRun() const { return defaultRun_; }
  const ParagraphProps& DefaultParagraph() const { return defaultParagraph_; }

  // The name the word processor shows for the style: a built-in style's name in the Chinese
  // word processor's words ("Table Grid" is "网格型"), any other name as written.
  std::string ShownName(int32_t index) const;

 private:
  std::vector<Style> styles_;
  std::unordered_map<std::string, int32_t> byId_;
  int32_t defaults_[4] = {-1, -1, -1, -1};
  RunProps defaultRun_;
  ParagraphProps defaultParagraph_;
  mutable std::vector<std::optional<RunProps>> chainRuns_;
  mutable std::vector<std::optional<ParagraphProps>> chainParagraphs_;
};

// The Chinese word processor's name of a built-in style, by the name the file writes (compared
// without regard to case); nullopt for a name that is no built-in style.
std::optional<std::string_view> BuiltInStyleName(std::string_view writtenName);

}  // namespace word
