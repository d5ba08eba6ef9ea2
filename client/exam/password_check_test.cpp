// Tests of the system password check.
#include "client/exam/password_check.h"

#include <gtest/gtest.h>

#include "client/common/system_utils.h"

namespace {

TEST(PasswordCheck, BuiltInFallbackAndStoredPassword) {
  // What a proctor types is the transform with the other exponent undone: the plain word.
  const std::string builtIn = TransformPassword(std::string(kBuiltInSysPassword), false);
  const std::string stored =
      TransformPassword("secret12", true);  // as an administrator stores "secret12"
  struct Case {
    std::string stored, typed;
    bool passes;
  } cases[] = {
      {"", builtIn, true},
      {"", "", false},  // an empty setting never opens with an empty entry
      {stored, "secret12", true},
      {stored, "Secret12", false},
      {stored, builtIn, false},  // the fallback no longer counts once a password is set
      {stored, "secret12 ", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckSystemPassword(c.typed, c.stored), c.passes) << c.stored << "/" << c.typed;
  EXPECT_NE(builtIn, "");
}

}  // namespace
