// Loading the answer workbook into the grid, and the grid's cell cursor.
#include "grading/engine/answer_grid.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>
#include <vector>

#include "grading/engine/engine_state.h"
#include "platform/office/excel/application.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace engine {
namespace {

// The scratch name the answer workbook is saved under before it is closed.
constexpr const char* kScratchFile = "C:\\tmq.tmq";

// Columns a row is always read to, empty or not; after them the first empty cell ends the row.
constexpr int kAlwaysReadColumns = 6;

bool InGrid(int row, int column) {
  return row >= 1 && row <= kGridRows && column >= 1 && column <= kGridColumns;
}

// Closing: delete the scratch file, save the workbook under it, delete it again, close. Here a
// close never asks and never writes the answer file, and the saved copy is deleted before anyone
// could see it, so the one lasting effect, an older scratch file gone, is all that is done: the
// write would cost a file creation per grading for nothing.
void CloseAnswerWorkbook(EngineState& state, excel::Application& app) {
  std::error_code ec;
  std::filesystem::remove(win::ToHostPath(kScratchFile), ec);
  if (state.Kind == ControlKind::Spreadsheet) {
    if (excel::Workbook* book = app.ActiveWorkbook()) book->SetSaved(true);
  }
  if (excel::Window* window = app.ActiveWindow()) window->Close();
}

// Grids read before, keyed on the host file and its exact bytes: the grid depends on nothing
// else, so a file with the same bytes gives the same grid without opening it again.
class GridCache {
 public:
  using Cells = std::vector<std::tuple<int, int, std::string>>;

  std::optional<Cells> Find(const std::string& file, const std::string& bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto at = entries_.find(file);
    if (at == entries_.end() || at->second.bytes != bytes) return std::nullopt;
    return at->second.cells;
  }
  void Store(const std::string& file, std::string bytes, Cells cells) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (entries_.size() >= kEntries && entries_.count(file) == 0) entries_.clear();
    entries_[file] = Entry{std::move(bytes), std::move(cells)};
  }

 private:
  static constexpr size_t kEntries = 16;
  struct Entry {
    std::string bytes;
    Cells cells;
  };
  std::mutex mutex_;
  std::map<std::string, Entry> entries_;
};

GridCache& Cache() {
  static GridCache cache;
  return cache;
}

GridCache::Cells FilledCells(const Grid& grid) {
  GridCache::Cells cells;
  for (int row = 1; row <= grid.RowsUsed(); ++row) {
    for (int column = 1; column <= kGridColumns; ++column) {
      const std::string& text = grid.Cell(row, column);
      if (!text.empty()) cells.emplace_back(row, column, text);
    }
  }
  return cells;
}

}  // namespace

const std::string& Grid::Cell(int row, int column) const {
  static const std::string kEmpty;
  if (!InGrid(row, column)) return kEmpty;
  return cells_[static_cast<size_t>((row - 1) * kGridColumns + (column - 1))];
}

void Grid::SetCell(int row, int column, std::string text) {
  if (!InGrid(row, column)) return;
  rowsUsed_ = std::max(rowsUsed_, row);
  cells_[static_cast<size_t>((row - 1) * kGridColumns + (column - 1))] = std::move(text);
}

Grid& Grid::operator=(const Grid& other) {
  if (this != &other) {
    // Past the larger of the two, both grids are empty already.
    const auto used = static_cast<size_t>(std::max(rowsUsed_, other.rowsUsed_) * kGridColumns);
    std::copy_n(other.cells_.begin(), used, cells_.begin());
    rowsUsed_ = other.rowsUsed_;
  }
  return *this;
}

void Grid::Clear() {
  for (size_t i = 0; i < static_cast<size_t>(rowsUsed_ * kGridColumns); ++i) cells_[i].clear();
  rowsUsed_ = 0;
}

std::string NextCell(EngineState& state) {
  if (state.GridColumn < INT16_MAX) ++state.GridColumn;
  return state.AnswerGrid.Cell(state.GridRow, state.GridColumn);
}

bool ReadAnswerGrid(EngineState& state, excel::Application& app) {
  for (int row = 1; row <= kGridRows; ++row) {
    for (int column = 1; column <= kGridColumns; ++column) {
      base::Result<vb::Variant> value = app.Cells(row, column).Value();
      if (!value) return false;
      base::Result<std::string> text = vb::CStr(std::move(*value));
      if (!text) return false;
      const bool empty = text->empty();
      const bool end = column == 1 && *text == "END";
      state.AnswerGrid.SetCell(row, column, *std::move(text));
      if (end) return true;
      if (empty && column > kAlwaysReadColumns) break;
    }
  }
  return true;
}

bool LoadAnswerTable(EngineState& state, std::string_view folder, std::string_view fileName) {
  state.AnswerGrid.Clear();
  excel::Application app;  // the "Excel.Sheet" object of this load
  const std::string path = std::string(folder) + std::string(fileName);
  const std::filesystem::path host = win::ToHostPath(path);
  base::Result<std::string> bytes = win::ReadRegularFile(host, win::kOfficeFileCap);
  if (bytes) {
    if (std::optional<GridCache::Cells> cells = Cache().Find(host.native(), *bytes)) {
      for (auto& [row, column, text] : *cells)
        state.AnswerGrid.SetCell(row, column, std::move(text));
      CloseAnswerWorkbook(state, app);
      return true;
    }
  }
  // Opened from the bytes just read, so the grid comes from exactly the bytes that key it.
  bool loaded = (bytes ? app.Workbooks().OpenBytes(path, *bytes) : app.Workbooks().Open(path, host))
                    .has_value();
  if (loaded) loaded = ReadAnswerGrid(state, app);
  CloseAnswerWorkbook(state, app);
  if (loaded && bytes)
    Cache().Store(host.native(), *std::move(bytes), FilledCells(state.AnswerGrid));
  return loaded;
}

bool ReadStudentFileName(EngineState& state, std::string_view folder, std::string_view fileName) {
  state.StudentFileName.clear();
  excel::Application app;  // the "Excel.Application" object of this read
  const std::string path = std::string(folder) + std::string(fileName);
  bool ok = app.Workbooks().Open(path).has_value();
  if (ok) {
    base::Result<vb::Variant> value = app.Cells(1, 2).Value();
    base::Result<std::string> text =
        value ? vb::CStr(*std::move(value)) : base::Result<std::string>(value.error());
    ok = text.has_value();
    if (ok) state.StudentFileName = *std::move(text);
  }
  CloseAnswerWorkbook(state, app);
  return ok;
}

}  // namespace engine
