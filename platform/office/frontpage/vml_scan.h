// The pass over a page's text before it is parsed that finds the drawing objects written as vector
// markup, as the editor's document model shows them: each outermost vector shape (a shape, a
// rectangle, an oval, a group, ...) becomes one element of its own, its fallback picture
// (the markup between "<![if !vml]>" and "<![endif]>") is no element at all, and the vector
// elements inside are part of the drawing's markup, not elements. The text handed to the parser
// has the same length as the page's, so every position found in it is a position in the page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace frontpage {

struct DrawingRegion {
  uint32_t begin = 0, end = 0;  // the drawing's markup in the page
  // The HTML inside its text box (<v:textbox>...</v:textbox>); empty when it has none.
  uint32_t textBegin = 0, textEnd = 0;
};

struct VmlScan {
  // The page's text with each drawing replaced by an image tag of the same length at the same
  // place (so the parser puts an element there), fallback pictures, vector-markup block markers
  // and the other vector elements replaced by blanks. Empty when the page has no vector markup:
  // the page's own text is parsed then.
  std::string parseText;
  std::vector<DrawingRegion> drawings;  // in page order
};

VmlScan ScanVml(std::string_view page);

// The HTML of a text box made ready for parsing on its own: every tag with a prefix ("<o:p>",
// "</v:fill>") replaced by blanks.
std::string MaskPrefixedTags(std::string_view html);

}  // namespace frontpage
