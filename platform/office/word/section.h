// Sections of the main story with their page setup (w:sectPr: page size and margins, header and
// footer distances, the document grid, text columns), their headers and footers (each a story
// of its own, a section without one of its own showing the previous section's) and the page
// numbers in them.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/range.h"

namespace word {

class TextColumns {
 public:
  explicit TextColumns(pugi::xml_node cols, float textWidth) : cols_(cols), textWidth_(textWidth) {}

  int32_t Count() const;         // w:cols w:num, 1 without it
  float Spacing() const;         // w:cols w:space / 20 (36 pt without it)
  int32_t EvenlySpaced() const;  // w:equalWidth (true without it)
  int32_t LineBetween() const;   // w:sep
  // The columns' width: evenly spaced, the text width less the spacing, shared; otherwise the
  // columns' own w:col widths, wdUndefined when they differ.
  float Width() const;
  // Column `index` (from 1): its width and the space after it; fails (5941) past the count.
  base::Result<float> ColumnWidth(int32_t index) const;
  base::Result<float> ColumnSpaceAfter(int32_t index) const;

 private:
  std::vector<pugi::xml_node> Own() const;  // the w:col elements
  float EvenWidth() const;                  // a column's width when they are evenly spaced
  pugi::xml_node cols_;
  float textWidth_;
};

class PageSetup {
 public:
  PageSetup(Document& document, pugi::xml_node sectPr) : document_(&document), sectPr_(sectPr) {}

  // Points. Without w:pgSz a Letter page (612 x 792); without w:pgMar 72 pt above and below,
  // 90 pt left and right, 36 pt for header and footer.
  float PageWidth() const;
  float PageHeight() const;
  float TopMargin() const;
  float BottomMargin() const;
  float LeftMargin() const;
  float RightMargin() const;
  float Gutter() const;
  float HeaderDistance() const;
  float FooterDistance() const;
  int32_t Orientation() const;                     // WdOrientation (w:pgSz w:orient)
  int32_t SectionStart() const;                    // WdSectionStart (w:type)
  int32_t LayoutMode() const;                      // WdLayoutMode (w:docGrid w:type)
  int32_t DifferentFirstPageHeaderFooter() const;  // w:titlePg
  // Lines per page and characters per line of the document grid, as the page setup dialog
  // shows them; approximated (see README): the text height over the grid's line pitch, the text
  // width over the default font size plus the grid's character spacing.
  float LinesPage() const;
  float CharsLine() const;
  word::TextColumns TextColumns() const;

  pugi::xml_node Node() const { return sectPr_; }

 private:
  int32_t Margin(const char* side, int32_t fallback) const;
  Document* document_;
  pugi::xml_node sectPr_;
};

class PageNumber {
 public:
  explicit PageNumber(int32_t alignment) : alignment_(alignment) {}
  // WdPageNumberAlignment: of the frame holding the number (w:framePr w:xAlign), else of its
  // paragraph (w:jc: left, center, right).
  int32_t Alignment() const { return alignment_; }

 private:
  int32_t alignment_;
};

class PageNumbers {
 public:
  explicit PageNumbers(std::vector<PageNumber> numbers) : numbers_(std::move(numbers)) {}
  int32_t Count() const { return static_cast<int32_t>(numbers_.size()); }
  base::Result<PageNumber> Item(int32_t index) const;

 private:
  std::vector<PageNumber> numbers_;
};

class HeaderFooter {
 public:
  HeaderFooter(Document& document, StoryId story, bool exists, bool linkToPrevious)
      : document_(&document), story_(story), exists_(exists), linkToPrevious_(linkToPrevious) {}

  // Its story: the part it refers to, or one empty paragraph when no section has one.
  word::Range Range() const;
  int32_t Exists() const;
  int32_t LinkToPrevious() const;
  // The page numbers: the PAGE fields of its story.
  word::PageNumbers PageNumbers() const;
  StoryId Story() const { return story_; }

 private:
  Document* document_;
  StoryId story_;
  bool exists_;
  bool linkToPrevious_;
};

class HeadersFooters {
 public:
  HeadersFooters(Document& document, int32_t section, bool footers)
      : document_(&document), section_(section), footers_(footers) {}
  // wdHeaderFooterPrimary, wdHeaderFooterFirstPage, wdHeaderFooterEvenPages; others fail (5941),
  // as does a part that cannot be read.
  base::Result<HeaderFooter> Item(int32_t index) const;

 private:
  Document* document_;
  int32_t section_;
  bool footers_;
};

class Section {
 public:
  Section(Document& document, int32_t index) : document_(&document), index_(index) {}
  int32_t Index() const { return index_ + 1; }
  word::Range Range() const;
  word::PageSetup PageSetup() const;
  HeadersFooters Headers() const { return HeadersFooters(*document_, index_, false); }
  HeadersFooters Footers() const { return HeadersFooters(*document_, index_, true); }

 private:
  Document* document_;
  int32_t index_;  // from 0
};

class Sections {
 public:
  Sections(Document& document, std::vector<int32_t> sections)
      : document_(&document), sections_(std::move(sections)) {}
  int32_t Count() const { return static_cast<int32_t>(sections_.size()); }
  base::Result<Section> Item(int32_t index) const;

 private:
  Document* document_;
  std::vector<int32_t> sections_;
};

}  // namespace word
