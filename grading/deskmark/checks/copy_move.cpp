// Checks of copies, moves and renames: files by pattern, single files and folders by path.
#include "grading/deskmark/checks/checks.h"

#include <vector>

namespace deskmark {
namespace {

constexpr uint32_t kEveryEntry = 22;  // hidden + system + folder

// The pattern walk of ISFILECOPY and ISFILEMOVE. Patterns p3..p5 in order (p3 even when empty):
// a pattern that lists nothing in the listing folder leaves the result false; one that lists n
// names tests the first n names of its (possibly narrower) name listing in the test folder, an
// absent copy or a present original ending the check at once. The last pattern decides.
Truth PatternWalk(CheckContext& c, const RuleParams& p, bool copy) {
  const std::string source = PathParam(c.candidateFolder, p[0]);
  const std::string destination = PathParam(c.candidateFolder, p[1]);
  const std::string& listed = copy ? source : destination;
  const std::string& tested = copy ? destination : source;
  bool result = false;
  for (int i = 2; i <= 4; ++i) {
    if (i > 2 && p[i].empty()) continue;
    const std::string pattern = listed + "\\" + p[i];
    const int16_t n = CountListed(c.folders, pattern, kEveryEntry);
    if (n == 0) {
      result = false;
      continue;
    }
    // A copy's first pattern sees hidden files, system files and folders too; every other
    // pattern only normal files, so some of the n slots may stay empty.
    const uint32_t mask = copy && i == 2 ? kEveryEntry : 0;
    const std::vector<std::string> names = ListNames(c.folders, pattern, mask);
    for (int16_t slot = 0; slot < n; ++slot) {
      const std::string name = static_cast<size_t>(slot) < names.size() ? names[slot] : "";
      const bool opens = FileExistsByOpen(c.folders, tested + "\\" + name);
      if (opens != copy) return kFalse;
      result = true;
    }
  }
  return ToTruth(result);
}

struct Both {
  bool first, second;  // p1's answer, p2's answer
};

Both FilesOpen(CheckContext& c, const RuleParams& p) {
  return {FileExistsByOpen(c.folders, PathParam(c.candidateFolder, p[0])),
          FileExistsByOpen(c.folders, PathParam(c.candidateFolder, p[1]))};
}

Both FoldersExist(CheckContext& c, const RuleParams& p) {
  return {FolderExistsByFso(c.folders, PathParam(c.candidateFolder, p[0])),
          FolderExistsByFso(c.folders, PathParam(c.candidateFolder, p[1]))};
}

}  // namespace

Truth IsFileCopy(CheckContext& c, const RuleParams& p) {
  return PatternWalk(c, p, true);
}

Truth IsFileMove(CheckContext& c, const RuleParams& p) {
  return PatternWalk(c, p, false);
}

Truth IsFileMRename(CheckContext& c, const RuleParams& p) {
  const Both opens = FilesOpen(c, p);
  return ToTruth(!opens.first && opens.second);
}

Truth IsFileCRename(CheckContext& c, const RuleParams& p) {
  const Both opens = FilesOpen(c, p);
  return ToTruth(opens.first && opens.second);
}

// Also the check of ISFLDRMRENAME: a renamed folder is a moved one.
Truth IsFldrMove(CheckContext& c, const RuleParams& p) {
  const Both there = FoldersExist(c, p);
  return ToTruth(!there.first && there.second);
}

// Also the check of ISFLDRCRENAME.
Truth IsFldrCopy(CheckContext& c, const RuleParams& p) {
  const Both there = FoldersExist(c, p);
  return ToTruth(there.first && there.second);
}

}  // namespace deskmark
