#include "platform/win/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>

#include "platform/win/attributes.h"
#include "platform/win/testing/entry_kinds.h"
#include "platform/win/testing/ordinary_user.h"
#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

std::vector<std::string> Names(const std::vector<FindData>& found) {
  std::vector<std::string> out;
  for (const FindData& f : found) out.push_back(f.name);
  return out;
}

TEST(Files, WildcardMatch) {
  struct Case {
    const char* pattern;
    const char* name;
    bool match;
  } cases[] = {
      {"*.ocx", "docmark.OCX", true},
      {"*.ocx", "docmark.ocx.bak", false},
      {"?.txt", "a.txt", true},
      {"?.txt", "ab.txt", false},
      {"*.*", "noext", true},
      {"*.*", "..", true},
      {"a*b*c", "axxbyyc", true},
      {"a*b*c", "axxbyy", false},
      {"*", "", true},
      {"考*", "考试.doc", true},
      {"KA?", "ka", true},  // "?" may match nothing at the end of a name
      {"a?.txt", "a.txt", true},
      {"a?txt", "a.txt", false},
      {"file??.doc", "file1.doc", true},
      {"file?", "file12", false},
      {"*.", "README", true},
      {"*.", "read.me", false},
      {"a.", "A", true},
      {"*.txt", ".", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST(Files, OpensForReading) {
  TestFolder t;
  t.Write("a.txt", "x");
  t.Write("empty.txt", "");
  fs::create_directories(t.Root() / "Dir");
  struct Case {
    const char* path;
    bool opens;
  } cases[] = {
      {"A.TXT", true},  {"empty.txt", true}, {"dir", false},
      {"*.txt", false}, {"a?txt", false},    {"missing.txt", false},
  };
  for (const Case& c : cases) EXPECT_EQ(FileOpensForReading(t.Win(c.path)), c.opens) << c.path;
  if (::geteuid() != 0) {  // root reads every file
    fs::permissions(t.Root() / "a.txt", fs::perms::none);
    EXPECT_FALSE(FileOpensForReading(t.Win("a.txt")));
  }
}

// Only a regular file opens, as root and as an ordinary user alike; permission bits stop only
// the ordinary user.
TEST(Files, OnlyARegularFileOpensForReading) {
  TestFolder t;
  const std::vector<testing::OpenCase> cases = testing::MakeEntriesThatMayOpen(t.Root());
  const auto opens = [&](const char* name) { return FileOpensForReading(t.Win(name)); };
  const int wrong = testing::FirstWrong(cases, ::geteuid() == 0, opens);
  EXPECT_EQ(wrong, 0) << testing::RowName(cases, wrong);
  const std::optional<int> wrongAsUser = testing::AsOrdinaryUser([&] {
    if (::access(t.Root().c_str(), R_OK | X_OK) != 0) return testing::kCannotReach;
    return testing::FirstWrong(cases, false, opens);
  });
  if (!wrongAsUser) GTEST_SKIP() << "cannot run as an ordinary user here";
  EXPECT_EQ(*wrongAsUser, 0) << testing::RowName(cases, *wrongAsUser);
}

TEST(Files, FolderOperationsSayWhyTheyFail) {
  TestFolder t;
  t.Write("Full/f", "");
  struct Case {
    const char* name;
    base::Status status;
    int code;
  } cases[] = {
      {"make an existing folder", MakeFolder(t.Win("full")), EEXIST},
      {"make under a missing parent", MakeFolder(t.Win("no\\parent")), ENOENT},
      {"remove a folder that holds a file", RemoveFolder(t.Win("Full")), ENOTEMPTY},
      {"remove a missing folder", RemoveFolder(t.Win("gone")), ENOENT},
      {"remove a file as a folder", RemoveFolder(t.Win("full\\f")), ENOTDIR},
      {"change to a missing folder", ChangeFolder(t.Win("gone")), ENOENT},
  };
  for (const Case& c : cases) {
    ASSERT_FALSE(c.status) << c.name;
    EXPECT_EQ(c.status.error().code, c.code) << c.name << ": " << c.status.error().message;
  }
  EXPECT_TRUE(MakeFolder(t.Win("New\\")));
  EXPECT_TRUE(RemoveFolder(t.Win("NEW")));
  EXPECT_FALSE(fs::exists(t.Root() / "New"));
}

TEST(Files, FindFilesListsMatchesWithDetails) {
  TestFolder t;
  t.Write("Ocx/a.ocx", "12345");
  t.Write("Ocx/B.OCX", "");
  t.Write("Ocx/c.txt", "");
  t.Write("Ocx/noext", "");
  fs::create_directories(t.Root() / "Ocx" / "Folder");
  struct Case {
    std::string pattern;
    std::vector<std::string> names;
  } cases[] = {
      {t.Win("ocx\\*.ocx"), {"B.OCX", "a.ocx"}},
      {t.Win("OCX\\?.TXT"), {"c.txt"}},
      {t.Win("Ocx\\*.*"), {"B.OCX", "Folder", "a.ocx", "c.txt", "noext"}},
      {t.Win("Ocx\\NOEXT"), {"noext"}},
      {t.Win("Ocx\\folder"), {"Folder"}},
      {t.Win("Ocx\\x*"), {}},
      {t.Win("Ocx\\"), {}},  // a trailing separator finds nothing
      {t.Win("Nowhere\\*"), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Names(FindFiles(c.pattern)), c.names) << c.pattern;

  const std::vector<FindData> one = FindFiles(t.Win("Ocx\\a.ocx"));
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].size, 5u);
  EXPECT_FALSE(one[0].isFolder);
  EXPECT_GT(one[0].lastWriteTime, 0);
  const std::vector<FindData> folder = FindFiles(t.Win("Ocx\\Folder"));
  ASSERT_EQ(folder.size(), 1u);
  EXPECT_TRUE(folder[0].isFolder);
  EXPECT_TRUE(folder[0].attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Files, CopyMoveDeleteAndFolders) {
  TestFolder t;
  t.Write("src.txt", "one");
  t.Write("other.txt", "two");
  EXPECT_TRUE(CopyFile(t.Win("SRC.txt"), t.Win("copy.txt"), true));
  EXPECT_EQ(TestFolder::Read(t.Root() / "copy.txt"), "one");
  EXPECT_FALSE(CopyFile(t.Win("other.txt"), t.Win("copy.txt"), true));
  EXPECT_EQ(TestFolder::Read(t.Root() / "copy.txt"), "one");
  EXPECT_TRUE(CopyFile(t.Win("other.txt"), t.Win("copy.txt"), false));
  EXPECT_EQ(TestFolder::Read(t.Root() / "copy.txt"), "two");
  EXPECT_FALSE(CopyFile(t.Win("missing.txt"), t.Win("x.txt"), false));
  ASSERT_TRUE(SetFileAttributes(t.Win("other.txt"), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_TRUE(CopyFile(t.Win("other.txt"), t.Win("hidden copy.txt"), true));
  EXPECT_EQ(GetFileAttributes(t.Win("hidden copy.txt")), FILE_ATTRIBUTE_HIDDEN);

  EXPECT_FALSE(MoveFile(t.Win("src.txt"), t.Win("copy.txt")));  // target exists
  EXPECT_EQ(TestFolder::Read(t.Root() / "copy.txt"), "two");
  EXPECT_TRUE(MoveFile(t.Win("src.txt"), t.Win("moved.txt")));
  EXPECT_FALSE(PathExists(t.Win("src.txt")));
  EXPECT_TRUE(MoveFile(t.Win("moved.txt"), t.Win("copy.txt"), true));
  EXPECT_EQ(TestFolder::Read(t.Root() / "copy.txt"), "one");

  ASSERT_TRUE(SetFileAttributes(t.Win("copy.txt"), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(DeleteFile(t.Win("copy.txt")));
  EXPECT_TRUE(PathExists(t.Win("copy.txt")));
  ASSERT_TRUE(SetFileAttributes(t.Win("copy.txt"), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(DeleteFile(t.Win("COPY.TXT")));
  EXPECT_FALSE(PathExists(t.Win("copy.txt")));

  EXPECT_TRUE(CreateDirectory(t.Win("Dir\\")));
  EXPECT_FALSE(CreateDirectory(t.Win("Dir")));
  EXPECT_FALSE(CreateDirectory(t.Win("No\\Parent")));
  EXPECT_TRUE(IsFolder(t.Win("dir")));
  t.Write("Dir/f", "");
  EXPECT_FALSE(RemoveDirectory(t.Win("Dir")));
  EXPECT_FALSE(DeleteFile(t.Win("Dir")));
  EXPECT_TRUE(DeleteFile(t.Win("Dir\\f")));
  EXPECT_TRUE(RemoveDirectory(t.Win("DIR")));
  EXPECT_FALSE(PathExists(t.Win("Dir")));
}

TEST(Files, CurrentFolderInWindowsForm) {
  TestFolder t;
  fs::create_directories(t.Root() / "Here");
  const std::string before = GetCurrentDirectory();
  ASSERT_TRUE(SetCurrentDirectory(t.Win("here\\")));
  EXPECT_EQ(GetCurrentDirectory(), t.Win("Here"));
  EXPECT_FALSE(SetCurrentDirectory(t.Win("nowhere")));
  ASSERT_TRUE(SetCurrentDirectory(before));
}

}  // namespace
}  // namespace win
