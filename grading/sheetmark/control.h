// sheetmark, the spreadsheet grading control as the exam client sees it: eight properties kept
// in its property bag, two methods, and the put of `ansname`, which grades. It reports the
// awarded points in ExcelGrade and the full marks in ExcelAllGrade; the client computes the
// percentage.
#pragma once

#include <cstdint>
#include <string>

#include "grading/sheetmark/state.h"
#include "platform/base/result.h"
#include "platform/com/dispatch_table.h"

namespace sheetmark {

// The module state the library's controls share.
SheetState& LibraryState();

class sheetmark : public com::ControlBase<sheetmark> {
 public:
  static constexpr com::ClassInfo kClass{com::Clsid::Of("{FBACF490-9A1C-424D-971E-5D1409C0B2C9}"),
                                         "sheetmark"};
  static const com::DispatchTable<sheetmark>& Table();

  // The dispatch ids the client calls.
  static constexpr com::DispId kPathOfexl = 0x68030000;
  static constexpr com::DispId kExcelAllGrade = 0x68030001;
  static constexpr com::DispId kExcelGrade = 0x68030002;
  static constexpr com::DispId kAnsname = 0x68030003;
  static constexpr com::DispId kExcelFileName = 0x68030004;
  static constexpr com::DispId kPathofans = 0x68030005;
  static constexpr com::DispId kIsGetName = 0x68030007;
  static constexpr com::DispId kEDebug = 0x68030008;
  static constexpr com::DispId kGrade = 0x6003000C;
  static constexpr com::DispId kGetFileName = 0x6003000D;

  // On the library's one module state, or on a state of the caller's (tests).
  sheetmark();
  explicit sheetmark(SheetState& state) : state_(state) {}

  std::string PathOfexl;      // the candidate's workbook folder, ending with "\"
  int16_t ExcelAllGrade = 0;  // full marks, from D1 of the answer workbook
  int16_t ExcelGrade = 0;     // awarded points; the seed of the awarded total
  std::string ansname;        // the answer workbook's name; its put grades
  std::string ExcelFileName;  // "*.*" puts the answer workbook's B1 here
  std::string Pathofans;      // the answer workbook's folder, ending with "\"
  bool IsGetName = false;     // a put of ansname only stores the name
  bool EDebug = true;         // write the debug log "1234.txt" while grading

  // One grading pass over the totals as they stand. Fails, with nothing graded, when the answer
  // workbook has no 16-bit full marks in D1 or its rule table no END row.
  base::Status grade();
  // StudentFileName := B1 of the answer workbook, when both its folder and name are set.
  void GetFileName();
  // Stores the name and, unless IsGetName, grades; a grading that fails fails the put and leaves
  // ExcelGrade as it was.
  base::Status PutAnsname(std::string value);
  void PutExcelFileName(std::string value);

 private:
  SheetState& state_;
};

}  // namespace sheetmark
