// Benchmarks only: one grading as the client's graders of the word-processor and presentation
// tasks make it, with no wrapper in between: a control window made by class id and its Run method
// invoked by dispatch id with the three texts and the debug flag by reference.
#pragma once

#include <filesystem>
#include <string>

#include "platform/com/change_type.h"
#include "platform/com/control_window.h"
#include "platform/win/paths.h"

namespace engine::testing {

// The dispatch id of Run on every control the client grades through it.
inline constexpr com::DispId kRunDispId = 0x6003000E;

// The folders as the client hands them over: Windows form, ending in "\". The client makes them
// once, so a benchmark makes them once too: making them is not the control's cost.
struct GradingPaths {
  GradingPaths(const std::filesystem::path& taskFolder, const std::filesystem::path& answers)
      : check(win::ToWindowsPath(taskFolder) + "\\"), answers(win::ToWindowsPath(answers) + "\\") {}
  std::string check;
  std::string answers;
};

// The percentage Run answers for the candidate's task folder and the answer workbook `name`;
// negative on failure.
inline double RunByClassId(const com::Clsid& control, int childId, const GradingPaths& paths,
                           std::string name) {
  com::CreateParams params;
  params.childId = childId;
  auto window = com::ControlWindow::Create(control, params);
  if (!window) return -1;
  std::string check = paths.check;
  std::string answerPath = paths.answers;
  com::VariantBool debug = com::kVariantFalse;
  const com::Variant args[] = {com::Variant::RefString(&check),
                               com::Variant::RefString(&answerPath), com::Variant::RefString(&name),
                               com::Variant::RefBool(&debug)};
  base::Result<com::Variant> percent = (*window)->Invoke(kRunDispId, com::InvokeKind::Method, args);
  if (!percent) return -1;
  base::Result<com::Variant> real = com::ChangeType(*percent, com::VT_R8);
  return real ? real->RealValue() : -1;
}

}  // namespace engine::testing
