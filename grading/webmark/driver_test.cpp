// The grading run: score items, its result and exits, page switches and the log it leaves.
#include "grading/webmark/driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>

#include "grading/webmark/testing/web_fixture.h"
#include "platform/vb/interaction.h"

namespace webmark {
namespace {

using testing::Rows;
using List = std::vector<std::string>;

List Lines(const std::string& text) {
  List lines;
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(text.substr(at));
      break;
    }
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

TEST(CombineScoreItems, ItemsCombineTheirRulesMarksIntoTheFirst) {
  struct Case {
    const char* name;
    std::string op;
    int32_t fullScore;
    std::vector<int16_t> marks;  // rules 1, 2, 3 ... with ids 1, 2, 3 ...
    List ids;
    std::vector<int16_t> combined;
    List log;
  } cases[] = {
      {"AND of equal marks, both passed",
       "AND",
       2,
       {2, 2},
       {"1", "2"},
       {2, 0},
       {"(7)得分：2 -- item"}},
      {"AND with one failed",
       "AND",
       2,
       {2, 0},
       {"1", "2"},
       {0, 0},
       {"(7)错误！得分：0，本小题满分：2 -- item"}},
      {"AND of unequal marks keeps the first",
       "AND",
       4,
       {3, 1},
       {"1", "2"},
       {3, 0},
       {"(7)得分：4 -- item"}},
      {"OR takes the largest mark", "OR", 2, {1, 2}, {"1", "2"}, {2, 0}, {"(7)得分：2 -- item"}},
      {"OR of zeros",
       "OR",
       2,
       {0, 0},
       {"1", "2"},
       {0, 0},
       {"(7)错误！得分：0，本小题满分：2 -- item"}},
      {"ADD sums", "ADD", 6, {1, 2, 3}, {"1", "2", "3"}, {6, 0, 0}, {"(7)得分：6 -- item"}},
      {"SUB takes the others from the first; -4 is not 0",
       "SUB",
       1,
       {1, 2, 3},
       {"1", "2", "3"},
       {-4, 0, 0},
       {"(7)得分：1 -- item"}},
      {"a full score of 0 combines without a line", "ADD", 0, {1, 2}, {"2", "1"}, {0, 3}, {}},
      {"a rule listed twice sees its zeroed mark",
       "AND",
       2,
       {2, 5},
       {"1", "1"},
       {0, 5},
       {"(7)错误！得分：0，本小题满分：2 -- item"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WebState state;
    for (size_t i = 0; i < c.marks.size(); ++i)
      state.Rules.push_back(RuleRecord{{}, {}, 0, static_cast<int32_t>(i + 1), ""});
    state.ScoreItems.push_back(ScoreItem{c.op, c.fullScore, 7, "item", c.ids});
    std::vector<int16_t> marks = c.marks;
    ASSERT_TRUE(CombineScoreItems(state, marks));
    EXPECT_EQ(marks, c.combined);
    EXPECT_EQ(Lines(state.LogText), c.log);
  }
}

TEST(CombineScoreItems, BrokenItemsAreErrors) {
  struct Case {
    const char* name;
    std::string op;
    List ids;
  } cases[] = {
      {"an id no rule has", "AND", {"1", "9"}},
      {"an id that is no number", "ADD", {"1", "x"}},
      {"a sum beyond 16 bits", "ADD", {"1", "2"}},
      {"no ids", "OR", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WebState state;
    state.Rules = {RuleRecord{{}, {}, 0, 1, ""}, RuleRecord{{}, {}, 0, 2, ""}};
    state.ScoreItems.push_back(ScoreItem{c.op, 1, 1, "", c.ids});
    std::vector<int16_t> marks = {30000, 30000};
    EXPECT_FALSE(CombineScoreItems(state, marks));
  }
}

// A run over the check folder with the answer workbook of `rows`.
class RunTest : public ::testing::Test {
 protected:
  double Grade(const Rows& rows, bool debug = false, std::string check = {}) {
    EXPECT_TRUE(testing::WriteAnswerBook(folders_.Answers() / "web.xlsx", rows));
    if (check.empty()) check = folders_.CheckPath();
    std::string answer = folders_.AnswerFile("web.xlsx");
    return ::webmark::Run(state_, check, answer, debug);
  }
  List Log() const { return Lines(state_.LogText); }

  testing::WebFolders folders_;
  WebState state_;
};

// Rules over index.htm: title (10), background colour (7), a wrong title (3).
const Rows kIndexRules = {
    {"T", "网页", "20"},
    {"F", "index.htm"},
    {"O", "Doc"},
    {"A", "1", "10", "标题", "title", "我的主页"},
    {"O", "Doc"},
    {"A", "2", "7", "背景色", "bgcolor", "#ffffcc"},
    {"O", "Doc"},
    {"A", "3", "3", "错的标题", "title", "别的"},
    {"E"},
};

TEST_F(RunTest, SeventeenOfTwentyIsEightyFiveExactly) {
  ASSERT_TRUE(folders_.AddPage("index.htm"));
  EXPECT_EQ(Grade(kIndexRules), 85.0);
  const List log = Log();
  ASSERT_GE(log.size(), 10u);
  EXPECT_EQ(log[0], "BEGIN");
  EXPECT_EQ(log[1], "被评分的文件是：" + folders_.CheckPath() + "index.htm");
  EXPECT_EQ(log[2], std::string(50, '='));
  EXPECT_EQ(log[3], "(1)得分：10 -- 标题");
  EXPECT_EQ(log[4], "(2)得分：7 -- 背景色");
  EXPECT_EQ(log[5], "(3)错误！得分：0，本小题满分：3 -- 错的标题");
  EXPECT_EQ(log[6], std::string(50, '='));
  EXPECT_TRUE(log[7].starts_with("评分完成！评分用时")) << log[7];
  EXPECT_EQ(log[8], "最后得分：17，满分为：20");
  EXPECT_EQ(log[9], "END");
  EXPECT_FALSE(std::filesystem::exists(folders_.Check() / "webmark.TXT"));
}

// The run lets the host handle its window messages as it starts, and again once every rule is
// graded, with the page still open.
TEST_F(RunTest, WindowMessagesAreHandledAtTheStartAndBeforeThePageCloses) {
  ASSERT_TRUE(folders_.AddPage("index.htm"));
  List seen;  // at each call: the log's last line, and whether the page is open
  vb::PumpHook previous = vb::SetPumpHook([&] {
    const List log = Lines(state_.LogText);
    seen.push_back((log.empty() ? "" : log.back()) + (state_.PageWindow ? " (page open)" : ""));
  });
  EXPECT_EQ(Grade(kIndexRules), 85.0);
  vb::SetPumpHook(std::move(previous));
  EXPECT_EQ(seen, (List{"", "最后得分：17，满分为：20 (page open)"}));
}

TEST_F(RunTest, NothingRightIsZero) {
  ASSERT_TRUE(folders_.AddPage("b.htm", "index.htm"));
  EXPECT_EQ(Grade(kIndexRules), 0.0);
}

TEST_F(RunTest, ACheckPathWithoutItsBackslashGetsOne) {
  ASSERT_TRUE(folders_.AddPage("index.htm"));
  std::string check = folders_.CheckPath();
  check.pop_back();
  EXPECT_EQ(Grade(kIndexRules, true, check), 85.0);
  EXPECT_EQ(state_.CheckPath, folders_.CheckPath());
  const List written = Lines(folders_.DebugFile());
  ASSERT_GE(written.size(), 3u);
  EXPECT_EQ(written[1], "被评分的文件是：" + folders_.CheckPath() + "index.htm");
  EXPECT_EQ(written[written.size() - 2], "最后得分：17，满分为：20");
  EXPECT_EQ(written.back(), "");
}

TEST_F(RunTest, EveryWayOfNotGradingAnswersTheThousandth) {
  struct Case {
    const char* name;
    Rows rows;
    const char* page;  // copied in as index.htm; null for none
    List tail;         // the log's last lines
  } cases[] = {
      {"no workbook", {}, "index.htm", {"BEGIN", "答案文件未找到或者答案错误。", "END"}},
      {"a workbook that breaks the model",
       {{"A", "1", "2"}, {"E"}},
       "index.htm",
       {"答案文件未找到或者答案错误。", "END"}},
      {"no page",
       kIndexRules,
       nullptr,
       {"找不到被评文件！答案中指定的文件是：CHECKindex.htm", "END"}},
      {"a score item naming no rule",
       {{"T", "", "10"},
        {"F", "index.htm"},
        {"O", "Doc"},
        {"A", "1", "10", "t", "title", "我的主页"},
        {"L", "ADD", "1", "5"},
        {"E"}},
       "index.htm",
       {"(1)得分：10 -- t", "评分出错：rule id 5 of a score item names no rule", "END"}},
      {"full marks of 0",
       {{"F", "index.htm"}, {"O", "Doc"}, {"A", "1", "10", "t", "title", "我的主页"}, {"E"}},
       "index.htm",
       {"最后得分：10，满分为：0", "评分出错：满分为 0，无法计算得分", "END"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::WebFolders folders;
    if (c.page) {
      ASSERT_TRUE(folders.AddPage(c.page, "index.htm"));
    }
    std::string check = folders.CheckPath();
    std::string answer = folders.AnswerFile("web.xlsx");
    if (!c.rows.empty()) {
      ASSERT_TRUE(testing::WriteAnswerBook(folders.Answers() / "web.xlsx", c.rows));
    }
    WebState state;
    bool debug = true;
    EXPECT_EQ(::webmark::Run(state, check, answer, debug), kNotGraded);
    List tail = c.tail;
    for (std::string& line : tail) {
      if (const size_t at = line.find("CHECK"); at != std::string::npos)
        line.replace(at, 5, folders.CheckPath());
    }
    const List log = Lines(state.LogText);
    ASSERT_GE(log.size(), tail.size() - 1);
    EXPECT_EQ(List(log.end() - static_cast<ptrdiff_t>(tail.size() - 1), log.end()),
              List(tail.begin(), tail.end() - 1));
    // In debug mode "END" writes the log instead of adding itself.
    const List written = Lines(folders.DebugFile());
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written[written.size() - 2], tail[tail.size() - 2]);
    EXPECT_EQ(state.Editor, nullptr);
  }
}

TEST_F(RunTest, PagesThatAreNoFileOfTheCheckFolderReadAsMissing) {
  const auto outside = folders_.Answers() / "outside.htm";
  std::filesystem::copy_file(testing::TestPage("index.htm"), outside);
  std::filesystem::create_symlink(outside, folders_.Check() / "index.htm");
  EXPECT_EQ(Grade(kIndexRules), kNotGraded);
  EXPECT_EQ(Log().back(), "END");
  EXPECT_EQ(Log()[Log().size() - 2],
            "找不到被评文件！答案中指定的文件是：" + folders_.CheckPath() + "index.htm");
  std::filesystem::remove(folders_.Check() / "index.htm");
  std::filesystem::create_directory(folders_.Check() / "index.htm");
  EXPECT_EQ(Grade(kIndexRules), kNotGraded);
}

// A Fropkt that is a link out of the candidate's folder (to a folder elsewhere, to the answer
// folder) reads as missing: its page is not graded and no debug file is written where it leads.
TEST_F(RunTest, ACheckFolderLinkedOutOfTheCandidatesFolderReadsAsMissing) {
  const std::filesystem::path elsewhere = folders_.Answers().parent_path() / "elsewhere";
  std::filesystem::create_directory(elsewhere);
  std::filesystem::copy_file(testing::TestPage("index.htm"), elsewhere / "index.htm");
  std::filesystem::copy_file(testing::TestPage("index.htm"), folders_.Answers() / "index.htm");
  for (const std::filesystem::path& target : {elsewhere, folders_.Answers()}) {
    SCOPED_TRACE(target.string());
    std::filesystem::remove_all(folders_.Check());
    std::filesystem::create_directory_symlink(target, folders_.Check());
    EXPECT_EQ(Grade(kIndexRules, /*debug=*/true), kNotGraded);
    // In debug mode "END" writes the log instead of adding itself.
    EXPECT_EQ(Log().back(),
              "找不到被评文件！答案中指定的文件是：" + folders_.CheckPath() + "index.htm");
    EXPECT_FALSE(std::filesystem::exists(target / "webmark.TXT"));
  }
}

TEST_F(RunTest, APageThatDoesNotOpenAnswersTheThousandth) {
  ASSERT_TRUE(folders_.WritePage("index.htm", std::string(5 << 20, 'x')));  // past the page cap
  EXPECT_EQ(Grade(kIndexRules), kNotGraded);
  const List log = Log();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2],
            "无法打开被评文件！答案中指定的文件是：" + folders_.CheckPath() + "index.htm");
  EXPECT_EQ(log.back(), "END");
}

TEST_F(RunTest, OddPagesGradeOrAreRefusedNeverCrash) {
  const std::string deep = std::string(100000, '<') + "<div>";
  std::string nested;
  for (int i = 0; i < 20000; ++i) nested += "<table><tr><td>";
  for (const std::string& bytes : {std::string(), std::string("\xFF\xFE\x00<\x00"), deep, nested}) {
    ASSERT_TRUE(folders_.WritePage("index.htm", bytes));
    const double result = Grade(kIndexRules);
    EXPECT_TRUE(result == kNotGraded || result == 0.0) << result;
    EXPECT_EQ(Log().back(), "END");
  }
}

TEST_F(RunTest, APageSwitchToAMissingPageSkipsToTheNextSwitch) {
  ASSERT_TRUE(folders_.AddPage("index.htm"));
  ASSERT_TRUE(folders_.AddPage("b.htm"));
  const Rows rows = {
      {"T", "", "12"},
      {"F", "index.htm"},
      {"O", "Doc"},
      {"A", "1", "5", "首页标题", "title", "我的主页"},
      {"O", "Page", "gone.htm"},
      {"A", "999", "0", "换页"},
      {"O", "Doc"},
      {"A", "2", "4", "跳过", "title", "我的主页"},
      {"O", "Page", "b.htm"},
      {"A", "999", "0", "换页"},
      {"O", "Doc"},
      {"A", "3", "3", "第二页标题", "title", "第二页"},
      {"O", "Page", "gone.htm"},
      {"A", "999", "0", "换页"},
      {"O", "Doc"},
      {"A", "4", "4", "不再评", "title", "第二页"},
      {"O", "Doc"},
      {"A", "5", "4", "不再评", "title", "第二页"},
      {"E"},
  };
  EXPECT_DOUBLE_EQ(Grade(rows), 8 * 100.0 / 12);
  const List log = Log();
  const List expected = {
      "(1)得分：5 -- 首页标题",
      "开始加载gone.htm",
      "被评网页gone.htm无法找到，继续后面的评分...",
      "开始加载b.htm",
      "被评网页b.htm加载完成，继续进行评分...",
      "(3)得分：3 -- 第二页标题",
      "开始加载gone.htm",
      "被评网页gone.htm无法找到，继续后面的评分...",
      std::string(50, '='),
  };
  ASSERT_GE(log.size(), 3 + expected.size());
  EXPECT_EQ(List(log.begin() + 3, log.begin() + 3 + static_cast<ptrdiff_t>(expected.size())),
            expected);
}

}  // namespace
}  // namespace webmark
