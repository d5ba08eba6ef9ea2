// The numbering part, as far as the text needs it: the paragraph properties (indents above all)
// a list level gives the paragraphs that belong to it. List numbers themselves are no part of a
// story's text and are not built.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include <pugixml.hpp>

#include "platform/office/word/properties.h"

namespace word {

class Numbering {
 public:
  // Reads the w:numbering element; an empty node gives no lists.
  Numbering(pugi::xml_node numbering, const ReadContext& context);

  // The paragraph properties of `level` (0..8) of list `numId`, a level override of the list
  // before its abstract definition; null when there is no such list or level.
  const ParagraphProps* Level(int32_t numId, int32_t level) const;

 private:
  using Levels = std::array<std::optional<ParagraphProps>, 9>;
  std::unordered_map<int32_t, Levels> abstract_;   // abstractNumId -> levels
  std::unordered_map<int32_t, int32_t> lists_;     // numId -> abstractNumId
  std::unordered_map<int32_t, Levels> overrides_;  // numId -> its w:lvlOverride levels
};

}  // namespace word
