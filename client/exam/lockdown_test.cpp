// Tests of the lock-down switches: each flag bit, the end screen locking every lock (one already
// on stays on), releasing all, training mode, and the registry backend's values.

#include "client/exam/lockdown.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/win/registry.h"
#include "platform/win/testing/test_folder.h"

namespace {

struct FakeLocks : LockdownBackend {
  bool taskMgr = false, keys = false, taskbar = false;
  std::vector<std::string> calls;
  void SetTaskManagerPolicy(bool d) override {
    taskMgr = d;
    calls.push_back(d ? "taskmgr on" : "taskmgr off");
  }
  bool TaskManagerPolicyIsOne() override { return taskMgr; }
  void DisableTaskKeys(int d, int second) override {
    keys = d != 0;
    calls.push_back(std::string(d ? "keys on " : "keys off ") + std::to_string(second));
  }
  bool AreTaskKeysDisabled() override { return keys; }
  void DisableTaskbar(bool d) override {
    taskbar = d;
    calls.push_back(d ? "taskbar on" : "taskbar off");
  }
  bool TaskbarDisabled() override { return taskbar; }
};

TEST(Lockdown, EachBitSwitchesItsLock) {
  struct Case {
    unsigned flags;
    bool taskMgr, keys, taskbar;
  } cases[] = {
      {1, true, false, false}, {2, false, true, false},    {4, false, false, true},
      {6, false, true, true},  {0xFFFF, true, true, true}, {0, false, false, false},
  };
  for (const Case& c : cases) {
    FakeLocks f;
    SetLockdown(f, c.flags, 1, 0);
    EXPECT_EQ(f.taskMgr, c.taskMgr) << c.flags;
    EXPECT_EQ(f.keys, c.keys) << c.flags;
    EXPECT_EQ(f.taskbar, c.taskbar) << c.flags;
    SetLockdown(f, c.flags, 0, 0);
    EXPECT_FALSE(f.taskMgr || f.keys || f.taskbar) << c.flags;
  }
}

TEST(Lockdown, EndScreenLocksEverythingAndReleasesEverything) {
  for (int before = 0; before < 8; ++before) {
    SCOPED_TRACE(before);
    FakeLocks f;
    f.taskMgr = before & 1;
    f.keys = before & 2;
    f.taskbar = before & 4;
    LockForEndScreen(f, false);
    EXPECT_TRUE(f.taskMgr && f.keys && f.taskbar);
    EXPECT_EQ(f.calls, (std::vector<std::string>{"taskbar on", "keys on 1", "taskmgr on"}));
    ReleaseAfterEndScreen(f, false);
    EXPECT_FALSE(f.taskMgr || f.keys || f.taskbar);
  }
  FakeLocks training;
  training.keys = true;
  LockForEndScreen(training, true);
  ReleaseAfterEndScreen(training, true);
  EXPECT_TRUE(training.calls.empty());
  EXPECT_TRUE(training.keys);
}

TEST(Lockdown, RegistryBackendKeepsTheStateWithItsQueries) {
  win::testing::ScopedTempFolder tmp("lockdown_registry_");
  const std::filesystem::path dir = tmp.Path();
  win::SetRegistryFile(dir / "registry.ini");
  RegistryLockdown r;
  SetLockdown(r, kLockAll, 0, 0);
  EXPECT_FALSE(IsTaskMgrDisabled(r) || r.AreTaskKeysDisabled() || IsTaskbarDisabled(r));

  LockForEndScreen(r, false);
  EXPECT_TRUE(IsTaskMgrDisabled(r) && r.AreTaskKeysDisabled() && IsTaskbarDisabled(r));
  EXPECT_EQ(win::RegQueryDword(RegistryLockdown::kPolicyKey, "DisableTaskMgr"), 1u);

  // A policy value other than 1 does not count as disabled.
  win::RegSetDword(RegistryLockdown::kPolicyKey, "DisableTaskMgr", 2);
  EXPECT_FALSE(IsTaskMgrDisabled(r));

  ReleaseAfterEndScreen(r, false);
  EXPECT_FALSE(win::RegQueryDword(RegistryLockdown::kPolicyKey, "DisableTaskMgr").has_value());
  EXPECT_FALSE(r.AreTaskKeysDisabled() || IsTaskbarDisabled(r));
  win::SetRegistryFile({});
}

}  // namespace
