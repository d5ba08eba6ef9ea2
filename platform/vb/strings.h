// Text services of the run-time: the numeric prefix reading of Val, case-insensitive comparison
// as "Option Compare Text" does it, case mapping, and the narrowing of full-width characters.
// All text is UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "platform/vb/variant.h"

namespace vb {

// Val: the number at the start of the text. Blanks, tabs and line feeds are skipped wherever
// they stand; then a sign, digits, one ".", an exponent (E or D) or an "&H"/"&O" literal.
// No number at the start gives 0; a magnitude beyond a double gives an Overflow error.
base::Result<double> Val(std::string_view text);

// Appends one character as UTF-8.
void AppendUtf8(char32_t c, std::string& out);
// Decodes the UTF-8 character at byte `i` and sets `len` to its bytes; a malformed byte is
// returned as itself with length 1.
char32_t DecodeUtf8(std::string_view text, size_t i, size_t& len);

// One character's forms: full-width to narrow (as Narrow), and ASCII and full-width Latin
// letters to lower or upper case (as LCase, UCase).
char32_t NarrowChar(char32_t c);
char32_t LowerChar(char32_t c);
char32_t UpperChar(char32_t c);

// ASCII and full-width Latin letters mapped to lower or upper case; other characters unchanged.
std::string LCase(std::string_view text);
std::string UCase(std::string_view text);

// Full-width forms (U+FF01..U+FF5E, the ideographic space, U+FFE0..U+FFE6) to their narrow forms.
std::string Narrow(std::string_view text);

// Text comparison without regard to case or character width: -1, 0 or 1.
int TextCompare(std::string_view a, std::string_view b);
inline bool TextEquals(std::string_view a, std::string_view b) {
  return TextCompare(a, b) == 0;
}

// InStr with text comparison: the byte offset of the first occurrence of `sought` in `text` at
// or after byte `from`, letters compared without case (as LCase maps them); npos when there is
// none. The empty text is found at `from` when `from` lies within the text.
size_t InStrText(std::string_view text, std::string_view sought, size_t from = 0);

}  // namespace vb
