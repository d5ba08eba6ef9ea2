// The answer workbook and the answer grid: the workbook's active sheet is copied into a
// 100 x 50 grid of texts, and a cell cursor (NextCell) hands the grid out token by token to the
// evaluator and the keyword dispatchers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace excel {
class Application;
}

namespace engine {

struct EngineState;

inline constexpr int kGridRows = 100;
inline constexpr int kGridColumns = 50;

// 100 rows by 50 columns of text, both indices from 1; empty cells hold the empty text.
class Grid {
 public:
  Grid() = default;
  // Copies only the rows either grid uses: a rule table is copied into the grid once a part.
  Grid(const Grid& other) { *this = other; }
  Grid& operator=(const Grid& other);

  // The cell's text; the empty text outside the grid.
  const std::string& Cell(int row, int column) const;
  // Ignored outside the grid.
  void SetCell(int row, int column, std::string text);
  void Clear();
  // Rows past this one are empty.
  int RowsUsed() const { return rowsUsed_; }

 private:
  std::array<std::string, kGridRows * kGridColumns> cells_;
  int rowsUsed_ = 0;  // rows past this one were never set since the last Clear
};

// Advances GridColumn and returns the grid cell at GridRow, GridColumn (empty outside the grid).
std::string NextCell(EngineState& state);

// Copies the application's active sheet into the grid: columns 1-6 of each row always, from
// column 7 up to the first empty cell, and nothing after an exact "END" in column 1. False when
// a cell read failed (the read ends there).
bool ReadAnswerGrid(EngineState& state, excel::Application& app);

// Empties the grid, opens folder + fileName, reads it with ReadAnswerGrid and closes it
// unchanged. False when the workbook could not be opened or read: the grid is then empty (or
// holds what was read before the failure), never the previous workbook's cells.
bool LoadAnswerTable(EngineState& state, std::string_view folder, std::string_view fileName);

// Sets StudentFileName to the text of row 1, column 2 of folder + fileName; on failure it is
// emptied and false returned.
bool ReadStudentFileName(EngineState& state, std::string_view folder, std::string_view fileName);

}  // namespace engine
