// The rule row evaluator, one table row per case, with the messages it shows.
#include "grading/engine/evaluator.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "grading/engine/engine_state.h"
#include "grading/engine/stack.h"
#include "platform/vb/strings.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace engine {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Keywords of the test control: T holds, F does not, ARG holds when its one argument cell is
// "yes", BAD answers a damaged value and NOKW is accepted but unknown to the dispatcher.
void InstallHooks(EngineState& state) {
  state.IsCheckKeyword = [](std::string& token) {
    token = vb::UCase(token);
    return token == "T" || token == "F" || token == "ARG" || token == "BAD" || token == "NOKW";
  };
  state.RunCheck = [&state](std::string& token) -> int16_t {
    token = vb::UCase(token);
    if (token == "T") return 1;
    if (token == "F") return 0;
    if (token == "ARG") return NextCell(state) == "yes" ? 1 : 0;
    if (token == "BAD") return 7;
    return -1;
  };
}

// Fills rows 2.. of the grid with the given rows (row 1 is the header) and runs the row loop.
void RunRows(EngineState& state, const Rows& rows) {
  state.AnswerGrid.Clear();
  state.AnswerGrid.SetCell(1, 1, "filename");
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      state.AnswerGrid.SetCell(static_cast<int>(r + 2), static_cast<int>(c + 1), rows[r][c]);
    }
  }
  state.GridRow = 1;
  RunRuleRows(state);
}

