// How part A's checks keep what they read and say what they found: a read kept only when it
// succeeds, a truth value, and the digit codes that bundle several comparisons.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "grading/engine/engine_state.h"
#include "grading/engine/keep_read.h"
#include "platform/base/result.h"

namespace docmark {

using engine::KeepRead;
using engine::ToTruth;

// The comparisons of a bundle as decimal digits, the first the highest: {true, false, true} is
// 101.
inline int16_t DigitCode(std::initializer_list<bool> equal) {
  int16_t code = 0;
  for (const bool e : equal) code = static_cast<int16_t>(code * 10 + (e ? 1 : 0));
  return code;
}

}  // namespace docmark
