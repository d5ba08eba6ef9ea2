#include "platform/office/frontpage/vml_scan.h"

#include <algorithm>
#include <array>

#include "platform/base/text.h"

namespace frontpage {
namespace {

// The vector elements that are drawings of their own when they stand outside any other.
constexpr std::array<std::string_view, 10> kDrawingNames = {
    "shape", "rect", "roundrect", "oval", "line", "polyline", "curve", "arc", "group", "image"};

bool IsNameEnd(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>' || c == '/';
}

bool StartsNoCase(std::string_view text, size_t at, std::string_view what) {
  return at + what.size() <= text.size() && base::EqualsNoCase(text.substr(at, what.size()), what);
}

// The position after the '>' that ends the tag starting at `at` (quotes respected); the end of
// the text when it never closes.
size_t TagEnd(std::string_view text, size_t at) {
  // Quotes count only within a tag of reasonable length: an unclosed quote must not make every
  // later tag scan to the end of the page.
  constexpr size_t kQuotedTagLimit = 8192;
  char quote = 0;
  const size_t limit = std::min(text.size(), at + kQuotedTagLimit);
  for (size_t i = at + 1; i < limit; ++i) {
    const char c = text[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return i + 1;
    }
  }
  const size_t gt = text.find('>', at);
  return gt == std::string_view::npos ? text.size() : gt + 1;
}

// The name of the tag at `at` ("<v:shape ..." -> "v:shape", "</o:p>" -> "o:p").
std::string_view TagName(std::string_view text, size_t at) {
  size_t b = at + 1;
  if (b < text.size() && text[b] == '/') ++b;
  size_t e = b;
  while (e < text.size() && !IsNameEnd(text[e])) ++e;
  return text.substr(b, e - b);
}

bool IsDrawingName(std::string_view name) {
  if (!StartsNoCase(name, 0, "v:")) return false;
  name.remove_prefix(2);
  return std::any_of(kDrawingNames.begin(), kDrawingNames.end(),
                     [&](std::string_view known) { return base::EqualsNoCase(name, known); });
}

// Where the element whose start tag is at `at` ends: after its own end tag, counting elements of
// the same name inside it; after the start tag when it closes itself or never ends.
// `unclosed` holds the names already found never to close: later ones of that name end with their
// start tag, so that a page of unclosed drawings costs one scan, not one per drawing.
size_t ElementEnd(std::string_view text, size_t at, std::string_view name,
                  std::vector<std::string>& unclosed) {
  const size_t startEnd = TagEnd(text, at);
  if (startEnd >= 2 && text[startEnd - 2] == '/') return startEnd;
  const std::string lower = base::AsciiLower(name);
  if (std::find(unclosed.begin(), unclosed.end(), lower) != unclosed.end()) return startEnd;
  const std::string open = "<" + std::string(name);
  const std::string close = "</" + std::string(name);
  int depth = 1;
  size_t i = startEnd;
  while (i < text.size()) {
    const size_t lt = text.find('<', i);
    if (lt == std::string_view::npos) break;
    if (StartsNoCase(text, lt, close) && lt + close.size() < text.size() &&
        IsNameEnd(text[lt + close.size()])) {
      const size_t end = TagEnd(text, lt);
      if (--depth == 0) return end;
      i = end;
    } else if (StartsNoCase(text, lt, open) && lt + open.size() < text.size() &&
               IsNameEnd(text[lt + open.size()])) {
      const size_t end = TagEnd(text, lt);
      if (!(end >= 2 && text[end - 2] == '/')) ++depth;
      i = end;
    } else {
      i = lt + 1;
    }
  }
  unclosed.push_back(lower);
  return startEnd;
}

void Blank(std::string& text, size_t begin, size_t end) {
  std::fill(text.begin() + static_cast<std::ptrdiff_t>(begin),
            text.begin() + static_cast<std::ptrdiff_t>(std::min(end, text.size())), ' ');
}

// The HTML of the drawing's text box, as positions in the page.
void FindTextBox(std::string_view page, DrawingRegion& drawing) {
  const std::string_view markup = page.substr(drawing.begin, drawing.end - drawing.begin);
  size_t at = 0;
  while ((at = base::FindNoCase(markup, "<v:textbox", at)) != std::string_view::npos) {
    if (at + 10 < markup.size() && IsNameEnd(markup[at + 10])) break;
    at += 10;
  }
  if (at == std::string_view::npos) return;
  const size_t inner = TagEnd(markup, at);
  if (inner >= 2 && markup[inner - 2] == '/') return;
  size_t close = base::FindNoCase(markup, "</v:textbox", inner);
  if (close == std::string_view::npos) close = markup.size();
  drawing.textBegin = drawing.begin + static_cast<uint32_t>(inner);
  drawing.textEnd = drawing.begin + static_cast<uint32_t>(close);
}

// Elements whose content is text, where a "<v:" is no tag.
constexpr std::array<std::string_view, 5> kRawTextNames = {"script", "style", "textarea", "title",
                                                           "xmp"};

}  // namespace

VmlScan ScanVml(std::string_view page) {
  VmlScan scan;
  if (base::FindNoCase(page, "<v:", 0) == std::string_view::npos &&
      base::FindNoCase(page, "<![if", 0) == std::string_view::npos &&
      base::FindNoCase(page, "vml", 0) == std::string_view::npos) {
    return scan;
  }
  scan.parseText.assign(page);
  std::string& out = scan.parseText;
  bool inVmlBlock = false;
  std::vector<std::string> unclosed;
  size_t i = 0;
  while ((i = page.find('<', i)) != std::string_view::npos) {
    if (StartsNoCase(page, i, "<!--")) {
      // "<!--[if gte vml 1]>" opens markup the editor shows; any other comment is skipped.
      if (StartsNoCase(page, i, "<!--[if")) {
        const size_t close = page.find("]>", i);
        if (close != std::string_view::npos && close - i < 64) {
          const std::string_view condition = page.substr(i, close - i);
          if (base::FindNoCase(condition, "vml", 0) != std::string_view::npos &&
              condition.find('!', 4) == std::string_view::npos) {
            Blank(out, i, close + 2);
            inVmlBlock = true;
            i = close + 2;
            continue;
          }
        }
      }
      const size_t end = page.find("-->", i + 4);
      i = end == std::string_view::npos ? page.size() : end + 3;
      continue;
    }
    if (StartsNoCase(page, i, "<![endif]")) {
      const size_t end = TagEnd(page, i);
      if (inVmlBlock) {
        Blank(out, i, end);
        inVmlBlock = false;
      }
      i = end;
      continue;
    }
    if (StartsNoCase(page, i, "<![if")) {
      const size_t end = TagEnd(page, i);
      if (page.substr(i, end - i).find("!vml") != std::string_view::npos) {
        // The fallback picture for browsers without vector markup: not shown, so no element.
        size_t endif = base::FindNoCase(page, "<![endif]", end);
        const size_t stop = endif == std::string_view::npos ? page.size() : TagEnd(page, endif);
        Blank(out, i, stop);
        i = stop;
        continue;
      }
      i = end;
      continue;
    }
    const std::string_view name = TagName(page, i);
    if (page.size() > i + 1 && page[i + 1] != '/') {
      const bool raw = std::any_of(kRawTextNames.begin(), kRawTextNames.end(),
                                   [&](std::string_view r) { return base::EqualsNoCase(name, r); });
      if (raw) {
        const size_t close = base::FindNoCase(page, "</" + std::string(name), TagEnd(page, i));
        i = close == std::string_view::npos ? page.size() : close;
        continue;
      }
      if (IsDrawingName(name)) {
        DrawingRegion drawing;
        drawing.begin = static_cast<uint32_t>(i);
        drawing.end = static_cast<uint32_t>(ElementEnd(page, i, name, unclosed));
        FindTextBox(page, drawing);
        Blank(out, drawing.begin, drawing.end);
        out.replace(drawing.begin, 4, "<img");
        out[drawing.end - 1] = '>';
        scan.drawings.push_back(drawing);
        i = drawing.end;
        continue;
      }
      if (base::EqualsNoCase(name, "v:shapetype")) {
        const size_t end = ElementEnd(page, i, name, unclosed);
        Blank(out, i, end);
        i = end;
        continue;
      }
    }
    if (inVmlBlock && name.find(':') != std::string_view::npos) {
      const size_t end = TagEnd(page, i);
      Blank(out, i, end);
      i = end;
      continue;
    }
    ++i;
  }
  return scan;
}

std::string MaskPrefixedTags(std::string_view html) {
  std::string out(html);
  size_t i = 0;
  while ((i = html.find('<', i)) != std::string_view::npos) {
    if (TagName(html, i).find(':') != std::string_view::npos) {
      const size_t end = TagEnd(html, i);
      Blank(out, i, end);
      i = end;
    } else {
      ++i;
    }
  }
  return out;
}

}  // namespace frontpage
