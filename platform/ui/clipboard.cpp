// The clipboard through Qt's (in-process under the offscreen platform, so tests can read it).
#include "platform/ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace ui {
namespace {

// Null without an application object, or with one that has no windowing (Qt would warn).
QClipboard* TheClipboard() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                      : nullptr;
}

}  // namespace

bool SetClipboardText(std::string_view utf8) {
  QClipboard* clipboard = TheClipboard();
  if (!clipboard) return false;
  clipboard->setText(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
  return true;
}

std::string ClipboardText() {
  QClipboard* clipboard = TheClipboard();
  return clipboard ? clipboard->text().toStdString() : std::string();
}

}  // namespace ui
