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

// The greatest nesting of open elements the tags reach, as a tree builder closes them: an end
// tag closes back to its element, a cell, row, paragraph or list item closes the one before it,
// void elements and text-only elements do not nest. Stops counting once past `cap`.
size_t EstimateNesting(std::string_view page, size_t cap = kMaxNesting);

}  // namespace frontpage
