// Text in the system's ANSI code page (GBK) on disk and on the wire, UTF-8 in memory.
#pragma once

#include <string>
#include <string_view>

namespace win {

// GBK bytes to UTF-8; a byte sequence that is not GBK becomes "?".
std::string GbkToUtf8(std::string_view gbk);

// UTF-8 to GBK bytes; a character GBK lacks becomes "?".
std::string Utf8ToGbk(std::string_view utf8);

// True when the bytes are well-formed UTF-8 (plain ASCII is).
bool IsUtf8(std::string_view bytes);

// The encoding a text file was found in.
enum class TextEncoding { Gbk, Utf8, Utf8Bom };

// Reads a text file's bytes: a UTF-8 BOM or well-formed non-ASCII UTF-8 is taken as UTF-8,
// anything else (plain ASCII included) as GBK. Returns UTF-8 and reports which encoding it found.
std::string DecodeText(std::string_view bytes, TextEncoding* found = nullptr);

// Writes UTF-8 text back in the given encoding.
std::string EncodeText(std::string_view utf8, TextEncoding encoding);

}  // namespace win
