#include "platform/win/paths.h"

#include <gtest/gtest.h>

#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

TEST(Paths, ComponentsResolveWithoutCase) {
  TestFolder t;
  fs::create_directories(t.Root() / "wordkt" / "Sub");
  t.Write("wordkt/Doc.txt", "x");
  t.Write("both/A", "upper");
  t.Write("both/a", "lower");
  t.Write("pick/ab", "");
  t.Write("pick/Ab", "");
  struct Case {
    std::string in;
    fs::path out;
  } cases[] = {
      {t.Win("Wordkt\\DOC.TXT"), t.Root() / "wordkt" / "Doc.txt"},
      {t.Win("WORDKT\\sub\\"), t.Root() / "wordkt" / "Sub/"},
      {t.Win("wordKT\\New File.txt"), t.Root() / "wordkt" / "New File.txt"},  // missing: kept
      {t.Win("wordkt\\doc.TXT"), t.Root() / "wordkt" / "Doc.txt"},  // the folder as spelled
      {t.Win("wordkt\\Sub\\new.txt"), t.Root() / "wordkt" / "Sub" / "new.txt"},
      {t.Win("Missing\\Deeper\\x"), t.Root() / "Missing" / "Deeper" / "x"},
      {t.Win("both\\a"), t.Root() / "both" / "a"},  // the exact name wins
      {t.Win("both\\A"), t.Root() / "both" / "A"},
      {t.Win("pick\\AB"), t.Root() / "pick" / "Ab"},  // the smallest of several
      {t.Win("wordkt\\\\Sub//..\\.\\Doc.txt"), t.Root() / "wordkt" / "Doc.txt"},
      {t.Win("..\\..\\wordkt"), t.Root() / "wordkt"},  // ".." stops at the drive root
      {"t:/wordkt/doc.txt", t.Root() / "wordkt" / "Doc.txt"},
      {"Z:\\", fs::path("/")},
      {"z:\\USR\\Bin", fs::path("/usr/bin")},
  };
  for (const Case& c : cases) EXPECT_EQ(ToHostPath(c.in), c.out) << c.in;
}

TEST(Paths, RelativePathsUseTheCurrentFolder) {
  TestFolder t;
  fs::create_directories(t.Root() / "Work" / "inner");
  const fs::path before = fs::current_path();
  fs::current_path(t.Root() / "Work");
  EXPECT_EQ(ToHostPath("INNER\\..\\a.txt"), t.Root() / "Work" / "a.txt");
  EXPECT_EQ(ToHostPath("\\Work"), t.Root() / "Work");  // root of the current drive
  fs::current_path(before);
}

TEST(Paths, DefaultDriveFolderFollowsXdgDataHome) {
  TestFolder t;
  testing::ScopedEnv dataHome("XDG_DATA_HOME", t.Root());
  testing::ScopedEnv driveQ("KIRV_DRIVE_Q", nullptr);
  EXPECT_EQ(ToHostPath("Q:\\exam\\a.txt"), t.Root() / "kirv" / "drive_q" / "exam" / "a.txt");
  EXPECT_EQ(ToWindowsPath(t.Root() / "kirv" / "drive_q" / "exam"), "Q:\\exam");
}

TEST(Paths, ToWindowsPathRoundTrips) {
  TestFolder t;
  fs::create_directories(t.Root() / "a" / "b");
  struct Case {
    fs::path host;
    std::string windows;
  } cases[] = {
      {t.Root(), "T:\\"},
      {t.Root() / "a" / "b", "T:\\a\\b"},
      {t.Root() / "a/", "T:\\a\\"},
      {"/usr/bin", "Z:\\usr\\bin"},
      {"/", "Z:\\"},
      {t.Root().string() + "x", "Z:" +
                                    [&] {  // a sibling that only shares a prefix
                                      std::string s = t.Root().string() + "x";
                                      for (char& c : s)
                                        if (c == '/') c = '\\';
                                      return s;
                                    }()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToWindowsPath(c.host), c.windows) << c.host;
    EXPECT_EQ(ToHostPath(c.windows), c.host) << c.windows;
  }
}

TEST(Paths, FileAndFolderParts) {
  struct Case {
    std::string path, file, folder;
  } cases[] = {
      {"C:\\a\\b.txt", "b.txt", "C:\\a\\"},
      {"C:\\a\\", "", "C:\\a\\"},
      {"C:b.txt", "b.txt", "C:"},
      {"b.txt", "b.txt", ""},
      {"x/y", "y", "x/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileNamePart(c.path), c.file) << c.path;
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
  }
}

}  // namespace
}  // namespace win
