// The client's safe file writes: a rewrite replaces the whole file at once (a reader holding the
// old one still reads it whole), carries its attributes, and leaves the old file when it fails;
// an append never touches what was there, reports a write that fails and writes through no link.
#include "client/common/file_write.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <fstream>

#include "client/testing/temp_folder.h"
#include "platform/win/attributes.h"

namespace {

namespace fs = std::filesystem;

std::string Read(std::istream& in) {
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(WriteFileAtomically, ReplacesTheWholeFileAtOnce) {
  TempFolder tmp;
  const std::string path = tmp.Windows("C1.txt");
  constexpr uint32_t kKept = win::FILE_ATTRIBUTE_READONLY | win::FILE_ATTRIBUTE_HIDDEN;
  ASSERT_TRUE(WriteFileAtomically(path, "q01:X\nq02:X\n", kKept));
  EXPECT_EQ(win::GetFileAttributes(path) & kKept, kKept);

  std::ifstream reader(tmp.Path() / "C1.txt", std::ios::binary);    // opened before the rewrite
  ASSERT_TRUE(WriteFileAtomically(path, "q01:A\nq02:X\n", kKept));  // over a read-only file
  EXPECT_EQ(Read(reader), "q01:X\nq02:X\n");
  std::ifstream now(tmp.Path() / "C1.txt", std::ios::binary);
  EXPECT_EQ(Read(now), "q01:A\nq02:X\n");
  EXPECT_EQ(win::GetFileAttributes(path) & kKept, kKept);
  EXPECT_EQ(std::distance(fs::directory_iterator(tmp.Path()), fs::directory_iterator()), 1);

  // No folder to write in: an error that says so, nothing written.
  const base::Status failed = WriteFileAtomically(tmp.Windows("gone/C1.txt"), "x", kKept);
  ASSERT_FALSE(failed);
  EXPECT_NE(failed.error().message.find("gone"), std::string::npos) << failed.error().message;
}

TEST(AppendToFile, KeepsEarlierLinesAndReportsAWriteThatFails) {
  TempFolder tmp;
  const std::string path = tmp.Windows("C1.log");
  ASSERT_TRUE(AppendToFile(path, "one\r\n"));
  ASSERT_TRUE(AppendToFile(path, "two\r\n"));
  std::ifstream log(tmp.Path() / "C1.log", std::ios::binary);
  EXPECT_EQ(Read(log), "one\r\ntwo\r\n");

  // A file size limit stands in for a full disk: the short write is reported, the file keeps
  // its earlier lines.
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{12, 12};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const base::Status full = AppendToFile(path, "three\r\n");
    ::_exit(!full && full.error().code == EFBIG ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  std::ifstream after(tmp.Path() / "C1.log", std::ios::binary);
  EXPECT_EQ(Read(after).substr(0, 10), "one\r\ntwo\r\n");
}

// The log lies in the candidate's folder: what he put under its name is not written through.
TEST(AppendToFile, NeverWritesThroughALinkNorWaitsOnAFifo) {
  TempFolder tmp;
  std::ofstream(tmp.Path() / "kirv.ini") << "[KIRV]\r\n";
  fs::create_symlink(tmp.Path() / "kirv.ini", tmp.Path() / "C1.log");
  EXPECT_FALSE(AppendToFile(tmp.Windows("C1.log"), "entry\r\n"));
  std::ifstream ini(tmp.Path() / "kirv.ini", std::ios::binary);
  EXPECT_EQ(Read(ini), "[KIRV]\r\n");
  ASSERT_EQ(::mkfifo((tmp.Path() / "C2.log").c_str(), 0644), 0);
  EXPECT_FALSE(AppendToFile(tmp.Windows("C2.log"), "entry\r\n"));
}

}  // namespace
