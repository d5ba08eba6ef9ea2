#include "platform/win/shortcut.h"

#include <gtest/gtest.h>

#include "platform/win/test_folder.h"

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
  EXPECT_FALSE(CreateShortcut(t.Win("No Such\\x.lnk"), t.Win("Kirv\\kirv"), ""));
}

}  // namespace
}  // namespace win
