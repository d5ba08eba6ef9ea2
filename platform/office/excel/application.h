// The spreadsheet application object: its open workbooks, the active workbook, sheet and window,
// Range/Cells/Columns/Selection on the active sheet, Sheets of the active workbook, and the
// clipboard that Copy fills and Paste empties. Every call that can fail returns a base::Result,
// the way an automation call fails, never an exception.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/excel/chart.h"
#include "platform/office/excel/range.h"
#include "platform/office/excel/window.h"
#include "platform/office/excel/workbook.h"
#include "platform/office/excel/worksheet.h"

namespace excel {

class Application;

class Workbooks {
 public:
  explicit Workbooks(Application& app) : app_(app) {}

  // Opens a workbook by its Windows-form path (any extension: the content decides) and makes it
  // active; the same file again activates the open one. An error says why it is no workbook.
  base::Result<Workbook*> Open(std::string_view fileName);
  // The same for a path the caller has already found on the host.
  base::Result<Workbook*> Open(std::string_view fileName, const std::filesystem::path& hostFile);
  // The same from the file's bytes, already read by the caller.
  base::Result<Workbook*> OpenBytes(std::string_view fileName, std::string_view bytes);
  int Count() const { return static_cast<int>(books_.size()); }
  Workbook* Item(int index);
  Workbook* Item(std::string_view name);
  // Closes without saving; false when the workbook is not open here.
  bool Close(Workbook* book);

  Workbook* Active() { return active_; }

 private:
  // The open workbook of that name, made active; null when there is none.
  Workbook* Activate(std::string_view fileName);
  // Keeps a newly opened workbook and makes it active.
  base::Result<Workbook*> Add(std::string_view fileName,
                              base::Result<std::unique_ptr<Workbook>> book);

  Application& app_;
  std::vector<std::unique_ptr<Workbook>> books_;
  Workbook* active_ = nullptr;
};

// What Copy put on the clipboard: the copied rows (only the visible ones under a filter) of a
// block of columns, and what each position that held something (a value, a formula or a format)
// held when copied. Positions not listed were empty: pasting them clears the target.
struct Clipboard {
  std::vector<int> rows;  // the source rows, in order
  int firstColumn = 1;
  int columns = 0;
  // Row: the index into `rows`; column: from firstColumn. Row by row, left to right.
  std::vector<PlacedCell> cells;
};

class Application {
 public:
  Application() : workbooks_(*this) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  excel::Workbooks& Workbooks() { return workbooks_; }
  Workbook* ActiveWorkbook() { return workbooks_.Active(); }
  Worksheet* ActiveSheet();
  Window* ActiveWindow();

  // A cell of the active sheet; its reads fail when no workbook is open.
  excel::Range Cells(int row, int column) {
    return excel::Range(ActiveSheet(), {row, column, row, column});
  }
  // An A1 area of the active sheet, "Sheet!A1:B2", or a defined name (which may be of another
  // sheet, as the suite allows).
  base::Result<excel::Range> Range(std::string_view reference);
  base::Result<excel::Range> Columns(std::string_view columns);
  base::Result<excel::Range> Selection();
  // A sheet of the active workbook by name.
  base::Result<Worksheet*> Sheets(std::string_view name);

  void SetClipboard(Clipboard clipboard) { clipboard_ = std::move(clipboard); }
  const std::optional<Clipboard>& ClipboardContent() const { return clipboard_; }

  // The chart part of the active chart ("" when none is).
  const std::string& ActiveChartPart() const { return activeChart_; }
  void SetActiveChart(std::string part) { activeChart_ = std::move(part); }
  // Leaves no chart active, as selecting a sheet does.
  void DeactivateChart() { activeChart_.clear(); }
  // The active workbook's active chart; fails when no workbook is open or no chart is active.
  base::Result<Chart> ActiveChart();

 private:
  excel::Workbooks workbooks_;
  std::optional<Clipboard> clipboard_;
  std::string activeChart_;
};

}  // namespace excel
