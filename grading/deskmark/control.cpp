// The desktop grading control's class, its dispatch table and the library's entry points.
#include "grading/deskmark/control.h"

#include "grading/deskmark/driver.h"
#include "platform/com/library_macros.h"

namespace deskmark {
namespace {

// The grading module's state: one per library, kept between runs.
DeskGrader& ModuleGrader() {
  static DeskGrader grader;
  return grader;
}

}  // namespace

const com::DispatchTable<winUC>& winUC::Table() {
  using T = com::DispatchTable<winUC>;
  static const T table{
      // Property bag order.
      T::Property(DISPID_Pathofstu, "Pathofstu", &winUC::Pathofstu).Persist("Pathofstu", ""),
      T::Property(DISPID_Pathofanswer, "Pathofanswer", &winUC::Pathofanswer)
          .Persist("Pathofanswer", ""),
      T::Property(DISPID_Answername, "Answername", &winUC::Answername)
          .AfterPut(&winUC::DGrade)
          .Persist("Answername", ""),
      T::Property(DISPID_wingrade, "wingrade", &winUC::wingrade).Persist("Wingrade", 0),
      T::Property(DISPID_Debugok, "Debugok", &winUC::Debugok).Persist("Debugok", false),
      T::Method(DISPID_DGrade, "DGrade", &winUC::DGrade),
  };
  return table;
}

void winUC::DGrade() {
  wingrade = ModuleGrader().Grade(Pathofstu, Pathofanswer, Answername, Debugok);
}

}  // namespace deskmark

KIRV_COM_LIBRARY(deskmark::winUC)
