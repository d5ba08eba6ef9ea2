// The primitives over cached folder listings; a folder that cannot be listed falls back to
// asking the file system about the one path.
#include "grading/deskmark/checks/primitives.h"

#include <algorithm>

#include "platform/base/text.h"
#include "platform/win/attributes.h"
#include "platform/win/files.h"
#include "platform/win/paths.h"

namespace deskmark {
namespace {

constexpr uint32_t kWordBits = win::FILE_ATTRIBUTE_READONLY | win::FILE_ATTRIBUTE_HIDDEN |
                               win::FILE_ATTRIBUTE_SYSTEM | win::FILE_ATTRIBUTE_DIRECTORY |
                               win::FILE_ATTRIBUTE_ARCHIVE;

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

bool HasWildcards(std::string_view name) {
  return name.find_first_of("*?") != std::string_view::npos;
}

bool IsDotName(std::string_view name) {
  return name == "." || name == "..";
}

// One spelling per folder: case folded, "/" as "\", doubled and final separators dropped.
std::string FolderKey(std::string_view folder) {
  std::string key;
  key.reserve(folder.size());
  for (const char c : folder) {
    if (IsSeparator(c)) {
      if (!key.empty() && key.back() == '\\') continue;
      key += '\\';
    } else {
      key += base::AsciiLower(c);
    }
  }
  while (key.size() > 1 && key.back() == '\\' && !(key.size() == 3 && key[1] == ':'))
    key.pop_back();
  return key;
}

std::string_view WithoutFinalSeparators(std::string_view path) {
  while (path.size() > 1 && IsSeparator(path.back()) && !(path.size() == 3 && path[1] == ':'))
    path.remove_suffix(1);
  return path;
}

int16_t Word(uint32_t attributes) {
  if (attributes == win::INVALID_FILE_ATTRIBUTES) return -1;
  return static_cast<int16_t>(attributes & kWordBits);
}

}  // namespace

void FolderCache::Reset(std::string_view root) {
  folders_.clear();
  rootText_ = std::string(root);
  rootKey_ = root.empty() ? std::string() : FolderKey(root);
}

const win::FolderListing* FolderCache::Folder(std::string_view windowsFolder) {
  const std::string key = FolderKey(windowsFolder);
  auto it = folders_.find(key);
  if (it != folders_.end()) return it->second ? &*it->second : nullptr;
  return Load(key, windowsFolder);
}

const win::FolderListing* FolderCache::Load(const std::string& key,
                                            std::string_view windowsFolder) {
  std::optional<win::FolderListing> kept;
  const size_t cut = key.rfind('\\');
  const std::string_view name =
      cut == std::string::npos ? std::string_view() : std::string_view(key).substr(cut + 1);
  const bool belowRoot = !rootKey_.empty() && key.size() > rootKey_.size() &&
                         key.compare(0, rootKey_.size(), rootKey_) == 0 &&
                         key[rootKey_.size()] == '\\' && !IsDotName(name) &&
                         key.find("\\.", rootKey_.size()) == std::string::npos;
  if (belowRoot) {
    // Keys are case-folded; the parent's listing finds the name as it is spelled on disk.
    const std::string parentKey = key.substr(0, cut);
    const win::FolderListing* parent = Folder(parentKey);
    const win::FolderEntry* entry = parent ? parent->Find(name) : nullptr;
    if (entry && entry->isFolder) {
      base::Result<win::FolderListing> listing =
          win::FolderListing::ReadHost(parent->HostPath() / entry->name);
      if (listing) kept = std::move(*listing);
    }
  } else {
    base::Result<win::FolderListing> listing =
        win::FolderListing::Read(key == rootKey_ ? std::string_view(rootText_) : windowsFolder);
    if (listing) kept = std::move(*listing);
  }
  auto it = folders_.insert_or_assign(key, std::move(kept)).first;
  return it->second ? &*it->second : nullptr;
}

FoundEntry FindEntry(FolderCache& folders, std::string_view path) {
  const std::string name = win::FileNamePart(path);
  if (name.empty() || HasWildcards(name) || IsDotName(name)) return {};
  const win::FolderListing* listing = folders.Folder(win::FolderPart(path));
  if (!listing) return {};
  return {listing, listing->Find(name)};
}

bool FileExistsByOpen(FolderCache& folders, std::string_view path) {
  const std::string name = win::FileNamePart(path);
  if (name.empty() || HasWildcards(name) || IsDotName(name)) return false;
  const win::FolderListing* listing = folders.Folder(win::FolderPart(path));
  // A folder that cannot be listed may still let a file in it be opened.
  if (!listing) return win::FileOpensForReading(path);
  const win::FolderEntry* entry = listing->Find(name);
  return entry && listing->Readable(*entry);
}

bool FolderExistsByFso(FolderCache& folders, std::string_view path) {
  const std::string_view bare = WithoutFinalSeparators(path);
  const std::string name = win::FileNamePart(bare);
  if (HasWildcards(name)) return false;
  if (name.empty() || IsDotName(name)) return win::IsFolder(path);
  const win::FolderListing* listing = folders.Folder(win::FolderPart(bare));
  if (!listing) return win::IsFolder(bare);
  const win::FolderEntry* entry = listing->Find(name);
  return entry && entry->isFolder;
}

std::vector<std::string> ListNames(FolderCache& folders, std::string_view patternPath,
                                   uint32_t mask) {
  const win::FolderListing* listing = folders.Folder(win::FolderPart(patternPath));
  if (!listing) return {};
  return listing->Names(win::FileNamePart(patternPath), mask);
}

int16_t CountListed(FolderCache& folders, std::string_view patternPath, uint32_t mask) {
  const size_t n = ListNames(folders, patternPath, mask).size();
  return static_cast<int16_t>(std::min<size_t>(n, INT16_MAX));
}

bool FileListedNormal(FolderCache& folders, std::string_view path) {
  return CountListed(folders, path, 0) > 0;
}

int16_t AttrMaskOfFile(FolderCache& folders, std::string_view path, int16_t mask) {
  if (!FileExistsByOpen(folders, path)) return -1;
  if (mask == 0) return 0;  // no bit to read
  const FoundEntry found = FindEntry(folders, path);
  const uint32_t attributes =
      found ? found.listing->Attributes(*found.entry) : win::GetFileAttributes(path);
  return static_cast<int16_t>(Word(attributes) & mask);
}

int16_t AttrOfFolder(FolderCache& folders, std::string_view path) {
  if (!FolderExistsByFso(folders, path)) return -1;
  const std::string_view bare = WithoutFinalSeparators(path);
  const FoundEntry found = FindEntry(folders, bare);
  if (found) return Word(found.listing->Attributes(*found.entry));
  return Word(win::GetFileAttributes(bare));
}

std::string NameOfPath(std::string_view path) {
  const size_t cut = path.rfind('\\');
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace deskmark
