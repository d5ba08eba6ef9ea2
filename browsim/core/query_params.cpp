// Query parameters, percent-decoding and page escapes.
#include "browsim/core/query_params.h"

#include <charconv>

#include "platform/base/text.h"
#include "platform/win/codepage.h"

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

std::string DecodeQueryText(std::string_view encoded, std::string_view charset) {
  std::string bytes = PercentDecode(encoded);
  const std::string name = base::AsciiLower(charset);
  const bool gbk = name == "gbk" || name == "gb2312" || name == "gb18030" || name == "x-gbk";
  if (gbk || !win::IsUtf8(bytes)) return win::GbkToUtf8(bytes);
  return bytes;
}

std::string DecodeAddress(std::string_view encoded, std::string_view charset) {
  const size_t hash = encoded.find('#');
  const size_t question = encoded.substr(0, hash).find('?');
  if (question == std::string_view::npos) return PercentDecode(encoded);
  std::string address = PercentDecode(encoded.substr(0, question + 1));
  const size_t queryEnd = hash == std::string_view::npos ? encoded.size() : hash;
  address += DecodeQueryText(encoded.substr(question + 1, queryEnd - question - 1), charset);
  if (hash != std::string_view::npos) address += PercentDecode(encoded.substr(hash));
  return address;
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
