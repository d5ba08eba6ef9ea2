// How the part-B keyword rows judge what a check answered: truth values as the engine keeps
// them, and the mask test of the checks that answer a code of decimal weights.
#pragma once

#include <cstdint>

#include "grading/engine/engine_state.h"

namespace docmark {

using engine::ToTruth;

// The rule holds when the code and the mask share a bit. The weights are decimal (1000, 100, 10,
// 1) but the test is on their binary values, so a mask holds when any bit it shares with the
// code is set: the rule's author picks masks knowing that (10 tests a paper's width, 11 either
// the width or the height).
inline bool MaskHolds(int32_t code, int16_t mask) {
  return (code & mask) != 0;
}

}  // namespace docmark
