// The rule row evaluator.
#include "grading/engine/evaluator.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "grading/engine/answer_grid.h"
#include "grading/engine/engine_state.h"
#include "grading/engine/scoring.h"
#include "grading/engine/stack.h"
#include "platform/base/rounding.h"
#include "platform/base/text.h"
#include "platform/vb/strings.h"

namespace engine {
namespace {

constexpr const char* kDamaged = "程序有部分损坏，或当前系统有问题";
constexpr const char* kBadAnswerFile = "答案文件有错误";

// The operators, in the order of the precedence table's rows and columns.
enum class Operator { Not, And, Or, Open, Close };
constexpr int kOperatorCount = 5;
constexpr std::string_view kOperatorWords[kOperatorCount] = {"not", "and", "or", "(", ")"};

std::optional<Operator> OperatorOf(std::string_view word) {
  for (int i = 0; i < kOperatorCount; ++i)
    if (base::EqualsNoCase(word, kOperatorWords[i])) return static_cast<Operator>(i);
  return std::nullopt;
}

bool ReduceWith(EngineState& state, RowFault fault);

// Tells of a fault that ends the row: through the control's hook, or in the engine's own box.
void ReportFault(EngineState& state, RowFault fault, std::string_view titleWord,
                 std::string_view prompt) {
  if (state.ReportRowFault) {
    state.ReportRowFault(fault);
  } else {
    ShowEngineError(titleWord, prompt);
  }
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The number a points cell starts with: leading blanks skipped, then digits, one decimal point
// and an exponent (E or D, a sign, digits). Nothing when no digit starts it.
std::optional<double> NumericPrefix(std::string_view text) {
  text = base::TrimLeft(text);
  size_t i = 0, digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  std::string number(text.substr(0, i));
  if (i < text.size() && (base::AsciiLower(text[i]) == 'e' || base::AsciiLower(text[i]) == 'd')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      number += 'e';
      number += text.substr(i + 1, j - i - 1);
    }
  }
  return std::strtod(number.c_str(), nullptr);
}

// The points a token is worth, or nothing when it is no points cell.
std::optional<int16_t> PointsOf(const std::string& token) {
  const std::optional<double> number = NumericPrefix(token);
  if (!number) return std::nullopt;
  const double points = base::RoundHalfEven(*number);
  if (!(points > 0 && points <= INT16_MAX)) return std::nullopt;
  return static_cast<int16_t>(points);
}

// Puts an operator token (lower case) in its place on the symbol stack, reducing what binds
// tighter first. False when the row ends (after its message).
bool PlaceOperator(EngineState& state, const std::string& token) {
  for (;;) {
    if (StackIsEmpty(state, StackName::SymbolStack)) {
      PushSymbol(state, token);
      return true;
    }
    switch (OperatorPrecedence(PeekSymbol(state), token)) {
      case kDropTop: {
        std::string dropped;
        PopSymbol(state, dropped);
        return true;
      }
      case kPushIncoming:
        PushSymbol(state, token);
        return true;
      case kReduceFirst:
        if (!ReduceOnce(state)) return false;
        break;
      default:
        ReportFault(state, RowFault::kOperatorPair, " -1", kDamaged);
        return false;
    }
  }
}

// Runs the control's check for a keyword token and stacks its truth value. False when the row
// ends (after its message).
bool ApplyCheck(EngineState& state, std::string& token) {
  const int16_t answer = state.RunCheck ? state.RunCheck(token) : int16_t{kNoSuchKeyword};
  if (answer == kNoSuchKeyword) {
    ReportFault(state, RowFault::kUnknownKeyword, "Function name", kBadAnswerFile);
    return false;
  }
  if (answer != kCheckHolds && answer != kCheckFails) {
    ReportFault(state, RowFault::kDamagedAnswer, "Retv", kDamaged);
    return false;
  }
  PushOperand(state, answer == kCheckHolds ? kTrue : kFalse);
  return true;
}

// At the points cell: reduces what is left, takes the row's value and scores it with the text
// cell after the points. Nothing is scored when a reduction ends the row.
std::optional<int16_t> ScoreRow(EngineState& state, int16_t points) {
  while (!StackIsEmpty(state, StackName::SymbolStack)) {
    if (!ReduceWith(state, RowFault::kOperateStackAtPoints)) return std::nullopt;
  }
  int16_t result = PeekOperand(state);
  // A row that left no value (only a points cell) has shown its underflow and counts as false.
  PopOperand(state, result);
  const std::string text = NextCell(state);
  AddScore(state, points, state.QuestionType, result, text);
  return result;
}

// ReduceOnce, telling of a symbol that is no operator as `fault`.
bool ReduceWith(EngineState& state, RowFault fault) {
  std::string op;
  if (!PopSymbol(state, op)) return false;
  const std::optional<Operator> which = OperatorOf(op);
  int16_t x = kFalse, y = kFalse;
  if (which == Operator::Not) {
    if (!PopOperand(state, x)) return false;
    PushOperand(state, static_cast<int16_t>(~x));
  } else if (which == Operator::And || which == Operator::Or) {
    if (!PopOperand(state, x) || !PopOperand(state, y)) return false;
    PushOperand(state, static_cast<int16_t>(which == Operator::And ? (y & x) : (y | x)));
  } else {
    ReportFault(state, fault, "NAO", kBadAnswerFile);
    return false;
  }
  return true;
}

}  // namespace

bool ReduceOnce(EngineState& state) {
  return ReduceWith(state, RowFault::kSymbolStack);
}

bool IsOperator(std::string& token) {
  token = vb::LCase(token);
  return OperatorOf(token).has_value();
}

bool IsPoints(const std::string& token) {
  return PointsOf(token).has_value();
}

PrecedenceAction OperatorPrecedence(const std::string& top, const std::string& incoming) {
  constexpr PrecedenceAction E = kPrecedenceError, D = kDropTop, P = kPushIncoming,
                             R = kReduceFirst;
  static constexpr PrecedenceAction kTable[kOperatorCount][kOperatorCount] = {
      // not and or ( )     <- incoming; rows: top
      {E, R, R, P, R},  // not
      {P, R, R, P, R},  // and
      {P, P, R, P, R},  // or
      {P, P, P, P, D},  // (
      {D, D, D, D, D},  // )
  };
  const std::optional<Operator> t = OperatorOf(top);
  const std::optional<Operator> i = OperatorOf(incoming);
  if (!t || !i) return kDropTop;
  return kTable[static_cast<int>(*t)][static_cast<int>(*i)];
}

bool ApplyRuleLevel(EngineState& state, std::string& token) {
  while (token.empty()) {
    if (state.GridColumn >= kGridColumns) return false;
    token = NextCell(state);
  }
  const int level = state.GridColumn;
  for (int n = std::max(level, 1); n <= kRuleLevels; ++n) {
    state.RuleLevels[static_cast<size_t>(n)] = state.GridRow;
  }
  if (level >= 2 && level <= 4) {
    const int parent = state.RuleLevels[static_cast<size_t>(level - 1)];
    PushOperand(state, parent >= 1 && parent <= kGridRows
                           ? state.RuleResults[static_cast<size_t>(parent)]
                           : kFalse);
    PushSymbol(state, "AND");
  } else if (level >= 5) {
    ShowEngineError("Initstack", kBadAnswerFile);
  }
  return true;
}

int16_t EvaluateRuleRow(EngineState& state, std::string token) {
  for (;;) {
    if (IsOperator(token)) {
      if (!PlaceOperator(state, token)) return kFalse;
    } else if (state.IsCheckKeyword && state.IsCheckKeyword(token)) {
      if (!ApplyCheck(state, token)) return kFalse;
    } else if (const std::optional<int16_t> points = PointsOf(token)) {
      return ScoreRow(state, *points).value_or(kFalse);
    } else {
      ReportFault(state, RowFault::kBadToken, "Retv",
                  "答案库有问题" + token + "\r\n错误行为：" + std::to_string(state.GridRow) +
                      " ,  " + std::to_string(state.GridColumn));
      return kFalse;
    }
    token = NextCell(state);
  }
}

void ResetRuleTables(EngineState& state) {
  state.RuleResults.fill(kFalse);
  state.RuleLevels.fill(0);
}

void RunRuleRows(EngineState& state) {
  ResetRuleTables(state);
  while (state.GridRow < kGridRows) {
    ++state.GridRow;
    state.GridColumn = 0;
    std::string token = NextCell(state);
    InitStacks(state);
    token = vb::UCase(token);
    if (token == "END") break;
    if (state.HandleOwnRow && state.HandleOwnRow(token)) continue;
    if (!ApplyRuleLevel(state, token)) continue;
    state.RuleResults[static_cast<size_t>(state.GridRow)] = EvaluateRuleRow(state, token);
  }
}

}  // namespace engine
