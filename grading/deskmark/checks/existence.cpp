// Checks of existence and deletion by name: folders, files, shortcuts.
#include "grading/deskmark/checks/checks.h"
#include "platform/base/text.h"
#include "platform/win/shortcut.h"

namespace deskmark {

Truth IsFldrExist(CheckContext& c, const RuleParams& p) {
  return ToTruth(FolderExistsByFso(c.folders, PathParam(c.candidateFolder, p[0])));
}

Truth IsFileExist(CheckContext& c, const RuleParams& p) {
  return ToTruth(FileExistsByOpen(c.folders, PathParam(c.candidateFolder, p[0])));
}

// A shortcut "X.lnk" made on this desktop is written as "X.desktop" (platform/win/shortcut.h);
// either form counts, so a candidate may make it with Wine or with the desktop's own tools.
Truth IsKjfsExist(CheckContext& c, const RuleParams& p) {
  const std::string folder = PathParam(c.candidateFolder, p[0]);
  for (int i = 1; i <= 3; ++i) {
    if (p[i].empty()) continue;
    const std::string path = folder + "\\" + p[i];
    if (FileExistsByOpen(c.folders, path)) return kTrue;
    if (base::EndsWithNoCase(p[i], ".lnk") &&
        FileExistsByOpen(c.folders, win::ShortcutFileName(path)))
      return kTrue;
  }
  return kFalse;
}

// p2 is always tested, even when empty; p3 and p4 only when given. Only normal files count: a
// hidden or system file of that name, or a folder, is taken as gone.
Truth IsFileDel(CheckContext& c, const RuleParams& p) {
  const std::string folder = PathParam(c.candidateFolder, p[0]);
  for (int i = 1; i <= 3; ++i) {
    if (i > 1 && p[i].empty()) continue;
    if (FileListedNormal(c.folders, folder + "\\" + p[i])) return kFalse;
  }
  return kTrue;
}

Truth IsFldrDel(CheckContext& c, const RuleParams& p) {
  return ToTruth(!FolderExistsByFso(c.folders, PathParam(c.candidateFolder, p[0])));
}

}  // namespace deskmark
