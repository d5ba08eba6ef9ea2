// Positions in the model's texts as its callers count them: the object model's strings are
// UTF-16, so a position or a length is a number of UTF-16 units (a character beyond the Basic
// Multilingual Plane counts two), while the texts here are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace frontpage {

// The text's length in UTF-16 units.
int32_t Utf16Length(std::string_view utf8);
// The byte offset where the character at UTF-16 position `units` (from 0) starts; the text's
// end for a position at or past it, the pair's start for a position inside a surrogate pair.
size_t ByteOffsetOfUnit(std::string_view utf8, int32_t units);
// The UTF-16 position of the character that starts at or contains byte `offset`.
int32_t UnitOfByteOffset(std::string_view utf8, size_t offset);

}  // namespace frontpage
