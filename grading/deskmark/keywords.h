// The desktop rule keywords: one table from keyword (upper case) to its check.
#pragma once

#include <span>
#include <string_view>

#include "grading/deskmark/checks/checks.h"

namespace deskmark {

struct Keyword {
  std::string_view name;
  Check check;
};

// All 28 keywords in table order.
std::span<const Keyword> Keywords();

// The check of an upper-case keyword; null for an unknown one (the empty text included).
Check FindCheck(std::string_view keyword);

}  // namespace deskmark
