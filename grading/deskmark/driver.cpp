// The rule loop and its scoring.
#include "grading/deskmark/driver.h"

#include <sys/stat.h>

#include <algorithm>

#include "grading/deskmark/keywords.h"
#include "platform/base/rounding.h"
#include "platform/base/text.h"
#include "platform/office/excel/application.h"
#include "platform/win/codepage.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace deskmark {
namespace {

constexpr const char* kDebugLog = "1234.txt";

bool InGrid(int column, int row) {
  return column >= 1 && column <= kGridColumns && row >= 1 && row <= kGridRows;
}

size_t Index(int column, int row) {
  return static_cast<size_t>((row - 1) * kGridColumns + (column - 1));
}

int64_t ModifiedNs(const struct stat& st) {
  return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

bool SameFile(const LoadedBook& book, const std::string& host, const struct stat& st) {
  return book.hostPath == host && book.device == st.st_dev && book.inode == st.st_ino &&
         book.size == static_cast<uint64_t>(st.st_size) && book.modifiedNs == ModifiedNs(st);
}

}  // namespace

const std::string& RuleGrid::Cell(int column, int row) const {
  static const std::string kEmpty;
  return InGrid(column, row) ? cells_[Index(column, row)] : kEmpty;
}

void RuleGrid::SetCell(int column, int row, std::string text) {
  if (InGrid(column, row)) cells_[Index(column, row)] = std::move(text);
}

void RuleGrid::Clear() {
  for (std::string& cell : cells_) cell.clear();
}

void ReadRuleGrid(DeskState& state, excel::Application& app) {
  for (int row = 1; row <= kGridRows; ++row) {
    for (int column = 1; column <= kGridColumns; ++column) {
      if (base::Result<vb::Variant> value = app.Cells(row, column).Value()) {
        base::Result<std::string> text = vb::CStr(std::move(*value));
        if (text) state.grid.SetCell(column, row, std::move(*text));
      }
      if (column == 1 && state.grid.Cell(1, row).empty()) {
        state.StopRow = static_cast<int16_t>(row);
        return;
      }
    }
    // Rows after "END" are never evaluated; reading them would change nothing.
    if (state.grid.Cell(1, row) == "END") {
      state.StopRow = static_cast<int16_t>(row + 1);
      return;
    }
  }
  state.StopRow = kGridRows + 1;
}

void OpenAnswerBook(DeskState& state, std::string_view path) {
  const std::string host = win::ToHostPath(path).string();
  struct stat st;
  const bool found = ::stat(host.c_str(), &st) == 0;
  if (found && SameFile(state.book, host, st)) {
    state.grid = state.book.grid;
    state.StopRow = state.book.stopRow;
    return;
  }
  state.grid.Clear();
  state.StopRow = 1;
  state.book = LoadedBook{};
  excel::Application app;  // the "Excel.sheet" object of this read
  if (!app.Workbooks().Open(path)) return;
  ReadRuleGrid(state, app);
  if (found) {
    state.book.hostPath = host;
    state.book.device = st.st_dev;
    state.book.inode = st.st_ino;
    state.book.size = static_cast<uint64_t>(st.st_size);
    state.book.modifiedNs = ModifiedNs(st);
    state.book.grid = state.grid;
    state.book.stopRow = state.StopRow;
  }
}

Truth EvalRule(DeskState& state, std::string& keyword) {
  keyword = base::AsciiUpper(keyword);
  const Check check = FindCheck(keyword);
  if (check == nullptr) return kFalse;
  RuleParams p;
  for (int i = 0; i < 5; ++i) p[static_cast<size_t>(i)] = state.grid.Cell(2 + i, state.Row);
  // Afresh for each rule: an earlier rule's debug line, or anything else written since, is seen.
  state.folders.Reset(state.settings.Pathofstu);
  CheckContext context{state.settings.Pathofstu, state.folders};
  return check(context, p);
}

void ScoreRule(DeskState& state, Truth passed) {
  state.Points = 0;
  if (state.Row >= state.StopRow) return;
  state.Points = IntParam(state.grid.Cell(7, state.Row));
  state.Total += state.Points;
  if (passed) state.Earned += state.Points;
  if (state.settings.Debugok) LogRule(state, passed ? state.Points : 0);
}

void LogRule(DeskState& state, int32_t points) {
  state.Description = state.grid.Cell(8, state.Row);
  if (state.settings.Pathofstu.empty()) return;
  const std::string line = state.Description + " " + std::to_string(points) + "分\r\n";
  // A link or a FIFO the candidate left under that name is skipped; grading goes on.
  (void)win::AppendToLogFile(win::ToHostPath(state.settings.Pathofstu + kDebugLog),
                             win::Utf8ToGbk(line));
}

int16_t Percentage(int32_t earned, int32_t total) {
  const double value =
      total == 0 ? earned : base::RoundHalfEven(static_cast<double>(earned) * 100.0 / total);
  return static_cast<int16_t>(std::clamp(value, double{INT16_MIN}, double{INT16_MAX}));
}

int16_t GradeRules(DeskState& state) {
  state.Total = 0;
  state.Earned = 0;
  OpenAnswerBook(state, state.settings.Pathofanswer + state.settings.Answername);
  for (state.Row = 1; state.Row < state.StopRow; ++state.Row) {
    std::string keyword = state.grid.Cell(1, state.Row);
    if (keyword == "END") break;
    const Truth passed = EvalRule(state, keyword);
    ScoreRule(state, passed);
    if (keyword == "END") break;  // "end" in any case: checked as unknown, then the list ends
  }
  state.folders.Reset({});
  return Percentage(state.Earned, state.Total);
}

int16_t DeskGrader::Grade(std::string_view pathofstu, std::string_view pathofanswer,
                          std::string_view answername, bool debugok) {
  try {
    state_.settings = RunSettings{std::string(pathofstu), std::string(pathofanswer),
                                  std::string(answername), debugok};
    return GradeRules(state_);
  } catch (...) {
    // Out of memory and the like: the run ends with what it had scored.
    state_.folders.Reset({});
    return Percentage(state_.Earned, state_.Total);
  }
}

}  // namespace deskmark
