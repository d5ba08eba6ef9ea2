// slidemark, the presentation grading control as the exam client sees it: eight properties kept
// in its property bag, three methods, `Run` (the client's entry point: the percentage of the
// full marks) and the put of `ansname`, which grades for hosts that set properties.
#pragma once

#include <cstdint>
#include <string>

#include "grading/slidemark/state.h"
#include "platform/base/result.h"
#include "platform/com/dispatch_table.h"

namespace slidemark {

// The module state the library's controls share.
SlideState& LibraryState();

// What Run answers when no grading took place: the grader could not read what is its own.
inline constexpr double kNotGraded = 0.001;

class slidemark : public com::ControlBase<slidemark> {
 public:
  static constexpr com::ClassInfo kClass{com::Clsid::Of("{BE07296E-8F7B-4CA2-9FAE-3E9B3A9C7EAB}"),
                                         "slidemark"};
  static const com::DispatchTable<slidemark>& Table();

  // The dispatch ids the client calls.
  static constexpr com::DispId kAnsname = 0x68030000;
  static constexpr com::DispId kPptxFileName = 0x68030001;
  static constexpr com::DispId kPathofans = 0x68030002;
  static constexpr com::DispId kIsGetName = 0x68030003;
  static constexpr com::DispId kPptAllGrade = 0x68030005;
  static constexpr com::DispId kPptGrade = 0x68030006;
  static constexpr com::DispId kPathOfPptFile = 0x68030007;
  static constexpr com::DispId kEDebug2 = 0x68030008;
  static constexpr com::DispId kGrade = 0x6003000C;
  static constexpr com::DispId kGetFileName = 0x6003000D;
  static constexpr com::DispId kRun = 0x6003000E;

  // On the library's one module state, or on a state of the caller's (tests).
  slidemark();
  explicit slidemark(SlideState& state) : state_(state) {}

  std::string ansname;        // the answer workbook's name; its put grades
  std::string PptxFileName;   // "*.*" puts the answer workbook's B1 here
  std::string pathofans;      // the answer workbook's folder, ending with "\"
  bool IsGetName = false;     // a put of ansname only stores the name
  int16_t PptAllGrade = 0;    // full marks, D1 of the answer workbook
  int16_t PptGrade = 0;       // awarded points of the last grading through the put
  std::string PathOfPptFile;  // the candidate's presentation folder, ending with "\"
  bool EDebug2 = true;        // DebugFlag for a grading through the put of ansname

  // The client's entry point: grades and answers awarded / full marks x 100 to three decimals
  // (not clamped). 0.001, with a log line, when the grader could not read what is its own: the
  // answer workbook missing, its full marks 0 or no 16-bit number. Never fails.
  double Run(std::string& PptCheckPath, std::string& PptAnswerPath, std::string& PptAnswerFileName,
             bool& DebugMode);
  // One grading over the awarded total as it stands. Fails, with nothing graded, when D1 of the
  // answer workbook holds no 16-bit number.
  base::Status Grade();
  // StudentFileName := B1 of the answer workbook, when both its folder and name are set.
  void GetFileName();
  // Stores the name and, unless IsGetName, grades from PptGrade on. A grading that fails fails
  // the put and leaves PptGrade as it was.
  base::Status PutAnsname(std::string value);
  void PutPptxFileName(std::string value);

 private:
  SlideState& state_;
};

}  // namespace slidemark
