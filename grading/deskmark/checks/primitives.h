// The file-system primitives every desktop check is built from, with the names the checks use:
// existence by opening, folder existence, listing by pattern and attribute mask, attribute words.
// They read the candidate's folders through a FolderCache: each folder a rule looks at is read
// once for that rule, however many names the rule tests in it. Paths are Windows-form texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/win/folder_listing.h"

namespace deskmark {

// Listings of the folders a rule looks at, each read on first use. A folder below the root (the
// candidate folder) is found through its parent's listing rather than by resolving its whole
// path again. Each rule starts with Reset(): anything may have been written since the last one,
// the run's own debug log included.
class FolderCache {
 public:
  explicit FolderCache(std::string_view root = {}) { Reset(root); }

  void Reset(std::string_view root);

  // The folder's listing; null when it does not exist or cannot be read.
  const win::FolderListing* Folder(std::string_view windowsFolder);

 private:
  const win::FolderListing* Load(const std::string& key, std::string_view windowsFolder);

  std::string rootText_, rootKey_;
  std::unordered_map<std::string, std::optional<win::FolderListing>> folders_;
};

// An entry found through its folder's listing, with the listing that holds it.
struct FoundEntry {
  const win::FolderListing* listing = nullptr;
  const win::FolderEntry* entry = nullptr;
  explicit operator bool() const { return entry != nullptr; }
};

// The entry a path names (its last component looked up without case in its folder); empty for
// a name with wildcards, an empty name, or a folder that cannot be read.
FoundEntry FindEntry(FolderCache& folders, std::string_view path);

// True when the path opens for reading as a file: false for a missing file, a folder, a path
// with wildcards or a file that cannot be read.
bool FileExistsByOpen(FolderCache& folders, std::string_view path);

// True when the path (with or without a final "\") is an existing folder.
bool FolderExistsByFso(FolderCache& folders, std::string_view path);

// The names the pattern path lists under the attribute mask (hidden 2, system 4 and folder 16
// admit those entries; folder admits "." and ".." when the pattern matches them), in the order
// the platform lists them. A folder that does not exist lists nothing; a pattern path ending in
// "\" lists as "*.*".
std::vector<std::string> ListNames(FolderCache& folders, std::string_view patternPath,
                                   uint32_t mask);
int16_t CountListed(FolderCache& folders, std::string_view patternPath, uint32_t mask);

// True when the path lists at least one name with mask 0 (neither hidden, system nor folder).
bool FileListedNormal(FolderCache& folders, std::string_view path);

// The file's attribute word AND mask when the file opens; -1 otherwise.
int16_t AttrMaskOfFile(FolderCache& folders, std::string_view path, int16_t mask);

// The folder's attribute word when it exists; -1 otherwise.
int16_t AttrOfFolder(FolderCache& folders, std::string_view path);

// The part after the last "\"; the whole text when there is none.
std::string NameOfPath(std::string_view path);

}  // namespace deskmark
