// The window checks' shared walks over cached folder listings.
#include "grading/deskmark/checks/window.h"

#include <vector>

namespace deskmark {
namespace {

// The presence test lists folder\*.* with mask 22; for an existing folder that always yields
// at least "." and "..", so it comes down to whether the folder can be listed.
const win::FolderListing* WithEntries(CheckContext& c, const std::string& folder) {
  return c.folders.Folder(folder);
}

bool Picks(const Window& window, Items items, const win::FolderListing& listing,
           const win::FolderEntry& e) {
  return e.isFolder == (items == Items::Folders) && window.Contains(listing, e);
}

bool AnyInside(CheckContext& c, const std::string& folder, Items items, const Window& window) {
  const win::FolderListing* listing = c.folders.Folder(folder);
  if (!listing) return false;
  for (const win::FolderEntry& e : listing->Entries())
    if (Picks(window, items, *listing, e)) return true;
  return false;
}

}  // namespace

Window Window::ByDate(win::LocalSeconds after, win::LocalSeconds before) {
  Window w;
  w.after = after;
  w.before = before;
  return w;
}

Window Window::BySize(int16_t lowKb, int16_t highKb) {
  Window w;
  w.bySize = true;
  w.lowKb = lowKb;
  w.highKb = highKb;
  return w;
}

bool Window::Contains(const win::FolderListing& listing, const win::FolderEntry& entry) const {
  if (bySize) {
    const auto kb = static_cast<int64_t>((listing.Stat(entry).size + 1023) / 1024);
    return lowKb <= kb && kb <= highKb;
  }
  const win::LocalSeconds when = listing.LastWriteLocal(entry);
  return after < when && when < before;
}

std::string FolderParam(const CheckContext& c, const std::string& param) {
  return PathParam(c.candidateFolder, param);
}

Truth PickAndTest(CheckContext& c, const std::string& pickFolder, const std::string& otherFolder,
                  Items items, const Window& window, Expect expect) {
  const win::FolderListing* pick = WithEntries(c, pickFolder);
  if (!pick) return kFalse;
  std::vector<std::string> names;
  for (const win::FolderEntry& e : pick->Entries())
    if (Picks(window, items, *pick, e)) names.push_back(e.name);
  if (names.empty()) return kFalse;
  for (const std::string& name : names) {
    const std::string there = otherFolder + "\\" + name;
    const bool present = items == Items::Files ? FileExistsByOpen(c.folders, there)
                                               : FolderExistsByFso(c.folders, there);
    if (present != (expect == Expect::Present)) return kFalse;
  }
  // Walked once: after every name it would give the same answer.
  if (expect == Expect::AbsentAndNoneInside && AnyInside(c, otherFolder, items, window))
    return kFalse;
  return kTrue;
}

Truth NoneInside(CheckContext& c, const std::string& folder, Items items, const Window& window) {
  if (!WithEntries(c, folder)) return kFalse;
  return ToTruth(!AnyInside(c, folder, items, window));
}

Truth AllCarry(CheckContext& c, const std::string& folder, const Window& window, int16_t mask,
               bool needOne) {
  std::vector<std::string> picked;
  const win::FolderListing* listing = WithEntries(c, folder);
  if (listing) {
    for (const win::FolderEntry& e : listing->Entries())
      if (Picks(window, Items::Files, *listing, e)) picked.push_back(folder + "\\" + e.name);
    if (needOne && picked.empty()) return kFalse;
  }
  for (const std::string& path : picked)
    if (AttrMaskOfFile(c.folders, path, mask) != mask) return kFalse;
  return kTrue;
}

}  // namespace deskmark
