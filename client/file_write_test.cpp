// The client's safe file writes: a rewrite replaces the whole file at once (a reader holding the
// old one still reads it whole), carries its attributes, and leaves the old file when it fails;
// an append never touches what was there and reports a full disk.
#include "client/file_write.h"

#include <gtest/gtest.h>

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

TEST(AppendToFile, KeepsEarlierLinesAndReportsAFullDisk) {
  TempFolder tmp;
  const std::string path = tmp.Windows("C1.log");
  ASSERT_TRUE(AppendToFile(path, "one\r\n"));
  ASSERT_TRUE(AppendToFile(path, "two\r\n"));
  std::ifstream log(tmp.Path() / "C1.log", std::ios::binary);
  EXPECT_EQ(Read(log), "one\r\ntwo\r\n");

  const base::Status full = AppendToFile("Z:\\dev\\full", "three\r\n");
  ASSERT_FALSE(full);
  EXPECT_EQ(full.error().code, ENOSPC);
}

}  // namespace
