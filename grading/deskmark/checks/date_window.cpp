// Checks that pick files and subfolders by modification time: moved, copied, deleted, or
// carrying attribute bits. p1 (and p2) are folders; the window is (d1, d2), ends excluded.
#include "grading/deskmark/checks/window.h"

namespace deskmark {
namespace {

Window Dates(const std::string& d1, const std::string& d2) {
  return Window::ByDate(DateParam(d1), DateParam(d2));
}

}  // namespace

// p1 source, p2 destination, p3 d1, p4 d2.
Truth DateLastModifiedFileMove(CheckContext& c, const RuleParams& p) {
  return PickAndTest(c, FolderParam(c, p[1]), FolderParam(c, p[0]), Items::Files, Dates(p[2], p[3]),
                     Expect::AbsentAndNoneInside);
}

Truth DateLastModifiedFldrMove(CheckContext& c, const RuleParams& p) {
  return PickAndTest(c, FolderParam(c, p[1]), FolderParam(c, p[0]), Items::Folders,
                     Dates(p[2], p[3]), Expect::AbsentAndNoneInside);
}

Truth IsDaLaMoFileFldrMove(CheckContext& c, const RuleParams& p) {
  const Truth files = DateLastModifiedFileMove(c, p);
  const Truth folders = DateLastModifiedFldrMove(c, p);
  return ToTruth(files && folders);
}

Truth IsDaLaMoFileCopy(CheckContext& c, const RuleParams& p) {
  return PickAndTest(c, FolderParam(c, p[0]), FolderParam(c, p[1]), Items::Files, Dates(p[2], p[3]),
                     Expect::Present);
}

// Subfolders are picked in the destination and looked for in the source.
Truth IsDaLaMoFldrCopy(CheckContext& c, const RuleParams& p) {
  return PickAndTest(c, FolderParam(c, p[1]), FolderParam(c, p[0]), Items::Folders,
                     Dates(p[2], p[3]), Expect::Present);
}

// p1 folder, p2 d1, p3 d2, p4 mask.
Truth DataModifyFileAddribe(CheckContext& c, const RuleParams& p) {
  return AllCarry(c, FolderParam(c, p[0]), Dates(p[1], p[2]), IntParam(p[3]), true);
}

// p1 folder, p2 d1, p3 d2.
Truth IsDaLaMoFileDel(CheckContext& c, const RuleParams& p) {
  return NoneInside(c, FolderParam(c, p[0]), Items::Files, Dates(p[1], p[2]));
}

Truth IsDaLaMoFldrDel(CheckContext& c, const RuleParams& p) {
  return NoneInside(c, FolderParam(c, p[0]), Items::Folders, Dates(p[1], p[2]));
}

Truth IsDaLaMoFileFldrDel(CheckContext& c, const RuleParams& p) {
  const Truth files = IsDaLaMoFileDel(c, p);
  const Truth folders = IsDaLaMoFldrDel(c, p);
  return ToTruth(files && folders);
}

}  // namespace deskmark
