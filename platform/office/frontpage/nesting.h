// How deep a page's elements will nest, estimated from its tags before it is parsed. The parser's
// cost grows with the square of the nesting (a page of a few thousand nested elements takes
// seconds), so a page that nests deeper than a browser-made page ever does is refused unread.
#pragma once

#include <cstddef>
#include <string_view>

namespace frontpage {

// Deeper than any page an editor or a candidate makes by hand; still parsed in well under a
// second when a page is made to reach it.
inline constexpr size_t kMaxNesting = 512;

// More elements than an editor's page of the largest size holds (about 70,000), fewer than would
// take the parser past its budget. The tree builder copies formatting elements at every text, so
// a small page can make millions.
inline constexpr size_t kMaxElements = 300000;

struct Nesting {
  size_t depth = 0;     // the greatest nesting of open elements (html and body not counted)
  size_t elements = 0;  // the elements made, copies included
};

// How the page's elements will nest, its tags read as the HTML5 tokenizer reads them and kept
// open as the tree builder keeps them; where the builder's choice cannot be told, elements stay
// open. Stops counting once deeper than `cap` or past `elementCap` elements.
Nesting EstimateNesting(std::string_view page, size_t cap = kMaxNesting,
                        size_t elementCap = kMaxElements);

}  // namespace frontpage
