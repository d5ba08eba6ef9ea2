// Checks of attribute words: a file's bits under a mask, a folder's whole word.
#include "grading/deskmark/checks/checks.h"

namespace deskmark {

// Passes when the file opens and carries every bit of the mask p2 (a missing file reads -1,
// which only the mask -1 matches).
Truth FileSx(CheckContext& c, const RuleParams& p) {
  const int16_t mask = IntParam(p[1]);
  return ToTruth(AttrMaskOfFile(c.folders, PathParam(c.candidateFolder, p[0]), mask) == mask);
}

// Passes when the folder's whole attribute word equals p2 (-1 for a missing folder).
Truth FldrSx(CheckContext& c, const RuleParams& p) {
  return ToTruth(AttrOfFolder(c.folders, PathParam(c.candidateFolder, p[0])) == IntParam(p[1]));
}

}  // namespace deskmark
