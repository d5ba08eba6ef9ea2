// The result log: its sorter, "BEGIN" and "END", and the debug file.
#include "grading/webmark/result_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "grading/webmark/testing/web_fixture.h"

namespace webmark {
namespace {

TEST(Resort, SortsTheLinesBetweenTheFirstAndLastSeparatorByTheirNumber) {
  struct Case {
    const char* name;
    std::string text;
    std::string sorted;
  } cases[] = {
      {"five lines", "==\r\n(2)b\r\n(1)a\r\nx\r\n==", "==\r\nx\r\n(1)a\r\n(2)b\r\n=="},
      {"one separator leaves the text", "==\r\n(2)b\r\n(1)a\r\n", "==\r\n(2)b\r\n(1)a\r\n"},
      {"no separator leaves the text", "(2)b\r\n(1)a", "(2)b\r\n(1)a"},
      {"lines outside the separators stay; equal keys keep their order",
       "z\r\n(9)q\r\n=====\r\n(12)l\r\n开始加载b.htm\r\n(3)m\r\n(3)k\r\n( 2)j\r\n=====\r\nend\r\n",
       "z\r\n(9)q\r\n=====\r\n开始加载b.htm\r\n( 2)j\r\n(3)m\r\n(3)k\r\n(12)l\r\n=====\r\nend\r\n"},
      {"the first and the last separator bound the sort",
       "==\r\n(3)c\r\n==x\r\n(1)a\r\n==", "==\r\n==x\r\n(1)a\r\n(3)c\r\n=="},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    Resort(c.text);
    EXPECT_EQ(c.text, c.sorted);
  }
}

TEST(AppendLog, BeginEmptiesAndEndStaysALineWithoutDebugMode) {
  testing::WebFolders folders;
  WebState state;
  state.CheckPath = folders.CheckPath();
  AppendLog(state, "old");
  AppendLog(state, "begin");
  AppendLog(state, "x");
  AppendLog(state, "END");
  EXPECT_EQ(state.LogText, "begin\r\nx\r\nEND\r\n");
  EXPECT_FALSE(std::filesystem::exists(folders.Check() / "webmark.TXT"));
}

TEST(AppendLog, EndInDebugModeReplacesTheDebugFileWithTheSortedLog) {
  testing::WebFolders folders;
  WebState state;
  state.CheckPath = folders.CheckPath();
  state.DebugMode = true;
  std::ofstream(folders.Check() / "webmark.TXT")
      << "an earlier run's log, longer than this one\r\n";
  for (const char* line : {"BEGIN", "==", "(2)得分：1 -- b", "(1)得分：1 -- a", "==", "End"})
    AppendLog(state, line);
  EXPECT_EQ(folders.DebugFile(), "BEGIN\r\n==\r\n(1)得分：1 -- a\r\n(2)得分：1 -- b\r\n==\r\n\r\n");
  EXPECT_EQ(state.LogText, "BEGIN\r\n==\r\n(1)得分：1 -- a\r\n(2)得分：1 -- b\r\n==\r\n");
}

TEST(AppendLog, TheDebugFileReplacesALinkInsteadOfWritingThroughIt) {
  testing::WebFolders folders;
  const auto outside = folders.Answers() / "outside.txt";
  std::ofstream(outside) << "keep";
  std::filesystem::create_symlink(outside, folders.Check() / "webmark.TXT");
  WebState state;
  state.CheckPath = folders.CheckPath();
  state.DebugMode = true;
  AppendLog(state, "BEGIN");
  AppendLog(state, "END");
  std::ifstream in(outside);
  std::string kept;
  in >> kept;
  EXPECT_EQ(kept, "keep");
  EXPECT_FALSE(std::filesystem::is_symlink(folders.Check() / "webmark.TXT"));
  EXPECT_EQ(folders.DebugFile(), "BEGIN\r\n\r\n");
}

}  // namespace
}  // namespace webmark
