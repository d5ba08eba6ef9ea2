// The end screen (see bye_dlg.h).

#include "client/gui/bye_dlg.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "client/exam/lockdown.h"

CByeDlg::CByeDlg(LockdownBackend& locks, bool trainingMode,
                 std::function<bool(const std::string&)> passwordOk, const QString& byeMsg,
                 QWidget* parent, std::function<void(QWidget*)> proctorKey)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      locks_(locks),
      training_(trainingMode),
      passwordOk_(std::move(passwordOk)),
      proctorKey_(std::move(proctorKey)),
      text_(ScreenText(byeMsg)) {
  font_.setFamilies({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"),
                     QStringLiteral("AR PL UKai CN"), QStringLiteral("WenQuanYi Micro Hei")});
  font_.setPixelSize(36);
  font_.setWeight(QFont::Bold);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
  LockForEndScreen(locks_, training_);
}

CByeDlg::~CByeDlg() {
  Release();
}

QString CByeDlg::ScreenText(const QString& byeMsg) {
  QString text = byeMsg;
  return text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

void CByeDlg::Release() {
  if (released_) return;
  released_ = true;
  releaseKeyboard();
  ReleaseAfterEndScreen(locks_, training_);
}

void CByeDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
  entry_.clear();
  raise();
  activateWindow();
  grabKeyboard();
}

void CByeDlg::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.setPen(Qt::white);
  p.setFont(font_);
  p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
}

void CByeDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F12 && event->modifiers() == Qt::ControlModifier) {
    OnProctorKey();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      OnOK();
      return;
    case Qt::Key_Escape:
      return;
    case Qt::Key_Backspace:
      entry_.chop(1);
      return;
    default:
      break;
  }
  QString t = event->text();
  if (!t.isEmpty() && t.at(0).isPrint()) entry_ += t;
}

void CByeDlg::OnOK() {
  if (passwordOk_ && passwordOk_(entry_.toStdString())) {
    done_ = true;
    Release();
    accept();
    return;
  }
  entry_.clear();
}

void CByeDlg::OnProctorKey() {
  if (training_ || !proctorKey_ || done_) return;
  releaseKeyboard();
  proctorKey_(this);
  if (isVisible()) {
    raise();
    activateWindow();
    grabKeyboard();
  }
}

void CByeDlg::reject() {}

void CByeDlg::closeEvent(QCloseEvent* event) {
  if (!done_) event->ignore();
}
