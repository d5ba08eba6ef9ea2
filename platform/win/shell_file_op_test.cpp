#include "platform/win/shell_file_op.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/win/attributes.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

// The files under the root as "path=content" lines, folders as "path/", links as "path->target"
// (never followed).
std::vector<std::string> Tree(const fs::path& root) {
  std::vector<std::string> out;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    const std::string rel = e.path().lexically_relative(root).string();
    if (e.is_symlink())
      out.push_back(rel + "->" + fs::read_symlink(e.path()).string());
    else
      out.push_back(e.is_directory() ? rel + "/" : rel + "=" + TestFolder::Read(e.path()));
  }
  std::sort(out.begin(), out.end());
  return out;
}

TEST(ShellFileOp, CopyMoveDeleteRename) {
  struct Case {
    const char* name;
    ShellOperation op;
    std::string from, to;
    bool ok;
    std::vector<std::string> tree;
  } cases[] = {
      {"copy a file over another",
       ShellOperation::Copy,
       "src\\A.TXT",
       "dst\\b.txt",
       true,
       {"dst/", "dst/b.txt=a", "src/", "src/a.txt=a", "src/sub/", "src/sub/c.doc=c"}},
      {"copy by pattern into a new folder",
       ShellOperation::Copy,
       "src\\*.txt",
       "new",
       true,
       {"dst/", "dst/b.txt=b", "new/", "new/a.txt=a", "src/", "src/a.txt=a", "src/sub/",
        "src/sub/c.doc=c"}},
      {"copy a folder into a folder",
       ShellOperation::Copy,
       "SRC\\Sub",
       "dst\\",
       true,
       {"dst/", "dst/b.txt=b", "dst/sub/", "dst/sub/c.doc=c", "src/", "src/a.txt=a", "src/sub/",
        "src/sub/c.doc=c"}},
      {"move a folder",
       ShellOperation::Move,
       "src\\sub",
       "moved",
       true,
       {"dst/", "dst/b.txt=b", "moved/", "moved/c.doc=c", "src/", "src/a.txt=a"}},
      {"delete by pattern",
       ShellOperation::Delete,
       "src\\*",
       "",
       true,
       {"dst/", "dst/b.txt=b", "src/"}},
      {"rename a folder with a trailing backslash",
       ShellOperation::Rename,
       "src\\",
       "src.bak",
       true,
       {"dst/", "dst/b.txt=b", "src.bak/", "src.bak/a.txt=a", "src.bak/sub/",
        "src.bak/sub/c.doc=c"}},
      {"rename to the same name in another case",
       ShellOperation::Rename,
       "src\\a.txt",
       "SRC\\A.TXT",
       true,
       {"dst/", "dst/b.txt=b", "src/", "src/a.txt=a", "src/sub/", "src/sub/c.doc=c"}},
      {"rename a folder to itself",
       ShellOperation::Rename,
       "src",
       "Src\\",
       true,
       {"dst/", "dst/b.txt=b", "src/", "src/a.txt=a", "src/sub/", "src/sub/c.doc=c"}},
      {"rename a folder into itself",
       ShellOperation::Rename,
       "src",
       "src\\sub\\inner",
       false,
       {"dst/", "dst/b.txt=b", "src/", "src/a.txt=a", "src/sub/", "src/sub/c.doc=c"}},
      {"move a folder into itself",
       ShellOperation::Move,
       "src",
       "src\\sub",
       false,
       {"dst/", "dst/b.txt=b", "src/", "src/a.txt=a", "src/sub/", "src/sub/c.doc=c"}},
      {"copy a folder into itself",
       ShellOperation::Copy,
       "src",
       "src\\new",
       false,
       {"dst/", "dst/b.txt=b", "src/", "src/a.txt=a", "src/sub/", "src/sub/c.doc=c"}},
      {"nothing matches",
       ShellOperation::Copy,
       "src\\*.xls",
       "dst",
       false,
       {"dst/", "dst/b.txt=b", "src/", "src/a.txt=a", "src/sub/", "src/sub/c.doc=c"}},
  };
  for (const Case& c : cases) {
    TestFolder t;
    t.Write("src/a.txt", "a");
    t.Write("src/sub/c.doc", "c");
    t.Write("dst/b.txt", "b");
    EXPECT_EQ(ShellFileOperation(c.op, t.Win(c.from), c.to.empty() ? "" : t.Win(c.to)), c.ok)
        << c.name;
    EXPECT_EQ(Tree(t.Root()), c.tree) << c.name;
  }
}

