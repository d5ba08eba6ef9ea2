// Files and folders by Windows-form path: find with wildcards, create and remove folders, copy,
// delete, move, exists, and the current folder.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"

namespace win {

class ConfinedFolder;

// One entry found by FindFiles.
struct FindData {
  std::string name;  // the name on disk, without folder
  bool isFolder = false;
  uint32_t attributes = 0;
  uint64_t size = 0;
  std::time_t lastWriteTime = 0;
};

// Entries matching the last component of `pattern` ("*" any run, "?" one character, case
// ignored; "*.*" matches every name) in the folder the rest names, sorted by name. "." and ".."
// are never returned. A last component without wildcards finds that one entry.
std::vector<FindData> FindFiles(std::string_view pattern);

// True when `name` matches the wildcard pattern `pattern` the way the platform's listing does,
// without regard to ASCII case: "*" any run; "?" one character, or none at the end of the name
// or before a dot ("a?.txt" finds "a.txt"); "*.*" every name, "." and ".." included; a final "."
// names without an extension ("*." finds "README").
bool WildcardMatch(std::string_view pattern, std::string_view name);

// True when the path names an existing file or folder.
bool PathExists(std::string_view windowsPath);

// True when the path names an existing folder.
bool IsFolder(std::string_view windowsPath);

// Creates one folder; false when it exists already or its parent is missing.
bool CreateDirectory(std::string_view windowsPath);

// Removes an empty folder.
bool RemoveDirectory(std::string_view windowsPath);

// The same two with the reason of a failure, its code the errno (EEXIST, ENOENT, ENOTEMPTY...).
base::Status MakeFolder(std::string_view windowsPath);
base::Status RemoveFolder(std::string_view windowsPath);

// True when the path opens for reading as a regular file (a link is followed): false for a
// missing file, a folder, a link that leads nowhere, a pipe or a device (never opened), a name
// with wildcards or a file the user may not read.
bool FileOpensForReading(std::string_view windowsPath);
bool HostFileOpensForReading(const std::filesystem::path& host);

// Copies a file with its attributes; with `failIfExists` an existing target makes it fail,
// otherwise it is replaced (unless it is read-only).
bool CopyFile(std::string_view from, std::string_view to, bool failIfExists);

// Deletes a file (not a folder). A read-only file is not deleted.
bool DeleteFile(std::string_view windowsPath);

// Replaces the file at a Windows-form path with `bytes`, the new file carrying `attributes`
// (FILE_ATTRIBUTE_*): written to a temporary file in the same folder, flushed and renamed over
// the old one, so a reader sees the old file or the new one and a failed write is reported. A link
// under the name is replaced, never written through. The folder must exist. With `within`, the
// file is written only where WritablePath allows (a folder linked out of the candidate folder
// reads as missing).
base::Status WriteFileAtomically(std::string_view windowsPath, std::string_view bytes,
                                 uint32_t attributes, const ConfinedFolder* within = nullptr);

// Moves or renames a file or folder; works across file systems by copying. An existing target
// makes it fail unless `replaceExisting` is set (then a target file is replaced).
bool MoveFile(std::string_view from, std::string_view to, bool replaceExisting = false);

// The current folder in Windows form, without a trailing "\" except at a drive root.
std::string GetCurrentDirectory();

// Makes a folder the current one.
bool SetCurrentDirectory(std::string_view windowsPath);
// The same with the reason of a failure, its code the errno.
base::Status ChangeFolder(std::string_view windowsPath);

}  // namespace win
