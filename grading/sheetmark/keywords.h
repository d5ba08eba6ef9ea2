// The spreadsheet rule keywords (the system's unit CaseFunctionExl): one table from keyword to
// the letters of its argument cells and its check, and the two hooks the engine's row evaluator
// calls, IsCheckKeyword and RunCheck.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "grading/sheetmark/state.h"

namespace sheetmark {

// A rule's argument cells, read one after the other with the engine's NextCell and each
// converted by its letter:
//   S text as it stands; I 16-bit integer; L 32-bit integer; D double; B truth value (True,
//   False or a number, non-zero true); N a 16-bit count followed by that many I cells, at most
//   20 (cells past the twentieth are left for the evaluator).
// A cell that does not convert gives 0 (false); it is consumed all the same.
class Arguments {
 public:
  static Arguments Read(engine::EngineState& state, std::string_view letters);

  const std::string& S(size_t i) const { return cells_[i].text; }
  int16_t I(size_t i) const { return static_cast<int16_t>(cells_[i].number); }
  int32_t L(size_t i) const { return static_cast<int32_t>(cells_[i].number); }
  double D(size_t i) const { return cells_[i].number; }
  bool B(size_t i) const { return cells_[i].number != 0; }
  size_t Count() const { return cells_.size(); }
  // The texts of the cells after cell i (the list an N cell counts).
  std::vector<std::string> TextsAfter(size_t i) const;

 private:
  struct Cell {
    std::string text;
    double number = 0;
  };
  void ReadOne(engine::EngineState& state, char letter);
  std::vector<Cell> cells_;
};

// A check as the dispatcher runs it: its truth value over the rule's arguments.
using Check = int16_t (*)(SheetState& state, const Arguments& args);

struct KeywordRow {
  std::string_view keyword;
  std::string_view letters;
  Check check;
};

// All 50 keywords, in table order.
std::span<const KeywordRow> Keywords();
// The row of an upper-case keyword; null when there is none.
const KeywordRow* FindKeyword(std::string_view keyword);

// Upper-cases the token in place; true when it is a keyword.
bool IsCheckKeyword(std::string& token);
// Upper-cases the token in place, reads the keyword's argument cells, runs its check: 1 when it
// holds, 0 when not, -1 for a token that is no keyword.
int16_t RunCheck(SheetState& state, std::string& token);

}  // namespace sheetmark
