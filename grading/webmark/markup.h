// Values picked out of markup text: an attribute, a style item, a map's name, the contents of
// vector-markup elements, the plain text before or after a position, and the coordinate test.
// Every search ignores letter case. Positions here are 1-based byte positions in UTF-8 text; the
// control's dispatch members convert the caller's character positions to them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/result.h"

namespace webmark {

// The plain text of `ih` from position `p` on: "<" starts a tag, the ">" that closes it ends it,
// neither is copied; a ">" outside any tag is. Fails for `p` below 1.
base::Result<std::string> RemoveTagAfter(std::string_view ih, int64_t p);
// The same over positions 1 to p - 1 (nothing when `p` is 1 or less).
std::string RemoveTagBefore(std::string_view ih, int64_t p);

// The name after "map name=" and its opening quote, up to the next double quote or the end.
std::string FindMapName(std::string_view s);
// Each vector element <v:s2 ...> ... </v:s2> (or self-closed) of s1: the text after its name up
// to its end marker, each piece after one blank.
std::string ExtractVMLtag(std::string_view s1, std::string_view s2);
// The value of "s2:" up to ";", "'", "/" (or, inside a double-quoted attribute, a double quote),
// trimmed.
std::string ExtractStyleItem(std::string_view s1, std::string_view s2);
// The value of " s2:" (or "\"s2:") up to a double quote, ";", "'", "/" or ">", trimmed.
std::string ExtractSpanItem(std::string_view s1, std::string_view s2);
// The value of "s2=" up to a blank outside double quotes, or "/", ">" or CR, trimmed and with
// its quotes made blanks (RemoveQuote).
std::string ExtractItem(std::string_view s1, std::string_view s2);
// The text of a style attribute quoted with apostrophes, trimmed.
std::string GetStyleString(std::string_view s1);
// Double quotes and apostrophes made blanks, then trimmed.
std::string RemoveQuote(std::string_view s1);

// "<n", ">n" or "=n" (n the leading number after the operator) against cv; any other text fails.
bool CoordsCheck(int16_t cv, std::string_view cond);

// Blanks trimmed from both ends (VB's Trim: spaces only).
std::string_view TrimBlanks(std::string_view text);

}  // namespace webmark
