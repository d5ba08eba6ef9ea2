#include "platform/win/folder_listing.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/win/attributes.h"
#include "platform/win/testing/entry_kinds.h"
#include "platform/win/testing/ordinary_user.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

constexpr uint32_t kHidden = FILE_ATTRIBUTE_HIDDEN;
constexpr uint32_t kSystem = FILE_ATTRIBUTE_SYSTEM;
constexpr uint32_t kFolder = FILE_ATTRIBUTE_DIRECTORY;

class Listing : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.Write("d/b.txt", "");
    t_.Write("d/A.TXT", "");
    t_.Write("d/hid.txt", "");
    t_.Write("d/sys.txt", "");
    t_.Write("d/hidsys.txt", "");
    t_.Write("d/Sub/inner.txt", "");
    fs::create_directories(t_.Root() / "d" / "HidSub");
    ASSERT_TRUE(SetFileAttributes(t_.Win("d\\hid.txt"), kHidden));
    ASSERT_TRUE(SetFileAttributes(t_.Win("d\\sys.txt"), kSystem));
    ASSERT_TRUE(SetFileAttributes(t_.Win("d\\hidsys.txt"), kHidden | kSystem));
    ASSERT_TRUE(SetFileAttributes(t_.Win("d\\HidSub"), kHidden));
  }
  TestFolder t_;
  testing::ScopedEnv store_{"KIRV_ATTRIBUTE_STORE", (t_.Root() / "store").string()};
};

TEST_F(Listing, ByPatternAndMask) {
  using Names = std::vector<std::string>;
  struct Case {
    const char* name;
    std::string pattern;
    uint32_t mask;
    Names names;
  } cases[] = {
      {"normal files only", "d\\*.*", 0, {"A.TXT", "b.txt"}},
      {"hidden added", "d\\*.txt", kHidden, {"A.TXT", "b.txt", "hid.txt"}},
      {"system added", "d\\*.txt", kSystem, {"A.TXT", "b.txt", "sys.txt"}},
      {"both bits for both",
       "d\\*.txt",
       kHidden | kSystem,
       {"A.TXT", "b.txt", "hid.txt", "hidsys.txt", "sys.txt"}},
      {"folders with the dots", "d\\*", kFolder, {".", "..", "A.TXT", "b.txt", "Sub"}},
      {"everything",
       "d\\*.*",
       kHidden | kSystem | kFolder,
       {".", "..", "A.TXT", "b.txt", "hid.txt", "HidSub", "hidsys.txt", "Sub", "sys.txt"}},
      {"a trailing separator lists as *.*", "D\\", kFolder, {".", "..", "A.TXT", "b.txt", "Sub"}},
      {"a pattern the dots do not match", "d\\*.txt", kFolder, {"A.TXT", "b.txt"}},
      {"one name, any case", "d\\a.txt", 0, {"A.TXT"}},
      {"a hidden name without its bit", "d\\HID.TXT", 0, {}},
      {"a folder name without the folder bit", "d\\sub", 0, {}},
      {"a missing folder", "none\\*.*", kHidden | kSystem | kFolder, {}},
      {"a file taken for a folder", "d\\b.txt\\*", kFolder, {}},
  };
  for (const Case& c : cases) {
    base::Result<Names> names = ListNames(t_.Win(c.pattern), c.mask);
    ASSERT_TRUE(names) << c.name << ": " << names.error().message;
    EXPECT_EQ(*names, c.names) << c.name;
  }
  const base::Result<Names> bad = ListNames(t_.Win("d\\a|b"), 0);
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.error().code, EINVAL);
}

TEST_F(Listing, EntriesCarrySizeTimeAndLazyAttributes) {
  t_.Write("d/five.bin", "12345");
  const std::time_t when = UnixTimeOf(LocalSecondsOfCivil(2024, 6, 1, 8, 5, 7));
  const struct timespec times[2] = {{when, 0}, {when, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, (t_.Root() / "d" / "five.bin").c_str(), times, 0), 0);

  base::Result<FolderListing> listing = FolderListing::Read(t_.Win("D"));
  ASSERT_TRUE(listing) << listing.error().message;
  const FolderEntry* five = listing->Find("FIVE.BIN");
  ASSERT_NE(five, nullptr);
  EXPECT_EQ(listing->Stat(*five).size, 5u);
  EXPECT_FALSE(five->isFolder);
  EXPECT_EQ(listing->LastWriteLocal(*five), LocalSecondsOfCivil(2024, 6, 1, 8, 5, 7));
  EXPECT_EQ(listing->Attributes(*five), FILE_ATTRIBUTE_ARCHIVE);
  const FolderEntry* sub = listing->Find("sub");
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(sub->isFolder);
  EXPECT_EQ(listing->Attributes(*listing->Find("hidsub")), kFolder | kHidden);
  EXPECT_EQ(listing->Find("nothing"), nullptr);

  const base::Result<FolderListing> missing = FolderListing::Read(t_.Win("none"));
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, ENOENT);
}

// Only a regular file is readable, as root and as an ordinary user alike; permission bits stop
// only the ordinary user. The listing is read by whoever asks.
TEST(ListingReadable, OnlyARegularFile) {
  TestFolder t;
  fs::create_directories(t.Root() / "kinds");
  const std::vector<testing::OpenCase> cases = testing::MakeEntriesThatMayOpen(t.Root() / "kinds");
  fs::permissions(t.Root(), fs::perms(0755));
  const auto firstWrong = [&](bool asRoot) {
    const base::Result<FolderListing> listing = FolderListing::Read(t.Win("kinds"));
    if (!listing) return testing::kCannotReach;
    return testing::FirstWrong(cases, asRoot, [&](const char* name) {
      const FolderEntry* entry = listing->Find(name);
      return entry != nullptr && listing->Readable(*entry);
    });
  };
  const int wrong = firstWrong(::geteuid() == 0);
  EXPECT_EQ(wrong, 0) << testing::RowName(cases, wrong);
  const std::optional<int> wrongAsUser = testing::AsOrdinaryUser([&] { return firstWrong(false); });
  if (!wrongAsUser) GTEST_SKIP() << "cannot run as an ordinary user here";
  EXPECT_EQ(*wrongAsUser, 0) << testing::RowName(cases, *wrongAsUser);
}

}  // namespace
}  // namespace win
