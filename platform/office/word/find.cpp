// Searching a story's shown text.
#include "platform/office/word/find.h"

#include <algorithm>

#include "platform/office/word/errors.h"
#include "platform/vb/strings.h"

namespace word {
namespace {

struct Token {
  enum Kind : uint8_t { kChar, kParagraph, kAny, kDigit, kLetter } kind = kChar;
  char32_t c = 0;
};

struct Folding {
  bool matchCase;
  bool matchByte;
  char32_t operator()(char32_t c) const {
    if (!matchByte) c = vb::NarrowChar(c);
    if (!matchCase) c = vb::LowerChar(c);
    return c;
  }
};

bool IsLetter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
         (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

bool IsWordCharacter(char32_t c) {
  return IsLetter(c) || (c >= U'0' && c <= U'9') || c == U'_';
}

base::Result<std::vector<Token>> Tokens(std::string_view text, const Folding& fold) {
  std::vector<Token> tokens;
  for (size_t i = 0; i < text.size();) {
    size_t len = 1;
    char32_t c = vb::DecodeUtf8(text, i, len);
    i += len;
    if (c != U'^') {
      tokens.push_back({Token::kChar, fold(c)});
      continue;
    }
    if (i >= text.size()) return Failed("the Find text ends with a lone \"^\"");
    const char code = text[i++];
    switch (code) {
      case 'p':
        tokens.push_back({Token::kParagraph, U'\r'});
        break;
      case 't':
        tokens.push_back({Token::kChar, U'\t'});
        break;
      case 'l':
        tokens.push_back({Token::kChar, U'\v'});
        break;
      case 'm':
        tokens.push_back({Token::kChar, U'\f'});
        break;
      case 's':
        tokens.push_back({Token::kChar, 0xA0});
        break;
      case '~':
        tokens.push_back({Token::kChar, 0x1E});
        break;
      case '-':
        tokens.push_back({Token::kChar, 0x1F});
        break;
      case '^':
        tokens.push_back({Token::kChar, U'^'});
        break;
      case '?':
        tokens.push_back({Token::kAny, 0});
        break;
      case '#':
        tokens.push_back({Token::kDigit, 0});
        break;
      case '$':
        tokens.push_back({Token::kLetter, 0});
        break;
      default:
        return Failed("\"^", std::string(1, code), "\" is no special character of Find");
    }
  }
  return tokens;
}

// The characters starting in [from, to) of a story's shown text (byte offsets): a view of the
// story's decoded text, decoded afresh only where `from` falls inside one of its characters
// (malformed UTF-8), so that a search decodes as it always did, from `from` on.
class Stretch {
 public:
  Stretch(const Story& story, uint32_t from, uint32_t to) : to_(to) {
    const ShownCharacters& all = story.Characters();
    const auto first = std::lower_bound(all.offsets.begin(), all.offsets.end(), from);
    if (first == all.offsets.end() || *first != from) {
      own_ = ShownCharacters::Decode(story.Text(), from, to);
      chars_ = own_.chars.data();
      offsets_ = own_.offsets.data();
      size_ = own_.chars.size();
      return;
    }
    const auto starts = all.offsets.end() - 1;  // the last offset is the text's end
    const size_t begin = static_cast<size_t>(first - all.offsets.begin());
    chars_ = all.chars.data() + begin;
    offsets_ = all.offsets.data() + begin;
    size_ = static_cast<size_t>(std::lower_bound(first, starts, to) - first);
  }
  Stretch(const Stretch&) = delete;
  Stretch& operator=(const Stretch&) = delete;

  size_t Size() const { return size_; }
  char32_t At(size_t i) const { return chars_[i]; }
  uint32_t Start(size_t i) const { return offsets_[i]; }
  // The stretch's last character ends at `to`, as far as the search is concerned.
  uint32_t End(size_t i) const { return std::min(offsets_[i + 1], to_); }

 private:
  ShownCharacters own_;
  const char32_t* chars_ = nullptr;
  const uint32_t* offsets_ = nullptr;
  size_t size_ = 0;
  uint32_t to_;
};

// The shown character just before byte `offset`, or 0 at the start.
char32_t CharacterBefore(std::string_view text, uint32_t offset) {
  if (offset == 0) return 0;
  uint32_t at = offset - 1;
  while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) --at;
  size_t len = 1;
  return vb::DecodeUtf8(text, at, len);
}

char32_t CharacterAt(std::string_view text, uint32_t offset) {
  if (offset >= text.size()) return 0;
  size_t len = 1;
  return vb::DecodeUtf8(text, offset, len);
}

bool Matches(const Stretch& s, size_t at, const std::vector<Token>& tokens, const Folding& fold,
             std::string_view text) {
  if (at + tokens.size() > s.Size()) return false;
  for (size_t k = 0; k < tokens.size(); ++k) {
    const size_t j = at + k;
    const char32_t raw = s.At(j);
    switch (tokens[k].kind) {
      case Token::kChar:
        if (fold(raw) != tokens[k].c) return false;
        break;
      case Token::kParagraph:
        // A paragraph mark, not the first half of an end-of-cell or end-of-row mark.
        if (raw != U'\r' || CharacterAt(text, s.End(j)) == U'\a') return false;
        break;
      case Token::kAny:
        if (raw == U'\r' || raw == U'\a') return false;
        break;
      case Token::kDigit:
        if (raw < U'0' || raw > U'9') return false;
        break;
      case Token::kLetter:
        if (!IsLetter(raw)) return false;
        break;
    }
  }
  return true;
}

bool WholeWord(const Stretch& s, size_t at, size_t length, std::string_view text) {
  const char32_t before = CharacterBefore(text, s.Start(at));
  const char32_t after = CharacterAt(text, s.End(at + length - 1));
  return !IsWordCharacter(before) && !IsWordCharacter(after);
}

}  // namespace

base::Result<FoundText> FindInStory(const Story& story, const Find& settings, int32_t from,
                                    int32_t to, bool forward) {
  if (settings.matchWildcards) return Failed("searching with wildcards is not modelled");
  const Folding fold{settings.matchCase, settings.matchByte};
  base::Result<std::vector<Token>> tokens = Tokens(settings.text, fold);
  if (!tokens) return tokens.error();
  FoundText found;
  if (tokens->empty() || from >= to) return found;
  const std::string& text = story.Text();
  const Stretch s(story, story.TextOffsetAt(from), story.TextOffsetAt(to));
  const size_t length = tokens->size();
  if (s.Size() < length) return found;
  const size_t last = s.Size() - length;
  for (size_t step = 0; step <= last; ++step) {
    const size_t at = forward ? step : last - step;
    if (!Matches(s, at, *tokens, fold, text)) continue;
    if (settings.matchWholeWord && !WholeWord(s, at, length, text)) continue;
    found.start = story.PositionAtTextOffset(s.Start(at));
    found.end = story.PositionAtTextOffset(s.End(at + length - 1));
    return found;
  }
  return found;
}

base::Result<bool> Find::Execute() {
  Range& r = *target_;
  const Story& story = r.Index();
  const int32_t length = story.Length();
  const bool wraps = wrap != wdFindStop;
  // The stretches searched in turn.
  std::vector<std::pair<int32_t, int32_t>> stretches;
  if (selection_) {
    if (forward) {
      const int32_t from = r.End();
      stretches = {{from, length}};
      if (wraps) stretches.emplace_back(0, from);
    } else {
      const int32_t to = r.Start();
      stretches = {{0, to}};
      if (wraps) stretches.emplace_back(to, length);
    }
  } else {
    stretches = {{r.Start(), r.End()}};
    if (wraps) {
      if (forward) {
        stretches.emplace_back(r.End(), length);
        stretches.emplace_back(0, r.Start());
      } else {
        stretches.emplace_back(0, r.Start());
        stretches.emplace_back(r.End(), length);
      }
    }
  }
  found_ = false;
  for (const auto& [from, to] : stretches) {
    base::Result<FoundText> hit = FindInStory(story, *this, from, to, forward);
    if (!hit) return hit.error();
    if (hit->start < 0) continue;
    r.SetRange(hit->start, hit->end);
    found_ = true;
    break;
  }
  return found_;
}

}  // namespace word
