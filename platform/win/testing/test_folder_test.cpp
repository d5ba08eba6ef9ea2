// The test helpers themselves: where test folders are made, that each is new, that clean-up
// leaves nothing behind (read-only content included) and nothing outside touched, and that an
// environment change is undone.
#include "platform/win/testing/test_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/win/testing/scoped_env.h"

namespace win::testing {
namespace {

namespace fs = std::filesystem;

TEST(TempFolder, MadeFreshUnderTheTestRootWhichIsCreatedIfMissing) {
  ScopedTempFolder outer("root_");
  const fs::path root = outer.Path() / "not" / "yet";
  ScopedEnv env("KIRV_TEST_TMP", root.c_str());
  const fs::path a = MakeTempFolder("case_"), b = MakeTempFolder("case_");
  EXPECT_NE(a, b);
  for (const fs::path& p : {a, b}) {
    EXPECT_EQ(p.parent_path(), root);
    EXPECT_EQ(p.filename().string().rfind("case_", 0), 0u) << p;
    EXPECT_TRUE(fs::is_directory(p));
    EXPECT_TRUE(fs::is_empty(p));
  }
  RemoveTempFolder(a);
  RemoveTempFolder(b);
  EXPECT_FALSE(fs::exists(a) || fs::exists(b));
}

TEST(TempFolder, FallsBackToTheSystemFolderWithoutTestRoot) {
  for (const char* value : {static_cast<const char*>(nullptr), ""}) {
    ScopedEnv env("KIRV_TEST_TMP", value);
    ScopedTempFolder t("fallback_");
    EXPECT_EQ(t.Path().parent_path(), fs::temp_directory_path());
    EXPECT_TRUE(fs::is_directory(t.Path()));
  }
}

TEST(TempFolder, FailureIsReportedNotAnEmptyPath) {
  ScopedTempFolder outer("root_");
  std::ofstream(outer.Path() / "file") << "x";
  {
    ScopedEnv env("KIRV_TEST_TMP", (outer.Path() / "file").c_str());  // not a folder
    EXPECT_THROW(MakeTempFolder("x_"), fs::filesystem_error);
  }
  ScopedEnv env("KIRV_TEST_TMP", outer.Path().c_str());
  EXPECT_THROW(MakeTempFolder("missing/x_"), fs::filesystem_error);
}

TEST(TempFolder, RemovalTakesReadOnlyContentButLeavesLinkTargetsAlone) {
  ScopedTempFolder outside("outside_");
  const fs::path target = outside.Path() / "kept.txt";
  std::ofstream(target) << "kept";
  fs::permissions(target, fs::perms::owner_read, fs::perm_options::replace);
  fs::path inner;
  {
    ScopedTempFolder t("ro_");
    inner = t.Path();
    fs::create_directories(inner / "sub");
    std::ofstream(inner / "sub" / "locked.txt") << "x";
    fs::create_symlink(target, inner / "sub" / "link");
    fs::permissions(inner / "sub" / "locked.txt", fs::perms::owner_read, fs::perm_options::replace);
    fs::permissions(inner / "sub", fs::perms::owner_read | fs::perms::owner_exec,
                    fs::perm_options::replace);
  }
  EXPECT_FALSE(fs::exists(inner));
  EXPECT_TRUE(fs::exists(target));
  EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read);
}

TEST(TestFolder, MapsItsDriveWhileItLives) {
  fs::path root;
  {
    TestFolder t('Q');
    root = t.Root();
    ASSERT_NE(std::getenv("KIRV_DRIVE_Q"), nullptr);
    EXPECT_EQ(fs::path(std::getenv("KIRV_DRIVE_Q")), root);
    EXPECT_EQ(t.Win("a/b.txt"), "Q:\\a\\b.txt");
    EXPECT_EQ(TestFolder::Read(t.Write("a/b.txt", "bytes")), "bytes");
  }
  EXPECT_EQ(std::getenv("KIRV_DRIVE_Q"), nullptr);
  EXPECT_FALSE(fs::exists(root));
}

TEST(ScopedEnv, PutsBackWhatWasThere) {
  const char* kName = "KIRV_SCOPED_ENV_PROBE";
  struct Case {
    const char* name;
    const char* before;  // null: unset
    const char* inside;  // null: removed
  } cases[] = {
      {"set over unset", nullptr, "a"},
      {"set over set", "old", "new"},
      {"removed while set", "old", nullptr},
      {"set to empty", "old", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.before)
      ::setenv(kName, c.before, 1);
    else
      ::unsetenv(kName);
    {
      ScopedEnv env(kName, c.inside);
      const char* now = std::getenv(kName);
      if (c.inside)
        EXPECT_STREQ(now, c.inside);
      else
        EXPECT_EQ(now, nullptr);
      ScopedEnv nested(kName, std::string("nested"));
      EXPECT_STREQ(std::getenv(kName), "nested");
    }
    const char* after = std::getenv(kName);
    if (c.before)
      EXPECT_STREQ(after, c.before);
    else
      EXPECT_EQ(after, nullptr);
  }
  ::unsetenv(kName);
}

}  // namespace
}  // namespace win::testing
