// Text of cells and string items: a shared string item (<si>) or an inline string (<is>) is its
// plain <t> or the concatenation of its rich-text runs, phonetic runs left out; entity
// references and the "_xHHHH_" escapes of control characters are decoded.
#pragma once

#include <string>
#include <string_view>

namespace excel {

// The inner XML text of a string item (as the cell scanner hands <is> over).
std::string StringItemText(std::string_view innerXml);

// Decodes "_x000D_"-style escapes ("_x005F_" escapes the underscore itself).
std::string DecodeEscapes(std::string_view text);

// Decodes XML entity and character references ("&amp;", "&#x4E2D;"); unknown ones stay.
std::string DecodeEntities(std::string_view text);

}  // namespace excel
