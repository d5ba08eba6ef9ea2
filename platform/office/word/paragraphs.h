// Paragraphs of a range, and the drop cap of a paragraph. A drop cap is a paragraph of its own
// in the file: the dropped letter in a frame (w:framePr w:dropCap) before the paragraph it
// starts; both answer it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/paragraph_format.h"
#include "platform/office/word/range.h"

namespace word {

class DropCap {
 public:
  DropCap(int32_t position, int32_t lines, std::string fontName, float distance)
      : position_(position), lines_(lines), fontName_(std::move(fontName)), distance_(distance) {}
  int32_t Position() const { return position_; }  // WdDropPosition
  // w:framePr w:lines; 3 (the word processor's default) without a drop cap.
  int32_t LinesToDrop() const { return lines_; }
  // The font of the dropped letter; without a drop cap the font of the paragraph's text.
  const std::string& FontName() const { return fontName_; }
  // Points: w:framePr w:hSpace / 20; 0 without a drop cap.
  float DistanceFromText() const { return distance_; }

 private:
  int32_t position_;
  int32_t lines_;
  std::string fontName_;
  float distance_;
};

class Paragraph {
 public:
  Paragraph(word::Document& document, StoryId story, int32_t index)
      : document_(&document), story_(story), index_(index) {}
  word::Range Range() const;
  word::ParagraphFormat Format() const { return word::ParagraphFormat(Range()); }
  word::DropCap DropCap() const;

 private:
  word::Document* document_;
  StoryId story_;
  int32_t index_;  // into the story's paragraphs
};

class Paragraphs {
 public:
  Paragraphs(word::Document& document, StoryId story, std::vector<int32_t> paragraphs)
      : document_(&document), story_(story), paragraphs_(std::move(paragraphs)) {}
  int32_t Count() const { return static_cast<int32_t>(paragraphs_.size()); }
  base::Result<Paragraph> Item(int32_t index) const;

 private:
  word::Document* document_;
  StoryId story_;
  std::vector<int32_t> paragraphs_;
};

}  // namespace word
