// The tags are read as an HTML5 tokenizer reads them (comments, bogus comments, quoted attribute
// values, raw text and its end tags), so that no markup hides from the count what the parser sees.
// The open elements follow the tree builder's main rules; where the estimate cannot tell what the
// parser does, it keeps elements open rather than closing them, so it errs on the deep side.
#include "platform/office/frontpage/nesting.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include <gumbo.h>

#include "platform/base/text.h"

namespace frontpage {
namespace {

// What the rules need to know of a tag name.
enum Trait : uint32_t {
  kVoid = 1 << 0,          // never stays open in HTML content
  kSpecial = 1 << 1,       // stops an end tag of a name not its own, and list items' closing
  kScope = 1 << 2,         // bounds the default scope
  kClosesP = 1 << 3,       // closes an open paragraph first
  kRcdata = 1 << 4,        // its text is no markup, up to its own end tag
  kPlaintext = 1 << 5,     // its text is no markup, to the end of the page
  kForeign = 1 << 6,       // svg, math: what follows is read by other rules
  kBreakoutVoid = 1 << 7,  // leaves foreign content as a void element
  kHeading = 1 << 8,
  kTableScope = 1 << 9,   // bounds the table scope
  kFormatting = 1 << 10,  // kept in the list of formatting elements the parser opens again
  kRebuilds = 1 << 11,    // opens again the formatting elements closed by other elements
  kMarker = 1 << 12,      // the formatting elements before it are not opened again inside it
  kBreakout = 1 << 13,    // leaves foreign content
  kScopedEnd = 1 << 14,   // its end tag closes back to it when it is in scope
  kNotFrames = 1 << 15,   // the page can no longer become a frames page
  kUnknown = 1 << 16,     // a name the parser does not know
};

enum Space : uint8_t { kHtml, kSvg, kMath };

struct KnownName {
  std::string_view name;
  uint32_t traits;
};
constexpr uint32_t kBlock = kSpecial | kClosesP;
constexpr uint32_t kFormat = kFormatting | kRebuilds;
constexpr KnownName kKnown[] = {
    {"a", kFormat},
    {"b", kFormat | kBreakout},
    {"big", kFormat | kBreakout},
    {"code", kFormat | kBreakout},
    {"em", kFormat | kBreakout},
    {"font", kFormat},
    {"i", kFormat | kBreakout},
    {"nobr", kFormat | kBreakout},
    {"s", kFormat | kBreakout},
    {"small", kFormat | kBreakout},
    {"strike", kFormat | kBreakout},
    {"strong", kFormat | kBreakout},
    {"tt", kFormat | kBreakout},
    {"u", kFormat | kBreakout},
    {"option", kRebuilds},
    {"optgroup", kRebuilds},
    {"address", kBlock | kScopedEnd},
    {"applet", kSpecial | kScope | kRebuilds | kMarker | kScopedEnd | kNotFrames},
    {"area", kVoid | kSpecial | kRebuilds | kNotFrames},
    {"article", kBlock | kScopedEnd},
    {"aside", kBlock | kScopedEnd},
    {"base", kVoid | kSpecial},
    {"basefont", kVoid | kSpecial},
    {"bgsound", kVoid | kSpecial},
    {"blockquote", kBlock | kBreakout | kScopedEnd},
    {"body", kVoid | kSpecial | kBreakout | kNotFrames},
    {"br", kVoid | kSpecial | kBreakoutVoid | kRebuilds | kBreakout | kNotFrames},
    {"button", kSpecial | kRebuilds | kScopedEnd | kNotFrames},
    {"caption", kSpecial | kScope | kMarker},
    {"center", kBlock | kBreakout | kScopedEnd},
    {"col", kVoid | kSpecial},
    {"colgroup", kSpecial},
    {"dd", kBlock | kBreakout | kScopedEnd | kNotFrames},
    {"details", kBlock | kScopedEnd},
    {"dialog", kClosesP | kScopedEnd},
    {"dir", kBlock | kScopedEnd},
    {"div", kBlock | kBreakout | kScopedEnd},
    {"dl", kBlock | kBreakout | kScopedEnd},
    {"dt", kBlock | kBreakout | kScopedEnd | kNotFrames},
    {"embed", kVoid | kSpecial | kBreakoutVoid | kRebuilds | kBreakout | kNotFrames},
    {"fieldset", kBlock | kScopedEnd},
    {"figcaption", kBlock | kScopedEnd},
    {"figure", kBlock | kScopedEnd},
    {"footer", kBlock | kScopedEnd},
    {"form", kBlock},
    {"frame", kVoid | kSpecial},
    {"frameset", kSpecial},
    {"h1", kBlock | kHeading | kBreakout},
    {"h2", kBlock | kHeading | kBreakout},
    {"h3", kBlock | kHeading | kBreakout},
    {"h4", kBlock | kHeading | kBreakout},
    {"h5", kBlock | kHeading | kBreakout},
    {"h6", kBlock | kHeading | kBreakout},
    {"head", kVoid | kSpecial | kBreakout},
    {"header", kBlock | kScopedEnd},
    {"hgroup", kBlock | kScopedEnd},
    {"hr", kVoid | kBlock | kBreakoutVoid | kBreakout | kNotFrames},
    {"html", kVoid | kSpecial | kScope | kTableScope},
    {"iframe", kSpecial | kRcdata | kNotFrames},
    {"image", kVoid | kRebuilds | kNotFrames},
    {"img", kVoid | kSpecial | kBreakoutVoid | kRebuilds | kBreakout | kNotFrames},
    {"input", kVoid | kSpecial | kRebuilds | kNotFrames},
    {"isindex", kVoid | kSpecial},
    {"keygen", kVoid | kRebuilds | kNotFrames},
    {"li", kBlock | kBreakout | kNotFrames},
    {"link", kVoid | kSpecial},
    {"listing", kBlock | kBreakout | kScopedEnd | kNotFrames},
    {"main", kBlock | kScopedEnd},
    {"marquee", kSpecial | kScope | kRebuilds | kMarker | kScopedEnd | kNotFrames},
    {"math", kForeign | kRebuilds},
    {"menu", kBlock | kBreakout | kScopedEnd},
    {"menuitem", kVoid | kSpecial},
    {"meta", kVoid | kSpecial | kBreakoutVoid | kBreakout},
    {"nav", kBlock | kScopedEnd},
    {"noembed", kSpecial | kRcdata},
    {"noframes", kSpecial | kRcdata},
    {"noscript", kSpecial | kRebuilds},
    {"object", kSpecial | kScope | kRebuilds | kMarker | kScopedEnd | kNotFrames},
    {"ol", kBlock | kBreakout | kScopedEnd},
    {"p", kBlock | kBreakout},
    {"param", kVoid | kSpecial},
    {"plaintext", kBlock | kPlaintext},
    {"pre", kBlock | kBreakout | kScopedEnd | kNotFrames},
    {"script", kSpecial | kRcdata},
    {"section", kBlock | kScopedEnd},
    {"select", kSpecial | kRebuilds | kNotFrames},
    {"source", kVoid | kSpecial},
    {"style", kSpecial | kRcdata},
    {"summary", kBlock | kScopedEnd},
    {"svg", kForeign | kRebuilds},
    {"table", kSpecial | kScope | kTableScope | kBreakout | kNotFrames},
    {"tbody", kSpecial},
    {"td", kSpecial | kScope | kMarker},
    {"template", kSpecial | kScope | kTableScope | kMarker | kScopedEnd | kNotFrames},
    {"textarea", kSpecial | kRcdata | kNotFrames},
    {"tfoot", kSpecial},
    {"th", kSpecial | kScope | kMarker},
    {"thead", kSpecial},
    {"title", kSpecial | kScope | kRcdata},
    {"tr", kSpecial},
    {"track", kVoid | kSpecial},
    {"ul", kBlock | kBreakout | kScopedEnd},
    {"wbr", kVoid | kSpecial | kRebuilds | kNotFrames},
    {"xmp", kBlock | kRcdata | kRebuilds | kNotFrames},
    {"ruby", kBreakout | kRebuilds},
    {"span", kBreakout | kRebuilds},
    {"sub", kBreakout | kRebuilds},
    {"sup", kBreakout | kRebuilds},
    {"var", kBreakout | kRebuilds},
};

bool Blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool Alpha(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// One tag as the tokenizer reads it.
struct Tag {
  std::string name;  // folded to lower case
  bool end = false;
  bool selfClosing = false;
  size_t next = 0;  // just past its '>'
  std::vector<std::pair<std::string, std::string_view>>
      attributes;  // names folded, values as written
};

class Estimate {
 public:
  Estimate(std::string_view page, size_t cap, size_t elementCap)
      : page_(page), cap_(cap), elementCap_(elementCap) {
    for (const KnownName& k : kKnown) Id(k.name, k.traits);
    Id("#template-part", kSpecial);
    knownCount_ = static_cast<uint32_t>(names_.size());
  }

  Nesting Run() {
    size_t i = 0;
    while (deepest_ <= cap_ && elements_ <= elementCap_ && i < page_.size()) {
      size_t lt = page_.find('<', i);
      if (lt == std::string_view::npos) lt = page_.size();
      if (lt > i) Text(page_.substr(i, lt - i));
      i = lt < page_.size() ? AtLessThan(lt) : lt;
    }
    return Nesting{deepest_, elements_};
  }

 private:
  struct Name {
    std::string name;
    uint32_t traits = 0;
  };

  uint32_t Id(std::string_view name, uint32_t traits = 0) {
    auto [it, added] = ids_.try_emplace(std::string(name), static_cast<uint32_t>(names_.size()));
    if (added) {
      // The parser tells elements apart by its own list of names: every name it does not know
      // matches every other such name.
      if (name.find(':') == std::string_view::npos && name[0] != '#' &&
          gumbo_tagn_enum(name.data(), static_cast<unsigned>(name.size())) == GUMBO_TAG_UNKNOWN)
        traits |= kUnknown;
      names_.push_back(Name{std::string(name), traits});
    }
    return it->second;
  }
  uint32_t Traits(uint32_t id) const { return names_[id].traits; }
  bool Is(uint32_t id, std::string_view name) const { return names_[id].name == name; }
  uint32_t Known(std::string_view name) const { return ids_.at(std::string(name)); }

  // Reads the markup at '<' and returns where the text resumes.
  size_t AtLessThan(size_t i) {
    const size_t n = page_.size();
    if (page_.compare(i, 4, "<!--") == 0) return SkipComment(i + 4);
    if (i + 1 < n && (page_[i + 1] == '!' || page_[i + 1] == '?')) return SkipTo(i + 2, '>');
    if (i + 2 < n && page_[i + 1] == '/' && !Alpha(page_[i + 2]))
      return page_[i + 2] == '>' ? i + 3 : SkipTo(i + 2, '>');
    const bool end = i + 1 < n && page_[i + 1] == '/';
    const size_t b = i + (end ? 2 : 1);
    if (b >= n || !Alpha(page_[b])) {
      Text(page_.substr(i, 1));
      return i + 1;
    }
    Tag tag = ReadTag(b, end);
    if (tag.next == 0) return n;  // a tag cut off by the end of the page is dropped
    if (tag.end) {
      EndTag(Id(tag.name));
      return tag.next;
    }
    return StartTag(tag);
  }

  // A comment ends at "-->" or "--!>", or at once when written "<!-->" or "<!--->".
  size_t SkipComment(size_t k) {
    if (page_.compare(k, 1, ">") == 0) return k + 1;
    if (page_.compare(k, 2, "->") == 0) return k + 2;
    while ((k = page_.find("--", k)) != std::string_view::npos) {
      size_t m = k + 2;
      while (m < page_.size() && page_[m] == '-') ++m;
      if (page_.compare(m, 1, ">") == 0) return m + 1;
      if (page_.compare(m, 2, "!>") == 0) return m + 2;
      k = m;
    }
    return page_.size();
  }

  size_t SkipTo(size_t k, char c) const {
    const size_t at = page_.find(c, k);
    return at == std::string_view::npos ? page_.size() : at + 1;
  }

  // The tag whose name starts at `b`; `next` stays 0 when the page ends inside it.
  Tag ReadTag(size_t b, bool end) const {
    const size_t n = page_.size();
    Tag tag;
    tag.end = end;
    size_t k = b;
    while (k < n && !Blank(page_[k]) && page_[k] != '/' && page_[k] != '>') ++k;
    tag.name = base::AsciiLower(page_.substr(b, k - b));
    while (k < n) {
      const char c = page_[k];
      if (Blank(c)) {
        ++k;
      } else if (c == '>') {
        tag.next = k + 1;
        return tag;
      } else if (c == '/') {
        ++k;
        if (k < n && page_[k] == '>') {
          tag.selfClosing = true;
          tag.next = k + 1;
          return tag;
        }
      } else {
        // An attribute: its name, then perhaps '=' and a value.
        const size_t nameAt = k++;
        while (k < n && !Blank(page_[k]) && page_[k] != '/' && page_[k] != '>' && page_[k] != '=')
          ++k;
        tag.attributes.emplace_back(base::AsciiLower(page_.substr(nameAt, k - nameAt)), "");
        while (k < n && Blank(page_[k])) ++k;
        if (k >= n || page_[k] != '=') continue;
        ++k;
        while (k < n && Blank(page_[k])) ++k;
        if (k < n && (page_[k] == '"' || page_[k] == '\'')) {
          const size_t close = page_.find(page_[k], k + 1);
          if (close == std::string_view::npos) return tag;
          tag.attributes.back().second = page_.substr(k + 1, close - k - 1);
          k = close + 1;
        } else {
          const size_t valueAt = k;
          while (k < n && !Blank(page_[k]) && page_[k] != '>') ++k;
          tag.attributes.back().second = page_.substr(valueAt, k - valueAt);
        }
      }
    }
    return tag;
  }

  size_t StartTag(const Tag& tag) {
    const uint32_t id = Id(tag.name);
    const uint32_t traits = Traits(id);
    if (ForeignTop()) {
      const bool breakout =
          (traits & kBreakout) ||
          (Is(id, "font") &&
           std::any_of(tag.attributes.begin(), tag.attributes.end(), [](const auto& a) {
             return a.first == "color" || a.first == "face" || a.first == "size";
           }));
      if (!breakout) {
        // Foreign elements nest whatever their names, and no text is raw there.
        const bool svgInAnnotation = Is(id, "svg") && Is(open_.back(), "math:annotation-xml");
        if (!tag.selfClosing) Push(id, svgInAnnotation ? kHtml : space_.back(), &tag);
        return tag.next;
      }
      while (ForeignTop()) Pop(open_.size() - 1);
    }
    if (Is(id, "frameset") && !started_ && templates_.empty() && !framesets_) {
      // The frame set takes the body's place.
      Pop(0);
      framesets_ = true;
    }
    if (framesets_) {
      if (Is(id, "frameset")) Push(id);
      if (!Is(id, "noframes")) return tag.next;
      Tag raw = tag;
      return SkipRawText(raw);
    }
    const bool hiddenInput =
        Is(id, "input") &&
        std::any_of(tag.attributes.begin(), tag.attributes.end(), [](const auto& a) {
          return a.first == "type" && base::EqualsNoCase(a.second, "hidden");
        });
    if ((traits & kNotFrames) && !hiddenInput) started_ = true;
    if (!templates_.empty()) {
      // What a template holds is read by rules of its own: every element is counted open until
      // the template ends, and no text is raw.
      if (!(traits & kVoid)) Push(id);
      if (!(traits & (kRcdata | kPlaintext))) return tag.next;
      // Whether the parser reads its text as text depends on where it stands in the template:
      // its tags are counted, and an end tag in it ends nothing.
      const size_t end = (traits & kPlaintext) ? page_.size() : SkipRawText(tag);
      for (size_t k = tag.next; k + 1 < end; ++k) {
        if (page_[k] == '<' && Alpha(page_[k + 1])) Push(Known("#template-part"));
      }
      return end;
    }
    if (InSelect()) {
      // A list box keeps its options and ignores other tags; a few close it first.
      if (Is(id, "option") || Is(id, "optgroup")) {
        if (!open_.empty() && Is(open_.back(), "option")) Pop(open_.size() - 1);
        if (Is(id, "optgroup") && !open_.empty() && Is(open_.back(), "optgroup"))
          Pop(open_.size() - 1);
        Push(id);
        return tag.next;
      }
      if (Is(id, "script")) return SkipRawText(tag);
      if (Is(id, "template")) {
        Push(id);
        return tag.next;
      }
      const bool closes = Is(id, "select") || Is(id, "input") || Is(id, "keygen") ||
                          Is(id, "textarea") ||
                          (selects_.back().second && (IsTableName(id) || Is(id, "table")));
      if (!closes) return tag.next;
      PopTo(Nearest(Known("select"), 0));
      if (Is(id, "select")) return tag.next;
    }
    const bool rebuilds = (traits & kRebuilds) || id >= knownCount_;
    if (Is(id, "frameset")) return tag.next;  // content came first: the parser ignores it
    if (IsTablePart(id)) {
      TablePart(id);
      return tag.next;
    }
    if (Is(id, "form")) {
      if (formPointer_ && templates_.empty()) return tag.next;
      if (templates_.empty()) formPointer_ = true;
    }
    if (Is(id, "li") || Is(id, "dd") || Is(id, "dt")) CloseListItem(id);
    if (Is(id, "a") || Is(id, "nobr")) CloseFormatting(id);
    if (Is(id, "button")) PopTo(Nearest(id, kScope));
    if ((Is(id, "option") || Is(id, "optgroup")) && !open_.empty() && Is(open_.back(), "option"))
      Pop(open_.size() - 1);
    if (traits & kClosesP) PopTo(Nearest(Known("p"), kScope, Known("button")));
    if ((traits & kHeading) && !open_.empty() && (Traits(open_.back()) & kHeading))
      Pop(open_.size() - 1);
    if (Is(id, "table") && InTableRows()) PopTo(Nearest(id, kTableScope));
    if (rebuilds) Reopen();
    if (traits & kVoid) return tag.next;
    Push(id);
    if (traits & kFormatting) Remember(id, tag);
    if (tag.selfClosing && (traits & kForeign)) Pop(open_.size() - 1);
    const bool raw = (traits & (kRcdata | kPlaintext)) && !(traits & kForeign) && !framesets_;
    if (!raw) return tag.next;
    if (traits & kPlaintext) return page_.size();
    Pop(open_.size() - 1);
    return SkipRawText(tag);
  }

  // Text that is no markup, up to "</name" followed by a blank, '/' or '>'.
  size_t SkipRawText(const Tag& tag) {
    const std::string close = "</" + tag.name;
    size_t at = tag.next;
    while ((at = page_.find("</", at)) != std::string_view::npos) {
      const size_t after = at + close.size();
      if (after < page_.size() && base::StartsWithNoCase(page_.substr(at), close) &&
          (Blank(page_[after]) || page_[after] == '/' || page_[after] == '>')) {
        return at;
      }
      at += 2;
    }
    return page_.size();
  }

  void EndTag(uint32_t id) {
    const uint32_t traits = Traits(id);
    // In foreign content an end tag closes the foreign element of its name on top, else goes to
    // the HTML rules.
    for (size_t k = open_.size(); k-- > 0 && space_[k] != kHtml;) {
      if (open_[k] == ForeignId(id, space_[k])) {
        Pop(k);
        return;
      }
    }
    if (framesets_) {
      if (Is(id, "frameset") && !open_.empty() && open_.back() == id) Pop(open_.size() - 1);
      return;
    }
    if (!templates_.empty()) {
      if (Is(id, "template")) PopClearing(templates_.back());
      return;
    }
    if (InSelect()) {
      if (selects_.back().second && IsTableName(id) &&
          Nearest(id, kTableScope) != std::string_view::npos) {
        PopTo(Nearest(Known("select"), 0));
      } else if (!Is(id, "select") && !Is(id, "option") && !Is(id, "optgroup")) {
        return;
      }
    }
    if (Is(id, "form")) {
      // The form leaves the stack alone, whatever stands above it.
      const bool had = formPointer_;
      formPointer_ = false;
      if (had) Remove(Nearest(id, kScope));
      return;
    }
    if (IsTableName(id)) {
      PopClearing(Nearest(id, kTableScope), true);
    } else if (Is(id, "p")) {
      PopTo(Nearest(id, kScope, Known("button")));
    } else if (Is(id, "li")) {
      PopTo(Nearest(id, kScope, Known("ol"), Known("ul")));
    } else if (traits & kHeading) {
      for (size_t k = open_.size(); k-- > 0;) {
        if (Traits(open_[k]) & kHeading) {
          PopTo(k);
          break;
        }
        if (Traits(open_[k]) & kScope) break;
      }
    } else if (traits & kScopedEnd) {
      PopClearing(Nearest(id, kScope));
    } else if (Is(id, "br")) {
      if (!ForeignTop()) Reopen();
    } else if (traits & kFormatting) {
      CloseFormatting(id);
    } else if (traits & kUnknown) {
      for (size_t k = open_.size(); k-- > 0;) {
        if (Traits(open_[k]) & kUnknown) {
          PopTo(k);
          break;
        }
        if (Traits(open_[k]) & (kSpecial | kScope)) break;
      }
    } else {
      PopTo(Nearest(id, kSpecial | kScope));
    }
  }

  // Text opens again the formatting elements other elements closed (in a list box, foreign
  // content or between table rows, where blanks are no text, it does not).
  void Text(std::string_view text) {
    if (framesets_ || !templates_.empty()) return;
    if (!std::all_of(text.begin(), text.end(), Blank)) started_ = true;
    if (ForeignTop() || InSelect()) return;
    if (InTableRows() && std::all_of(text.begin(), text.end(), Blank)) return;
    Reopen();
  }

  // The formatting elements since the last marker that are no longer open, opened again in order.
  void Reopen() {
    size_t from = active_.size();
    while (from > 0 && active_[from - 1].serial != 0 && !open(active_[from - 1].serial)) --from;
    for (size_t k = from; k < active_.size(); ++k) {
      Push(active_[k].id);
      active_[k].serial = serials_.back();
    }
  }

  // A formatting element joins the list; a fourth alike (same name and attributes) since the last
  // marker drops the first of them.
  void Remember(uint32_t id, const Tag& tag) {
    std::vector<std::pair<std::string, std::string_view>> attributes = tag.attributes;
    std::stable_sort(attributes.begin(), attributes.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    attributes.erase(std::unique(attributes.begin(), attributes.end(),
                                 [](const auto& a, const auto& b) { return a.first == b.first; }),
                     attributes.end());
    std::string key;
    for (const auto& [name, value] : attributes)
      key.append(name).append(1, '\0').append(value).append(1, '\0');
    size_t alike = 0, first = 0;
    for (size_t k = active_.size(); k-- > 0 && active_[k].serial != 0;) {
      if (active_[k].id == id && active_[k].attributes == key) {
        ++alike;
        first = k;
      }
    }
    if (alike >= 3) active_.erase(active_.begin() + static_cast<std::ptrdiff_t>(first));
    active_.push_back(Entry{serials_.back(), id, std::move(key)});
  }

  // The end of a formatting element (or an "a" or "nobr" that closes the one before): closed back
  // to it unless a block stands between, which the parser settles by moving elements, never by
  // making the stack deeper.
  void CloseFormatting(uint32_t id) {
    size_t entry = active_.size();
    while (entry > 0 && active_[entry - 1].serial != 0 && active_[entry - 1].id != id) --entry;
    if (entry == 0 || active_[entry - 1].serial == 0) {
      if (!Is(id, "a") && !Is(id, "nobr")) PopTo(Nearest(id, kSpecial | kScope));
      return;
    }
    const uint64_t serial = active_[entry - 1].serial;
    if (!open(serial)) {
      active_.erase(active_.begin() + static_cast<std::ptrdiff_t>(entry - 1));
      return;
    }
    for (size_t k = open_.size(); k-- > 0;) {
      if (serials_[k] == serial) {
        Pop(k);
        active_.erase(active_.begin() + static_cast<std::ptrdiff_t>(entry - 1));
        return;
      }
      if (Traits(open_[k]) & (kSpecial | kScope)) return;
    }
  }

  // A foreign element's name is apart from the HTML one of the same spelling; those that hold
  // HTML bound scopes and stop end tags.
  uint32_t ForeignId(uint32_t id, Space space) {
    const bool boundary = space == kSvg
                              ? Is(id, "foreignobject") || Is(id, "desc") || Is(id, "title")
                              : Is(id, "mi") || Is(id, "mo") || Is(id, "mn") || Is(id, "ms") ||
                                    Is(id, "mtext") || Is(id, "annotation-xml");
    return Id((space == kSvg ? "svg:" : "math:") + names_[id].name,
              boundary ? kSpecial | kScope : 0);
  }

  bool HoldsHtml(uint32_t id, Space space, const Tag* tag) const {
    if (space == kSvg) return Is(id, "foreignobject") || Is(id, "desc") || Is(id, "title");
    if (space != kMath) return false;
    if (Is(id, "mi") || Is(id, "mo") || Is(id, "mn") || Is(id, "ms") || Is(id, "mtext"))
      return true;
    if (!Is(id, "annotation-xml") || !tag) return false;
    return std::any_of(tag->attributes.begin(), tag->attributes.end(), [](const auto& a) {
      return a.first == "encoding" && (base::EqualsNoCase(a.second, "text/html") ||
                                       base::EqualsNoCase(a.second, "application/xhtml+xml"));
    });
  }

  // Whether the element on top is a foreign one that holds no HTML, where other rules apply.
  bool ForeignTop() const { return !open_.empty() && space_.back() != kHtml && !holdsHtml_.back(); }

  bool open(uint64_t serial) const { return isOpen_[serial] != 0; }
  bool InSelect() const {
    return !selects_.empty() && (templates_.empty() || selects_.back().first > templates_.back());
  }

  bool IsTablePart(uint32_t id) const {
    return Is(id, "tr") || Is(id, "td") || Is(id, "th") || Is(id, "tbody") || Is(id, "thead") ||
           Is(id, "tfoot") || Is(id, "caption") || Is(id, "colgroup");
  }
  bool IsTableName(uint32_t id) const { return IsTablePart(id) || Is(id, "table"); }

  // The nearest open table, section, row or cell (or template), from the top; npos if none.
  size_t TableContext() const {
    for (size_t k = open_.size(); k-- > 0;) {
      if (IsTableName(open_[k]) || Is(open_[k], "template")) return k;
    }
    return std::string_view::npos;
  }
  bool InTableRows() const {
    const size_t k = TableContext();
    return k != std::string_view::npos &&
           (Is(open_[k], "table") || Is(open_[k], "tbody") || Is(open_[k], "thead") ||
            Is(open_[k], "tfoot") || Is(open_[k], "tr") || Is(open_[k], "colgroup"));
  }

  // A row, cell, section, caption or column group closes what stands open of the table down to
  // the level it belongs at, and brings the levels the parser adds itself (a section, a row).
  void TablePart(uint32_t id) {
    const bool cell = Is(id, "td") || Is(id, "th");
    const bool row = Is(id, "tr");
    size_t k = TableContext();
    // Outside a table the parser ignores it. In a template it does not, but what it makes there
    // is counted without becoming a table of ours to close back to.
    if (k == std::string_view::npos) return;
    if (Is(open_[k], "template")) {
      Push(Known("#template-part"));
      return;
    }
    // Climb down from cells and captions, then from rows, then from sections, as far as the
    // new part's level.
    auto at = [&](std::initializer_list<std::string_view> names) {
      if (k == std::string_view::npos) return false;
      for (std::string_view name : names) {
        if (Is(open_[k], name)) return true;
      }
      return false;
    };
    if (at({"td", "th", "caption", "colgroup"})) {
      PopClearing(k, true);
      k = TableContext();
    }
    if (!cell && at({"tr"})) {
      PopTo(k);
      k = TableContext();
    }
    if (!cell && !row && at({"tbody", "thead", "tfoot"})) {
      PopTo(k);
      k = TableContext();
    }
    if (k != std::string_view::npos) Pop(k + 1);
    if ((cell || row) && at({"table"})) Push(Known("tbody"));
    if (cell && !at({"tr"})) Push(Known("tr"));
    Push(id);
  }

  // A list item closes the one before it, unless a block other than a division or paragraph
  // stands between.
  void CloseListItem(uint32_t id) {
    const bool item = Is(id, "li");
    for (size_t k = open_.size(); k-- > 0;) {
      const uint32_t at = open_[k];
      if (item ? Is(at, "li") : (Is(at, "dd") || Is(at, "dt"))) {
        PopTo(k);
        return;
      }
      if ((Traits(at) & kSpecial) && !Is(at, "address") && !Is(at, "div") && !Is(at, "p")) return;
    }
  }

  // The nearest open `id` from the top, unless an element with one of `stops` (or one of the
  // extra names) comes first; npos when none.
  size_t Nearest(uint32_t id, uint32_t stops, uint32_t extra1 = UINT32_MAX,
                 uint32_t extra2 = UINT32_MAX) const {
    for (size_t k = open_.size(); k-- > 0;) {
      if (open_[k] == id) return k;
      if ((Traits(open_[k]) & stops) || open_[k] == extra1 || open_[k] == extra2) break;
    }
    return std::string_view::npos;
  }

  // `space` is the namespace of the element's parent for foreign content; svg and math start
  // their own.
  void Push(uint32_t id, Space space = kHtml, const Tag* tag = nullptr) {
    if (space == kHtml && Is(id, "svg")) space = kSvg;
    if (space == kHtml && Is(id, "math")) space = kMath;
    const bool holdsHtml = HoldsHtml(id, space, tag);
    if (space != kHtml) id = ForeignId(id, space);
    open_.push_back(id);
    space_.push_back(space);
    holdsHtml_.push_back(holdsHtml);
    serials_.push_back(isOpen_.size());
    isOpen_.push_back(1);
    Count(id, 1);
    if (Traits(id) & kMarker) active_.push_back(Entry{});
    deepest_ = std::max(deepest_, open_.size());
    ++elements_;
  }
  // Closes the element at `k` and every one above it; nothing for npos.
  void PopTo(size_t k) {
    if (k == std::string_view::npos) return;
    Pop(k);
  }
  void Pop(size_t k) {
    for (size_t j = open_.size(); j-- > k;) {
      Count(open_[j], -1);
      isOpen_[serials_[j]] = 0;
    }
    open_.resize(k);
    space_.resize(k);
    holdsHtml_.resize(k);
    serials_.resize(k);
    while (!selects_.empty() && selects_.back().first >= k) selects_.pop_back();
    while (!templates_.empty() && templates_.back() >= k) templates_.pop_back();
  }
  // Closing a cell, caption, template or object forgets the formatting elements opened in it
  // (once, however many such elements the close takes with it).
  void ClearToMarker() {
    while (!active_.empty() && active_.back().serial != 0) active_.pop_back();
    if (!active_.empty()) active_.pop_back();
  }
  // Pops back to `k`; in a table only a cell or caption closed on the way clears.
  void PopClearing(size_t k, bool table = false) {
    if (k == std::string_view::npos) return;
    bool marker = false;
    for (size_t j = k; j < open_.size(); ++j) {
      const bool cell = Is(open_[j], "td") || Is(open_[j], "th") || Is(open_[j], "caption");
      marker = marker || (table ? cell : (Traits(open_[j]) & kMarker) != 0);
    }
    Pop(k);
    if (marker) ClearToMarker();
  }

  // Takes the element at `k` out of the stack, leaving those above it open; nothing for npos.
  void Remove(size_t k) {
    if (k == std::string_view::npos) return;
    isOpen_[serials_[k]] = 0;
    open_.erase(open_.begin() + static_cast<std::ptrdiff_t>(k));
    space_.erase(space_.begin() + static_cast<std::ptrdiff_t>(k));
    holdsHtml_.erase(holdsHtml_.begin() + static_cast<std::ptrdiff_t>(k));
    serials_.erase(serials_.begin() + static_cast<std::ptrdiff_t>(k));
    for (auto& select : selects_) select.first -= select.first > k ? 1 : 0;
    for (size_t& at : templates_) at -= at > k ? 1 : 0;
  }

  void Count(uint32_t id, int by) {
    if (by > 0 && Is(id, "select")) {
      const size_t table = TableContext();
      selects_.emplace_back(open_.size() - 1, table != std::string_view::npos &&
                                                  table + 1 < open_.size() &&
                                                  !Is(open_[table], "template"));
    }
    if (by > 0 && Is(id, "template")) templates_.push_back(open_.size() - 1);
  }

  // A formatting element in the list, by the serial of its element; serial 0 is a marker.
  struct Entry {
    uint64_t serial = 0;
    uint32_t id = 0;
    std::string attributes;
  };

  std::string_view page_;
  size_t cap_;
  size_t elementCap_;
  size_t elements_ = 0;
  std::unordered_map<std::string, uint32_t> ids_;
  std::vector<Name> names_;
  uint32_t knownCount_ = 0;
  std::vector<uint32_t> open_;
  std::vector<uint64_t> serials_;  // each open element's serial
  std::vector<Space> space_;       // each open element's namespace
  std::vector<bool> holdsHtml_;    // each open element's: a foreign one whose content is HTML
  std::vector<char> isOpen_{0};    // by serial; serial 0 is no element
  std::vector<Entry> active_;
  // Where list boxes stand open, and whether in a table; where templates do.
  std::vector<std::pair<size_t, bool>> selects_;
  std::vector<size_t> templates_;
  bool formPointer_ = false;  // a form was opened and not ended by its end tag
  size_t deepest_ = 0;
  bool framesets_ = false;  // the page is a frames page: only frame sets nest
  bool started_ = false;    // content seen, after which a frame set start tag is ignored
};

}  // namespace

Nesting EstimateNesting(std::string_view page, size_t cap, size_t elementCap) {
  return Estimate(page, cap, elementCap).Run();
}

}  // namespace frontpage
