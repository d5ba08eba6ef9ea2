// Engine state defaults per control.
#include "grading/engine/engine_state.h"

namespace engine {

EngineState::EngineState(ControlKind kind)
    : Kind(kind),
      QuestionType(kind == ControlKind::Presentation ? kPresentationQuestionType
                                                     : kDocumentQuestionType),
      DebugLogName(kind == ControlKind::Presentation    ? "slidemark.txt"
                   : kind == ControlKind::WordProcessor ? "docmark.txt"
                                                        : "1234.txt") {}

}  // namespace engine
