// The workbook operations of the checks (the system's unit excelpub).
#include "grading/sheetmark/workbook_helpers.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <system_error>

#include "grading/engine/scoring.h"
#include "grading/sheetmark/checks/cells.h"
#include "platform/base/rounding.h"
#include "platform/office/common/file_kind.h"
#include "platform/vb/strings.h"
#include "platform/win/attributes.h"
#include "platform/win/codepage.h"
#include "platform/win/confined_file.h"
#include "platform/win/files.h"
#include "platform/win/paths.h"

namespace sheetmark {
namespace {

// What a plain directory look-up leaves out besides folders.
constexpr uint32_t kHiddenOrSystem = 0x2 | 0x4;

bool HasWildcards(std::string_view path) {
  return path.find_first_of("*?") != std::string_view::npos;
}

// The host file of a normal file (neither hidden nor system) at the path, found as a directory
// look-up finds it (wildcards allowed); nothing when there is none.
std::optional<std::filesystem::path> NormalFile(std::string_view path) {
  if (!HasWildcards(path)) {
    // One name: its file, without listing the folder.
    std::filesystem::path host = win::ToHostPath(path);
    std::error_code ec;
    if (std::filesystem::is_regular_file(host, ec) &&
        (win::GetHostFileAttributes(host) & kHiddenOrSystem) == 0)
      return host;
    return std::nullopt;
  }
  for (const win::FindData& found : win::FindFiles(path)) {
    if (!found.isFolder && (found.attributes & kHiddenOrSystem) == 0)
      return win::ToHostPath(path);  // opening a name with wildcards fails, as it should
  }
  return std::nullopt;
}

// The sheet of that name, selected; null when there is none (CurrentSheet is left alone).
excel::Worksheet* SelectFound(excel::Application& app, std::string_view name) {
  excel::Worksheet* active = app.ActiveSheet();
  if (active != nullptr && active->Name() == name) return active;
  base::Result<excel::Worksheet*> sheet = app.Sheets(name);
  if (!sheet) return nullptr;
  (void)(*sheet)->Select();
  return *sheet;
}

// Selects a range of the active sheet; nothing when it is none.
void SelectRange(excel::Application& app, std::string_view reference) {
  if (base::Result<excel::Range> range = app.Range(reference)) (void)range->Select();
}

}  // namespace

bool OpenStudentWorkbook(SheetState& state, std::string_view path) {
  const std::optional<std::filesystem::path> host = NormalFile(path);
  if (!host) return false;
  // The candidate wrote it: a link out of his folder (the check folder's parent; outside a
  // grading, the workbook's own folder), a FIFO or a device reads as no file; one that is too
  // large or no workbook leaves the rules to run on nothing open.
  const base::Result<win::ConfinedFolder> folder =
      state.engine.CheckPath.empty()
          ? win::ConfinedFolder::Resolve(host->parent_path())
          : win::ConfinedFolder::OfCheckFolder(win::ToHostPath(state.engine.CheckPath));
  base::Result<std::string> bytes = folder
                                        ? win::ReadConfinedFile(*host, *folder, win::kOfficeFileCap)
                                        : base::Result<std::string>(folder.error());
  if (!bytes && win::ReadsAsMissing(bytes.error()) && !HasWildcards(path)) return false;
  if (bytes && office::IsCompoundFile(*bytes)) {
    // A binary workbook: read through the converter, as the model reads only its values.
    const std::string name = win::FileNamePart(path);
    base::Result<std::string> converted =
        office::ConvertBytesToPackage(*bytes, name, office::PackageFormat::Xlsx, state.Conversion);
    if (!converted) {
      engine::WriteLogLine(state.engine,
                           "cannot read the format of " + name + ": " + converted.error().message);
      if (converted.error().code == office::kConverterMissing)
        state.UnreadableFormat = converted.error().message;
    }
    bytes = std::move(converted);
  }
  if (bytes && state.SpreadsheetApp)
    (void)state.SpreadsheetApp->Workbooks().OpenBytes(path, *bytes);
  SelectSheet(state, "sheet1");
  return true;
}

std::filesystem::path PrivateScratchPath() {
  static const std::filesystem::path folder = [] {
    std::error_code ec;
    std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : temp;
  }();
  static std::atomic<unsigned> counter{0};
  return folder / ("sheetmark-" + std::to_string(::getpid()) + "-" +
                   std::to_string(counter.fetch_add(1)) + ".xlsx");
}

void CloseStudentWorkbook(SheetState& state, const std::filesystem::path& scratch) {
  std::error_code ec;
  std::filesystem::remove(scratch, ec);
  if (state.SpreadsheetApp) {
    excel::Workbooks& books = state.SpreadsheetApp->Workbooks();
    if (excel::Workbook* book = books.Active()) books.Close(book);  // never saved
  }
  std::filesystem::remove(scratch, ec);
}

void SelectSheet(SheetState& state, std::string_view name) {
  if (state.SpreadsheetApp) SelectFound(*state.SpreadsheetApp, name);
  state.CurrentSheet = std::string(name);
}

bool EnsureSheet(SheetState& state, std::string_view name) {
  if (name != state.CurrentSheet) state.CurrentSheet = std::string(name);
  if (!state.SpreadsheetApp) return false;
  // Selecting the sheet that is in front already changes nothing, so one look-up serves both
  // the selection and the answer.
  excel::Worksheet* sheet = SelectFound(*state.SpreadsheetApp, name);
  return sheet != nullptr && state.SpreadsheetApp->ActiveSheet() == sheet;
}

void CopyRangeTo(SheetState& state, std::string_view source, std::string_view destination) {
  if (!state.SpreadsheetApp) return;
  excel::Application& app = *state.SpreadsheetApp;
  SelectRange(app, source);
  if (base::Result<excel::Range> selection = app.Selection()) (void)selection->Copy();
  SelectRange(app, destination);
  if (excel::Worksheet* sheet = app.ActiveSheet()) (void)sheet->Paste();
}

void CopyBlockTo(SheetState& state, std::string_view first, std::string_view second,
                 std::string_view destination) {
  CopyRangeTo(state, std::string(first) + ":" + std::string(second), destination);
}

void AutoFitColumns(SheetState& state, std::string_view sheet, std::string_view columns) {
  EnsureSheet(state, sheet);
  if (!state.SpreadsheetApp) return;
  excel::Application& app = *state.SpreadsheetApp;
  if (base::Result<excel::Range> range = app.Columns(columns)) (void)range->Select();
  if (base::Result<excel::Range> selection = app.Selection()) (void)selection->AutoFitColumns();
}

bool SplitCellAddress(std::string_view address, std::string& column, int16_t& row) {
  // Mid(address, 2, 1): one byte, as the column letters are ASCII.
  const std::string letter = address.size() >= 2 ? std::string(address.substr(1, 1)) : "";
  const size_t dollar = address.size() >= 2 ? address.find('$', 1) : std::string_view::npos;
  const std::string_view digits =
      dollar == std::string_view::npos ? std::string_view() : address.substr(dollar + 1);
  const base::Result<double> number = vb::Val(digits);
  if (!number) return false;
  const double rounded = base::RoundHalfEven(*number);
  if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) return false;
  column = letter;
  row = static_cast<int16_t>(rounded);
  return true;
}

