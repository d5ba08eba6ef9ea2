#include "platform/win/attributes.h"

#include <sys/xattr.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/win/testing/ordinary_user.h"
#include "platform/win/testing/scoped_env.h"
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
  testing::ScopedEnv store_{"KIRV_ATTRIBUTE_STORE", (t_.Root() / "store" / "attributes").string()};
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

// A folder is read-only as a file is: without write bits, or by its stored bit. Clearing it
// gives the owner the write bit back; setting it leaves the folder writable, as the platform's
// read-only folder still takes new files.
TEST_P(Attributes, AFolderWithoutWriteBitsIsReadOnly) {
  const fs::path d = t_.Root() / "locked";
  fs::create_directories(d);
  fs::permissions(d, fs::perms(0555));
  EXPECT_EQ(GetFileAttributes(t_.Win("locked")),
            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(*GetAttributeWord(t_.Win("locked\\")), 17);
  ASSERT_TRUE(SetFileAttributes(t_.Win("locked"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(GetFileAttributes(t_.Win("locked")),
            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(fs::status(d).permissions(), fs::perms(0555));
  ASSERT_TRUE(SetFileAttributes(t_.Win("locked"), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(GetFileAttributes(t_.Win("locked")), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
  EXPECT_NE(fs::status(d).permissions() & fs::perms::owner_write, fs::perms::none);
  ASSERT_TRUE(SetFileAttributes(t_.Win("locked"), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(GetFileAttributes(t_.Win("locked")),
            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY);
  EXPECT_NE(fs::status(d).permissions() & fs::perms::owner_write, fs::perms::none);
}

// Storing needs the folder writable for a moment, which its owner may do, root or not.
TEST_P(Attributes, AnOwnerSetsAttributesOfHisFolderWithoutWriteBits) {
  const fs::path d = t_.Root() / "mine";
  fs::create_directories(d);
  fs::create_directories(t_.Root() / "store");
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(d.c_str(), testing::kNobody, testing::kNobody), 0);
    ASSERT_EQ(::chown((t_.Root() / "store").c_str(), testing::kNobody, testing::kNobody), 0);
    fs::permissions(t_.Root(), fs::perms(0755));
  }
  fs::permissions(d, fs::perms(0555));
  const std::optional<int> answer = testing::AsOrdinaryUser([&] {
    if (::access(d.c_str(), R_OK | X_OK) != 0) return testing::kCannotReach;
    if (!SetFileAttributes(t_.Win("mine"), FILE_ATTRIBUTE_HIDDEN)) return 1;
    return GetFileAttributes(t_.Win("mine")) == (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN)
               ? 0
               : 2;
  });
  if (!answer) GTEST_SKIP() << "cannot run as an ordinary user here";
  EXPECT_EQ(*answer, 0) << "1: not set, 2: set but read back otherwise";
}

// A link has no attributes of its own here, and its target is not changed through it.
TEST_P(Attributes, SettingALinkLeavesItsTarget) {
  const fs::path target = t_.Write("target.txt", "x");
  fs::create_directories(t_.Root() / "dir");
  fs::create_symlink("target.txt", t_.Root() / "link.txt");
  fs::create_symlink("dir", t_.Root() / "dirlink");
  fs::create_symlink("nowhere", t_.Root() / "dangling");
  const fs::perms before = fs::status(target).permissions();
  for (const char* link : {"link.txt", "dirlink", "dangling"}) {
    const base::Status set =
        SetAttributeWord(t_.Win(link), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(set) << link;
  }
  EXPECT_EQ(GetFileAttributes(t_.Win("target.txt")), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(fs::status(target).permissions(), before);
  EXPECT_EQ(GetFileAttributes(t_.Win("dir")), FILE_ATTRIBUTE_DIRECTORY);
}

TEST_P(Attributes, DotNamesReadHidden) {
  t_.Write(".profile", "");
  EXPECT_EQ(GetFileAttributes(t_.Win(".profile")), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
}

TEST_P(Attributes, FallbackLeavesTheFileUntouched) {
  const fs::path f = t_.Write("s.txt", "x");
  ASSERT_TRUE(SetFileAttributes(t_.Win("s.txt"), FILE_ATTRIBUTE_HIDDEN));
  const bool inXattr = ::getxattr(f.c_str(), "user.DOSATTRIB", nullptr, 0) >= 0;
  if (GetParam()) {
    EXPECT_FALSE(inXattr);
  }
  EXPECT_EQ(fs::exists(t_.Root() / "store" / "attributes"), GetParam() || !inXattr);
}

TEST_P(Attributes, AttributeWordAsTheRunTimeGivesIt) {
  t_.Write("f.txt", "x");
  fs::create_directories(t_.Root() / "d");
  EXPECT_EQ(*GetAttributeWord(t_.Win("f.txt")), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(*GetAttributeWord(t_.Win("d\\")), FILE_ATTRIBUTE_DIRECTORY);
  ASSERT_TRUE(SetAttributeWord(t_.Win("f.txt"), 0));
  EXPECT_EQ(*GetAttributeWord(t_.Win("f.txt")), 0);  // no NORMAL bit in the word
  ASSERT_TRUE(SetAttributeWord(t_.Win("d"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_EQ(*GetAttributeWord(t_.Win("d")), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);

  const base::Result<uint16_t> missing = GetAttributeWord(t_.Win("missing"));
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, ENOENT);
  const base::Status notSet = SetAttributeWord(t_.Win("missing"), FILE_ATTRIBUTE_HIDDEN);
  ASSERT_FALSE(notSet);
  EXPECT_EQ(notSet.error().code, ENOENT);
}

INSTANTIATE_TEST_SUITE_P(Store, Attributes, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "SideCar" : "Xattr"; });

}  // namespace
}  // namespace win

namespace win {
namespace {

// What Wine and Samba write, read back as they mean it; what we write, readable by them.
class DosAttrib : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = t_.Write("f.txt", "x");
    if (::setxattr(file_.c_str(), "user.probe", "1", 1, 0) != 0)
      GTEST_SKIP() << "no extended attributes here";
    ::removexattr(file_.c_str(), "user.probe");
  }
  std::string Stored(const char* name) const {
    char buf[64];
    const ssize_t n = ::getxattr(file_.c_str(), name, buf, sizeof buf);
    return n < 0 ? std::string("(none)") : std::string(buf, static_cast<size_t>(n));
  }
  void Put(const char* name, std::string_view value) const {
    ASSERT_EQ(::setxattr(file_.c_str(), name, value.data(), value.size(), 0), 0);
  }
  TestFolder t_;
  fs::path file_;
};

TEST_F(DosAttrib, ReadsWhatWineAndSambaWrite) {
  struct Case {
    const char* name;
    std::string value;
    uint32_t read;
  } cases[] = {
      {"hidden and archive, as Wine writes it", "0x22", 0x22},
      {"hidden and system", "0x6", 0x6},
      {"upper-case hex", "0X24", 0x24},
      {"Samba's text, NUL and a binary record", std::string("0x2\0\x03\x00\x11\x00\x00\x00", 10),
       0x2},
      {"nothing set", "0x0", FILE_ATTRIBUTE_NORMAL},
      {"no hex at all: the default", "junk", FILE_ATTRIBUTE_ARCHIVE},
  };
  for (const Case& c : cases) {
    Put("user.DOSATTRIB", c.value);
    EXPECT_EQ(GetFileAttributes(t_.Win("f.txt")), c.read) << c.name;
  }
}

TEST_F(DosAttrib, WritesHexTextAndReplacesTheOlderName) {
  Put("user.kirv.attributes", "6");  // hidden and system, as earlier versions stored them
  EXPECT_EQ(GetFileAttributes(t_.Win("f.txt")), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(SetFileAttributes(t_.Win("f.txt"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_EQ(Stored("user.DOSATTRIB"), "0x22");
  EXPECT_EQ(Stored("user.kirv.attributes"), "(none)");
  ASSERT_TRUE(SetFileAttributes(t_.Win("f.txt"), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(Stored("user.DOSATTRIB"), "0x1");

  fs::create_directories(t_.Root() / "d");
  ASSERT_TRUE(SetFileAttributes(t_.Win("d"), FILE_ATTRIBUTE_HIDDEN));
  char buf[16];
  const ssize_t n = ::getxattr((t_.Root() / "d").c_str(), "user.DOSATTRIB", buf, sizeof buf);
  EXPECT_EQ(std::string(buf, n > 0 ? static_cast<size_t>(n) : 0), "0x12");
}

}  // namespace
}  // namespace win
