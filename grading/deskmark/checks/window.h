// What the date-window and size-window checks share: a window that picks files or subfolders of
// a folder, and the three ways the checks use what it picks (test the picked names elsewhere,
// require that nothing is picked, require attribute bits on every picked file).
#pragma once

#include <cstdint>
#include <string>

#include "grading/deskmark/checks/checks.h"

namespace deskmark {

enum class Items { Files, Folders };

// A modification-time window (strictly between its ends) or a size window in KB (ends
// included; a file's KB is its length divided by 1024, rounded up).
struct Window {
  static Window ByDate(win::LocalSeconds after, win::LocalSeconds before);
  static Window BySize(int16_t lowKb, int16_t highKb);

  bool Contains(const win::FolderListing& listing, const win::FolderEntry& entry) const;

  bool bySize = false;
  win::LocalSeconds after = 0, before = 0;
  int64_t lowKb = 0, highKb = 0;
};

// What a picked name must be in the other folder.
enum class Expect {
  Present,              // a copy: each picked name is there too
  Absent,               // a move: no picked name is left there
  AbsentAndNoneInside,  // a move, and nothing of the other folder lies inside the window
};

// The folder path P & param, the form every window check starts from.
std::string FolderParam(const CheckContext& c, const std::string& param);

// Picks the items of `pickFolder` inside the window and tests each name in `otherFolder`
// (files by opening, folders by existence). False when the picking folder has no entries or
// nothing is picked.
Truth PickAndTest(CheckContext& c, const std::string& pickFolder, const std::string& otherFolder,
                  Items items, const Window& window, Expect expect);

// True when the folder has entries and none of its items lies inside the window.
Truth NoneInside(CheckContext& c, const std::string& folder, Items items, const Window& window);

// True when every file inside the window carries every bit of `mask`. A folder without entries
// passes; with `needOne`, an existing folder with no file inside the window fails.
Truth AllCarry(CheckContext& c, const std::string& folder, const Window& window, int16_t mask,
               bool needOne);

}  // namespace deskmark
