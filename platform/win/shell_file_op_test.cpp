#include "platform/win/shell_file_op.h"

#include <gtest/gtest.h>

#include "platform/win/attributes.h"
#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

// The files under the root as "path=content" lines, folders as "path/".
std::vector<std::string> Tree(const fs::path& root) {
  std::vector<std::string> out;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    const std::string rel = fs::relative(e.path(), root).string();
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

}  // namespace
}  // namespace win
