// The desktop lock-down of the end screen: the task-manager policy, the task-switching keys and
// the taskbar, each switched on or off by one bit of a flag word. The switches act through a
// backend: RegistryLockdown keeps all three as values in the registry store (the policy value
// where the system reads it), which is what can be done for them on this desktop; the end
// screen adds its own keyboard grab. Tests use a backend of their own.
#pragma once

#include <cstdint>
#include <string_view>

enum LockFlags : unsigned {
  kLockTaskManager = 1,
  kLockTaskKeys = 2,
  kLockTaskbar = 4,
  kLockAll = 0xFFFF,
};

class LockdownBackend {
 public:
  virtual ~LockdownBackend() = default;
  // The DisableTaskMgr policy value: set to 1, or deleted.
  virtual void SetTaskManagerPolicy(bool disable) = 0;
  // True when the policy value can be read and equals 1.
  virtual bool TaskManagerPolicyIsOne() = 0;
  // The task-key library's pair.
  virtual void DisableTaskKeys(int disable, int second) = 0;
  virtual bool AreTaskKeysDisabled() = 0;
  // The taskbar window disabled or enabled; disabled also when there is no taskbar.
  virtual void DisableTaskbar(bool disable) = 0;
  virtual bool TaskbarDisabled() = 0;
};

// Applies each bit of `flags`: `on` nonzero locks, 0 releases; `second` goes to
// DisableTaskKeys as its second argument.
void SetLockdown(LockdownBackend& backend, unsigned flags, int on, int second);
bool IsTaskMgrDisabled(LockdownBackend& backend);
bool IsTaskbarDisabled(LockdownBackend& backend);

// The end screen opens: every lock on (one already on stays on), taskbar first, then the task
// keys, then the task manager. Nothing in training mode.
void LockForEndScreen(LockdownBackend& backend, bool trainingMode);
// The end screen closes: every lock off, whatever it was. Nothing in training mode.
void ReleaseAfterEndScreen(LockdownBackend& backend, bool trainingMode);

// The backend over the registry store.
class RegistryLockdown : public LockdownBackend {
 public:
  static constexpr std::string_view kPolicyKey =
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
  static constexpr std::string_view kStateKey = "HKEY_CURRENT_USER\\Software\\KIRV\\Lockdown";

  void SetTaskManagerPolicy(bool disable) override;
  bool TaskManagerPolicyIsOne() override;
  void DisableTaskKeys(int disable, int second) override;
  bool AreTaskKeysDisabled() override;
  void DisableTaskbar(bool disable) override;
  bool TaskbarDisabled() override;
};
