// Tables of named rule rows run through the keyword table, each with the verdict it should get.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "grading/slidemark/testing/slide_fixture.h"

namespace slidemark::testing {

struct Case {
  const char* name;
  std::vector<std::string> cells;
  int16_t expected;  // 1 holds, 0 fails
};

inline void RunCases(OpenedPresentation& opened, std::initializer_list<Case> cases) {
  for (const Case& c : cases) EXPECT_EQ(opened.Rule(c.cells), c.expected) << c.name;
}

}  // namespace slidemark::testing
