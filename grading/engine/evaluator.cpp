// The rule row evaluator.
#include "grading/engine/evaluator.h"

#include <algorithm>
#include <optional>

#include "grading/engine/main1.h"
#include "grading/engine/paraname.h"
#include "grading/engine/publicdatacontrol.h"
#include "grading/engine/stack.h"
#include "platform/base/text.h"
#include "platform/vb/strings.h"
#include "platform/vb/variant.h"

namespace engine {
namespace {

constexpr const char* kDamaged = "程序有部分损坏，或当前系统有问题";
constexpr const char* kBadAnswerFile = "答案文件有错误";

// The operator's row and column in the precedence table, without regard to ASCII case; -1 for
// anything else.
int OperatorIndex(std::string_view op) {
  static constexpr std::string_view kOperators[] = {"not", "and", "or", "(", ")"};
  for (int i = 0; i < 5; ++i)
    if (base::EqualsNoCase(op, kOperators[i])) return i;
  return -1;
}

// The points a token is worth, or nothing when it is no points cell.
std::optional<int16_t> PointsOf(const std::string& token) {
  const base::Result<double> number = vb::Val(token);
  if (!number) return std::nullopt;
  const base::Result<int16_t> points = vb::CInt(vb::Variant::Double(*number));
  if (!points || *points <= 0) return std::nullopt;
  return *points;
}

}  // namespace

bool ReduceOnce(EngineState& state) {
  std::string op;
  if (!PopSymbol(state, op)) return false;
  op = vb::LCase(op);
  int16_t x = kFalse, y = kFalse;
  if (op == "not") {
    if (!PopOperand(state, x)) return false;
    PushOperand(state, static_cast<int16_t>(~x));
  } else if (op == "and" || op == "or") {
    if (!PopOperand(state, x) || !PopOperand(state, y)) return false;
    PushOperand(state, static_cast<int16_t>(op == "and" ? (y & x) : (y | x)));
  } else {
    ShowEngineError("NAO", kBadAnswerFile);
    return false;
  }
  return true;
}

bool IsOperator(std::string& token) {
  token = vb::LCase(token);
  return OperatorIndex(token) >= 0;
}

bool IsPoints(const std::string& token) {
  return PointsOf(token).has_value();
}

int16_t OperatorPrecedence(const std::string& top, const std::string& incoming) {
  static constexpr int16_t kTable[5][5] = {
      // not and  or   (   )     <- incoming; rows: top
      {-1, 10, 10, 1, 10},  // not
      {1, 10, 10, 1, 10},   // and
      {1, 1, 10, 1, 10},    // or
      {1, 1, 1, 1, 0},      // (
      {0, 0, 0, 0, 0},      // )
  };
  const int t = OperatorIndex(top);
  const int i = OperatorIndex(incoming);
  return t < 0 || i < 0 ? int16_t{0} : kTable[t][i];
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
      for (bool placed = false; !placed;) {
        if (StackIsEmpty(state, "SymbolStack")) {
          PushSymbol(state, token);
          break;
        }
        switch (OperatorPrecedence(PeekSymbol(state), token)) {
          case 0: {
            std::string dropped;
            PopSymbol(state, dropped);
            placed = true;
            break;
          }
          case 1:
            PushSymbol(state, token);
            placed = true;
            break;
          case 10:
            if (!ReduceOnce(state)) return kFalse;
            break;
          default:
            ShowEngineError(" -1", kDamaged);
            return kFalse;
        }
      }
    } else if (state.IsCheckKeyword && state.IsCheckKeyword(token)) {
      const int16_t rc = state.RunCheck ? state.RunCheck(token) : int16_t{-1};
      if (rc == -1) {
        ShowEngineError("Function name", kBadAnswerFile);
        return kFalse;
      }
      if (rc != 0 && rc != 1) {
        ShowEngineError("Retv", kDamaged);
        return kFalse;
      }
      PushOperand(state, rc == 1 ? kTrue : kFalse);
    } else if (const std::optional<int16_t> points = PointsOf(token)) {
      while (!StackIsEmpty(state, "SymbolStack")) {
        if (!ReduceOnce(state)) return kFalse;
      }
      int16_t result = PeekOperand(state);
      // A row whose expression left no value (only a points cell, or "not" before it) scores
      // nothing: its result would be a leftover, not a check.
      if (!PopOperand(state, result)) return kFalse;
      const std::string text = NextCell(state);
      AddScore(state, *points, state.QuestionType, result, text);
      return result;
    } else {
      ShowEngineError("Retv", "答案库有问题" + token + "\r\n错误行为：" +
                                  std::to_string(state.GridRow) + " ,  " +
                                  std::to_string(state.GridColumn));
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
    if (!ApplyRuleLevel(state, token)) continue;
    state.RuleResults[static_cast<size_t>(state.GridRow)] = EvaluateRuleRow(state, token);
  }
}

}  // namespace engine
