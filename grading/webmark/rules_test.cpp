// The answer workbook read into the rule model: each case a workbook and what it gives.
#include "grading/webmark/rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "grading/webmark/testing/web_fixture.h"

namespace webmark {
namespace {

using testing::Rows;
using List = std::vector<std::string>;

// The log's lines after "BEGIN"-less reading: the messages the reader wrote.
List LogLines(const WebState& state) {
  List lines;
  for (size_t at = 0; at < state.LogText.size();) {
    const size_t end = state.LogText.find("\r\n", at);
    lines.push_back(state.LogText.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

struct Read {
  WebState state;
  base::Result<BookRead> result = BookRead::NotOpened;
};

std::unique_ptr<Read> ReadBook(const Rows& rows) {
  testing::WebFolders folders;
  auto read = std::make_unique<Read>();
  EXPECT_TRUE(testing::WriteAnswerBook(folders.Answers() / "a.xlsx", rows));
  read->result = ReadAnswerWorkbook(read->state, folders.AnswerFile("a.xlsx"));
  return read;
}

TEST(ReadAnswerWorkbook, RowsGiveTheRuleModel) {
  struct Case {
    const char* name;
    Rows rows;
    std::function<void(const WebState&)> check;
  } cases[] = {
      {"the example workbook",
       {{"T", "Web page", "7"},
        {"F", "index.htm"},
        {"O", "Doc"},
        {"A", "1", "4", "Page title", "title", "My home page"},
        {"O", "Frame", "main"},
        {"A", "101", "3", "Main frame", "src", "a.htm", "scrolling", "no"},
        {"O", "Frame", "side"},
        {"A", "102", "3", "Side frame", "src", "b.htm"},
        {"L", "2", "3", "Frames", "AND", "101", "102"},
        {"E"}},
       [](const WebState& s) {
         EXPECT_EQ(s.PaperTitle, "Web page");
         EXPECT_EQ(s.FullMarks, 7);
         EXPECT_EQ(s.PageFile, "index.htm");
         ASSERT_EQ(s.Rules.size(), 3u);
         EXPECT_EQ(s.Rules[0].ObjectDescription, (List{"Doc", ""}));
         EXPECT_EQ(s.Rules[0].Conditions, (List{"title", "My home page"}));
         EXPECT_EQ(s.Rules[0].Points, 4);
         EXPECT_EQ(s.Rules[0].Description, "Page title");
         EXPECT_EQ(s.Rules[1].ObjectDescription, (List{"Frame", "main"}));
         EXPECT_EQ(s.Rules[1].Conditions, (List{"src", "a.htm", "scrolling", "no"}));
         EXPECT_EQ(s.Rules[2].Id, 102);
         ASSERT_EQ(s.ScoreItems.size(), 1u);
         EXPECT_EQ(s.ScoreItems[0].ItemNumber, 2);
         EXPECT_EQ(s.ScoreItems[0].FullScore, 3);
         EXPECT_EQ(s.ScoreItems[0].Operator, "AND");
         EXPECT_EQ(s.ScoreItems[0].RuleIds, (List{"101", "102"}));
         EXPECT_TRUE(s.LogText.empty());
       }},
      {"lower-case row types",
       {{"t", "x", "5"},
        {"o", "Doc"},
        {"a", "3", "2", "d"},
        {"l", "or", "3"},
        {"e"},
        {"O", "Font"}},
       [](const WebState& s) {
         EXPECT_EQ(s.FullMarks, 5);
         ASSERT_EQ(s.Rules.size(), 1u);
         EXPECT_EQ(s.Rules[0].Id, 3);
         ASSERT_EQ(s.ScoreItems.size(), 1u);
         EXPECT_EQ(s.ScoreItems[0].Operator, "OR");
       }},
      {"the operator layout of an L row",
       {{"L", "AND", "3", "4"}, {"E"}},
       [](const WebState& s) {
         ASSERT_EQ(s.ScoreItems.size(), 1u);
         EXPECT_EQ(s.ScoreItems[0].Operator, "AND");
         EXPECT_EQ(s.ScoreItems[0].RuleIds, (List{"3", "4"}));
         EXPECT_EQ(s.ScoreItems[0].FullScore, 0);
         EXPECT_EQ(s.ScoreItems[0].ItemNumber, 0);
         EXPECT_EQ(s.ScoreItems[0].Description, "");
       }},
      {"the numbered layout of an L row, its operator upper-cased",
       {{"L", "2", "10", "Layout", "add", "11", "12"}, {"E"}},
       [](const WebState& s) {
         ASSERT_EQ(s.ScoreItems.size(), 1u);
         EXPECT_EQ(s.ScoreItems[0].ItemNumber, 2);
         EXPECT_EQ(s.ScoreItems[0].FullScore, 10);
         EXPECT_EQ(s.ScoreItems[0].Description, "Layout");
         EXPECT_EQ(s.ScoreItems[0].Operator, "ADD");
         EXPECT_EQ(s.ScoreItems[0].RuleIds, (List{"11", "12"}));
       }},
      {"an L row without an operator logs its position and adds nothing",
       {{"O", "Doc"}, {"L", "2", "10", "Layout", "XOR", "11"}, {"E"}},
       [](const WebState& s) {
         EXPECT_TRUE(s.ScoreItems.empty());
         EXPECT_EQ(LogLines(s), (List{"答案文件有错，错误行号：2，错误列号：5"}));
       }},
      {"blank row types log their message each and reading goes on",
       {{"T", "x", "11分"}, {}, {" ", "ignored"}, {"O", "Doc"}, {"E"}},
       [](const WebState& s) {
         EXPECT_EQ(s.FullMarks, 11);
         EXPECT_EQ(s.Rules.size(), 1u);
         EXPECT_EQ(LogLines(s), (List{std::string(kNoEndMark), std::string(kNoEndMark)}));
       }},
      {"a workbook without E stops at its last used row with one message",
       {{"O", "Doc"}, {"A", "1", "2", "d"}},
       [](const WebState& s) {
         EXPECT_EQ(s.Rules.size(), 1u);
         EXPECT_EQ(LogLines(s), (List{std::string(kNoEndMark)}));
       }},
      {"an unknown row type logs row and column",
       {{"O", "Doc"}, {"X"}, {"E"}},
       [](const WebState& s) {
         EXPECT_EQ(LogLines(s), (List{"答案文件有错！，错误行号：2，错误列号：1"}));
       }},
      {"an O row without a keyword gives an empty description",
       {{"O"}, {"E"}},
       [](const WebState& s) {
         ASSERT_EQ(s.Rules.size(), 1u);
         EXPECT_TRUE(s.Rules[0].ObjectDescription.empty());
       }},
      {"an O row stops at its first empty pair key",
       {{"O", "Frame", "main", "", "x"}, {"E"}},
       [](const WebState& s) {
         EXPECT_EQ(s.Rules[0].ObjectDescription, (List{"Frame", "main"}));
       }},
      {"an A row stops at its first empty key; a second A row adds pairs",
       {{"O", "Doc"},
        {"A", "1", "2", "d", "title", "t", "", "v", "bgcolor", "x"},
        {"A", "5", "3", "e", "fgcolor", ""},
        {"E"}},
       [](const WebState& s) {
         EXPECT_EQ(s.Rules[0].Conditions, (List{"title", "t", "fgcolor", ""}));
         EXPECT_EQ(s.Rules[0].Id, 5);
         EXPECT_EQ(s.Rules[0].Points, 3);
       }},
      {"points round halves to even; full marks read their leading number",
       {{"T", "x", "abc"},
        {"O", "Doc"},
        {"A", "1", "2.5", "d"},
        {"O", "Doc"},
        {"A", "2", "3.5"},
        {"C", "anything", "at all"},
        {"E"}},
       [](const WebState& s) {
         EXPECT_EQ(s.FullMarks, 0);
         EXPECT_EQ(s.Rules[0].Points, 2);
         EXPECT_EQ(s.Rules[1].Points, 4);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto read = ReadBook(c.rows);
    ASSERT_TRUE(read->result) << read->result.error().message;
    EXPECT_EQ(*read->result, BookRead::Read);
    c.check(read->state);
  }
}

TEST(ReadAnswerWorkbook, RowsThatBreakTheModelAreErrorsNamingTheirPlace) {
  struct Case {
    const char* name;
    Rows rows;
    const char* where;
  } cases[] = {
      {"an A row before any O row", {{"A", "1", "2"}, {"E"}}, "错误行号：1，错误列号：1"},
      {"points that are no number",
       {{"O", "Doc"}, {"A", "1", "two"}, {"E"}},
       "错误行号：2，错误列号：3"},
      {"points beyond 16 bits",
       {{"O", "Doc"}, {"A", "1", "40000"}, {"E"}},
       "错误行号：2，错误列号：3"},
      {"an item number that is no number",
       {{"L", "x", "1", "d", "AND", "1"}, {"E"}},
       "错误行号：1，错误列号：2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto read = ReadBook(c.rows);
    ASSERT_FALSE(read->result);
    EXPECT_NE(read->result.error().message.find(c.where), std::string::npos)
        << read->result.error().message;
  }
}

TEST(ReadAnswerWorkbook, NoWorkbookIsNotOpened) {
  testing::WebFolders folders;
  WebState state;
  state.Rules.emplace_back();
  EXPECT_EQ(*ReadAnswerWorkbook(state, folders.AnswerFile("missing.xls")), BookRead::NotOpened);
  EXPECT_TRUE(state.Rules.empty());
  std::ofstream(folders.Answers() / "junk.xls") << "not a workbook";
  EXPECT_EQ(*ReadAnswerWorkbook(state, folders.AnswerFile("junk.xls")), BookRead::NotOpened);
}

TEST(FindRuleIndex, TheFirstRuleWithTheIdWins) {
  WebState state;
  for (int32_t id : {5, 7, 5}) state.Rules.push_back(RuleRecord{{}, {}, 0, id, ""});
  EXPECT_EQ(FindRuleIndex(state, 5), 1);
  EXPECT_EQ(FindRuleIndex(state, 7), 2);
  EXPECT_EQ(FindRuleIndex(state, 8), 0);
}

}  // namespace
}  // namespace webmark