FilterCall SplitFilterCriteria(std::string_view column, std::string_view criteria) {
  FilterCall call;
  if (std::optional<int16_t> code =
          AnsiCode(vb::UCase(column.substr(0, FirstCharacterLength(column)))))
    call.field = *code - 64;
  const std::string upper = vb::UCase(criteria);
  const size_t at = upper.find("OR");
  if (at == std::string::npos) {
    call.criteria1 = std::string(criteria);
    call.op = excel::xlAnd;
    return call;
  }
  call.criteria1 = upper.substr(0, at);
  std::string_view rest = std::string_view(upper).substr(at + 2);
  rest.remove_prefix(FirstCharacterLength(rest));
  call.criteria2 = std::string(rest);
  call.op = excel::xlOr;
  return call;
}

void ApplyAutoFilter(SheetState& state, std::string_view column, std::string_view criteria) {
  if (!state.SpreadsheetApp) return;
  excel::Application& app = *state.SpreadsheetApp;
  const FilterCall call = SplitFilterCriteria(column, criteria);
  SelectRange(app, "Colum1");
  if (base::Result<excel::Range> selection = app.Selection())
    (void)selection->AutoFilter(call.field, call.criteria1, call.op, call.criteria2);
}

std::string ChartName(int number) {
  return "图表 " + std::to_string(number);
}

