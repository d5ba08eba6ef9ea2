// The name-based checks through the keyword table, over candidate folders built by the tests.
#include <gtest/gtest.h>

#include <set>

#include "grading/deskmark/keywords.h"
#include "grading/deskmark/testing/check_cases.h"
#include "platform/win/attributes.h"

namespace deskmark {
namespace {

using testing::DeskFixture;
using Cases = std::vector<testing::CheckCase>;

constexpr uint32_t kReadOnly = win::FILE_ATTRIBUTE_READONLY;
constexpr uint32_t kHidden = win::FILE_ATTRIBUTE_HIDDEN;
constexpr uint32_t kSystem = win::FILE_ATTRIBUTE_SYSTEM;
constexpr uint32_t kArchive = win::FILE_ATTRIBUTE_ARCHIVE;

TEST(Keywords, EveryKeywordOnceAndNothingElse) {
  std::set<std::string_view> names;
  for (const Keyword& k : Keywords()) {
    EXPECT_NE(k.check, nullptr) << k.name;
    names.insert(k.name);
  }
  EXPECT_EQ(names.size(), 28u);
  EXPECT_EQ(FindCheck(""), nullptr);
  EXPECT_EQ(FindCheck("END"), nullptr);
  EXPECT_EQ(FindCheck("isfileexist"), nullptr);  // the rule loop upper-cases first
}

TEST(Checks, Existence) {
  DeskFixture f;
  f.File("a.txt", 1).Folder("Docs").File("Docs/in.doc", 3);
  f.File("links/记事本.lnk").File("links/计算器.desktop");
  f.File("bak/old.bak").Attributes("bak/old.bak", kHidden).File("bak/keep.txt");
  f.File("bak2/old.bak").File("bak2/new.bak").Folder("bak2/dir.bak");
  testing::ExpectChecks(
      f, Cases{
             {"a file exists", "ISFILEEXIST", {"A.TXT"}, true},
             {"a file in a folder", "ISFILEEXIST", {"docs\\in.doc"}, true},
             {"a folder is no file", "ISFILEEXIST", {"Docs"}, false},
             {"a wildcard opens nothing", "ISFILEEXIST", {"*.txt"}, false},
             {"a missing file", "ISFILEEXIST", {"b.txt"}, false},
             {"a folder exists", "ISFLDREXIST", {"docs"}, true},
             {"with a final separator", "ISFLDREXIST", {"Docs\\"}, true},
             {"the candidate folder itself", "ISFLDREXIST", {""}, true},
             {"a file is no folder", "ISFLDREXIST", {"a.txt"}, false},
             {"a folder is deleted", "ISFLDRDEL", {"gone"}, true},
             {"a folder is still there", "ISFLDRDEL", {"docs"}, false},
             {"a shortcut by its name", "ISKJFSEXIST", {"links", "", "记事本.lnk", ""}, true},
             {"a desktop-entry shortcut", "ISKJFSEXIST", {"links", "计算器.lnk"}, true},
             {"no such shortcut", "ISKJFSEXIST", {"links", "画图.lnk", "", ""}, false},
             {"empty names never count", "ISKJFSEXIST", {"links", "", "", ""}, false},
             {"only a hidden file of the pattern is left", "ISFILEDEL", {"bak", "*.bak"}, true},
             {"a normal file of the pattern is left", "ISFILEDEL", {"bak2", "old.bak"}, false},
             {"the third name is left", "ISFILEDEL", {"bak2", "x.bak", "", "NEW.BAK"}, false},
             {"a folder of the name counts as gone", "ISFILEDEL", {"bak2", "dir.bak"}, true},
             {"an empty name lists the whole folder", "ISFILEDEL", {"bak", ""}, false},
         });
}

TEST(Checks, AttributeWords) {
  DeskFixture f;
  f.File("rh.txt").Attributes("rh.txt", kReadOnly | kHidden);
  f.File("r.txt").Attributes("r.txt", kReadOnly | kArchive);
  f.File("plain.txt");
  f.Folder("hid").Attributes("hid", kHidden);
  f.Folder("dir");
  f.Folder("sys").Attributes("sys", kSystem | kArchive);
  f.Folder("locked").Mode("locked", 0555);
  f.Folder("locked2").Attributes("locked2", kHidden).Mode("locked2", 0500);
  testing::ExpectChecks(f, Cases{
                               {"read-only and hidden, mask 3", "FILESX", {"rh.txt", "3"}, true},
                               {"only read-only, mask 3", "FILESX", {"r.txt", "3"}, false},
                               {"mask 0 for any file", "FILESX", {"plain.txt", "0"}, true},
                               {"a new file is archive", "FILESX", {"plain.txt", "32"}, true},
                               {"a missing file", "FILESX", {"none.txt", "0"}, false},
                               {"a missing file reads -1", "FILESX", {"none.txt", "-1"}, true},
                               {"a folder is no file", "FILESX", {"dir", "16"}, false},
                               {"a plain folder is 16", "FLDRSX", {"dir", "16"}, true},
                               {"a hidden folder is not 16", "FLDRSX", {"hid", "16"}, false},
                               {"a hidden folder is 18", "FLDRSX", {"hid\\", "18"}, true},
                               {"system and archive", "FLDRSX", {"sys", "52"}, true},
                               {"no write bits: 17", "FLDRSX", {"locked", "17"}, true},
                               {"no write bits: not 16", "FLDRSX", {"locked", "16"}, false},
                               {"hidden, no write bits", "FLDRSX", {"locked2", "19"}, true},
                               {"a missing folder reads -1", "FLDRSX", {"none", "-1"}, true},
                               {"a file is no folder", "FLDRSX", {"plain.txt", "32"}, false},
                           });
}

TEST(Checks, CopyByPattern) {
  DeskFixture f;
  f.File("src/a.txt").File("src/b.txt").File("src/h.txt").Attributes("src/h.txt", kHidden);
  f.File("src/x.doc").Folder("src/sub");
  f.File("dst/a.txt").File("dst/B.TXT").File("dst/h.txt");
  f.File("half/a.txt").File("half/b.txt");
  f.File("halfdst/a.txt");
  f.File("hs/a.txt").File("hs/z.txt").Attributes("hs/z.txt", kHidden).File("hsd/a.txt");
  testing::ExpectChecks(
      f, Cases{
             {"every match copied, hidden too", "ISFILECOPY", {"src", "dst", "*.txt"}, true},
             {"one match not copied", "ISFILECOPY", {"half", "halfdst", "*.txt"}, false},
             {"nothing matches in the source", "ISFILECOPY", {"src", "dst", "*.xls"}, false},
             {"*.* lists . and .., which never open", "ISFILECOPY", {"src", "dst", "*.*"}, false},
             {"p4 matching nothing decides", "ISFILECOPY", {"src", "dst", "a.txt", "*.xls"}, false},
             {"p4 by name", "ISFILECOPY", {"src", "dst", "a.txt", "b.txt"}, true},
             {"a hidden file named in p5 is never taken as copied",
              "ISFILECOPY",
              {"src", "dst", "a.txt", "b.txt", "h.txt"},
              false},
             {"a hidden match of p4 leaves a slot that never opens",
              "ISFILECOPY",
              {"hs", "hsd", "a.txt", "*.txt"},
              false},
             {"a renamed copy", "ISFILECRENAME", {"src\\a.txt", "dst\\b.txt"}, true},
             {"a renamed copy missing", "ISFILECRENAME", {"src\\a.txt", "dst\\c.txt"}, false},
             {"folders copied", "ISFLDRCOPY", {"src", "dst"}, true},
             {"a folder copy missing", "ISFLDRCOPY", {"src", "nowhere"}, false},
             {"folders copied under a new name", "ISFLDRCRENAME", {"half", "halfdst\\"}, true},
         });
}

TEST(Checks, MoveAndRename) {
  DeskFixture f;
  f.File("to/m.txt").File("to/n.txt").File("from/other.doc");
  f.File("to2/left.txt").File("from2/left.txt");
  f.File("new.txt").Folder("newdir").Folder("olddir2").Folder("newdir2");
  testing::ExpectChecks(
      f, Cases{
             {"moved files left the source", "ISFILEMOVE", {"from", "to", "*.txt"}, true},
             {"a file in both places", "ISFILEMOVE", {"from2", "to2", "*.txt"}, false},
             {"nothing in the destination", "ISFILEMOVE", {"from", "to", "*.xls"}, false},
             {"a renamed file", "ISFILEMRENAME", {"old.txt", "new.txt"}, true},
             {"renamed but the old one stays", "ISFILEMRENAME", {"new.txt", "new.txt"}, false},
             {"a moved folder", "ISFLDRMOVE", {"olddir", "newdir"}, true},
             {"a folder in both places", "ISFLDRMOVE", {"olddir2", "newdir2"}, false},
             {"a renamed folder", "ISFLDRMRENAME", {"olddir", "NEWDIR\\"}, true},
             {"a folder renamed to nothing", "ISFLDRMRENAME", {"olddir", "none"}, false},
         });
}

// What opens is a regular file: a link to nowhere, a pipe or a folder under a file's name is not
// one, so it neither exists as a file nor stands as its copy.
TEST(Checks, OnlyARegularFileOpens) {
  DeskFixture f;
  f.File("a.txt", 1).Link("link.txt", "a.txt").Link("dangling.txt", "nowhere.txt");
  f.Pipe("pipe.txt").Folder("folder.txt").Link("folderlink.txt", "folder.txt");
  f.File("src/a.txt", 1).File("src/b.txt", 1);
  f.Link("dst/a.txt", "nowhere").Link("dst/b.txt", "nowhere");
  f.Pipe("pipes/a.txt").Pipe("pipes/b.txt");
  f.Link("lnk/记事本.lnk", "nowhere");
  testing::ExpectChecks(
      f, Cases{
             {"a file", "ISFILEEXIST", {"a.txt"}, true},
             {"a link to a file", "ISFILEEXIST", {"link.txt"}, true},
             {"a link to nowhere", "ISFILEEXIST", {"dangling.txt"}, false},
             {"a pipe", "ISFILEEXIST", {"pipe.txt"}, false},
             {"a folder under a file's name", "ISFILEEXIST", {"folder.txt"}, false},
             {"a link to a folder", "ISFILEEXIST", {"folderlink.txt"}, false},
             {"copies that are links to nowhere", "ISFILECOPY", {"src", "dst", "*.txt"}, false},
             {"copies that are pipes", "ISFILECOPY", {"src", "pipes", "*.txt"}, false},
             {"a renamed copy that leads nowhere",
              "ISFILECRENAME",
              {"src\\a.txt", "dangling.txt"},
              false},
             {"a link to nowhere carries no attributes", "FILESX", {"dangling.txt", "0"}, false},
             {"a shortcut that leads nowhere", "ISKJFSEXIST", {"lnk", "记事本.lnk"}, false},
             {"copies by size that lead nowhere", "ISFILELENCOPY", {"src", "dst", "1", "1"}, false},
         });
}

}  // namespace
}  // namespace deskmark
