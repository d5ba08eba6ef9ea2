#include "platform/win/shell_folders.h"

#include <gtest/gtest.h>

#include "platform/win/test_folder.h"

namespace win {
namespace {

TEST(ShellFolders, XdgUserFoldersInWindowsForm) {
  testing::TestFolder t;
  const char* vars[] = {"XDG_DESKTOP_DIR", "XDG_DOCUMENTS_DIR", "XDG_CONFIG_HOME", "TMPDIR"};
  std::vector<std::optional<std::string>> saved;
  for (const char* v : vars) {
    const char* old = std::getenv(v);
    saved.push_back(old ? std::optional<std::string>(old) : std::nullopt);
    ::unsetenv(v);
  }
  t.Write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + t.Root().string() + "/文档\"\n");
  ::setenv("XDG_CONFIG_HOME", (t.Root() / "config").c_str(), 1);
  ::setenv("XDG_DESKTOP_DIR", (t.Root() / "Desk").c_str(), 1);
  ::setenv("TMPDIR", (t.Root() / "tmp").c_str(), 1);
  EXPECT_EQ(DesktopFolder(), t.Win("Desk"));
  EXPECT_EQ(DocumentsFolder(), t.Win("文档"));
  EXPECT_EQ(TempFolder(), t.Win("tmp\\"));
  for (size_t i = 0; i < saved.size(); ++i) {
    if (saved[i])
      ::setenv(vars[i], saved[i]->c_str(), 1);
    else
      ::unsetenv(vars[i]);
  }
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