struct Message {
  std::string title;
  std::string text;
  bool operator==(const Message&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Message& m) {
  return out << m.title << " / " << m.text;
}

const std::string kTail = "，请与开发人员联系！";
const Message kNao{"错误——NAO", "答案文件有错误" + kTail};
const Message kMinusOne{"错误—— -1", "程序有部分损坏，或当前系统有问题" + kTail};
const Message kUnderflow{"错误——Operatestack", "动作栈下溢出" + kTail};
const Message kInitstack{"错误——Initstack", "答案文件有错误" + kTail};
Message TokenMessage(const std::string& token, int row, int column) {
  return {"错误——Retv", "答案库有问题" + token + "\r\n错误行为：" + std::to_string(row) + " ,  " +
                            std::to_string(column) + kTail};
}

struct RowCase {
  const char* name;
  Rows rows;                      // from row 2
  std::vector<int16_t> results;   // RuleResults from row 2
  int awarded;                    // total of question type 41
  std::vector<Message> messages;  // in order
};

const std::vector<RowCase>& Cases() {
  static const std::vector<RowCase> cases = {
      {"and binds tighter than or", {{"F", "and", "not", "T", "or", "T", "5", "x"}}, {-1}, 5, {}},
      {"or after and", {{"T", "or", "T", "and", "F", "5", "x"}}, {-1}, 5, {}},
      {"and groups from the left", {{"T", "and", "F", "or", "F", "5", "x"}}, {0}, 0, {}},
      {"words in any case", {{"t", "AND", "Not", "f", "2", "x"}}, {-1}, 2, {}},
      {"not not is an error", {{"not", "not", "T", "3", "x"}}, {0}, 0, {kMinusOne}},
      {"not ( not A ) is valid", {{"not", "(", "not", "T", ")", "3", "x"}}, {-1}, 3, {}},
      {"not ( not F )", {{"not", "(", "not", "F", ")", "3", "x"}}, {0}, 0, {}},
      {"level 2 under a false row",
       {{"F", "1", "a"},
        {"", "T", "2", "b"},
        {"", "T", "or", "T", "4", "c"},
        {"", "(", "T", "or", "T", ")", "8", "d"}},
       {0, 0, -1, 0},
       4,
       {}},
      {"level 2 under a true row", {{"T", "1", "a"}, {"", "T", "2", "b"}}, {-1, -1}, 3, {}},
      {"level 3 right under level 1 takes its result",
       {{"F", "1", "a"}, {"", "", "T", "2", "b"}, {"T", "1", "c"}, {"", "", "T", "2", "d"}},
       {0, 0, -1, -1},
       3,
       {}},
      {"level 4 parent is the latest level 3",
       {{"T", "1", "a"}, {"", "", "F", "1", "b"}, {"", "", "", "T", "1", "c"}},
       {-1, 0, 0},
       1,
       {}},
      {"a row at column 5 stands alone",
       {{"F", "1", "a"}, {"", "", "", "", "T", "4", "b"}},
       {0, -1},
       4,
       {kInitstack}},
      {"unclosed parenthesis", {{"(", "T", "2", "x"}}, {0}, 0, {kNao}},
      {"a lone ) is stacked and dropped by the next operator",
       {{")", "T", "and", "F", "2", "x"}},
       {0},
       0,
       {}},
      {"a lone ) then points", {{"T", ")", "2", "x"}}, {0}, 0, {kNao}},
      {"two operands score by the last",
       {{"F", "T", "3", "x"}, {"T", "F", "3", "y"}},
       {-1, 0},
       3,
       {}},
      {"points 3.5 give 4", {{"T", "3.5", "x"}}, {-1}, 4, {}},
      {"points 2.5 give 2", {{"T", "2.5", "x"}}, {-1}, 2, {}},
      {"points 3abc give 3", {{"T", "3abc", "x"}}, {-1}, 3, {}},
      {"points 0 are a token error", {{"T", "0", "x"}}, {0}, 0, {TokenMessage("0", 2, 2)}},
      {"a word is a token error, shown as the keyword test left it",
       {{"T", "word", "2"}},
       {0},
       0,
       {TokenMessage("WORD", 2, 2)}},
      {"a row without points ends at its first empty cell",
       {{"T"}},
       {0},
       0,
       {TokenMessage("", 2, 2)}},
      {"points 40000 do not fit", {{"T", "40000", "x"}}, {0}, 0, {TokenMessage("40000", 2, 2)}},
      {"points are the numeric prefix: 1 2 is 1", {{"T", "1 2", "x"}}, {-1}, 1, {}},
      {"&H10 has no numeric prefix", {{"T", "&H10", "x"}}, {0}, 0, {TokenMessage("&H10", 2, 2)}},
      {"only a points cell is an underflow scored false", {{"5", "x"}}, {0}, 0, {kUnderflow}},
      {"not before the points cell does not score", {{"not", "5", "x"}}, {0}, 0, {kUnderflow}},
      {"and with one operand does not score", {{"T", "and", "5", "x"}}, {0}, 0, {kUnderflow}},
      {"keyword arguments are consumed",
       {{"ARG", "yes", "and", "ARG", "yes", "2", "x"}},
       {-1},
       2,
       {}},
      {"keyword argument false", {{"ARG", "no", "2", "x"}}, {0}, 0, {}},
      {"damaged dispatcher",
       {{"BAD", "2", "x"}},
       {0},
       0,
       {{"错误——Retv", "程序有部分损坏，或当前系统有问题" + kTail}}},
      {"keyword unknown to the dispatcher",
       {{"NOKW", "2", "x"}},
       {0},
       0,
       {{"错误——Function name", "答案文件有错误" + kTail}}},
      {"all-empty rows are skipped", {{}, {"T", "2", "x"}, {}}, {0, -1, 0}, 2, {}},
      {"end in any case ends the table",
       {{"T", "1", "x"}, {"end"}, {"T", "5", "y"}},
       {-1, 0, 0},
       1,
       {}},
      {"END in a later cell is a token", {{"", "END"}}, {0}, 0, {TokenMessage("END", 2, 2)}},
  };
  return cases;
}

TEST(Evaluator, RuleRows) {
  for (const RowCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    win::MessageCapture capture;
    EngineState state(ControlKind::Presentation);
    InstallHooks(state);
    RunRows(state, c.rows);
    for (size_t i = 0; i < c.results.size(); ++i) {
      EXPECT_EQ(state.RuleResults[i + 2], c.results[i]) << "row " << i + 2;
    }
    EXPECT_EQ(state.TypeScores[41].awarded, c.awarded);
    std::vector<Message> shown;
    for (const auto& m : capture.Shown()) {
      EXPECT_EQ(m.flags, unsigned{win::MB_OK});
      shown.push_back({m.caption, m.text});
    }
    EXPECT_EQ(shown, c.messages);
  }
}

TEST(Evaluator, SymbolStackOverflowIsReportedAndEvaluationGoesOn) {
  win::MessageCapture capture;
  EngineState state;
  InstallHooks(state);
  std::vector<std::string> row(41, "(");
  row.push_back("T");
  RunRows(state, {row, {"END"}});
  // The 41st "(" is not stacked; "T" is, and the row then ends at its first empty cell.
  ASSERT_EQ(capture.Shown().size(), 2u);
  EXPECT_EQ(capture.Shown()[0].caption, "错误——Symbolstack");
  EXPECT_EQ(capture.Shown()[0].text, "符号栈上溢出" + kTail);
  EXPECT_EQ(capture.Shown()[1].text, TokenMessage("", 2, 43).text);
}

TEST(Evaluator, RowLoopEndsAfterRow100AndForgetsEarlierGradings) {
  win::MessageCapture capture;
  EngineState state;
  InstallHooks(state);
  Rows full(99, {"T", "1", "x"});
  RunRows(state, full);  // no END: must stop after row 100
  EXPECT_EQ(state.GridRow, 100);
  EXPECT_EQ(state.RuleResults[100], kTrue);
  EXPECT_EQ(state.TypeScores[41].awarded, 99);

  // A second grading whose first rule is a level-2 row must not see the first grading's rows.
  RunRows(state, {{"", "T", "1", "x"}});
  EXPECT_EQ(state.RuleResults[2], kFalse);
  EXPECT_EQ(state.RuleResults[100], kFalse);
  EXPECT_TRUE(capture.Shown().empty());
}

TEST(Evaluator, OperatorsPrecedenceAndPoints) {
  for (const char* op : {"NOT", "And", "or", "(", ")"}) {
    std::string token = op;
    EXPECT_TRUE(IsOperator(token)) << op;
    EXPECT_EQ(token, vb::LCase(op));
  }
  for (const char* word : {"nor", "", "&", "not "}) {
    std::string token = word;
    EXPECT_FALSE(IsOperator(token)) << word;
  }
  const char* ops[] = {"not", "and", "or", "(", ")"};
  const int16_t table[5][5] = {
      {-1, 10, 10, 1, 10}, {1, 10, 10, 1, 10}, {1, 1, 10, 1, 10}, {1, 1, 1, 1, 0}, {0, 0, 0, 0, 0}};
  for (int t = 0; t < 5; ++t) {
    for (int i = 0; i < 5; ++i) EXPECT_EQ(OperatorPrecedence(ops[t], ops[i]), table[t][i]);
  }
  EXPECT_EQ(OperatorPrecedence("AND", "Or"), 10);
  EXPECT_EQ(OperatorPrecedence("xor", "and"), 0);
  EXPECT_EQ(OperatorPrecedence("", "and"), 0);

  struct Case {
    const char* token;
    bool points;
  } cases[] = {{"1", true},      {" 2", true},   {"0.5", false}, {"0.51", true},  {"1.5", true},
               {"-3", false},    {"abc", false}, {"", false},    {"32767", true}, {"32768", false},
               {"1e400", false}, {"1e3", true},  {"1 2", true},  {"&H10", false}, {"2e-1", false},
               {"3D1", true},    {"+3", false},  {".", false},   {"4.", true},    {"5e", true}};
  for (const Case& c : cases) EXPECT_EQ(IsPoints(c.token), c.points) << c.token;
}

TEST(Evaluator, AnUnderflowRowIsScoredFalseInTheDebugLog) {
  win::MessageCapture capture;
  win::testing::ScopedTempFolder tmp("underflow_log_");
  EngineState state;
  InstallHooks(state);
  state.CheckPath = win::ToWindowsPath(tmp.Path()) + "\\";
  state.DebugFlag = kTrue;
  // The first row reaches AddScore with false; the second ends in its reduction, unscored.
  RunRows(state, {{"5", "only points"}, {"not", "5", "not points"}, {"T", "2", "true"}});
  std::ifstream log(tmp.Path() / "slidemark.txt", std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>()};
  EXPECT_EQ(text, "only points 0 \xB7\xD6\r\ntrue 2 \xB7\xD6\r\n");
  EXPECT_EQ(state.TypeScores[41].awarded, 2);
}

TEST(Evaluator, StacksPeekAndPopOnEmpty) {
  win::MessageCapture capture;
  EngineState state;
  InitStacks(state);
  EXPECT_TRUE(StackIsEmpty(state, StackName::SymbolStack));
  EXPECT_TRUE(StackIsEmpty(state, StackName::OperateStack));
  EXPECT_EQ(PeekSymbol(state), "");
  EXPECT_EQ(PeekOperand(state), kFalse);
  std::string symbol = "kept";
  int16_t value = 7;
  EXPECT_FALSE(PopSymbol(state, symbol));
  EXPECT_FALSE(PopOperand(state, value));
  EXPECT_EQ(symbol, "kept");
  EXPECT_EQ(value, 7);
  ASSERT_EQ(capture.Shown().size(), 2u);
  EXPECT_EQ(capture.Shown()[0].text, "符号栈下溢出" + kTail);
  PushOperand(state, kTrue);
  PushSymbol(state, "and");
  EXPECT_EQ(PeekOperand(state), kTrue);
  EXPECT_EQ(PeekSymbol(state), "and");
  EXPECT_TRUE(PopSymbol(state, symbol));
  EXPECT_EQ(symbol, "and");
  EXPECT_EQ(state.SymbolStack[1], "");  // the vacated position is cleared
}

}  // namespace
}  // namespace engine
