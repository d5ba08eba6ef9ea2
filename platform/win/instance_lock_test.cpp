#include "platform/win/instance_lock.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

TEST(InstanceLock, SecondHolderFailsUntilTheFirstLetsGo) {
  testing::TestFolder t;
  testing::ScopedEnv runtime("XDG_RUNTIME_DIR", t.Root());
  auto first = std::make_unique<InstanceLock>("KIRV");
  ASSERT_TRUE(first->Acquired());
  EXPECT_EQ(first->Path().rfind(t.Root().string(), 0), 0u);
  EXPECT_FALSE(InstanceLock("KIRV").Acquired());
  EXPECT_TRUE(InstanceLock("Other/Name").Acquired());
  first.reset();
  EXPECT_TRUE(InstanceLock("KIRV").Acquired());
}

}  // namespace
}  // namespace win
