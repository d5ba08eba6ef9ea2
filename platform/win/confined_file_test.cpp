#include "platform/win/confined_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <functional>

#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;
using testing::ScopedTempFolder;

void Write(const fs::path& file, std::string_view text) {
  std::ofstream(file, std::ios::binary) << text;
}

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A candidate folder with an answer key beside it, outside.
struct Folders {
  ScopedTempFolder top{"confined_"};
  fs::path candidate = top.Path() / "26001";
  fs::path key = top.Path() / "Sel.ans";
  Folders() {
    fs::create_directories(candidate / "Selkt");
    Write(key, "1-A\n2-B\n");
  }
};

// The bytes read, or an error of `code` (0: the read must succeed).
void ExpectRead(const base::Result<std::string>& read, int code, std::string_view bytes) {
  if (code == 0) {
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(*read, bytes);
  } else {
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().code, code) << read.error().message;
    EXPECT_EQ(ReadsAsMissing(read.error()), code == ENOENT);
  }
}

TEST(ConfinedFile, ReadsOnlyRegularFilesThatStayInsideTheFolder) {
  struct Case {
    const char* name;
    std::function<void(const Folders&, const fs::path& record)> make;
    int code;  // 0: read
    const char* bytes;
  } cases[] = {
      {"regular file", [](const Folders&, const fs::path& r) { Write(r, "1-A\n"); }, 0, "1-A\n"},
      {"link that stays inside",
       [](const Folders& f, const fs::path& r) {
         Write(f.candidate / "mine.txt", "2-B\n");
         fs::create_symlink("../mine.txt", r);
       },
       0, "2-B\n"},
      {"missing", [](const Folders&, const fs::path&) {}, ENOENT, ""},
      {"FIFO", [](const Folders&, const fs::path& r) { ASSERT_EQ(::mkfifo(r.c_str(), 0644), 0); },
       ENOENT, ""},
      {"link to /dev/zero",
       [](const Folders&, const fs::path& r) { fs::create_symlink("/dev/zero", r); }, ENOENT, ""},
      {"link to the answer key",
       [](const Folders& f, const fs::path& r) { fs::create_symlink(f.key, r); }, ENOENT, ""},
      {"relative link out of the folder",
       [](const Folders&, const fs::path& r) { fs::create_symlink("../../Sel.ans", r); }, ENOENT,
       ""},
      {"folder through a link",
       [](const Folders& f, const fs::path& r) {
         fs::create_directory_symlink(f.top.Path(), f.candidate / "up");
         fs::create_symlink(f.candidate / "up" / "Sel.ans", r);
       },
       ENOENT, ""},
      {"dangling link", [](const Folders&, const fs::path& r) { fs::create_symlink("nowhere", r); },
       ENOENT, ""},
      {"folder", [](const Folders&, const fs::path& r) { fs::create_directory(r); }, ENOENT, ""},
      {"over the cap", [](const Folders&, const fs::path& r) { Write(r, std::string(65, 'x')); },
       EFBIG, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Folders folders;
    const fs::path record = folders.candidate / "Selkt" / "26001.txt";
    c.make(folders, record);
    ExpectRead(ReadConfinedFile(record, folders.candidate, 64), c.code, c.bytes);
  }
}

// A folder resolved once still has every file checked on its own, files named straight in it
// (read by the folder's real path and the name) as much as those further down: what was made
// after the folder was resolved, the folder itself swapped for a link out, a name that climbs.
TEST(ConfinedFile, AFolderResolvedOnceStillChecksEveryFile) {
  struct Case {
    const char* name;
    const char* file;  // in the candidate's folder, as the folder is given plus this
    std::function<void(const Folders&)> make;
    int code;  // 0: read
    const char* bytes;
  } cases[] = {
      {"regular file", "a.txt", [](const Folders& f) { Write(f.candidate / "a.txt", "1-A\n"); }, 0,
       "1-A\n"},
      {"link that stays inside", "a.txt",
       [](const Folders& f) {
         Write(f.candidate / "Selkt" / "b.txt", "2-B\n");
         fs::create_symlink("Selkt/b.txt", f.candidate / "a.txt");
       },
       0, "2-B\n"},
      {"file further down", "Selkt/a.txt",
       [](const Folders& f) { Write(f.candidate / "Selkt" / "a.txt", "3-C\n"); }, 0, "3-C\n"},
      {"link to the answer key", "a.txt",
       [](const Folders& f) { fs::create_symlink(f.key, f.candidate / "a.txt"); }, ENOENT, ""},
      {"name that climbs out", "../Sel.ans", [](const Folders&) {}, ENOENT, ""},
      {"the folder's parent", "..", [](const Folders&) {}, ENOENT, ""},
      {"dangling link", "a.txt",
       [](const Folders& f) { fs::create_symlink("nowhere", f.candidate / "a.txt"); }, ENOENT, ""},
      {"FIFO", "a.txt",
       [](const Folders& f) { ASSERT_EQ(::mkfifo((f.candidate / "a.txt").c_str(), 0644), 0); },
       ENOENT, ""},
      {"folder swapped for a link out", "Sel.ans",
       [](const Folders& f) {
         fs::rename(f.candidate, f.top.Path() / "moved");
         fs::create_directory_symlink(f.top.Path(), f.candidate);
       },
       ENOENT, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Folders folders;
    // Given as a caller hands a folder, with its trailing separator.
    base::Result<ConfinedFolder> folder = ConfinedFolder::Resolve(folders.candidate / "");
    ASSERT_TRUE(folder) << folder.error().message;
    c.make(folders);
    ExpectRead(ReadConfinedFile(folders.candidate / c.file, *folder, 64), c.code, c.bytes);
  }
  ScopedTempFolder gone{"confined_gone_"};
  const fs::path missing = gone.Path() / "no-such-folder";
  base::Result<ConfinedFolder> none = ConfinedFolder::Resolve(missing);
  ASSERT_FALSE(none);
  EXPECT_TRUE(ReadsAsMissing(none.error())) << none.error().message;
}

// A check folder is confined to the candidate folder it lies in: one that is a link out of it
// (to a folder elsewhere, to the answer folder) reads as missing, its files are not read and no
// log goes into it; a link to another folder of the candidate's stays inside.
TEST(ConfinedFile, ACheckFolderLinkedOutOfTheCandidateFolderReadsAsMissing) {
  struct Case {
    const char* name;
    std::function<void(const Folders&, const fs::path& check)> make;
    bool inside;
  } cases[] = {
      {"folder of its own", [](const Folders&, const fs::path& c) { fs::create_directory(c); },
       true},
      {"link to another folder of the candidate's",
       [](const Folders&, const fs::path& c) { fs::create_directory_symlink("Selkt", c); }, true},
      {"link to a folder elsewhere",
       [](const Folders& f, const fs::path& c) {
         fs::create_directory(f.top.Path() / "w");
         fs::create_directory_symlink(f.top.Path() / "w", c);
       },
       false},
      {"link to the folder above",
       [](const Folders&, const fs::path& c) { fs::create_directory_symlink("..", c); }, false},
      {"dangling link",
       [](const Folders&, const fs::path& c) { fs::create_directory_symlink("nowhere", c); },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Folders f;
    const fs::path check = f.candidate / "wordkt";
    c.make(f, check);
    if (fs::is_directory(check)) Write(check / "a.docx", "PK");
    const size_t outsideBefore = std::distance(fs::directory_iterator(f.top.Path()), {});
    base::Result<ConfinedFolder> folder = ConfinedFolder::OfCheckFolder(check / "");
    if (c.inside) {
      ASSERT_TRUE(folder) << folder.error().message;
      EXPECT_EQ(folder->real(), fs::canonical(f.candidate).string());
      ExpectRead(ReadConfinedFile(check / "a.docx", *folder, 64), 0, "PK");
      const base::Status logged = AppendToLogFile(check / "docmark.txt", "x\r\n", false, &*folder);
      EXPECT_TRUE(logged) << logged.error().message;
    } else {
      ASSERT_FALSE(folder);
      EXPECT_TRUE(ReadsAsMissing(folder.error())) << folder.error().message;
      // Confined to the candidate folder by hand: the log is not written through the link either.
      base::Result<ConfinedFolder> candidate = ConfinedFolder::Resolve(f.candidate);
      ASSERT_TRUE(candidate);
      EXPECT_FALSE(AppendToLogFile(check / "docmark.txt", "x\r\n", false, &*candidate));
      LogFile kept;
      EXPECT_FALSE(kept.Append(check / "docmark.txt", "x\r\n", &*candidate));
      ExpectRead(ReadConfinedFile(check / "a.docx", *candidate, 64), ENOENT, "");
      base::Result<fs::path> writable = WritablePath(check / "atmq.doc", *candidate);
      ASSERT_FALSE(writable);
      EXPECT_TRUE(ReadsAsMissing(writable.error()));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(f.top.Path()), {}), outsideBefore);
    EXPECT_FALSE(fs::exists(f.top.Path() / "w" / "docmark.txt"));
    EXPECT_FALSE(fs::exists(f.top.Path() / "docmark.txt"));
  }
}

TEST(ConfinedFile, RegularFileReadFollowsLinksButNeverBlocksOrOverflows) {
  Folders f;
  fs::create_symlink(f.key, f.top.Path() / "key-link");
  ASSERT_EQ(::mkfifo((f.top.Path() / "fifo").c_str(), 0644), 0);
  EXPECT_EQ(ReadRegularFile(f.top.Path() / "key-link", kTextFileCap).value_or(""), "1-A\n2-B\n");
  EXPECT_TRUE(ReadsAsMissing(ReadRegularFile(f.top.Path() / "fifo", kTextFileCap).error()));
  EXPECT_TRUE(ReadsAsMissing(ReadRegularFile("/dev/zero", kTextFileCap).error()));
  EXPECT_EQ(ReadRegularFile(f.key, 3).error().code, EFBIG);
}

TEST(ConfinedFile, APrefixReadsTheFirstBytesOnly) {
  Folders f;
  base::Result<OpenedFile> file = OpenRegularFile(f.key, kTextFileCap);
  ASSERT_TRUE(file);
  char out[16] = {};
  EXPECT_EQ(file->ReadPrefix(out, 3).value_or(0), 3u);
  EXPECT_EQ(std::string_view(out, 3), "1-A");
  // Asked for more than the file holds: what it holds.
  EXPECT_EQ(file->ReadPrefix(out, sizeof out).value_or(0), 8u);
  EXPECT_EQ(std::string_view(out, 8), "1-A\n2-B\n");
}

// The same rules whether each line opens the log or a LogFile keeps it open over the lines.
TEST(ConfinedFile, LogsAreAppendedOnlyToRegularFilesNamedDirectly) {
  LogFile kept;
  const struct {
    const char* name;
    std::function<base::Status(const fs::path&, std::string_view)> append;
  } appenders[] = {
      {"opened per line",
       [](const fs::path& p, std::string_view b) { return AppendToLogFile(p, b); }},
      {"kept open", [&kept](const fs::path& p, std::string_view b) { return kept.Append(p, b); }},
  };
  for (const auto& a : appenders) {
    SCOPED_TRACE(a.name);
    Folders f;
    const fs::path log = f.candidate / "1234.txt";
    ASSERT_TRUE(a.append(log, "a 1分\r\n"));
    ASSERT_TRUE(a.append(log, "b 0分\r\n"));
    EXPECT_EQ(Read(log), "a 1分\r\nb 0分\r\n");

    // A link is not followed: the outside file stays as it was.
    const fs::path linked = f.candidate / "Selkt" / "1234.txt";
    fs::create_symlink(f.key, linked);
    EXPECT_FALSE(a.append(linked, "x\r\n"));
    EXPECT_EQ(Read(f.key), "1-A\n2-B\n");
    fs::create_symlink(f.top.Path() / "new.txt", f.candidate / "dangling.txt");
    EXPECT_FALSE(a.append(f.candidate / "dangling.txt", "x\r\n"));
    EXPECT_FALSE(fs::exists(f.top.Path() / "new.txt"));

    // A FIFO nobody reads fails at once.
    const fs::path fifo = f.candidate / "fifo.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_FALSE(a.append(fifo, "x\r\n"));
    EXPECT_FALSE(a.append(f.candidate / "Selkt", "x\r\n"));

    // A second name of a file outside (a hard link) is replaced: the other file keeps what it
    // held.
    const fs::path second = f.candidate / "Selkt" / "docmark.txt";
    fs::create_hard_link(f.key, second);
    ASSERT_TRUE(a.append(second, "d 1分\r\n"));
    ASSERT_TRUE(a.append(second, "e 0分\r\n"));
    EXPECT_EQ(Read(f.key), "1-A\n2-B\n");
    EXPECT_EQ(fs::hard_link_count(f.key), 1u);
    EXPECT_EQ(Read(second), "d 1分\r\ne 0分\r\n");

    // Back to the log after the refusals: it is opened again, nothing written twice.
    ASSERT_TRUE(a.append(log, "c 2分\r\n"));
    EXPECT_EQ(Read(log), "a 1分\r\nb 0分\r\nc 2分\r\n");
    kept.Close();
  }
}

// A kept log writes each line at once (a reader sees it before the next), and after Close the
// name is looked at afresh: a log replaced by a link meanwhile is refused, not written through.
TEST(ConfinedFile, AKeptLogWritesEachLineAtOnceAndIsCheckedAgainAfterClose) {
  Folders f;
  const fs::path log = f.candidate / "docmark.txt";
  LogFile kept;
  ASSERT_TRUE(kept.Append(log, "one\r\n"));
  EXPECT_EQ(Read(log), "one\r\n");
  ASSERT_TRUE(kept.Append(log, "two\r\n"));
  EXPECT_EQ(Read(log), "one\r\ntwo\r\n");
  kept.Close();
  fs::remove(log);
  fs::create_symlink(f.key, log);
  EXPECT_FALSE(kept.Append(log, "three\r\n"));
  EXPECT_EQ(Read(f.key), "1-A\n2-B\n");
}

}  // namespace
}  // namespace win
