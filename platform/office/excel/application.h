// The spreadsheet application object: its open workbooks, the active workbook, sheet and window,
// and Cells(row, column) on the active sheet. Failures are reported as a null result with the
// reason in LastError, the way an automation call fails, never as an exception.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
  // active; the same file again activates the open one. Null when the file is no workbook.
  Workbook* Open(std::string_view fileName);
  int Count() const { return static_cast<int>(books_.size()); }
  Workbook* Item(int index);
  Workbook* Item(std::string_view name);
  // Closes without saving; false when the workbook is not open here.
  bool Close(Workbook* book);

  Workbook* Active() { return active_; }

 private:
  Application& app_;
  std::vector<std::unique_ptr<Workbook>> books_;
  Workbook* active_ = nullptr;
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
  Range Cells(int row, int column) { return Range(ActiveSheet(), row, column); }

  // The reason of the last failed call.
  const std::string& LastError() const { return lastError_; }
  void SetLastError(std::string text) { lastError_ = std::move(text); }

 private:
  excel::Workbooks workbooks_;
  std::string lastError_;
};

}  // namespace excel
