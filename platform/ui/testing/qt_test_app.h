// For tests: one QApplication for the whole test program, made on first use (headless under
// QT_QPA_PLATFORM=offscreen, which CTest sets).
#pragma once

#include <QApplication>
#include <cstdlib>

#include "platform/ui/leak_suppressions.h"

namespace ui {

inline QApplication& TestApp() {
  KeepLeakSuppressions();
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "kirv-test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace ui
