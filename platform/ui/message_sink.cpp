// Message boxes on Qt: the flag word picks the buttons, the icon and the default button; the
// buttons carry the Chinese texts the exam machines show.
#include "platform/ui/message_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace ui {

namespace {

QMessageBox::Icon IconOf(unsigned flags) {
  switch (flags & win::MB_ICONMASK) {
    case win::MB_ICONERROR:
      return QMessageBox::Critical;
    case win::MB_ICONQUESTION:
      return QMessageBox::Question;
    case win::MB_ICONWARNING:
      return QMessageBox::Warning;
    case win::MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

struct Button {
  int id;
  const char* text;
  QMessageBox::ButtonRole role;
};

// The buttons of a box, in the order the platform shows them.
std::vector<Button> ButtonsOf(unsigned flags) {
  using namespace win;
  const Button ok{IDOK, "确定", QMessageBox::AcceptRole};
  const Button cancel{IDCANCEL, "取消", QMessageBox::RejectRole};
  const Button yes{IDYES, "是(&Y)", QMessageBox::YesRole};
  const Button no{IDNO, "否(&N)", QMessageBox::NoRole};
  const Button retry{IDRETRY, "重试(&R)", QMessageBox::AcceptRole};
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {ok, cancel};
    case MB_ABORTRETRYIGNORE:
      return {{IDABORT, "中止(&A)", QMessageBox::RejectRole},
              retry,
              {IDIGNORE, "忽略(&I)", QMessageBox::AcceptRole}};
    case MB_YESNOCANCEL:
      return {yes, no, cancel};
    case MB_YESNO:
      return {yes, no};
    case MB_RETRYCANCEL:
      return {retry, cancel};
    default:
      return {ok};
  }
}

}  // namespace

int ShowMessageBox(const win::MessageBoxRequest& request) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(
      QString::fromStdString(request.caption.empty() ? std::string("KIRV") : request.caption));
  box.setText(QString::fromStdString(request.text));
  box.setIcon(IconOf(request.flags));
  const int defaultId = win::DefaultButton(request.flags);
  std::vector<std::pair<QAbstractButton*, int>> made;
  for (const Button& b : ButtonsOf(request.flags)) {
    QPushButton* button = box.addButton(QString::fromUtf8(b.text), b.role);
    made.push_back({button, b.id});
    if (b.id == defaultId) box.setDefaultButton(button);
  }
  // Esc answers as the platform's boxes do: Cancel when there is one, else the only button.
  for (auto& [button, id] : made)
    if (id == win::IDCANCEL || made.size() == 1) box.setEscapeButton(button);
  box.exec();
  for (auto& [button, id] : made)
    if (box.clickedButton() == button) return id;
  return made.size() == 1 ? made.front().second : win::IDCANCEL;
}

win::MessageSink InstallMessageSink(std::string defaultCaption) {
  return win::SetMessageSink([caption = std::move(defaultCaption)](win::MessageBoxRequest request) {
    if (request.caption.empty()) request.caption = caption;
    return ShowMessageBox(request);
  });
}

}  // namespace ui
