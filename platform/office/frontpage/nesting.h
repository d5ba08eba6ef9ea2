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

// The greatest nesting of open elements the page reaches (html and body not counted), its tags
// read as the HTML5 tokenizer reads them and kept open as the tree builder keeps them; where the
// builder's choice cannot be told, elements stay open. Stops counting once past `cap`.
size_t EstimateNesting(std::string_view page, size_t cap = kMaxNesting);

}  // namespace frontpage
