#include "platform/win/shell_folders.h"

#include <gtest/gtest.h>

#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

TEST(ShellFolders, XdgUserFoldersInWindowsForm) {
  testing::TestFolder t;
  t.Write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + t.Root().string() + "/文档\"\n");
  testing::ScopedEnv documents("XDG_DOCUMENTS_DIR", nullptr);
  testing::ScopedEnv config("XDG_CONFIG_HOME", t.Root() / "config");
  testing::ScopedEnv desktop("XDG_DESKTOP_DIR", t.Root() / "Desk");
  testing::ScopedEnv temp("TMPDIR", t.Root() / "tmp");
  EXPECT_EQ(DesktopFolder(), t.Win("Desk"));
  EXPECT_EQ(DocumentsFolder(), t.Win("文档"));
  EXPECT_EQ(TempFolder(), t.Win("tmp\\"));
}

TEST(ShellFolders, ScreenSizeIsSettable) {
  const ScreenSize before = GetScreenSize();
  SetScreenSize(1920, 1080);
  EXPECT_EQ(GetScreenSize().width, 1920);
  EXPECT_EQ(GetScreenSize().height, 1080);
  SetScreenSize(before.width, before.height);
}

}  // namespace
}  // namespace win
