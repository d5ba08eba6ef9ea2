// The control class: its dispatch table (in the order its properties are saved), Run, and the
// puts of ansname and AWordFileName.
#include "grading/docmark/control.h"

#include <filesystem>
#include <system_error>

#include "grading/docmark/driver.h"
#include "grading/engine/answer_grid.h"
#include "grading/engine/scoring.h"
#include "platform/vb/strings.h"
#include "platform/win/paths.h"

namespace docmark {

DocState& LibraryState() {
  static DocState state;
  return state;
}

docmark::docmark() : docmark(LibraryState()) {}

const com::DispatchTable<docmark>& docmark::Table() {
  using T = com::DispatchTable<docmark>;
  static const T table{
      T::Property(kAnsname, "ansname", &docmark::ansname)
          .Put(&docmark::PutAnsname)
          .Persist("ansname", ""),
      T::Property(kEDebug2, "EDebug2", &docmark::EDebug2).Persist("EDebug2", true),
      T::Property(kPathOfWordFile, "PathOfWordFile", &docmark::PathOfWordFile)
          .Persist("PathOfWordFile", ""),
      T::Property(kStuExcelGradeGet, "StuExcelGradeGet", &docmark::StuExcelGradeGet)
          .Persist("StuExcelGradeGet", 0),
      T::Property(kWordAllGrade, "WordAllGrade", &docmark::WordAllGrade).Persist("WordAllGrade", 0),
      T::Property(kIsgetname, "Isgetname", &docmark::Isgetname).Persist("Isgetname", false),
      T::Property(kPathofans, "pathofans", &docmark::pathofans).Persist("pathofans", ""),
      T::Property(kAWordFileName, "AWordFileName", &docmark::AWordFileName)
          .Put(&docmark::PutAWordFileName)
          .Persist("AWordFileName", ""),
      T::Method(kWDgrade, "WDgrade", &docmark::WDgrade),
      T::Method(kWDGetFileName, "WDGetFileName", &docmark::WDGetFileName),
      T::Method(kRun, "Run", &docmark::Run).OnFailure(com::Variant::R8(kNotGraded)),
  };
  return table;
}

double docmark::Run(std::string& WordCheckPath, std::string& WordAnswerPath,
                    std::string& WordAnswerFileName, bool& DebugMode) {
  std::error_code error;
  if (!std::filesystem::exists(win::ToHostPath(WordAnswerPath + WordAnswerFileName), error))
    return kNotGraded;
  state_.Totals().awarded = 0;
  state_.engine.DebugFlag = DebugMode ? engine::kTrue : engine::kFalse;
  pathofans = WordAnswerPath;
  PathOfWordFile = WordCheckPath;
  ansname = WordAnswerFileName;
  if (base::Status graded = WDgrade(); !graded) {
    engine::WriteLogLine(state_.engine, "not graded: " + graded.error().message);
    return kNotGraded;
  }
  if (WordAllGrade == 0) {
    engine::WriteLogLine(state_.engine, "not graded: the full marks in D1 are 0");
    return kNotGraded;
  }
  if (state_.UnreadableFormat) return kNotGraded;
  return Percentage(state_.Totals().awarded, WordAllGrade);
}

base::Status docmark::WDgrade() {
  return GradeAnswerWorkbook(state_, PathOfWordFile, pathofans, ansname, WordAllGrade);
}

void docmark::WDGetFileName() {
  if (ansname.empty() || pathofans.empty()) return;
  (void)engine::ReadStudentFileName(state_.engine, pathofans, ansname);
}

base::Status docmark::PutAnsname(std::string value) {
  ansname = std::move(value);
  PropertyChanged(kAnsname, "ansname");
  base::Status graded = base::Ok();
  if (!Isgetname) {
    state_.engine.DebugFlag = EDebug2 ? engine::kTrue : engine::kFalse;
    graded = WDgrade();
    if (graded) StuExcelGradeGet = state_.Totals().awarded;
  }
  state_.Totals().awarded = 0;
  return graded;
}

void docmark::PutAWordFileName(std::string value) {
  AWordFileName = std::move(value);
  PropertyChanged(kAWordFileName, "AWordFileName");
  if (AWordFileName != "*.*") return;
  WDGetFileName();
  AWordFileName = vb::Narrow(state_.engine.StudentFileName);
}

}  // namespace docmark
