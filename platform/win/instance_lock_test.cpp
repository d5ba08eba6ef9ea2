#include "platform/win/instance_lock.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/win/test_folder.h"

namespace win {
namespace {

TEST(InstanceLock, SecondHolderFailsUntilTheFirstLetsGo) {
  testing::TestFolder t;
  const char* old = std::getenv("XDG_RUNTIME_DIR");
  const std::string saved = old ? old : "";
  ::setenv("XDG_RUNTIME_DIR", t.Root().c_str(), 1);
  auto first = std::make_unique<InstanceLock>("KIRV");
  ASSERT_TRUE(first->Acquired());
  EXPECT_EQ(first->Path().rfind(t.Root().string(), 0), 0u);
  EXPECT_FALSE(InstanceLock("KIRV").Acquired());
  EXPECT_TRUE(InstanceLock("Other/Name").Acquired());
  first.reset();
  EXPECT_TRUE(InstanceLock("KIRV").Acquired());
  if (old)
    ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
  else
    ::unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace win
