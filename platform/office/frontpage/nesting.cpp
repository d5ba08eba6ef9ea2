#include "platform/office/frontpage/nesting.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <vector>

#include "platform/base/text.h"

namespace frontpage {
namespace {

// Tag names as small numbers: the first bytes folded to lower case (names longer than 8 bytes
// share their prefix's number, which only makes the estimate coarser).
uint64_t NameKey(std::string_view name) {
  uint64_t key = 0;
  for (size_t i = 0; i < name.size() && i < 8; ++i) {
    key = key << 8 | static_cast<unsigned char>(base::AsciiLower(name[i]));
  }
  return key;
}

constexpr uint64_t Key(std::string_view name) {
  uint64_t key = 0;
  for (size_t i = 0; i < name.size() && i < 8; ++i)
    key = key << 8 | static_cast<unsigned char>(name[i]);
  return key;
}

constexpr std::array kVoid = {
    Key("area"),  Key("base"),  Key("basefont"), Key("bgsound"),  Key("br"),    Key("col"),
    Key("embed"), Key("frame"), Key("hr"),       Key("img"),      Key("input"), Key("keygen"),
    Key("link"),  Key("meta"),  Key("param"),    Key("source"),   Key("track"), Key("wbr"),
    Key("html"),  Key("head"),  Key("body"),     Key("!doctype"), Key("image"), Key("isindex")};
constexpr std::array kRawText = {Key("script"),   Key("style"),   Key("textarea"), Key("title"),
                                 Key("xmp"),      Key("iframe"),  Key("noframes"), Key("noembed"),
                                 Key("plaintex"), Key("noscript")};
// A start tag of the first closes an open one of the second back to the nearest of the third.
struct Closing {
  uint64_t tag;
  std::array<uint64_t, 2> closes;
  std::array<uint64_t, 3> boundary;
};
constexpr std::array kClosing = {
    Closing{Key("td"), {Key("td"), Key("th")}, {Key("tr"), Key("table"), 0}},
    Closing{Key("th"), {Key("td"), Key("th")}, {Key("tr"), Key("table"), 0}},
    Closing{Key("tr"), {Key("tr"), 0}, {Key("table"), Key("tbody"), 0}},
    Closing{Key("li"), {Key("li"), 0}, {Key("ul"), Key("ol"), 0}},
    Closing{Key("dt"), {Key("dt"), Key("dd")}, {Key("dl"), 0, 0}},
    Closing{Key("dd"), {Key("dt"), Key("dd")}, {Key("dl"), 0, 0}},
    Closing{Key("option"), {Key("option"), 0}, {Key("select"), 0, 0}},
    Closing{Key("a"), {Key("a"), 0}, {Key("td"), Key("table"), 0}},
};
// Start tags that close an open paragraph, as blocks do.
constexpr std::array kBlocks = {
    Key("p"),        Key("div"),    Key("table"), Key("ul"), Key("ol"),      Key("h1"),
    Key("h2"),       Key("h3"),     Key("h4"),    Key("h5"), Key("h6"),      Key("pre"),
    Key("blockquo"), Key("center"), Key("form"),  Key("dl"), Key("address"), Key("hr")};

template <size_t N>
bool In(const std::array<uint64_t, N>& set, uint64_t key) {
  return key != 0 && std::find(set.begin(), set.end(), key) != set.end();
}

// Pops back to and including the nearest open `what`, unless a `boundary` comes first.
template <size_t N, size_t M>
void CloseBack(std::vector<uint64_t>& open, const std::array<uint64_t, N>& what,
               const std::array<uint64_t, M>& boundary) {
  for (size_t i = open.size(); i-- > 0;) {
    if (In(what, open[i])) {
      open.resize(i);
      return;
    }
    if (In(boundary, open[i])) return;
  }
}

bool NameChar(char c) {
  return c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '>' && c != '/' && c != '\f';
}

}  // namespace

size_t EstimateNesting(std::string_view page, size_t cap) {
  std::vector<uint64_t> open;
  size_t deepest = 0;
  size_t i = 0;
  while ((i = page.find('<', i)) != std::string_view::npos) {
    if (page.compare(i, 4, "<!--") == 0) {
      const size_t end = page.find("-->", i + 4);
      if (end == std::string_view::npos) break;
      i = end + 3;
      continue;
    }
    const bool endTag = i + 1 < page.size() && page[i + 1] == '/';
    size_t b = i + (endTag ? 2 : 1);
    if (b >= page.size() || !std::isalpha(static_cast<unsigned char>(page[b]))) {
      ++i;
      continue;
    }
    size_t e = b;
    while (e < page.size() && NameChar(page[e])) ++e;
    const uint64_t key = NameKey(page.substr(b, e - b));
    const size_t gt = page.find('>', e);
    i = gt == std::string_view::npos ? page.size() : gt + 1;
    if (endTag) {
      for (size_t k = open.size(); k-- > 0;) {
        if (open[k] == key) {
          open.resize(k);
          break;
        }
      }
      continue;
    }
    if (In(kVoid, key)) continue;
    if (In(kRawText, key)) {
      // Its text is no markup: on to its end tag.
      const std::string close = "</" + std::string(page.substr(b, e - b));
      size_t at = i;
      while (at < page.size()) {
        at = page.find("</", at);
        if (at == std::string_view::npos || base::StartsWithNoCase(page.substr(at), close)) break;
        at += 2;
      }
      i = at == std::string_view::npos ? page.size() : at;
      continue;
    }
    if (In(kBlocks, key))
      CloseBack(open, std::array{Key("p")}, std::array{Key("td"), Key("table")});
    for (const Closing& c : kClosing) {
      if (c.tag == key) CloseBack(open, c.closes, c.boundary);
    }
    open.push_back(key);
    deepest = std::max(deepest, open.size());
    if (deepest > cap) break;
  }
  return deepest;
}

}  // namespace frontpage
