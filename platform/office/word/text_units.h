// Character positions count UTF-16 code units, as the word processor counts characters (a
// character beyond the basic plane takes two positions); text in memory is UTF-8. These convert
// between the two within one piece of text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace word {

// The UTF-16 code units of `utf8` (a malformed byte counts as one).
int32_t Utf16Units(std::string_view utf8);

// The byte offset in `utf8` after its first `units` code units; the end when it has fewer. A
// position inside a surrogate pair counts the whole character.
size_t Utf8OffsetOfUnits(std::string_view utf8, int32_t units);

}  // namespace word