TEST(ShellFileOp, ReadOnlyFilesAreReplacedAndDeleted) {
  TestFolder t;
  t.Write("a.txt", "new");
  t.Write("b.txt", "old");
  ASSERT_TRUE(SetFileAttributes(t.Win("b.txt"), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(SetFileAttributes(t.Win("a.txt"), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_TRUE(ShellFileOperation(ShellOperation::Copy, t.Win("a.txt"), t.Win("b.txt")));
  EXPECT_EQ(TestFolder::Read(t.Root() / "b.txt"), "new");
  EXPECT_EQ(GetFileAttributes(t.Win("b.txt")), FILE_ATTRIBUTE_HIDDEN);  // attributes copied
  ASSERT_TRUE(SetFileAttributes(t.Win("b.txt"), FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(ShellFileOperation(ShellOperation::Delete, t.Win("b.txt")));
  EXPECT_FALSE(fs::exists(t.Root() / "b.txt"));
}

TEST(ShellFileOp, SeveralSourcesAndTheFlags) {
  struct Case {
    const char* name;
    ShellFileOpRequest request;
    int error;  // 0: succeeds
    std::vector<std::string> tree;
  } cases[] = {
      {"two sources into a new folder",
       {ShellOperation::Copy, {"src\\a.txt", "src\\sub"}, {"new"}, 0},
       0,
       {"dst/", "dst/b.txt=b", "new/", "new/a.txt=a", "new/sub/", "new/sub/c.doc=c", "src/",
        "src/a.txt=a", "src/sub/", "src/sub/c.doc=c"}},
      {"one target per source",
       {ShellOperation::Move,
        {"src\\a.txt", "dst\\b.txt"},
        {"one.txt", "two.txt"},
        FOF_MULTIDESTFILES},
       0,
       {"dst/", "one.txt=a", "src/", "src/sub/", "src/sub/c.doc=c", "two.txt=b"}},
      {"targets that do not fit the sources",
       {ShellOperation::Copy, {"src\\a.txt", "dst\\b.txt"}, {"one.txt"}, FOF_MULTIDESTFILES},
       EINVAL,
       {"dst/", "dst/b.txt=b", "src/", "src/a.txt=a", "src/sub/", "src/sub/c.doc=c"}},
      {"files only",
       {ShellOperation::Delete, {"src\\*"}, {}, FOF_FILESONLY},
       0,
       {"dst/", "dst/b.txt=b", "src/", "src/sub/", "src/sub/c.doc=c"}},
      {"a new name on collision",
       {ShellOperation::Copy, {"dst\\b.txt"}, {"dst"}, FOF_RENAMEONCOLLISION},
       0,
       {"dst/", "dst/b (2).txt=b", "dst/b.txt=b", "src/", "src/a.txt=a", "src/sub/",
        "src/sub/c.doc=c"}},
      {"the second source matches nothing: the first stays done",
       {ShellOperation::Delete, {"src\\a.txt", "src\\*.xls", "dst\\b.txt"}, {}, 0},
       ENOENT,
       {"dst/", "dst/b.txt=b", "src/", "src/sub/", "src/sub/c.doc=c"}},
      {"no target",
       {ShellOperation::Move, {"src\\a.txt"}, {}, 0},
       EINVAL,
       {"dst/", "dst/b.txt=b", "src/", "src/a.txt=a", "src/sub/", "src/sub/c.doc=c"}},
  };
  for (Case& c : cases) {
    TestFolder t;
    t.Write("src/a.txt", "a");
    t.Write("src/sub/c.doc", "c");
    t.Write("dst/b.txt", "b");
    for (std::string& p : c.request.from) p = t.Win(p);
    for (std::string& p : c.request.to) p = t.Win(p);
    const base::Status done = RunShellFileOperation(c.request);
    EXPECT_EQ(done ? 0 : done.error().code, c.error) << c.name;
    EXPECT_EQ(Tree(t.Root()), c.tree) << c.name;
  }
}

// Nothing is done through a link the request did not name as its own target: a link is moved,
// copied and replaced as itself, and the folder it leads to outside stays as it was.
TEST(ShellFileOp, LinksAreMovedCopiedAndReplacedAsThemselves) {
  using Entries = std::vector<std::string>;
  struct Case {
    const char* name;
    ShellFileOpRequest request;
    int error;    // 0: succeeds
    Entries has;  // in work/ afterwards
    Entries gone;
  } cases[] = {
      {"move a link onto a folder of its name",
       {ShellOperation::Move, {"link"}, {"holder"}},
       0,
       {"holder/link->../outside"},
       {"link->../outside", "holder/link/h.txt=h"}},
      {"rename a link onto a folder",
       {ShellOperation::Rename, {"link"}, {"existing"}},
       0,
       {"existing->../outside"},
       {"link->../outside", "existing/e.txt=e"}},
      {"merge a folder whose subfolder is a link",
       {ShellOperation::Move, {"tree"}, {"merge"}},
       0,
       {"merge/tree/in.txt=i", "merge/tree/linked->../../outside"},
       {"tree/", "merge/tree/linked/x.txt=x"}},
      {"copy onto a link to a file",
       {ShellOperation::Copy, {"a.txt"}, {"filelink.txt"}},
       0,
       {"a.txt=a", "filelink.txt=a"},
       {"filelink.txt->../outside/file.txt"}},
      {"copy a link",
       {ShellOperation::Copy, {"filelink.txt"}, {"copied.txt"}},
       0,
       {"copied.txt->../outside/file.txt", "filelink.txt->../outside/file.txt"},
       {}},
      {"copy a folder whose subfolder is a link",
       {ShellOperation::Copy, {"tree"}, {"copy"}},
       0,
       {"copy/in.txt=i", "copy/linked->../../outside", "tree/linked->../../outside"},
       {}},
      {"copy a folder onto a link to a folder",
       {ShellOperation::Copy, {"tree"}, {"dst"}},
       0,
       {"dst/tree/", "dst/tree/in.txt=i", "dst/tree/linked->../../outside"},
       {"dst/tree->../../outside"}},
      {"copy several files into a link to a folder",
       {ShellOperation::Copy, {"*.txt"}, {"link"}},
       ENOTDIR,
       {"link->../outside"},
       {}},
      {"delete a link to a folder",
       {ShellOperation::Delete, {"link"}, {}},
       0,
       {},
       {"link->../outside"}},
  };
  for (Case& c : cases) {
    TestFolder t;
    t.Write("outside/o.txt", "o");
    t.Write("outside/sub/p.txt", "p");
    t.Write("outside/file.txt", "target");
    const fs::path work = t.Root() / "work";
    t.Write("work/a.txt", "a");
    t.Write("work/existing/e.txt", "e");
    t.Write("work/holder/link/h.txt", "h");
    t.Write("work/tree/in.txt", "i");
    t.Write("work/merge/tree/linked/x.txt", "x");
    fs::create_directories(work / "dst");
    fs::create_symlink("../outside", work / "link");
    fs::create_symlink("../outside/file.txt", work / "filelink.txt");
    fs::create_symlink("../../outside", work / "tree" / "linked");
    fs::create_symlink("../../outside", work / "dst" / "tree");
    for (std::string& p : c.request.from) p = t.Win("work\\" + p);
    for (std::string& p : c.request.to) p = t.Win("work\\" + p);
    const base::Status done = RunShellFileOperation(c.request);
    EXPECT_EQ(done ? 0 : done.error().code, c.error) << c.name;
    EXPECT_EQ(Tree(t.Root() / "outside"),
              (Entries{"file.txt=target", "o.txt=o", "sub/", "sub/p.txt=p"}))
        << c.name;
    const Entries after = Tree(work);
    for (const std::string& e : c.has) EXPECT_THAT(after, ::testing::Contains(e)) << c.name;
    for (const std::string& e : c.gone)
      EXPECT_THAT(after, ::testing::Not(::testing::Contains(e))) << c.name;
  }
}

TEST(ShellFileOp, UndoableDeleteGoesToTheTrash) {
  TestFolder t;
  testing::ScopedEnv data("XDG_DATA_HOME", (t.Root() / "data").string());
  t.Write("work/a b.txt", "one");
  t.Write("work/sub/c.doc", "c");
  t.Write("again/a b.txt", "two");
  ShellFileOpRequest request{ShellOperation::Delete,
                             {t.Win("work\\a b.txt"), t.Win("work\\sub"), t.Win("again\\*.txt")},
                             {},
                             FOF_ALLOWUNDO};
  ASSERT_TRUE(RunShellFileOperation(request));

  EXPECT_EQ(Tree(t.Root() / "work"), std::vector<std::string>{});
  const fs::path trash = t.Root() / "data" / "Trash";
  EXPECT_EQ(Tree(trash / "files"),
            (std::vector<std::string>{"a b.txt.2=two", "a b.txt=one", "sub/", "sub/c.doc=c"}));
  const std::string info = TestFolder::Read(trash / "info" / "a b.txt.trashinfo");
  const std::string escaped = (t.Root() / "work").string() + "/a%20b.txt";
  EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + escaped + "\nDeletionDate=", 0), 0u) << info;
  EXPECT_TRUE(fs::exists(trash / "info" / "a b.txt.2.trashinfo"));
  EXPECT_TRUE(fs::exists(trash / "info" / "sub.trashinfo"));
}

TEST(ShellFileOp, PathListsEndAtTheDoubleTerminatorOrTheText) {
  using Paths = std::vector<std::string>;
  struct Case {
    std::string list;
    Paths paths;
  } cases[] = {
      {std::string("a\0b\0\0", 5), {"a", "b"}},
      {std::string("a\0b", 3), {"a", "b"}},  // no terminator at all
      {std::string("a\0\0b\0", 5), {"a"}},
      {"C:\\one.txt", {"C:\\one.txt"}},
      {std::string("\0a", 2), {}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitPathList(c.list), c.paths) << c.list;
}

}  // namespace
}  // namespace win
