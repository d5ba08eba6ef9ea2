// The split of the answer workbook and the table loader.
#include "grading/docmark/rule_tables.h"

#include "grading/engine/scoring.h"
#include "platform/vb/strings.h"
#include "platform/win/message_box.h"

namespace docmark {
namespace {

// The last row a table can give a rule or file row; the row after it is kept for END.
constexpr int kLastRuleRow = engine::kGridRows - 1;
// Cells of a workbook row copied whether empty or not: they carry the rule's level.
constexpr int kLevelColumns = 6;

void ShowSplitError() {
  win::MessageBox(kSplitError, "ERR", win::MB_OK);
}

// Fills one table row by row.
class TableWriter {
 public:
  TableWriter(DocState& state, RuleTable& table, const char* name)
      : state_(state), table_(table), name_(name) {
    table_.cells.Clear();
    table_.workingCopyRow.fill(false);
  }

  // The rule of workbook row `row`, after a file row when `fileName` is given.
  void Add(int row, const std::string* fileTag, const std::string* fileName, bool workingCopy) {
    const int needed = fileName != nullptr ? 2 : 1;
    if (rows_ + needed > kLastRuleRow) {
      if (!full_) {
        full_ = true;
        engine::WriteLogLine(state_.engine, "rule table " + std::string(name_) +
                                                " is full: workbook row " + std::to_string(row) +
                                                " and the rules after it are left out");
        ShowSplitError();
      }
      return;
    }
    if (fileName != nullptr) {
      ++rows_;
      table_.cells.SetCell(rows_, 1, *fileTag);
      table_.cells.SetCell(rows_, 2, *fileName);
      table_.workingCopyRow[static_cast<size_t>(rows_)] = workingCopy;
    }
    ++rows_;
    const engine::Grid& grid = state_.engine.AnswerGrid;
    for (int c = 2; c <= engine::kGridColumns; ++c) {
      const std::string& cell = grid.Cell(row, c);
      if (cell.empty() && c > kLevelColumns) break;
      table_.cells.SetCell(rows_, c - 1, cell);
    }
  }

  void Close() { table_.cells.SetCell(rows_ + 1, 1, "END"); }

 private:
  DocState& state_;
  RuleTable& table_;
  const char* name_;
  int rows_ = 0;
  bool full_ = false;
};

}  // namespace

std::string TmqDocName(std::string_view fileName) {
  const size_t dot = fileName.find('.');
  return std::string(fileName.substr(0, dot)) + "tmq.doc";
}

void SplitAnsFile(DocState& state) {
  const engine::Grid& grid = state.engine.AnswerGrid;
  TableWriter a(state, state.RuleTableA, "A");
  TableWriter b(state, state.RuleTableB, "B");
  state.CandidateDocuments.clear();
  int fileRow = 0;
  bool pendingA = false, pendingB = false, pendingAB = false;
  bool ended = false;
  // Without an "end" row the rows past the last rule are empty as well: those are not faults.
  bool hasEnd = false;
  for (int row = 1; row <= engine::kGridRows && !hasEnd; ++row)
    hasEnd = vb::LCase(grid.Cell(row, 1)) == "end";
  for (int row = 1; row <= engine::kGridRows && !ended; ++row) {
    const std::string tag = vb::LCase(grid.Cell(row, 1));
    const std::string& fileTag = grid.Cell(fileRow, 1);
    const std::string& fileName = grid.Cell(fileRow, 2);
    if (tag == "filename") {
      fileRow = row;
      pendingA = pendingB = pendingAB = true;
      state.CandidateDocuments.insert(vb::LCase(grid.Cell(row, 2)));
    } else if (tag == "a") {
      a.Add(row, &fileTag, pendingA ? &fileName : nullptr, false);
      pendingA = false;
    } else if (tag == "b") {
      b.Add(row, &fileTag, pendingB ? &fileName : nullptr, false);
      pendingB = false;
    } else if (tag == "ab") {
      const std::string copy = TmqDocName(fileName);
      b.Add(row, &fileTag, pendingAB ? &copy : nullptr, true);
      pendingAB = false;
    } else if (tag == "end") {
      ended = true;
    } else if (tag.empty() && !hasEnd) {
      if (grid.RowsUsed() >= row)
        engine::WriteLogLine(state.engine,
                             "answer workbook row " + std::to_string(row) + " has no tag");
    } else if (tag.empty()) {
      engine::WriteLogLine(state.engine,
                           "answer workbook row " + std::to_string(row) + " has no tag");
      ShowSplitError();
    } else {
      engine::WriteLogLine(state.engine, "answer workbook row " + std::to_string(row) +
                                             " has the unknown tag " + grid.Cell(row, 1));
      ShowSplitError();
    }
  }
  if (!ended) {
    engine::WriteLogLine(state.engine, "the answer workbook has no end row: its rules end at row " +
                                           std::to_string(engine::kGridRows));
  }
  a.Close();
  b.Close();
}

void LoadRuleTable(DocState& state, const RuleTable& table) {
  state.engine.AnswerGrid = table.cells;
}

}  // namespace docmark
