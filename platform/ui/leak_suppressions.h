// Calling KeepLeakSuppressions (it does nothing) links the leak checker's suppressions for
// fontconfig's process-long caches into a program.
#pragma once

namespace ui {
void KeepLeakSuppressions();
}  // namespace ui
