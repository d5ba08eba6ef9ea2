// The leak checker's suppressions, built into the programs themselves so that they hold whether a
// test runs under CTest or on its own. Calling KeepLeakSuppressions (it does nothing) links them
// into a program that draws text: fontconfig keeps its caches for the life of the process.
#pragma once

namespace ui {
void KeepLeakSuppressions();
}  // namespace ui
