// Rule rows: a row's level (its leading empty cells) ties it to the row above it, and its
// tokens form an infix boolean expression over the control's check keywords, evaluated with
// the two stacks and scored at its points cell.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

struct EngineState;

// Lower-cases the token in place; true for "not", "and", "or", "(" and ")".
bool IsOperator(std::string& token);

// True when the token's numeric prefix (leading blanks skipped, then digits, one decimal point
// and an exponent), rounded halves to even, is a 16-bit whole number above 0.
bool IsPoints(const std::string& token);

// What to do with an incoming operator, given the operator on top of the symbol stack.
enum PrecedenceAction : int16_t {
  kPrecedenceError = -1,  // the pair may not stand together ("not not")
  kDropTop = 0,           // pop the top and drop it; the incoming operator is done
  kPushIncoming = 1,
  kReduceFirst = 10,  // reduce once, then compare again
};

// The precedence table, operators compared without regard to case; pairs outside it give
// kDropTop.
PrecedenceAction OperatorPrecedence(const std::string& top, const std::string& incoming);

// Applies the operator on top of the symbol stack to the operands below it. False (after the
// message, if any) ends the row without a score: a parenthesis met here, or a missing operand.
bool ReduceOnce(EngineState& state);

// Skips the row's leading empty cells (the token becomes its first non-empty cell), records the
// row's level and, for levels 2-4, stacks the parent's result and "AND". False for a row with no
// non-empty cell up to column 50, which has no level and is not evaluated.
bool ApplyRuleLevel(EngineState& state, std::string& token);

// Evaluates the row from its first token, scores it at its points cell with AddScore and
// returns its truth value; a faulty row is reported and returns false without a score. A row
// whose expression left no value at its points cell (only a points cell) is reported as an
// operand underflow and scored as false.
int16_t EvaluateRuleRow(EngineState& state, std::string token);

// Forgets the results and levels of an earlier grading.
void ResetRuleTables(EngineState& state);

// The row loop the controls share: from the row after GridRow, each row is evaluated into
// RuleResults until a row whose first cell is "END" (any case) or after row 100; all-empty rows
// are skipped, and so are the rows the control's HandleOwnRow takes. Starts by ResetRuleTables.
void RunRuleRows(EngineState& state);

}  // namespace engine
