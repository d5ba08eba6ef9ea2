#include "platform/win/shortcut.h"

#include <gtest/gtest.h>

#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;

TEST(Shortcut, WritesADesktopEntryForTheLink) {
  testing::TestFolder t;
  t.Write("Kirv/kirv", "#!/bin/sh\n");
  fs::permissions(t.Root() / "Kirv" / "kirv", fs::perms::owner_all);
  t.Write("Desktop/Kirvex.desktop", "old");
  EXPECT_EQ(ShortcutFileName("C:\\d\\X.lnk"), "C:\\d\\X.desktop");
  ASSERT_TRUE(CreateShortcut(t.Win("Desktop\\Kirvex.lnk"), t.Win("Kirv\\kirv"), t.Win("Kirv\\")));
  const std::string root = t.Root().string();
  EXPECT_EQ(testing::TestFolder::Read(t.Root() / "Desktop" / "Kirvex.desktop"),
            "[Desktop Entry]\nType=Application\nName=Kirvex\nExec=\"" + root +
                "/Kirv/kirv\"\nPath=" + root + "/Kirv\nTerminal=false\n");
  // Reserved characters and backslashes of an argument are escaped twice, as the format wants.
  ASSERT_TRUE(
      CreateShortcut(t.Win("Desktop\\Args.lnk"), t.Win("Kirv\\kirv"), "", "\"a$b\" x\\y 5%"));
  EXPECT_EQ(testing::TestFolder::Read(t.Root() / "Desktop" / "Args.desktop"),
            "[Desktop Entry]\nType=Application\nName=Args\nExec=\"" + root +
                "/Kirv/kirv\" \"a\\\\$b\" \"x\\\\\\\\y\" \"5%%\"\nTerminal=false\n");
  EXPECT_FALSE(CreateShortcut(t.Win("No Such\\x.lnk"), t.Win("Kirv\\kirv"), ""));
}

}  // namespace
}  // namespace win
