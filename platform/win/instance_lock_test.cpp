#include "platform/win/instance_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

// A lock name of this test run only, so that parallel runs and a real exam never meet it.
std::string Name(const char* what) {
  return std::string("KIRV-test-") + what + "-" + std::to_string(::getpid());
}

TEST(InstanceLock, SecondHolderFailsUntilTheFirstLetsGo) {
  const std::string name = Name("order");
  auto first = std::make_unique<InstanceLock>(name);
  ASSERT_TRUE(first->Acquired());
  const std::string path = first->Path();
  EXPECT_FALSE(InstanceLock(name).Acquired());
  EXPECT_TRUE(InstanceLock(Name("other/name")).Acquired());
  first.reset();
  EXPECT_TRUE(InstanceLock(name).Acquired());
  std::filesystem::remove(path);
}

// Two copies of one user from different sessions (each its own runtime folder) still find each
// other.
TEST(InstanceLock, SessionsOfOneUserShareTheLock) {
  testing::TestFolder t;
  const std::string name = Name("sessions");
  std::unique_ptr<InstanceLock> first;
  {
    testing::ScopedEnv desktop("XDG_RUNTIME_DIR", (t.Root() / "desktop-session").string());
    std::filesystem::create_directories(t.Root() / "desktop-session");
    first = std::make_unique<InstanceLock>(name);
  }
  ASSERT_TRUE(first->Acquired());
  {
    testing::ScopedEnv remote("XDG_RUNTIME_DIR", (t.Root() / "remote-session").string());
    std::filesystem::create_directories(t.Root() / "remote-session");
    EXPECT_FALSE(InstanceLock(name).Acquired());
  }
  {
    testing::ScopedEnv none("XDG_RUNTIME_DIR", "");
    EXPECT_FALSE(InstanceLock(name).Acquired());
  }
  const std::string path = first->Path();
  first.reset();
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace win
