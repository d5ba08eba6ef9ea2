// docmark, the word-processor grading control as the exam client sees it: eight properties kept
// in its property bag, three methods, `Run` (the client's entry point: the percentage of the
// full marks) and the put of `ansname`, which grades for hosts that set properties.
#pragma once

#include <cstdint>
#include <string>

#include "grading/docmark/state.h"
#include "platform/base/result.h"
#include "platform/com/dispatch_table.h"

namespace docmark {

// The module state the library's controls share.
DocState& LibraryState();

// What Run answers when no grading took place: the grader could not read what is its own.
inline constexpr double kNotGraded = 0.001;

class docmark : public com::ControlBase<docmark> {
 public:
  static constexpr com::ClassInfo kClass{com::Clsid::Of("{58761E9E-8E05-4AF3-B331-A1CFAD77C33E}"),
                                         "docmark"};
  static const com::DispatchTable<docmark>& Table();

  // The dispatch ids the client calls.
  static constexpr com::DispId kAWordFileName = 0x68030000;
  static constexpr com::DispId kPathofans = 0x68030001;
  static constexpr com::DispId kIsgetname = 0x68030002;
  static constexpr com::DispId kWordAllGrade = 0x68030004;
  static constexpr com::DispId kStuExcelGradeGet = 0x68030005;
  static constexpr com::DispId kPathOfWordFile = 0x68030006;
  static constexpr com::DispId kEDebug2 = 0x68030007;
  static constexpr com::DispId kAnsname = 0x68030008;
  static constexpr com::DispId kWDgrade = 0x6003000C;
  static constexpr com::DispId kWDGetFileName = 0x6003000D;
  static constexpr com::DispId kRun = 0x6003000E;

  // On the library's one module state, or on a state of the caller's (tests).
  docmark();
  explicit docmark(DocState& state) : state_(state) {}

  std::string ansname;           // the answer workbook's name; its put grades
  bool EDebug2 = true;           // DebugFlag for a grading through the put of ansname
  std::string PathOfWordFile;    // the candidate's document folder, ending with "\"
  int16_t StuExcelGradeGet = 0;  // awarded points of the last grading through the put
  int16_t WordAllGrade = 0;      // full marks, D1 of the answer workbook
  bool Isgetname = false;        // a put of ansname only stores the name
  std::string pathofans;         // the answer workbook's folder, ending with "\"
  std::string AWordFileName;     // "*.*" puts the answer workbook's B1 here

  // The client's entry point: grades and answers awarded / full marks x 100 to three decimals
  // (not clamped). 0.001 when the grader could not read what is its own: the answer workbook
  // missing, its full marks 0 or no 16-bit number, a document in a format it cannot convert.
  double Run(std::string& WordCheckPath, std::string& WordAnswerPath,
             std::string& WordAnswerFileName, bool& DebugMode);
  // One grading over the awarded total as it stands. Fails, with nothing graded, when D1 of the
  // answer workbook holds no 16-bit number.
  base::Status WDgrade();
  // StudentFileName := B1 of the answer workbook, when both its folder and name are set.
  void WDGetFileName();
  // Stores the name and, unless Isgetname, grades; the awarded total is then cleared. A grading
  // that fails fails the put and leaves StuExcelGradeGet as it was.
  base::Status PutAnsname(std::string value);
  void PutAWordFileName(std::string value);

 private:
  DocState& state_;
};

}  // namespace docmark
