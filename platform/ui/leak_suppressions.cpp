// Leak-checker settings for programs and tests that draw text: fontconfig keeps its caches for
// the life of the process and never frees them, which the leak checker would report at exit.
#include "platform/ui/leak_suppressions.h"

extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

namespace ui {
void KeepLeakSuppressions() {}
}  // namespace ui
