// The presentation grader's module state: the engine's share (answer grid and cursor, rule
// results, the type-41 totals, the debug flag, the check folder) and the grader's own (the
// presentation application of the running pass and the candidate's presentation every check
// reads). One object per control library, shared by its instances; passes never overlap, they
// run on the host's one thread.
#pragma once

#include <cstdint>
#include <memory>

#include "grading/engine/engine_state.h"
#include "platform/office/common/convert.h"
#include "platform/office/powerpoint/application.h"

namespace slidemark {

// The question type every rule of this control is scored under.
inline constexpr int16_t kQuestionType = engine::kPresentationQuestionType;

struct SlideState {
  SlideState() : engine(engine::ControlKind::Presentation) {}

  engine::EngineState engine;

  // The application of the running pass; null outside a pass.
  std::unique_ptr<powerpoint::Application> PptApp;
  // The candidate's presentation, owned by PptApp; null when none opened.
  powerpoint::Presentation* CurrentPresentation = nullptr;
  // How a candidate's presentation in the binary format is converted (tests name a converter
  // that is missing).
  office::ConvertOptions Conversion;
  // Why the candidate's presentation could not be read when no converter for its format is
  // installed (the grader's failure, not the candidate's); empty otherwise. Emptied when a pass
  // starts.
  std::string UnreadableFormat;

  engine::TypeScore& Totals() { return engine.TypeScores[kQuestionType]; }
};

using engine::ToTruth;

}  // namespace slidemark
