// String item text.
#include "platform/office/excel/text_runs.h"

#include <cctype>

#include "platform/office/excel/xml_names.h"
#include "platform/vb/strings.h"

namespace excel {

std::string DecodeEscapes(std::string_view text) {
  if (text.find("_x") == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && text[i + 6] == '_') {
      bool hex = true;
      char32_t c = 0;
      for (size_t k = i + 2; k < i + 6; ++k) {
        const auto ch = static_cast<unsigned char>(text[k]);
        if (!std::isxdigit(ch)) {
          hex = false;
          break;
        }
        c = c * 16 + static_cast<char32_t>(std::isdigit(ch) ? ch - '0' : (ch | 0x20) - 'a' + 10);
      }
      if (hex && !(c >= 0xD800 && c <= 0xDFFF)) {
        vb::AppendUtf8(c, out);
        i += 7;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

std::string StringItemText(pugi::xml_node item) {
  std::string text;
  for (pugi::xml_node child = item.first_child(); child; child = child.next_sibling()) {
    if (IsElement(child, "t")) {
      text += child.child_value();
    } else if (IsElement(child, "r")) {
      text += ChildElement(child, "t").child_value();
    }
  }
  return DecodeEscapes(text);
}

}  // namespace excel
