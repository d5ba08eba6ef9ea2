// The desktop lock-down switches (see lockdown.h).

#include "client/exam/lockdown.h"

#include "platform/win/registry.h"

void SetLockdown(LockdownBackend& backend, unsigned flags, int on, int second) {
  if (flags & kLockTaskManager) backend.SetTaskManagerPolicy(on != 0);
  if (flags & kLockTaskKeys) backend.DisableTaskKeys(on ? 1 : 0, second);
  if (flags & kLockTaskbar) backend.DisableTaskbar(on != 0);
}

bool IsTaskMgrDisabled(LockdownBackend& backend) {
  return backend.TaskManagerPolicyIsOne();
}
bool IsTaskbarDisabled(LockdownBackend& backend) {
  return backend.TaskbarDisabled();
}

void LockForEndScreen(LockdownBackend& backend, bool trainingMode) {
  if (trainingMode) return;
  // Switching each lock to the opposite of its state would unlock one that is already on.
  SetLockdown(backend, kLockTaskbar, 1, 0);
  SetLockdown(backend, kLockTaskKeys, 1, 1);
  SetLockdown(backend, kLockTaskManager, 1, 0);
}

void ReleaseAfterEndScreen(LockdownBackend& backend, bool trainingMode) {
  if (!trainingMode) SetLockdown(backend, kLockAll, 0, 0);
}

void RegistryLockdown::SetTaskManagerPolicy(bool disable) {
  if (disable)
    win::RegSetDword(kPolicyKey, "DisableTaskMgr", 1);
  else
    win::RegDeleteValue(kPolicyKey, "DisableTaskMgr");
}

bool RegistryLockdown::TaskManagerPolicyIsOne() {
  auto v = win::RegQueryDword(kPolicyKey, "DisableTaskMgr");
  return v && *v == 1;
}

void RegistryLockdown::DisableTaskKeys(int disable, int) {
  win::RegSetDword(kStateKey, "TaskKeys", disable ? 1 : 0);
}

bool RegistryLockdown::AreTaskKeysDisabled() {
  auto v = win::RegQueryDword(kStateKey, "TaskKeys");
  return v && *v != 0;
}

void RegistryLockdown::DisableTaskbar(bool disable) {
  win::RegSetDword(kStateKey, "Taskbar", disable ? 1 : 0);
}

bool RegistryLockdown::TaskbarDisabled() {
  auto v = win::RegQueryDword(kStateKey, "Taskbar");
  return v && *v != 0;
}
