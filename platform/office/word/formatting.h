// The properties a paragraph and a run end up with, resolved as the word processor resolves
// them, once per element and kept until the document changes:
//
//   paragraph: built-in values < w:docDefaults < the table's style < the list level (w:numPr)
//              < the paragraph style with its w:basedOn chain < direct w:pPr
//   run:       built-in values < w:docDefaults < table style < paragraph style < character style
//              < direct w:rPr
//
// Within one style chain the nearest level wins. The toggle properties (bold, italic, shadow,
// strike, caps, small caps, hidden) are the exception across the style kinds: each of table,
// paragraph and character style that sets one switches it over (the values are XORed); only
// when none sets it do the defaults count, and direct formatting sets it outright.
#pragma once

#include <unordered_map>

#include <pugixml.hpp>

#include "platform/office/word/numbering.h"
#include "platform/office/word/properties.h"
#include "platform/office/word/styles.h"

namespace word {

class Formatting {
 public:
  Formatting(const StyleSheet& styles, const Numbering& numbering, const ReadContext& context);

  // A paragraph's properties (every member set); `paragraph` may be empty (a synthetic mark),
  // `table` is the innermost w:tbl holding it (empty outside tables).
  const ParagraphProps& Paragraph(pugi::xml_node paragraph, pugi::xml_node table);
  // A run's properties (every member set), in that paragraph.
  const RunProps& Run(pugi::xml_node run, pugi::xml_node paragraph, pugi::xml_node table);
  // The properties of the paragraph's mark (its w:pPr/w:rPr over the styles).
  const RunProps& Mark(pugi::xml_node paragraph, pugi::xml_node table);

  // The index of the paragraph's style and the table's style in the sheet (-1 when none).
  int32_t ParagraphStyle(pugi::xml_node paragraph) const;
  int32_t TableStyle(pugi::xml_node table) const;

  // Forgets everything resolved, after an edit of the document's XML.
  void Clear();

 private:
  RunProps Resolve(const RunProps& direct, pugi::xml_node paragraph, pugi::xml_node table) const;

  const StyleSheet& styles_;
  const Numbering& numbering_;
  ReadContext context_;
  // Keyed on the element's node, or for a paragraph's mark and a synthetic paragraph on the
  // pair (paragraph, table).
  std::unordered_map<const void*, ParagraphProps> paragraphs_;
  std::unordered_map<const void*, RunProps> runs_;
  std::unordered_map<const void*, RunProps> marks_;
};

}  // namespace word
