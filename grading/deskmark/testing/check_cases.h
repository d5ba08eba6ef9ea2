// Test helper: a table of check cases (keyword, parameters, expected answer) run through the
// keyword table against a fixture's candidate folder, each with a fresh folder cache.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grading/deskmark/keywords.h"
#include "grading/deskmark/testing/desk_fixture.h"

namespace deskmark::testing {

struct CheckCase {
  const char* name;
  const char* keyword;
  std::vector<std::string> params;  // p1..p5
  bool passes;
};

inline void ExpectChecks(const DeskFixture& f, const std::vector<CheckCase>& cases) {
  const std::string candidate = f.Candidate();
  for (const CheckCase& c : cases) {
    const Check check = FindCheck(c.keyword);
    ASSERT_NE(check, nullptr) << c.keyword;
    FolderCache folders(candidate);
    CheckContext context{candidate, folders};
    RuleParams p;
    for (size_t i = 0; i < c.params.size() && i < p.size(); ++i) p[i] = c.params[i];
    EXPECT_EQ(check(context, p), c.passes ? kTrue : kFalse) << c.name;
  }
}

}  // namespace deskmark::testing
