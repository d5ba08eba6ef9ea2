// How part A's checks keep what they read and say what they found: a read kept only when it
// succeeds, a truth value, and the digit codes that bundle several comparisons.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>
#include <utility>

#include "grading/engine/engine_state.h"
#include "platform/base/result.h"

namespace docmark {

// `value` takes the read's result when there is one that fits its type, and keeps what it held
// otherwise, as a failed automation call leaves its variable.
template <class T, class U>
void KeepRead(T& value, const base::Result<U>& read) {
  if (!read) return;
  const auto v = *read;
  if constexpr (std::is_integral_v<T> && std::is_integral_v<U>) {
    if (!std::in_range<T>(v)) return;
  }
  value = static_cast<T>(v);
}

using engine::ToTruth;

// The comparisons of a bundle as decimal digits, the first the highest: {true, false, true} is
// 101.
inline int16_t DigitCode(std::initializer_list<bool> equal) {
  int16_t code = 0;
  for (const bool e : equal) code = static_cast<int16_t>(code * 10 + (e ? 1 : 0));
  return code;
}

}  // namespace docmark
