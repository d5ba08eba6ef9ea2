// The test folders themselves: where they are made, that each is new, and that clean-up leaves
// nothing behind (read-only content included) and nothing outside touched.
#include "platform/win/test_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace win::testing {
namespace {

namespace fs = std::filesystem;

// Sets or clears an environment variable for one scope.
class EnvOverride {
 public:
  EnvOverride(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(name, value);
  }
  ~EnvOverride() { Set(name_.c_str(), old_.empty() ? nullptr : old_.c_str()); }

 private:
  static void Set(const char* name, const char* value) {
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  std::string name_, old_;
};

TEST(TempFolder, MadeFreshUnderTheTestRootWhichIsCreatedIfMissing) {
  ScopedTempFolder outer("root_");
  const fs::path root = outer.Path() / "not" / "yet";
  EnvOverride env("KIRV_TEST_TMP", root.c_str());
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
    EnvOverride env("KIRV_TEST_TMP", value);
    ScopedTempFolder t("fallback_");
    EXPECT_EQ(t.Path().parent_path(), fs::temp_directory_path());
    EXPECT_TRUE(fs::is_directory(t.Path()));
  }
}

TEST(TempFolder, FailureIsReportedNotAnEmptyPath) {
  ScopedTempFolder outer("root_");
  std::ofstream(outer.Path() / "file") << "x";
  {
    EnvOverride env("KIRV_TEST_TMP", (outer.Path() / "file").c_str());  // not a folder
    EXPECT_THROW(MakeTempFolder("x_"), fs::filesystem_error);
  }
  EnvOverride env("KIRV_TEST_TMP", outer.Path().c_str());
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

}  // namespace
}  // namespace win::testing
