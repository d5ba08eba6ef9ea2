#include "platform/win/attributes.h"

#include <sys/xattr.h>

#include <gtest/gtest.h>

#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

// Runs each case with extended attributes and again with the side-car store.
class Attributes : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { ForceAttributeStoreFallback(GetParam()); }
  void TearDown() override { ForceAttributeStoreFallback(false); }
  TestFolder t_;
  testing::ScopedEnv store_{"KIRV_ATTRIBUTE_STORE", t_.Root() / "store" / "attributes"};
};

TEST_P(Attributes, RoundTrip) {
  t_.Write("f.txt", "x");
  fs::create_directories(t_.Root() / "d");
  EXPECT_EQ(GetFileAttributes(t_.Win("missing")), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributes(t_.Win("F.TXT")), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(GetFileAttributes(t_.Win("d")), FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_FALSE(SetFileAttributes(t_.Win("missing"), FILE_ATTRIBUTE_HIDDEN));

  struct Case {
    const char* path;
    uint32_t set, read;
  } cases[] = {
      {"f.txt", FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN},
      {"f.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM,
       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM},
      {"f.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE,  // from read-only back
       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE},
      {"f.txt", FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_NORMAL},
      {"f.txt", FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_NORMAL},  // not a settable bit
      {"d", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY,
       FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY},
      {"d", FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_DIRECTORY},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(SetFileAttributes(t_.Win(c.path), c.set)) << c.path << " " << c.set;
    EXPECT_EQ(GetFileAttributes(t_.Win(c.path)), c.read) << c.path << " " << c.set;
  }
}

TEST_P(Attributes, ReadOnlyIsTheWriteBit) {
  const fs::path f = t_.Write("r.txt", "x");
  ASSERT_TRUE(SetFileAttributes(t_.Win("r.txt"), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(fs::status(f).permissions() & fs::perms::owner_write, fs::perms::none);
  ASSERT_TRUE(SetFileAttributes(t_.Win("r.txt"), FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_NE(fs::status(f).permissions() & fs::perms::owner_write, fs::perms::none);
  fs::permissions(f, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(GetFileAttributes(t_.Win("r.txt")), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
}

TEST_P(Attributes, DotNamesReadHidden) {
  t_.Write(".profile", "");
  EXPECT_EQ(GetFileAttributes(t_.Win(".profile")), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
}

TEST_P(Attributes, FallbackLeavesTheFileUntouched) {
  const fs::path f = t_.Write("s.txt", "x");
  ASSERT_TRUE(SetFileAttributes(t_.Win("s.txt"), FILE_ATTRIBUTE_HIDDEN));
  const bool inXattr = ::getxattr(f.c_str(), "user.kirv.attributes", nullptr, 0) >= 0;
  if (GetParam()) {
    EXPECT_FALSE(inXattr);
  }
  EXPECT_EQ(fs::exists(t_.Root() / "store" / "attributes"), GetParam() || !inXattr);
}

INSTANTIATE_TEST_SUITE_P(Store, Attributes, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "SideCar" : "Xattr"; });

}  // namespace
}  // namespace win
