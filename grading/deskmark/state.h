// The desktop grader's module state: the run settings, the rule grid copied from the answer
// workbook, the loop's position and the point sums. One object per control library, shared by
// its instances (runs never overlap: they happen on the host's one thread).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "grading/deskmark/checks/primitives.h"

namespace deskmark {

inline constexpr int kGridRows = 100;
inline constexpr int kGridColumns = 8;

// Truth values as the checks hand them back.
using Truth = int16_t;
inline constexpr Truth kTrue = -1;
inline constexpr Truth kFalse = 0;
inline Truth ToTruth(bool value) {
  return value ? kTrue : kFalse;
}

// What DGrade copies from the control before a run.
struct RunSettings {
  std::string Pathofstu;     // the candidate folder, ending with "\"
  std::string Pathofanswer;  // the answer workbook's folder, ending with "\"
  std::string Answername;    // the answer workbook's file name
  bool Debugok = false;      // append one line per scored rule to "1234.txt"
};

// 8 columns by 100 rows of text, indexed (column, row) from 1 as the workbook is.
class RuleGrid {
 public:
  // The cell's text; the empty text outside the grid.
  const std::string& Cell(int column, int row) const;
  void SetCell(int column, int row, std::string text);
  void Clear();

 private:
  std::array<std::string, kGridRows * kGridColumns> cells_;
};

// The answer workbook last read, so an unchanged file is not parsed again.
struct LoadedBook {
  std::string hostPath;
  uint64_t device = 0, inode = 0, size = 0;
  int64_t modifiedNs = -1;
  RuleGrid grid;
  int16_t stopRow = 1;
};

struct DeskState {
  RunSettings settings;
  RuleGrid grid;
  int16_t StopRow = 1;  // the first row whose keyword is empty, 101 when all rows were read
  int16_t Row = 0;
  // Sums in 32 bits: 100 rules of 16-bit points never overflow them.
  int32_t Points = 0;
  int32_t Total = 0;
  int32_t Earned = 0;
  std::string Description;

  FolderCache folders;  // the candidate's folders as the current rule found them
  LoadedBook book;
};

}  // namespace deskmark
