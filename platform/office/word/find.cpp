// Searching a story's shown text.
#include "platform/office/word/find.h"

#include <algorithm>
#include <cstdint>

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

// The shown text of a stretch of the story, character by character, folded for comparing;
// decoded only as far as a search has looked, so a forward search stops paying at its hit.
struct Decoded {
  Decoded(std::string_view text, uint32_t from, uint32_t to, const Folding& fold)
      : text(text), to(to), fold(fold), offsets{from} {}

  // Decodes until `n` characters are there or the stretch ends; whether they are there.
  bool Reach(size_t n) {
    while (chars.size() < n && offsets.back() < to) {
      size_t len = 1;
      const char32_t c = vb::DecodeUtf8(text, offsets.back(), len);
      raw.push_back(c);
      chars.push_back(fold(c));
      offsets.push_back(offsets.back() + static_cast<uint32_t>(len));
    }
    return chars.size() >= n;
  }

  std::string_view text;
  uint32_t to;
  Folding fold;
  std::vector<char32_t> chars;  // folded
  std::vector<char32_t> raw;    // as shown
  // Byte offset of each character in the story's text, and where the next one starts.
  std::vector<uint32_t> offsets;
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

bool Matches(const Decoded& d, size_t at, const std::vector<Token>& tokens, std::string_view text) {
  if (at + tokens.size() > d.chars.size()) return false;
  for (size_t k = 0; k < tokens.size(); ++k) {
    const size_t j = at + k;
    const char32_t raw = d.raw[j];
    switch (tokens[k].kind) {
      case Token::kChar:
        if (d.chars[j] != tokens[k].c) return false;
        break;
      case Token::kParagraph:
        // A paragraph mark, not the first half of an end-of-cell or end-of-row mark.
        if (raw != U'\r' || CharacterAt(text, d.offsets[j + 1]) == U'\a') return false;
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

bool WholeWord(const Decoded& d, size_t at, size_t length, std::string_view text) {
  const char32_t before = CharacterBefore(text, d.offsets[at]);
  const char32_t after = CharacterAt(text, d.offsets[at + length]);
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
  Decoded d(text, story.TextOffsetAt(from), story.TextOffsetAt(to), fold);
  const size_t length = tokens->size();
  auto hitAt = [&](size_t at) {
    if (!Matches(d, at, *tokens, text)) return false;
    if (settings.matchWholeWord && !WholeWord(d, at, length, text)) return false;
    found.start = story.PositionAtTextOffset(d.offsets[at]);
    found.end = story.PositionAtTextOffset(d.offsets[at + length]);
    return true;
  };
  if (forward) {
    for (size_t at = 0; d.Reach(at + length); ++at)
      if (hitAt(at)) return found;
    return found;
  }
  d.Reach(SIZE_MAX);
  if (d.chars.size() < length) return found;
  for (size_t at = d.chars.size() - length + 1; at-- > 0;)
    if (hitAt(at)) return found;
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
