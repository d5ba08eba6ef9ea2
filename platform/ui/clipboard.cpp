// The clipboard through Qt's (in-process under the offscreen platform, so tests can read it).
#include "platform/ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace ui {

void SetClipboardText(std::string_view utf8) {
  if (QClipboard* clipboard = QGuiApplication::clipboard())
    clipboard->setText(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

std::string ClipboardText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->text().toStdString() : std::string();
}

}  // namespace ui
