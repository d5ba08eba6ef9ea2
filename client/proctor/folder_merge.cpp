// Moving an unpacked folder's new files into a candidate folder (see folder_merge.h).
#include "client/proctor/folder_merge.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/text.h"

namespace {

namespace fs = std::filesystem;

bool IsRealFolder(const fs::path& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() == fs::file_type::directory;
}

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// The entries of a folder by name, or an error naming the folder.
base::Result<std::vector<fs::path>> Entries(const fs::path& folder) {
  std::vector<fs::path> entries;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    entries.push_back(it->path());
  if (ec)
    return base::Error::WithCode(ec.value(),
                                 "cannot list " + folder.string() + ": " + ec.message());
  std::sort(entries.begin(), entries.end());
  return entries;
}

// The entry of `folder` called `name`, the exact spelling first; empty when there is none.
fs::path Existing(const fs::path& folder, const std::vector<fs::path>& entries,
                  const std::string& name) {
  if (Exists(folder / name)) return folder / name;
  for (const fs::path& entry : entries)
    if (base::EqualsNoCase(entry.filename().string(), name)) return entry;
  return {};
}

// Moves what `into` lacks, recording each path moved in; the folders both have are queued.
base::Status MoveFolder(const fs::path& from, const fs::path& into, std::vector<fs::path>& movedIn,
                        std::vector<std::pair<fs::path, fs::path>>& queued) {
  const base::Result<std::vector<fs::path>> sources = Entries(from);
  if (!sources) return sources.error();
  const base::Result<std::vector<fs::path>> targets = Entries(into);
  if (!targets) return targets.error();
  for (const fs::path& source : *sources) {
    const fs::path there = Existing(into, *targets, source.filename().string());
    if (there.empty()) {
      const fs::path to = into / source.filename();
      std::error_code ec;
      fs::rename(source, to, ec);
      if (ec)
        return base::Error::WithCode(ec.value(), "cannot move " + source.string() + " to " +
                                                     to.string() + ": " + ec.message());
      movedIn.push_back(to);
    } else if (IsRealFolder(source) && IsRealFolder(there)) {
      queued.emplace_back(source, there);
    }
  }
  return base::Ok();
}

}  // namespace

base::Status MoveInMissing(const fs::path& from, const fs::path& into) {
  std::vector<fs::path> movedIn;
  std::vector<std::pair<fs::path, fs::path>> queued = {{from, into}};
  while (!queued.empty()) {
    const auto [source, target] = queued.back();
    queued.pop_back();
    if (base::Status moved = MoveFolder(source, target, movedIn, queued); !moved) {
      std::error_code ec;
      for (auto it = movedIn.rbegin(); it != movedIn.rend(); ++it) fs::remove_all(*it, ec);
      return moved;
    }
  }
  return base::Ok();
}
