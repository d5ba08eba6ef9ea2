// libFuzzer target for the RTF reader: any bytes must read without a crash, a hang or a leak.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/ui/leak_suppressions.h"
#include "platform/ui/rtf_reader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Laying out text reaches fontconfig, whose process-long allocations are no leaks.
  ui::KeepLeakSuppressions();
  static QGuiApplication* app = new QGuiApplication(*argc, *argv);
  (void)app;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QTextDocument doc;
  ui::ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size), doc);
  return 0;
}
