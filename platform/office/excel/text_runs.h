// Text of a string item (<si>, <is>): its plain <t> or the concatenation of its rich-text runs,
// phonetic runs left out, and the "_xHHHH_" escapes of control characters decoded.
#pragma once

#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace excel {

std::string StringItemText(pugi::xml_node item);

// Decodes "_x000D_"-style escapes ("_x005F_" escapes the underscore itself).
std::string DecodeEscapes(std::string_view text);

}  // namespace excel
