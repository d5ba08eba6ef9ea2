// Leak-checker settings for programs and tests that draw text: fontconfig keeps its caches for
// the life of the process and never frees them, which the leak checker would report at exit, and
// so does the D-Bus library Qt uses on a real display. The checker asks every program for these
// through __lsan_default_suppressions; nothing else is needed. Qt WebEngine keeps Chromium's
// process-wide objects to the end as well.
#include "platform/ui/leak_suppressions.h"

extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n"
         "leak:libdbus-1.so\n"
         "leak:libQt6WebEngineCore.so\n";
}

namespace ui {
void KeepLeakSuppressions() {}
}  // namespace ui
