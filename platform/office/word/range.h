// A range: a start and an end position in one story of a document, and what the object model
// reads through it. A Range is a small value; it reads its story's index afresh on every call,
// so it stays valid while the document lives (positions are not moved by edits elsewhere).
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/result.h"
#include "platform/office/word/constants.h"
#include "platform/office/word/document.h"

namespace word {

class Border;
class Cells;
class Sections;
class Shading;
class Font;
class ParagraphFormat;
class Paragraphs;
class Tables;

class Range {
 public:
  Range(word::Document& document, StoryId story, int32_t start, int32_t end)
      : document_(&document), story_(story), start_(start), end_(end) {}

  word::Document& Document() const { return *document_; }
  StoryId Story() const { return story_; }
  WdStoryType StoryType() const { return document_->StoryType(story_); }
  const word::Story& Index() const { return document_->StoryAt(story_); }

  int32_t Start() const { return start_; }
  int32_t End() const { return end_; }
  // Moves the start or the end within the story (clamped to it); a start past the end moves
  // the end along, an end before the start the start, as the word processor does.
  void SetStart(int32_t start);
  void SetEnd(int32_t end);
  void SetRange(int32_t start, int32_t end);
  bool Collapsed() const { return start_ == end_; }

  // The shown text: paragraph marks as "\r", cell and row marks as "\r\a", fields by their
  // results.
  base::Result<std::string> Text() const;

  // The character formatting of the text the range covers (font.h).
  word::Font Font() const;
  // The paragraph formatting of the paragraphs it touches (paragraph_format.h).
  word::ParagraphFormat ParagraphFormat() const;
  // Range.Paragraphs: the paragraphs it touches, end-of-row marks included as the word
  // processor counts them (paragraphs.h).
  word::Paragraphs Paragraphs() const;

  // Range.Tables: the innermost table holding the range's start, or else the tables of the
  // story that start inside the range (table.h).
  word::Tables Tables() const;
  // Range.Cells: the cells the range touches; fails outside tables (4605).
  base::Result<word::Cells> Cells() const;

  // Range.Shading and Range.Borders(index): a range that holds whole cells (all of one cell's
  // content, or parts of more than one cell) reads the cells'; otherwise the text's character
  // shading where it has some, else its paragraphs' shading (borders: its paragraphs'), else,
  // inside a table, its cell's (range_layers.cpp).
  base::Result<word::Shading> Shading() const;
  base::Result<word::Border> Borders(int32_t index) const;
  // Range.Orientation: the text direction (WdTextOrientation) of its cell, else of its
  // section, else of its paragraph.
  base::Result<int32_t> Orientation() const;
  // Range.Sections: the main story's sections the range touches; a range of a header or footer
  // answers the first section (section.h).
  word::Sections Sections() const;

  // Range.Copy: the shown text with each run's formatting and the paragraph marks with their
  // paragraphs' formatting onto the application's clipboard (clipboard.h); fails for a range
  // that holds nothing to copy.
  base::Status Copy() const;

  bool operator==(const Range& other) const {
    return document_ == other.document_ && story_ == other.story_ && start_ == other.start_ &&
           end_ == other.end_;
  }

 private:
  word::Document* document_;
  StoryId story_;
  int32_t start_;
  int32_t end_;
};

}  // namespace word
