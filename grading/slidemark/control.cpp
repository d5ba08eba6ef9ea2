// The control class: its dispatch table (in the order its properties are saved), Run, and the
// puts of ansname and PptxFileName.
#include "grading/slidemark/control.h"

#include <filesystem>
#include <system_error>

#include "grading/engine/answer_grid.h"
#include "grading/engine/scoring.h"
#include "grading/slidemark/driver.h"
#include "platform/vb/strings.h"
#include "platform/win/paths.h"

namespace slidemark {

SlideState& LibraryState() {
  static SlideState state;
  return state;
}

slidemark::slidemark() : slidemark(LibraryState()) {}

const com::DispatchTable<slidemark>& slidemark::Table() {
  using T = com::DispatchTable<slidemark>;
  static const T table{
      T::Property(kAnsname, "ansname", &slidemark::ansname)
          .Put(&slidemark::PutAnsname)
          .Persist("ansname", ""),
      T::Property(kPptxFileName, "PptxFileName", &slidemark::PptxFileName)
          .Put(&slidemark::PutPptxFileName)
          .Persist("PptxFileName", ""),
      T::Property(kPathofans, "pathofans", &slidemark::pathofans).Persist("pathofans", ""),
      T::Property(kIsGetName, "IsGetName", &slidemark::IsGetName).Persist("IsGetName", false),
      T::Property(kPptAllGrade, "PptAllGrade", &slidemark::PptAllGrade).Persist("PptAllGrade", 0),
      T::Property(kPptGrade, "PptGrade", &slidemark::PptGrade).Persist("PptGrade", 0),
      T::Property(kPathOfPptFile, "PathOfPptFile", &slidemark::PathOfPptFile)
          .Persist("PathOfPptFile", ""),
      T::Property(kEDebug2, "EDebug2", &slidemark::EDebug2).Persist("EDebug2", true),
      T::Method(kGrade, "Grade", &slidemark::Grade),
      T::Method(kGetFileName, "GetFileName", &slidemark::GetFileName),
      T::Method(kRun, "Run", &slidemark::Run).OnFailure(com::Variant::R8(kNotGraded)),
  };
  return table;
}

double slidemark::Run(std::string& PptCheckPath, std::string& PptAnswerPath,
                      std::string& PptAnswerFileName, bool& DebugMode) {
  const std::string answer = PptAnswerPath + PptAnswerFileName;
  std::error_code error;
  if (!std::filesystem::is_regular_file(win::ToHostPath(answer), error)) {
    state_.engine.CheckPath = PptCheckPath;
    state_.engine.DebugFlag = DebugMode ? engine::kTrue : engine::kFalse;
    engine::WriteLogLine(state_.engine, "not graded: no answer workbook " + answer);
    return kNotGraded;
  }
  state_.Totals().awarded = 0;
  state_.engine.DebugFlag = DebugMode ? engine::kTrue : engine::kFalse;
  pathofans = PptAnswerPath;
  PathOfPptFile = PptCheckPath;
  ansname = PptAnswerFileName;
  if (base::Status graded = Grade(); !graded) {
    engine::WriteLogLine(state_.engine, "not graded: " + graded.error().message);
    return kNotGraded;
  }
  if (PptAllGrade == 0) {
    engine::WriteLogLine(state_.engine, "not graded: the full marks in D1 are 0");
    return kNotGraded;
  }
  return engine::Percentage(state_.Totals().awarded, PptAllGrade);
}

base::Status slidemark::Grade() {
  return GradeAnswerWorkbook(state_, PathOfPptFile, pathofans, ansname, PptAllGrade);
}

void slidemark::GetFileName() {
  if (ansname.empty() || pathofans.empty()) return;
  (void)engine::ReadStudentFileName(state_.engine, pathofans, ansname);
}

base::Status slidemark::PutAnsname(std::string value) {
  ansname = std::move(value);
  PropertyChanged(kAnsname, "ansname");
  if (IsGetName) return base::Ok();
  state_.Totals().awarded = PptGrade;
  state_.engine.DebugFlag = EDebug2 ? engine::kTrue : engine::kFalse;
  if (base::Status graded = Grade(); !graded) return graded;
  PptGrade = state_.Totals().awarded;
  return base::Ok();
}

void slidemark::PutPptxFileName(std::string value) {
  PptxFileName = std::move(value);
  PropertyChanged(kPptxFileName, "PptxFileName");
  if (PptxFileName != "*.*") return;
  GetFileName();
  PptxFileName = vb::Narrow(state_.engine.StudentFileName);
}

}  // namespace slidemark
