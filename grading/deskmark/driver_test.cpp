#include "grading/deskmark/driver.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "grading/deskmark/testing/desk_fixture.h"
#include "platform/win/codepage.h"

namespace deskmark {
namespace {

namespace fs = std::filesystem;
using testing::DeskFixture;
using testing::Rule;
using Rows = std::vector<std::vector<std::string>>;

TEST(Percentage, RoundsHalvesToEvenInThirtyTwoBits) {
  struct Case {
    int32_t earned, total;
    int16_t percent;
  } cases[] = {
      {10, 20, 50}, {1, 8, 12},  {3, 8, 38}, {2, 3, 67},   {400, 1000, 40},  {500, 500, 100},
      {0, 0, 0},    {-5, 0, -5}, {0, 10, 0}, {5, 1000, 0}, {1000, 1, 32767},  // beyond 16 bits:
                                                                              // held at the end of
                                                                              // the range
  };
  for (const Case& c : cases)
    EXPECT_EQ(Percentage(c.earned, c.total), c.percent) << c.earned << " of " << c.total;
}

// "ISFILEEXIST there.txt" passes, "ISFILEEXIST gone.txt" fails.
std::vector<std::string> Pass(const std::string& points, const std::string& text = "") {
  return Rule("ISFILEEXIST", {"there.txt"}, points, text);
}
std::vector<std::string> Fail(const std::string& points, const std::string& text = "") {
  return Rule("ISFILEEXIST", {"gone.txt"}, points, text);
}

TEST(GradeRules, ScoresTheRowsUpToTheEnd) {
  Rows hundred;
  for (int i = 0; i < 100; ++i) hundred.push_back(i % 4 == 0 ? Fail("1") : Pass("1"));
  struct Case {
    const char* name;
    Rows rows;
    int16_t percent;
  } cases[] = {
      {"one of two rules of 10", {Pass("10"), Fail("10"), {"END"}}, 50},
      {"only END", {{"END"}}, 0},
      {"1 of 8", {Pass("1"), Fail("7"), {"END"}}, 12},
      {"3 of 8", {Pass("3"), Fail("5"), {"END"}}, 38},
      {"2 of 3", {Pass("2"), Fail("1"), {"END"}}, 67},
      {"400 of 1000", {Pass("400"), Fail("600"), {"END"}}, 40},
      {"keywords in any case", {Rule("isFileExist", {"THERE.TXT"}, "4"), {"END"}}, 100},
      {"an unknown keyword counts in the total",
       {Rule("NOSUCH", {}, "10"), Pass("10"), {"END"}},
       50},
      {"points that are no number count nothing", {Pass("many"), Fail("10"), {"END"}}, 0},
      {"a missing END ends after the last rule", {Pass("10"), Fail("10")}, 50},
      {"a row without keyword ends the list", {Pass("10"), {"", "x"}, Fail("10"), {"END"}}, 100},
      {"lower-case end is checked, then ends the list",
       {Pass("10"), Rule("end", {}, "10"), Fail("30"), {"END"}},
       50},
      {"rows after END are not graded", {Pass("10"), {"END"}, Fail("10")}, 100},
      {"100 rows without END", hundred, 75},
  };
  for (const Case& c : cases) {
    DeskFixture f;
    f.File("there.txt", 1);
    ASSERT_TRUE(f.AnswerBook("a.xlsx", c.rows)) << c.name;
    DeskGrader grader;
    EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", false), c.percent) << c.name;
    EXPECT_FALSE(fs::exists(f.Host("1234.txt"))) << c.name;
  }
}

TEST(GradeRules, AWorkbookThatCannotBeReadGradesNothing) {
  DeskFixture f;
  f.File("there.txt", 1);
  ASSERT_TRUE(f.AnswerBook("a.xlsx", {Pass("10"), {"END"}}));
  DeskGrader grader;
  ASSERT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", false), 100);
  // The previous workbook's rules are not graded again.
  EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "missing.xlsx", false), 0);
  EXPECT_EQ(grader.State().StopRow, 1);
  std::ofstream(f.Host("../answer/text.xlsx")) << "not a workbook";
  EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "text.xlsx", false), 0);
  // With nothing set at all the run still ends.
  EXPECT_EQ(grader.Grade("", "", "", true), 0);
}

