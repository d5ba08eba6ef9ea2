#include "grading/dirmark/dirmark.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/win/attributes.h"
#include "platform/win/files.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace dirmark {
namespace {

namespace fs = std::filesystem;
using win::testing::TestFolder;

class Control : public ::testing::Test {
 protected:
  // The run-time error number of a status; 0 for success.
  static int Number(const base::Status& s) { return s ? 0 : s.error().code; }

  TestFolder t_;
  win::testing::ScopedEnv store_{"KIRV_ATTRIBUTE_STORE", (t_.Root() / "store").string()};
  win::testing::ScopedEnv data_{"XDG_DATA_HOME", (t_.Root() / "data").string()};
  std::vector<std::string> changed_;
  Dirmark c_{[this](std::string_view p) { changed_.emplace_back(p); }};
};

TEST_F(Control, ExistenceByMaskRunsOnThePutOfTheMask) {
  t_.Write("h.txt", "");
  ASSERT_TRUE(win::SetFileAttributes(t_.Win("h.txt"), win::FILE_ATTRIBUTE_HIDDEN));
  fs::create_directories(t_.Root() / "dir");
  struct Case {
    std::string name;
    int16_t mask;
    bool exists;
  } cases[] = {
      {"h.txt", 0, false}, {"h.txt", 2, true}, {"H.TXT", 22, true},  {"dir", 0, false},
      {"dir", 16, true},   {"*.txt", 2, true}, {"*.doc", 22, false}, {"none\\*.*", 22, false},
  };
  for (const Case& c : cases) {
    c_.put_dm_FileName(t_.Win(c.name));
    ASSERT_EQ(Number(c_.put_dm_FileAttrib(c.mask)), 0) << c.name;
    EXPECT_EQ(c_.dm_IsExistFile(), c.exists) << c.name << " " << c.mask;
  }
  c_.put_dm_FileName(t_.Win("a|b"));
  EXPECT_EQ(Number(c_.put_dm_FileAttrib(0)), kBadFileName);
  EXPECT_EQ(c_.dm_FileAttrib(), 0);  // stored although the operation failed
}

TEST_F(Control, AttributesAreReadOnlyWhenAskedAndSetOnPut) {
  t_.Write("f.txt", "x");
  c_.put_dm_FileName(t_.Win("f.txt"));
  ASSERT_EQ(Number(c_.put_dm_SetAttrib(win::FILE_ATTRIBUTE_HIDDEN | win::FILE_ATTRIBUTE_READONLY)),
            0);
  EXPECT_EQ(win::GetFileAttributes(t_.Win("f.txt")),
            win::FILE_ATTRIBUTE_HIDDEN | win::FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(Number(c_.put_dm_IsGet(false)), 0);
  EXPECT_EQ(c_.dm_GetAttrib(), 0);  // false reads nothing
  EXPECT_EQ(Number(c_.put_dm_IsGet(true)), 0);
  EXPECT_EQ(c_.dm_GetAttrib(), 3);

  c_.put_dm_FileName(t_.Win("missing.txt"));
  EXPECT_EQ(Number(c_.put_dm_IsGet(true)), kFileNotFound);
  EXPECT_EQ(c_.dm_GetAttrib(), 3);  // the last result stays
  EXPECT_EQ(Number(c_.put_dm_SetAttrib(2)), kFileNotFound);
  EXPECT_EQ(c_.dm_SetAttrib(), 2);
}

TEST_F(Control, SelectorsStaySet) {
  const std::string folder = t_.Win("new");
  c_.put_dm_FileName(folder);
  ASSERT_EQ(Number(c_.put_dm_MkDir(true)), 0);
  EXPECT_TRUE(fs::is_directory(t_.Root() / "new"));
  // Make is still selected: putting remove makes again, which fails.
  EXPECT_EQ(Number(c_.put_dm_RmDir(true)), kPathFileAccess);
  EXPECT_TRUE(c_.dm_RmDir());
  EXPECT_TRUE(fs::is_directory(t_.Root() / "new"));
  // Clearing make runs the operation with the selectors left: remove.
  ASSERT_EQ(Number(c_.put_dm_MkDir(false)), 0);
  EXPECT_FALSE(fs::exists(t_.Root() / "new"));
  EXPECT_EQ(Number(c_.put_dm_RmDir(false)), 0);  // nothing selected: nothing done

  t_.Write("full/f", "");
  c_.put_dm_FileName(t_.Win("full"));
  EXPECT_EQ(Number(c_.put_dm_RmDir(true)), kPathFileAccess);
  c_.put_dm_FileName(t_.Win("gone"));
  EXPECT_EQ(Number(c_.FoldOper()), kPathNotFound);
  EXPECT_EQ(Number(c_.put_dm_RmDir(false)), 0);
  c_.put_dm_FileName(t_.Win("no\\parent"));
  EXPECT_EQ(Number(c_.put_dm_MkDir(true)), kPathNotFound);
  ASSERT_EQ(Number(c_.put_dm_MkDir(false)), 0);

  const std::string before = win::GetCurrentDirectory();
  c_.put_dm_FileName(t_.Win("full"));
  ASSERT_EQ(Number(c_.put_dm_ChDir(true)), 0);
  EXPECT_EQ(win::GetCurrentDirectory(), t_.Win("full"));
  ASSERT_TRUE(win::SetCurrentDirectory(before));
}

TEST_F(Control, EveryPutMarksItsPropertyBeforeItsOperation) {
  c_.put_dm_FileName(t_.Win("made"));
  bool existedWhenMarked = true;
  Dirmark watched([&](std::string_view p) {
    if (p == "dm_MkDir") existedWhenMarked = fs::exists(t_.Root() / "made");
  });
  watched.put_dm_FileName(t_.Win("made"));
  ASSERT_TRUE(watched.put_dm_MkDir(true));
  EXPECT_FALSE(existedWhenMarked);
  EXPECT_TRUE(fs::exists(t_.Root() / "made"));

  c_.put_dm_pFrom("a");
  c_.put_dm_pTo("b");
  c_.put_dm_Act(0);
  c_.put_dm_Cond(true);
  c_.put_dm_GetAttrib(1);
  c_.put_dm_IsExistFile(true);
  EXPECT_EQ(changed_, (std::vector<std::string>{"dm_FileName", "dm_pFrom", "dm_pTo", "dm_Act",
                                                "dm_Cond", "dm_GetAttrib", "dm_IsExistFile"}));
}

TEST_F(Control, ShellOperationFromPathLists) {
  t_.Write("src/a.txt", "a");
  t_.Write("src/b.txt", "b");
  c_.put_dm_pFrom(t_.Win("src\\a.txt") + std::string(1, '\0') + t_.Win("src\\b.txt"));
  c_.put_dm_pTo(t_.Win("dst") + std::string(2, '\0'));
  c_.put_dm_Act(0x10);  // no confirmation
  ASSERT_EQ(Number(c_.put_dm_OP(2)), 0);
  EXPECT_EQ(TestFolder::Read(t_.Root() / "dst" / "a.txt"), "a");
  EXPECT_EQ(TestFolder::Read(t_.Root() / "dst" / "b.txt"), "b");
  EXPECT_TRUE(c_.LastShellError());

  // A refusal of the shell is not raised, but kept for the host.
  c_.put_dm_pFrom(t_.Win("src\\none.txt"));
  EXPECT_EQ(Number(c_.put_dm_OP(3)), 0);
  ASSERT_FALSE(c_.LastShellError());
  EXPECT_EQ(c_.LastShellError().error().code, ENOENT);

  // Undoable delete: into the trash.
  c_.put_dm_pFrom(t_.Win("dst\\*.txt"));
  c_.put_dm_Act(0x40 | 0x10);
  ASSERT_EQ(Number(c_.put_dm_OP(3)), 0);
  EXPECT_FALSE(fs::exists(t_.Root() / "dst" / "a.txt"));
  EXPECT_TRUE(fs::exists(t_.Root() / "data" / "Trash" / "files" / "a.txt"));
}

TEST_F(Control, FlagsBeyondSixteenBitsOverflowAndDoNothing) {
  t_.Write("src/a.txt", "a");
  c_.put_dm_pFrom(t_.Win("src\\a.txt"));
  c_.put_dm_pTo(t_.Win("dst"));
  c_.put_dm_Act(32768);
  EXPECT_EQ(Number(c_.put_dm_OP(2)), kOverflow);
  EXPECT_EQ(c_.dm_OP(), 2);  // the put stored its value
  EXPECT_FALSE(fs::exists(t_.Root() / "dst"));
  c_.put_dm_Act(-1);  // fits: every flag
  EXPECT_EQ(Number(c_.Dirmarkerater()), 0);
  EXPECT_TRUE(fs::exists(t_.Root() / "dst"));
}

}  // namespace
}  // namespace dirmark
