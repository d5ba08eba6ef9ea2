// The numbering part, as far as the text needs it: the paragraph properties (indents above all)
// a list level gives the paragraphs that belong to it. The part is indexed when the document
// opens (each w:num and w:abstractNum by its id, charged to the package's budget); a level is
// read when a paragraph of its list is first formatted and kept while the budget takes it. List
// numbers themselves are no part of a story's text and are not built.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/word/properties.h"

namespace word {

class Numbering {
 public:
  // Indexes the w:numbering element, charging the index before making it; an error when the
  // budget refuses it. An empty node gives no lists; an empty charge takes anything. The
  // numbering reads the tree it was made from, which must outlive it unedited.
  static base::Result<std::unique_ptr<Numbering>> Read(pugi::xml_node numbering,
                                                       const ReadContext& context,
                                                       MemoryCharge charge = {});

  // The paragraph properties of `level` (0..8) of list `numId`, a level override of the list
  // before its abstract definition (of each, the part's last definition of the level); null when
  // there is no such list or level. Kept once read, or, when the budget keeps no more, read
  // into `scratch`.
  const ParagraphProps* Level(int32_t numId, int32_t level, ParagraphProps& scratch) const;

  // How many levels have been read: what the document's use has cost.
  size_t LevelsRead() const { return levelsRead_; }

 private:
  struct Entry {
    int32_t id;
    int32_t order;  // place in the part
    pugi::xml_node node;
    bool operator<(const Entry& other) const {
      return id != other.id ? id < other.id : order < other.order;
    }
  };

  Numbering(const ReadContext& context, MemoryCharge charge);
  base::Status Index(pugi::xml_node numbering);

  ReadContext context_;
  MemoryCharge charge_;
  std::vector<Entry> abstract_;  // w:abstractNum by w:abstractNumId
  std::vector<Entry> lists_;     // w:num by w:numId
  mutable std::unordered_map<int64_t, std::optional<ParagraphProps>> kept_;  // by list and level
  mutable size_t levelsRead_ = 0;
};

}  // namespace word
