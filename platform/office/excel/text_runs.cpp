// String item text.
#include "platform/office/excel/text_runs.h"

#include <cctype>

#include "platform/office/common/xml_names.h"
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

std::string DecodeEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    const size_t semi = text.find(';', i);
    if (semi == std::string_view::npos || semi - i > 10) {
      out += '&';
      continue;
    }
    const std::string_view name = text.substr(i + 1, semi - i - 1);
    char32_t c = 0;
    if (name == "amp") {
      c = '&';
    } else if (name == "lt") {
      c = '<';
    } else if (name == "gt") {
      c = '>';
    } else if (name == "quot") {
      c = '"';
    } else if (name == "apos") {
      c = '\'';
    } else if (name.size() > 1 && name[0] == '#') {
      const bool hex = name[1] == 'x' || name[1] == 'X';
      for (char d : name.substr(hex ? 2 : 1)) {
        const auto u = static_cast<unsigned char>(d);
        if (hex ? !std::isxdigit(u) : !std::isdigit(u)) {
          c = 0;
          break;
        }
        c = c * (hex ? 16 : 10) +
            static_cast<char32_t>(std::isdigit(u) ? u - '0' : (u | 0x20) - 'a' + 10);
        if (c > 0x10FFFF) break;
      }
      if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0;
    }
    if (c == 0) {
      out += '&';
      continue;
    }
    vb::AppendUtf8(c, out);
    i = semi;
  }
  return out;
}

std::string StringItemText(std::string_view innerXml) {
  // Only <t> text counts, and not the <t> inside a phonetic run <rPh>.
  std::string text;
  int phonetic = 0;
  size_t i = 0;
  while (i < innerXml.size()) {
    const size_t lt = innerXml.find('<', i);
    if (lt == std::string_view::npos) break;
    const size_t gt = innerXml.find('>', lt);
    if (gt == std::string_view::npos) break;
    std::string_view tag = innerXml.substr(lt + 1, gt - lt - 1);
    const bool closing = !tag.empty() && tag.front() == '/';
    if (closing) tag.remove_prefix(1);
    const bool empty = !tag.empty() && tag.back() == '/';
    std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/"));
    if (const size_t colon = name.find(':'); colon != std::string_view::npos)
      name.remove_prefix(colon + 1);
    i = gt + 1;
    if (name == "rPh" && !empty) phonetic += closing ? -1 : 1;
    if (name == "t" && !closing && !empty && phonetic <= 0) {
      if (innerXml.compare(i, 9, "<![CDATA[") == 0) {
        const size_t end = innerXml.find("]]>", i + 9);
        if (end == std::string_view::npos) break;
        text += innerXml.substr(i + 9, end - i - 9);
        i = end + 3;
      } else {
        const size_t end = innerXml.find('<', i);
        text += DecodeEntities(innerXml.substr(i, end - i));
        if (end == std::string_view::npos) break;
        i = end;
      }
    }
  }
  return DecodeEscapes(text);
}

}  // namespace excel
