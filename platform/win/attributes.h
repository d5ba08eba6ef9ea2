// File attributes in the platform's sense. Read-only is the absence of write bits, of a file or a
// folder; a folder comes from the file system; hidden, system and archive (and read-only of a
// folder, stored as Wine and Samba may set it) live in the extended attribute "user.DOSATTRIB" as
// hex text ("0x22"), where Wine and Samba keep them, so a candidate working in Wine's file manager
// or on a Samba share sets what the checks read. The older "user.kirv.attributes" (decimal text) is
// still read; a write replaces it. Where the file system has no extended attributes (some tmpfs
// mounts) they live in a side-car store instead: one line "<device> <inode> <bits> <host path>" per
// file in $KIRV_ATTRIBUTE_STORE, by default $XDG_STATE_HOME/kirv/attributes
// (~/.local/state/kirv/attributes). Names starting with "." always read as hidden, as host tools
// treat them so.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/base/result.h"

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

// Sets the attributes (DIRECTORY and NORMAL are ignored as bits); false when the path is missing,
// is a symbolic link (its target is never changed through it) or the attributes cannot be stored.
bool SetFileAttributes(std::string_view windowsPath, uint32_t attributes);

// The same two on a host path.
uint32_t GetHostFileAttributes(const std::filesystem::path& host);
bool SetHostFileAttributes(const std::filesystem::path& host, uint32_t attributes);

// The same two with the reason of a failure (its code the errno).
base::Result<uint32_t> ReadHostAttributes(const std::filesystem::path& host);
base::Status WriteHostAttributes(const std::filesystem::path& host, uint32_t attributes);

// The attributes of a host path whose stat the caller already holds (one system call fewer).
uint32_t HostAttributesOf(const std::filesystem::path& host, const struct stat& st);

// The attribute word as the run-time's GetAttr gives it: only the bits 1, 2, 4, 16 and 32, so a
// file without any reads 0 (not NORMAL). A missing path is an error with code ENOENT.
base::Result<uint16_t> GetAttributeWord(std::string_view windowsPath);

// SetAttr: gives a file or folder the bits 1, 2, 4 and 32 of `word`; the folder bit is the
// file system's and other bits are ignored. A link is refused (EPERM).
base::Status SetAttributeWord(std::string_view windowsPath, uint16_t word);

// Drops what the side-car store holds for a file about to be deleted, so a later file that
// reuses its inode does not inherit its attributes.
void ForgetStoredAttributes(const std::filesystem::path& host);

// Tests: true sends every attribute to the side-car store as if extended attributes were missing.
void ForceAttributeStoreFallback(bool on);

}  // namespace win