TEST(GradeRules, ANewWorkbookUnderTheSameNameIsReadAgain) {
  DeskFixture f;
  f.File("there.txt", 1);
  ASSERT_TRUE(f.AnswerBook("a.xlsx", {Pass("10"), {"END"}}));
  DeskGrader grader;
  ASSERT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", false), 100);
  ASSERT_TRUE(f.AnswerBook("a.xlsx", {Fail("10"), {"END"}}));
  EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", false), 0);
  // And the candidate's folder is looked at afresh on every run.
  f.File("gone.txt", 1);
  EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", false), 100);
}

TEST(GradeRules, DebugLogHasOneGbkLinePerScoredRule) {
  DeskFixture f;
  f.File("there.txt", 1);
  ASSERT_TRUE(
      f.AnswerBook("a.xlsx", {Pass("10", "文件存在"), Fail("5", "文件不在"), Pass("", "无分"),
                              Rule("end", {}, "2", "小写"), Pass("7", "不再评")}));
  DeskGrader grader;
  EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", true), 59);  // 10 of 17
  const std::string log = win::testing::TestFolder::Read(f.Host("1234.txt"));
  EXPECT_EQ(log, win::Utf8ToGbk("文件存在 10分\r\n文件不在 0分\r\n无分 0分\r\n小写 0分\r\n"));
  // A second run appends.
  grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", true);
  EXPECT_EQ(win::testing::TestFolder::Read(f.Host("1234.txt")).size(), 2 * log.size());
}

// A log the candidate replaced by a link or a FIFO is skipped: nothing is written through the
// link, the FIFO is never waited on, and the rules are scored all the same.
TEST(GradeRules, DebugLogNeverFollowsALinkNorWaitsOnAFifo) {
  DeskFixture f;
  f.File("there.txt", 1);
  ASSERT_TRUE(f.AnswerBook("a.xlsx", {Pass("10", "文件存在")}));
  const fs::path outside = f.Host("../answer/notes.txt");
  std::ofstream(outside) << "kept";
  fs::create_symlink(outside, f.Host("1234.txt"));
  DeskGrader grader;
  EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", true), 100);
  EXPECT_EQ(win::testing::TestFolder::Read(outside), "kept");
  fs::remove(f.Host("1234.txt"));
  ASSERT_EQ(::mkfifo(f.Host("1234.txt").c_str(), 0644), 0);
  EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", true), 100);
}

// The candidate's folders are read afresh for each rule: the debug log the first rule writes is
// there for the second.
TEST(GradeRules, AFileWrittenDuringTheRunIsSeenByLaterRules) {
  DeskFixture f;
  f.File("there.txt", 1);
  ASSERT_TRUE(f.AnswerBook(
      "a.xlsx", {Pass("10", "有"), Rule("ISFILEEXIST", {"1234.txt"}, "10", "日志"), {"END"}}));
  DeskGrader grader;
  EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", true), 100);
  EXPECT_EQ(win::testing::TestFolder::Read(f.Host("1234.txt")),
            win::Utf8ToGbk("有 10分\r\n日志 10分\r\n"));
}

TEST(GradeRules, DateCellsOfTheWorkbookAreDateParameters) {
  DeskFixture f;
  f.File("src/new.txt", 1).Modified("src/new.txt", win::LocalSecondsOfCivil(2024, 6, 1, 12, 0, 0));
  f.File("dst/new.txt", 1);
  // d1 and d2 as date cells: 2024-06-01 08:00 and 2024-06-01 18:00.
  const std::string dates =
      R"(<row r="1"><c r="A1" t="inlineStr"><is><t>ISDALAMOFILECOPY</t></is></c>)"
      R"(<c r="B1" t="inlineStr"><is><t>src</t></is></c><c r="C1" t="inlineStr"><is><t>dst</t></is></c>)"
      R"(<c r="D1" s="1"><v>45444.333333333336</v></c><c r="E1" s="1"><v>45444.75</v></c>)"
      R"(<c r="G1"><v>10</v></c></row>)"
      R"(<row r="2"><c r="A2" t="inlineStr"><is><t>END</t></is></c></row>)";
  ASSERT_TRUE(f.AnswerBook("a.xlsx", {}, dates));
  DeskGrader grader;
  EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", false), 100);
  EXPECT_EQ(grader.State().grid.Cell(4, 1), "2024/6/1 8:00:00");
  f.Remove("dst/new.txt");
  EXPECT_EQ(grader.Grade(f.Candidate(), f.AnswerFolder(), "a.xlsx", false), 0);
}

}  // namespace
}  // namespace deskmark
