// The control class: its dispatch table (in the order its properties are saved) and the put of
// ansname that grades.
#include "grading/sheetmark/control.h"

#include "grading/engine/answer_grid.h"
#include "grading/sheetmark/driver.h"
#include "platform/vb/strings.h"

namespace sheetmark {

SheetState& LibraryState() {
  static SheetState state;
  return state;
}

sheetmark::sheetmark() : sheetmark(LibraryState()) {}

const com::DispatchTable<sheetmark>& sheetmark::Table() {
  using T = com::DispatchTable<sheetmark>;
  static const T table{
      T::Property(kPathofans, "Pathofans", &sheetmark::Pathofans).Persist("pathofans", ""),
      T::Property(kAnsname, "ansname", &sheetmark::ansname)
          .Put(&sheetmark::PutAnsname)
          .Persist("ansname", ""),
      T::Property(kExcelGrade, "ExcelGrade", &sheetmark::ExcelGrade).Persist("ExcelGrade", 0),
      T::Property(kExcelAllGrade, "ExcelAllGrade", &sheetmark::ExcelAllGrade)
          .Persist("ExcelAllGrade", 0),
      T::Property(kExcelFileName, "ExcelFileName", &sheetmark::ExcelFileName)
          .Put(&sheetmark::PutExcelFileName)
          .Persist("ExcelFileName", ""),
      T::Property(kPathOfexl, "PathOfexl", &sheetmark::PathOfexl).Persist("PathOfexl", ""),
      T::Property(kEDebug, "EDebug", &sheetmark::EDebug).Persist("EDebug", true),
      T::Property(kIsGetName, "IsGetName", &sheetmark::IsGetName).Persist("IsGetName", false),
      T::Method(kGrade, "grade", &sheetmark::grade),
      T::Method(kGetFileName, "GetFileName", &sheetmark::GetFileName),
  };
  return table;
}

base::Status sheetmark::grade() {
  return GradeAnswerWorkbook(state_, PathOfexl, Pathofans, ansname, ExcelAllGrade);
}

void sheetmark::GetFileName() {
  if (ansname.empty() || Pathofans.empty()) return;
  (void)engine::ReadStudentFileName(state_.engine, Pathofans, ansname);
}

base::Status sheetmark::PutAnsname(std::string value) {
  ansname = std::move(value);
  PropertyChanged(kAnsname, "ansname");
  if (IsGetName) return base::Ok();
  // The totals start from the properties: a host that leaves ExcelGrade set gets it added.
  state_.Totals() = engine::TypeScore{ExcelGrade, ExcelAllGrade};
  state_.engine.DebugFlag = EDebug ? engine::kTrue : engine::kFalse;
  if (base::Status graded = grade(); !graded) return graded;
  ExcelGrade = state_.Totals().awarded;
  return base::Ok();
}

void sheetmark::PutExcelFileName(std::string value) {
  ExcelFileName = std::move(value);
  PropertyChanged(kExcelFileName, "ExcelFileName");
  if (ExcelFileName != "*.*") return;
  GetFileName();
  ExcelFileName = vb::Narrow(state_.engine.StudentFileName);
}

}  // namespace sheetmark
