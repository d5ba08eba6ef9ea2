// Message boxes on Qt: the flag word picks the buttons, the icon and the default button; the
// buttons carry the Chinese texts the exam machines show.
#include "platform/ui/message_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace ui {

int ShowMessageBox(const win::MessageBoxRequest& request) {
  using namespace win;
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(
      QString::fromStdString(request.caption.empty() ? std::string("KIRV") : request.caption));
  box.setText(QString::fromStdString(request.text));
  switch (request.flags & MB_ICONMASK) {
    case MB_ICONERROR:
      box.setIcon(QMessageBox::Critical);
      break;
    case MB_ICONQUESTION:
      box.setIcon(QMessageBox::Question);
      break;
    case MB_ICONWARNING:
      box.setIcon(QMessageBox::Warning);
      break;
    case MB_ICONINFORMATION:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  struct Button {
    int id;
    const char* text;
    QMessageBox::ButtonRole role;
  };
  std::vector<Button> buttons;
  switch (request.flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
      buttons = {{IDOK, "确定", QMessageBox::AcceptRole},
                 {IDCANCEL, "取消", QMessageBox::RejectRole}};
      break;
    case MB_ABORTRETRYIGNORE:
      buttons = {{IDABORT, "中止(&A)", QMessageBox::RejectRole},
                 {IDRETRY, "重试(&R)", QMessageBox::AcceptRole},
                 {IDIGNORE, "忽略(&I)", QMessageBox::AcceptRole}};
      break;
    case MB_YESNOCANCEL:
      buttons = {{IDYES, "是(&Y)", QMessageBox::YesRole},
                 {IDNO, "否(&N)", QMessageBox::NoRole},
                 {IDCANCEL, "取消", QMessageBox::RejectRole}};
      break;
    case MB_YESNO:
      buttons = {{IDYES, "是(&Y)", QMessageBox::YesRole}, {IDNO, "否(&N)", QMessageBox::NoRole}};
      break;
    case MB_RETRYCANCEL:
      buttons = {{IDRETRY, "重试(&R)", QMessageBox::AcceptRole},
                 {IDCANCEL, "取消", QMessageBox::RejectRole}};
      break;
    default:
      buttons = {{IDOK, "确定", QMessageBox::AcceptRole}};
      break;
  }
  const int defaultId = DefaultButton(request.flags);
  std::vector<std::pair<QAbstractButton*, int>> made;
  for (const Button& b : buttons) {
    QPushButton* button = box.addButton(QString::fromUtf8(b.text), b.role);
    made.push_back({button, b.id});
    if (b.id == defaultId) box.setDefaultButton(button);
  }
  // Esc answers as the platform's boxes do: Cancel when there is one, else the only button.
  for (auto& [button, id] : made)
    if (id == IDCANCEL || made.size() == 1) box.setEscapeButton(button);
  box.exec();
  for (auto& [button, id] : made)
    if (box.clickedButton() == button) return id;
  return made.size() == 1 ? made.front().second : IDCANCEL;
}

win::MessageSink InstallMessageSink() {
  return win::SetMessageSink(&ShowMessageBox);
}

}  // namespace ui
