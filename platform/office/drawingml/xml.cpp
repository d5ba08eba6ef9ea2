#include "platform/office/drawingml/xml.h"

#include <charconv>
#include <cstring>
#include <string>

namespace drawingml {

base::Error Missing(std::string_view what) {
  return base::Error::WithCode(kMissing, "no " + std::string(what));
}

base::Error Malformed(std::string_view what) {
  return base::Error::WithCode(kMalformed, std::string(what));
}

base::Error Unreadable(pugi::xml_node node, std::string_view local) {
  return Malformed("<" + std::string(node.name()) + "> has an unreadable " + std::string(local) +
                   " \"" + Attr(node, local).value() + "\"");
}

std::optional<int64_t> ParseInt(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<int64_t> IntAttr(pugi::xml_node node, std::string_view local) {
  pugi::xml_attribute a = Attr(node, local);
  if (!a) return std::nullopt;
  return ParseInt(a.value());
}

std::optional<double> FractionAttr(pugi::xml_node node, std::string_view local) {
  pugi::xml_attribute a = Attr(node, local);
  if (!a) return std::nullopt;
  std::string_view text = a.value();
  if (!text.empty() && text.back() == '%') {
    text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double percent = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), percent);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return percent / 100.0;
  }
  std::optional<int64_t> thousandths = ParseInt(text);
  if (!thousandths) return std::nullopt;
  return static_cast<double>(*thousandths) / 100000.0;
}

std::optional<bool> BoolAttr(pugi::xml_node node, std::string_view local) {
  pugi::xml_attribute a = Attr(node, local);
  if (!a) return std::nullopt;
  std::string_view text = a.value();
  if (text == "1" || text == "true") return true;
  if (text == "0" || text == "false") return false;
  return std::nullopt;
}

base::Result<std::shared_ptr<pugi::xml_document>> ParseXml(std::string_view bytes) {
  auto document = std::make_shared<pugi::xml_document>();
  pugi::xml_parse_result parsed = document->load_buffer(bytes.data(), bytes.size());
  if (!parsed) {
    return Malformed("not well-formed XML at byte " + std::to_string(parsed.offset) + ": " +
                     parsed.description());
  }
  if (!document->document_element()) return Malformed("XML without a root element");
  return document;
}

}  // namespace drawingml
