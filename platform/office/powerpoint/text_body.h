// A shape's text read once: its characters (paragraphs joined by CR, line breaks as 11), the
// paragraphs and runs they came from, and each run's properties resolved through the shape's
// inheritance chain. TextRange, Font and ParagraphFormat are views on it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/text.h"

namespace powerpoint {

class Shape;
class SlidePart;

class TextBody {
 public:
  struct Paragraph {
    int32_t start = 0;   // index of its first character (from 0)
    int32_t length = 0;  // without its closing CR
    int32_t level = 0;   // a:pPr's lvl
    base::Result<drawingml::ResolvedText> end = drawingml::ResolvedText{};  // endParaRPr
  };
  // Characters written with one set of run properties: a run, a field, or a `mark`: a line
  // break or the CR that closes a paragraph, which a range's font reads pass over (editors
  // write them with fewer properties than the text around them).
  struct Segment {
    int32_t start = 0;
    int32_t length = 0;
    int32_t paragraph = 0;
    bool mark = false;
    base::Result<drawingml::ResolvedText> text = drawingml::ResolvedText{};
    pugi::xml_node run;  // the a:r or a:fld (empty for a mark)
  };

  // Reads the shape's p:txBody (none gives one empty paragraph).
  static base::Result<std::unique_ptr<TextBody>> Build(const Shape& shape);

  const std::u32string& Chars() const { return chars_; }
  const std::vector<Paragraph>& Paragraphs() const { return paragraphs_; }
  const std::vector<Segment>& Segments() const { return segments_; }
  // The paragraph holding character `index` (from 0); the last one past the end.
  int32_t ParagraphAt(int32_t index) const;
  // The slide, layout or master the shape lies on.
  const SlidePart* Owner() const { return owner_; }

 private:
  const SlidePart* owner_ = nullptr;
  std::u32string chars_;
  std::vector<Paragraph> paragraphs_;
  std::vector<Segment> segments_;
};

}  // namespace powerpoint
