// Score totals per question type and the debug log bytes.
#include "grading/engine/scoring.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "grading/engine/engine_state.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/vb/interaction.h"
#include "platform/win/paths.h"

namespace engine {
namespace {

std::string Slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(AddScore, TotalsPerQuestionTypeWithTheOverflowRule) {
  EngineState state;
  struct Step {
    int16_t points, type, passed;
    int16_t total41, total21;
  } steps[] = {
      {5, 41, kTrue, 5, 0},         {3, 21, kTrue, 5, 3},       {4, 41, kFalse, 5, 3},
      {32000, 41, kTrue, 32005, 3}, {763, 41, kTrue, 32005, 3},  // 32768 would overflow
      {762, 41, kTrue, 32767, 3},   {1, 41, kTrue, 32767, 3},   {1, 21, 1, 32767, 4},
  };
  for (const Step& s : steps) {
    AddScore(state, s.points, s.type, s.passed, "t");
    EXPECT_EQ(state.TypeScores[41].awarded, s.total41);
    EXPECT_EQ(state.TypeScores[21].awarded, s.total21);
  }
}

TEST(AddScore, PumpsMessagesFiveTimesPerRow) {
  EngineState state;
  int pumps = 0;
  vb::PumpHook previous = vb::SetPumpHook([&] { ++pumps; });
  AddScore(state, 1, 41, kTrue, "a");
  AddScore(state, 1, 41, kFalse, "b");
  vb::SetPumpHook(previous);
  EXPECT_EQ(pumps, 10);
}

TEST(DebugLog, GbkLinesWithCrLfAppendedPerControl) {
  excel::testing::TempFolder tmp("debug_log");
  struct Case {
    ControlKind kind;
    const char* file;
    int16_t type;
  } cases[] = {{ControlKind::Presentation, "slidemark.txt", 41},
               {ControlKind::WordProcessor, "docmark.txt", 21},
               {ControlKind::Spreadsheet, "1234.txt", 21}};
  for (const Case& c : cases) {
    EngineState state(c.kind);
    EXPECT_EQ(state.QuestionType, c.type);
    state.CheckPath = win::ToWindowsPath(tmp.Path()) + "\\";
    state.DebugFlag = kTrue;
    AddScore(state, 3, c.type, kTrue, "第一题");
    AddScore(state, 2, c.type, kFalse, "b");
    EngineState next(c.kind);  // a second grading appends
    next.CheckPath = state.CheckPath;
    next.DebugFlag = kTrue;
    AddScore(next, 12, c.type, kTrue, "");
    // "第一题 3 分" in GBK
    EXPECT_EQ(Slurp(tmp.Path() / c.file),
              "\xB5\xDA\xD2\xBB\xCC\xE2 3 \xB7\xD6\r\n"
              "b 0 \xB7\xD6\r\n"
              " 12 \xB7\xD6\r\n")
        << c.file;
  }
}

TEST(DebugLog, NoFileWhenDebugIsOffOrTheFolderIsMissing) {
  excel::testing::TempFolder tmp("debug_off");
  EngineState state;
  state.CheckPath = win::ToWindowsPath(tmp.Path()) + "\\";
  state.DebugFlag = kFalse;
  AddScore(state, 3, 41, kTrue, "x");
  WriteLogLine(state, "a fault the grading tells");
  EXPECT_FALSE(std::filesystem::exists(tmp.Path() / "slidemark.txt"));

  state.CheckPath = win::ToWindowsPath(tmp.Path() / "missing") + "\\";
  state.DebugFlag = kTrue;
  AddScore(state, 3, 41, kTrue, "x");  // the line is lost, the score is not
  EXPECT_EQ(state.TypeScores[41].awarded, 6);
  EXPECT_FALSE(std::filesystem::exists(tmp.Path() / "missing"));
}

// A log the candidate replaced by a link or a FIFO is skipped: the link's target stays as it was,
// the FIFO is never waited on, and the row is still scored.
TEST(DebugLog, NeverFollowsALinkNorWaitsOnAFifo) {
  excel::testing::TempFolder tmp("debug_hostile");
  const std::filesystem::path outside = tmp.Path() / "outside.txt";
  std::ofstream(outside) << "kept";
  std::filesystem::create_directories(tmp.Path() / "linked");
  std::filesystem::create_symlink(outside, tmp.Path() / "linked" / "slidemark.txt");
  std::filesystem::create_directories(tmp.Path() / "fifo");
  ASSERT_EQ(::mkfifo((tmp.Path() / "fifo" / "slidemark.txt").c_str(), 0644), 0);
  for (const char* folder : {"linked", "fifo"}) {
    EngineState state;
    state.CheckPath = win::ToWindowsPath(tmp.Path() / folder) + "\\";
    state.DebugFlag = kTrue;
    AddScore(state, 3, 41, kTrue, "x");
    EXPECT_EQ(state.TypeScores[41].awarded, 3) << folder;
  }
  EXPECT_EQ(Slurp(outside), "kept");
}

// A grading that keeps its log open writes the same lines, each at once, to the log of the
// check folder in force, and once it ends each line opens the log again.
TEST(DebugLog, AKeptLogWritesTheSameLinesEachAtOnce) {
  excel::testing::TempFolder tmp("debug_kept");
  std::filesystem::create_directories(tmp.Path() / "second");
  EngineState state(ControlKind::WordProcessor);
  state.CheckPath = win::ToWindowsPath(tmp.Path()) + "\\";
  state.DebugFlag = kTrue;
  {
    KeptLog kept(state);
    AddScore(state, 1, 21, kTrue, "a");
    EXPECT_EQ(Slurp(tmp.Path() / "docmark.txt"), "a 1 \xB7\xD6\r\n");
    WriteLogLine(state, "b");
    EXPECT_EQ(Slurp(tmp.Path() / "docmark.txt"), "a 1 \xB7\xD6\r\nb\r\n");
    state.CheckPath = win::ToWindowsPath(tmp.Path() / "second") + "\\";
    WriteLogLine(state, "c");
    EXPECT_EQ(Slurp(tmp.Path() / "second" / "docmark.txt"), "c\r\n");
  }
  EXPECT_EQ(state.KeptLog, nullptr);
  // Replaced by a link once the grading is over: refused, the link's target left alone.
  const std::filesystem::path log = tmp.Path() / "second" / "docmark.txt";
  std::filesystem::remove(log);
  std::ofstream(tmp.Path() / "outside.txt") << "kept";
  std::filesystem::create_symlink(tmp.Path() / "outside.txt", log);
  WriteLogLine(state, "d");
  EXPECT_EQ(Slurp(tmp.Path() / "outside.txt"), "kept");
  EXPECT_EQ(Slurp(tmp.Path() / "docmark.txt"), "a 1 \xB7\xD6\r\nb\r\n");
}

}  // namespace
}  // namespace engine
