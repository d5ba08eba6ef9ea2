// Tests only: a table of named rules evaluated one by one on a page given as bytes, each with its
// verdict and the message logged before the rule's own line. The rules score 2 points under id 5
// with the description "d".
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "grading/webmark/evaluator.h"
#include "grading/webmark/testing/page_under_test.h"

namespace webmark::testing {

struct RuleCase {
  const char* name;
  std::vector<std::string> object;
  std::vector<std::string> conditions;
  bool passed;
  std::string message = "";  // logged before the rule's line; "" for none
};

inline void ExpectRuleCases(std::string_view page, std::initializer_list<RuleCase> cases) {
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.name);
    WebState state;
    ASSERT_TRUE(OpenPageBytes(state, page));
    state.Rules.push_back(RuleRecord{c.object, c.conditions, 2, 5, "d"});
    EXPECT_EQ(EvaluateRule(state, 1), c.passed);
    const std::string line =
        c.passed ? "(5)得分：2 -- d\r\n" : "(5)错误！得分：0，本小题满分：2 -- d\r\n";
    EXPECT_EQ(state.LogText, (c.message.empty() ? "" : c.message + "\r\n") + line);
  }
}

}  // namespace webmark::testing
