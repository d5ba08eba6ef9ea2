// Text helpers every layer shares: ASCII case folding and comparison, trimming. Bytes outside
// ASCII are left exactly as they are, so UTF-8 and GBK text pass through unchanged.
#pragma once

#include <string>
#include <string_view>

namespace base {

inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
inline char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);

// Equal without regard to ASCII case.
bool EqualsNoCase(std::string_view a, std::string_view b);
// -1, 0 or 1, ordering as if both were ASCII lower case.
int CompareNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
// Where `what` first stands in `text` at or after `from`, without regard to ASCII case; npos
// when nowhere (an empty `what` stands at `from`).
size_t FindNoCase(std::string_view text, std::string_view what, size_t from = 0);

// Blanks, tabs, CR and LF (and vertical tab, form feed) removed at both ends.
std::string_view Trim(std::string_view text);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
// Only the given characters removed at both ends (Trim(text, " \t") keeps line breaks).
std::string_view Trim(std::string_view text, std::string_view characters);

// Text made safe inside markup, between elements or in a quoted attribute: & < > " ' become
// entity and character references (valid in HTML and XML alike).
std::string EscapeMarkup(std::string_view text);

}  // namespace base
