// How a check keeps what it reads: a read taken only when it succeeds, as a failed automation
// call leaves its variable. Shared by the controls' checks.
#pragma once

#include <type_traits>
#include <utility>

#include "platform/base/result.h"

namespace engine {

// `value` takes the read's result when there is one that fits its type, and keeps what it held
// otherwise.
template <class T, class U>
void KeepRead(T& value, const base::Result<U>& read) {
  if (!read) return;
  const auto v = *read;
  if constexpr (std::is_integral_v<T> && std::is_integral_v<U>) {
    if (!std::in_range<T>(v)) return;
  }
  value = static_cast<T>(v);
}

}  // namespace engine
