// File attributes in the platform's sense. Read-only is the owner's write bit of a file; a folder
// comes from the file system; hidden, system and archive (and read-only of a folder) live in the
// extended attribute "user.kirv.attributes" as decimal text. Where the file system has no
// extended attributes (some tmpfs mounts) they live in a side-car store instead: one line
// "<device> <inode> <bits> <host path>" per file in $KIRV_ATTRIBUTE_STORE, by default
// $XDG_STATE_HOME/kirv/attributes (~/.local/state/kirv/attributes). Names starting with "."
// always read as hidden, as host tools treat them so.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace win {

constexpr uint32_t FILE_ATTRIBUTE_READONLY = 0x1;
constexpr uint32_t FILE_ATTRIBUTE_HIDDEN = 0x2;
constexpr uint32_t FILE_ATTRIBUTE_SYSTEM = 0x4;
constexpr uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

// Attributes of a Windows-form path; INVALID_FILE_ATTRIBUTES when it does not exist. A file
// never given attributes reads as ARCHIVE, a folder as DIRECTORY; no bit at all reads as NORMAL.
uint32_t GetFileAttributes(std::string_view windowsPath);

// Sets the attributes (DIRECTORY and NORMAL are ignored as bits); false when the path is missing
// or the attributes cannot be stored.
bool SetFileAttributes(std::string_view windowsPath, uint32_t attributes);

// The same two on a host path.
uint32_t GetHostFileAttributes(const std::filesystem::path& host);
bool SetHostFileAttributes(const std::filesystem::path& host, uint32_t attributes);

// Drops what the side-car store holds for a file about to be deleted, so a later file that
// reuses its inode does not inherit its attributes.
void ForgetStoredAttributes(const std::filesystem::path& host);

// Tests: true sends every attribute to the side-car store as if extended attributes were missing.
void ForceAttributeStoreFallback(bool on);

}  // namespace win