bool ChartExists(SheetState& state, int16_t number) {
  state.ChartNumber = number;
  if (!state.SpreadsheetApp) return false;
  excel::Application& app = *state.SpreadsheetApp;
  if (excel::Worksheet* sheet = app.ActiveSheet()) {
    base::Result<excel::ChartObject> chart = sheet->ChartObjects(ChartName(number));
    if (chart && chart->Activate()) return true;
  }
  // The chart found before must not answer for the one that is missing.
  app.DeactivateChart();
  return false;
}

void ActivateChart(SheetState& state) {
  (void)ChartExists(state, state.ChartNumber);
}

base::Result<excel::Chart> ActiveChart(SheetState& state) {
  if (!state.SpreadsheetApp) return base::Error::Of("no spreadsheet application is running");
  return state.SpreadsheetApp->ActiveChart();
}

void ReadSeries(SheetState& state, int16_t k, std::vector<vb::Variant>& values, std::string& name) {
  base::Result<excel::Chart> chart = ActiveChart(state);
  if (!chart) return;
  base::Result<excel::Series> series = chart->SeriesCollection(k);
  if (!series) return;
  if (base::Result<std::vector<vb::Variant>> read = series->Values()) values = std::move(*read);
  if (base::Result<std::string> read = series->Name()) name = std::move(*read);
}

void ReadSeriesXValues(SheetState& state, int16_t k, std::vector<vb::Variant>& values) {
  base::Result<excel::Chart> chart = ActiveChart(state);
  if (!chart) return;
  base::Result<excel::Series> series = chart->SeriesCollection(k);
  if (!series) return;
  if (base::Result<std::vector<vb::Variant>> read = series->XValues()) values = std::move(*read);
}

namespace {

// The cells of one column below the header row against the chart's values, counted from 1 at
// the row after the header; a value the chart does not have compares as an empty one.
bool CompareColumn(SheetState& state, std::string_view dataSheet, char column, int firstRow,
                   int lastRow, const std::vector<vb::Variant>& values) {
  for (int row = firstRow + 1; row <= lastRow; ++row) {
    const size_t index = static_cast<size_t>(row - firstRow - 1);
    const vb::Variant expected = index < values.size() ? values[index] : vb::Variant();
    const std::string address = std::string(1, column) + std::to_string(row);
    if (CheckCellTyped(state, dataSheet, address, expected) == engine::kFalse) return false;
  }
  return true;
}

}  // namespace

bool CompareSeriesXValues(SheetState& state, std::string_view dataSheet,
                          std::string_view chartSheet, std::string_view column, int16_t firstRow,
                          std::string_view /*lastColumn*/, int16_t lastRow) {
  SelectSheet(state, chartSheet);
  ActivateChart(state);
  std::vector<vb::Variant> categories;
  ReadSeriesXValues(state, 1, categories);
  SelectSheet(state, dataSheet);
  if (column.empty()) return firstRow + 1 > lastRow;
  return CompareColumn(state, dataSheet, column[0], firstRow, lastRow, categories);
}

bool CompareSeriesValues(SheetState& state, std::string_view dataSheet, std::string_view chartSheet,
                         int16_t& k, std::string_view firstColumn, int16_t firstRow,
                         std::string_view lastColumn, int16_t lastRow) {
  const std::optional<int16_t> first = AnsiCode(firstColumn);
  const std::optional<int16_t> last = AnsiCode(lastColumn);
  const int columns = first && last ? *last - *first + 1 : 0;
  for (int c = 1; c <= columns; ++c) {
    ++k;
    SelectSheet(state, chartSheet);
    ActivateChart(state);
    std::vector<vb::Variant> values;
    std::string name;  // read with the values, not compared
    ReadSeries(state, k, values, name);
    SelectSheet(state, dataSheet);
    const char column = static_cast<char>(*first + c - 1);
    if (!CompareColumn(state, dataSheet, column, firstRow, lastRow, values)) return false;
  }
  return true;
}

bool WithinHundredth(double a, double b) {
  return std::fabs(a - b) < 0.01;
}

size_t FirstCharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  const size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return std::min(n, text.size());
}

std::optional<int16_t> AnsiCode(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const std::string gbk = win::Utf8ToGbk(text.substr(0, FirstCharacterLength(text)));
  if (gbk.empty()) return std::nullopt;
  const auto first = static_cast<unsigned char>(gbk[0]);
  if (first < 0x80 || gbk.size() < 2) return static_cast<int16_t>(first);
  const auto code = static_cast<uint16_t>((first << 8) | static_cast<unsigned char>(gbk[1]));
  return static_cast<int16_t>(code);
}

}  // namespace sheetmark
