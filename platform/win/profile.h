// Private-profile (INI) files as the platform's profile functions read and write them, with the
// fixed-buffer rule of an ANSI program: a value comes back cut to bufferSize - 1 bytes of the
// ANSI code page (GBK; an ASCII character is one byte, any other two), never splitting a
// character. Section and key names compare without case; values lose surrounding blanks and one
// pair of matching quotes. Files may be GBK or UTF-8 with or without BOM; a write changes one
// line (or adds one, or a section at the end) and keeps every other byte, the line endings and
// the encoding of the file (a new file is GBK with CR LF). Texts in memory are UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace win {

// The value of `key` in `section`, or `defaultValue` when the file, the section or the key is
// missing; cut to bufferSize - 1 ANSI bytes.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::string_view fileWindowsPath,
                                    size_t bufferSize = 256);

// The leading decimal integer of the value (sign allowed; 0 when it has no digits), or
// `defaultValue` when the key is missing or empty.
int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         std::string_view fileWindowsPath);

// Sets `key` to `value` in `section`, creating the file, section or key as needed. Without a
// value the key is removed; without a key the whole section is. Fails for a read-only or
// unwritable file, a missing folder, or a name or value holding a line break (which would
// corrupt the file).
bool WritePrivateProfileString(std::string_view section, std::optional<std::string_view> key,
                               std::optional<std::string_view> value,
                               std::string_view fileWindowsPath);

// Cuts UTF-8 text to at most `maxBytes` bytes of its ANSI (GBK) form at a character boundary.
std::string CutToAnsiBytes(std::string_view utf8, size_t maxBytes);

}  // namespace win
