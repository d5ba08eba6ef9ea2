// Checks that pick files by size in KB (lo <= KB <= hi): copied, moved, deleted, or carrying
// attribute bits.
#include "grading/deskmark/checks/window.h"

namespace deskmark {
namespace {

Window Sizes(const std::string& lo, const std::string& hi) {
  return Window::BySize(IntParam(lo), IntParam(hi));
}

}  // namespace

// p1 source, p2 destination, p3 lo, p4 hi.
Truth IsFileLenCopy(CheckContext& c, const RuleParams& p) {
  return PickAndTest(c, FolderParam(c, p[0]), FolderParam(c, p[1]), Items::Files, Sizes(p[2], p[3]),
                     Expect::Present);
}

// Files picked in the destination must no longer open in the source: a move, not a copy.
Truth IsFileLenMove(CheckContext& c, const RuleParams& p) {
  return PickAndTest(c, FolderParam(c, p[1]), FolderParam(c, p[0]), Items::Files, Sizes(p[2], p[3]),
                     Expect::Absent);
}

// p1 folder, p2 lo, p3 hi.
Truth IsFileLenDel(CheckContext& c, const RuleParams& p) {
  return NoneInside(c, FolderParam(c, p[0]), Items::Files, Sizes(p[1], p[2]));
}

// p1 folder, p2 lo, p3 hi, p4 mask.
Truth IsFileLenAddribe(CheckContext& c, const RuleParams& p) {
  return AllCarry(c, FolderParam(c, p[0]), Sizes(p[1], p[2]), IntParam(p[3]), false);
}

}  // namespace deskmark
