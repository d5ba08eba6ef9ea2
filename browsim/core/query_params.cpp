// Query parameters, percent-decoding and page escapes.
#include "browsim/core/query_params.h"

#include <charconv>

#include "platform/base/text.h"

namespace browsim {

std::string GetQueryParam(std::string_view address, std::string_view name) {
  // The pairs follow the "?", or the "//" of an address written without one
  // ("search://keyword=a&engine=baidu").
  const size_t question = address.find('?');
  const size_t slashes = address.find("//");
  if (question == std::string_view::npos && slashes == std::string_view::npos) return {};
  std::string_view rest =
      address.substr(question != std::string_view::npos ? question + 1 : slashes + 2);
  const std::string wanted = base::AsciiLower(name);
  while (!rest.empty()) {
    const size_t amp = rest.find('&');
    const std::string_view pair = rest.substr(0, amp);
    const size_t eq = pair.find('=');
    const std::string_view key = pair.substr(0, eq);
    if (base::AsciiLower(key) == wanted) {
      return eq == std::string_view::npos ? std::string() : std::string(pair.substr(eq + 1));
    }
    if (amp == std::string_view::npos) break;
    rest.remove_prefix(amp + 1);
  }
  return {};
}

namespace {
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

std::string PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const int high = HexValue(text[i + 1]);
      const int low = HexValue(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out.push_back(static_cast<char>(high * 16 + low));
        i += 2;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

std::string BrToJsNewline(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (text.substr(i, 4) == "<br>") {
      out += "\\r\\n";
      i += 4;
    } else {
      out.push_back(text[i++]);
    }
  }
  return out;
}

std::string HtmlEscape(std::string_view text) {
  return base::EscapeMarkup(text);
}

std::string JsStringEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\'':
        out += "\\'";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '<':
        out += "\\x3c";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

bool ParseId(std::string_view text, long& id) {
  if (text.empty()) return false;
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  id = value;
  return true;
}

}  // namespace browsim
