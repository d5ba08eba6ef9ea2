// Markup text utilities (see markup.h).
#include "grading/webmark/markup.h"

#include <algorithm>

#include "platform/base/text.h"
#include "platform/vb/strings.h"

namespace webmark {
namespace {

constexpr size_t npos = std::string_view::npos;

// The plain text of ih's bytes [from, to).
std::string PlainText(std::string_view ih, size_t from, size_t to) {
  std::string out;
  bool inTag = false;
  for (size_t i = from; i < to && i < ih.size(); ++i) {
    const char c = ih[i];
    if (c == '<') inTag = true;
    if (!inTag) out += c;
    if (c == '>') inTag = false;
  }
  return out;
}

// The first byte at or after `from` that is one of `stops`; the end when none.
size_t FindStop(std::string_view s, size_t from, std::string_view stops) {
  const size_t at = s.find_first_of(stops, std::min(from, s.size()));
  return at == npos ? s.size() : at;
}

std::string_view Slice(std::string_view s, size_t from, size_t to) {
  if (from >= s.size() || to <= from) return {};
  return s.substr(from, to - from);
}

// The earlier of "<v:NAME>" and "<v:NAME " at or after `from`.
size_t VmlOpening(std::string_view s1, std::string_view s2, size_t from) {
  const std::string name = "<v:" + std::string(s2);
  const size_t a = vb::InStrText(s1, name + ">", from);
  const size_t b = vb::InStrText(s1, name + " ", from);
  return std::min(a, b);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  return base::Trim(text, " ");
}

base::Result<std::string> RemoveTagAfter(std::string_view ih, int64_t p) {
  if (p < 1) return base::Error::WithCode(5, "RemoveTagAfter: a start position below 1");
  return PlainText(ih, static_cast<size_t>(p - 1), ih.size());
}

std::string RemoveTagBefore(std::string_view ih, int64_t p) {
  if (p <= 1) return {};
  return PlainText(ih, 0, static_cast<size_t>(p - 1));
}

std::string FindMapName(std::string_view s) {
  const size_t pos = vb::InStrText(s, "map name=");
  if (pos == npos) return {};
  const size_t start = pos + 10;
  if (start >= s.size()) return {};
  size_t len = 0;
  vb::DecodeUtf8(s, start, len);
  const size_t quote = s.find('"', start + len);
  return std::string(Slice(s, start, quote == npos ? s.size() : quote));
}

std::string ExtractVMLtag(std::string_view s1, std::string_view s2) {
  std::string result;
  const std::string closing = "</v:" + std::string(s2) + ">";
  const size_t skip = s2.size() + 4;  // "<v:", the name and the character behind it
  size_t p = VmlOpening(s1, s2, 0);
  while (p != npos) {
    size_t e = vb::InStrText(s1, closing, p);
    if (e == npos) e = s1.find("/>", p);
    if (e == npos || p + skip >= e) break;
    result += ' ';
    result.append(s1.substr(p + skip, e - p - skip));
    p = VmlOpening(s1, s2, e);
  }
  return result;
}

std::string ExtractStyleItem(std::string_view s1, std::string_view s2) {
  const size_t pos = vb::InStrText(s1, std::string(s2) + ":");
  if (pos == npos) return {};
  const bool inside = std::count(s1.begin(), s1.begin() + static_cast<ptrdiff_t>(pos) + 1, '"') % 2;
  const size_t start = pos + s2.size() + 1;
  return std::string(TrimBlanks(Slice(s1, start, FindStop(s1, start, inside ? ";'/\"" : ";'/"))));
}

std::string ExtractSpanItem(std::string_view s1, std::string_view s2) {
  size_t pos = vb::InStrText(s1, " " + std::string(s2) + ":");
  if (pos == npos) pos = vb::InStrText(s1, "\"" + std::string(s2) + ":");
  if (pos == npos) return {};
  const size_t start = pos + s2.size() + 2;
  return std::string(TrimBlanks(Slice(s1, start, FindStop(s1, start, "\";'/>"))));
}

std::string ExtractItem(std::string_view s1, std::string_view s2) {
  const size_t pos = vb::InStrText(s1, std::string(s2) + "=");
  if (pos == npos) return {};
  const size_t start = pos + s2.size() + 1;
  size_t end = start;
  bool quoted = false;
  for (; end < s1.size(); ++end) {
    const char c = s1[end];
    if (c == '"') quoted = !quoted;
    if ((c == ' ' && !quoted) || c == '/' || c == '>' || c == '\r') break;
  }
  return RemoveQuote(TrimBlanks(Slice(s1, start, end)));
}

std::string GetStyleString(std::string_view s1) {
  const size_t pos = vb::InStrText(s1, "style='");
  if (pos == npos) return {};
  const size_t start = pos + 7;
  const size_t end = s1.find('\'', std::min(start, s1.size()));
  return std::string(TrimBlanks(Slice(s1, start, end == npos ? s1.size() : end)));
}

std::string RemoveQuote(std::string_view s1) {
  std::string out(s1);
  std::replace_if(
      out.begin(), out.end(), [](char c) { return c == '"' || c == '\''; }, ' ');
  return std::string(TrimBlanks(out));
}

bool CoordsCheck(int16_t cv, std::string_view cond) {
  if (cond.empty()) return false;
  base::Result<double> read = vb::Val(cond.substr(1));
  const double n = read ? *read : 0;
  switch (cond.front()) {
    case '<':
      return cv < n;
    case '>':
      return cv > n;
    case '=':
      return cv == n;
    default:
      return false;
  }
}

}  // namespace webmark
