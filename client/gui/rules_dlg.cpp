// CRulesDlg (see rules_dlg.h).
#include "client/gui/rules_dlg.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "client/gui/artwork.h"
#include "client/gui/proctor_hook.h"
#include "client/gui/question_view.h"
#include "platform/win/message_box.h"

CRulesDlg::CRulesDlg(const std::string& programFolder, bool trainingMode, CIniFile& settings,
                     QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setWindowIcon(ExamIcon());
  auto* layout = new QVBoxLayout(this);
  view_ = new CLinkRichEdit(this);
  view_->StreamInRtfFile(programFolder + "Readme.rtf");  // a missing file leaves the view empty
  layout->addWidget(view_, 1);
  auto* buttons = new QHBoxLayout;
  accept_ = new QPushButton(
      QString::fromUtf8("我已经认真阅读并完全知晓练习规则、系统使用和注意事项(&A)"), this);
  quit_ = new QPushButton(QString::fromUtf8("退出练习系统(&X)"), this);
  accept_->setDefault(true);
  buttons->addWidget(accept_, 1);
  buttons->addWidget(quit_);
  layout->addLayout(buttons);
  QObject::connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
  QObject::connect(quit_, &QPushButton::clicked, this, &QDialog::reject);
  setWindowTitle(QString::fromUtf8("请阅读规则"));
  if (!trainingMode) {
    hotKey_ = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F12), this);
    hotKey_->setContext(Qt::WindowShortcut);
    QObject::connect(hotKey_, &QShortcut::activated, this, [this] { OnHotKey(); });
  }
  if (QScreen* screen = QGuiApplication::primaryScreen())
    resize(std::min(720, screen->availableGeometry().width()),
           std::min(560, screen->availableGeometry().height()));
}

int CRulesDlg::DoModal() {
  return exec() == QDialog::Accepted ? win::IDOK : win::IDCANCEL;
}

void CRulesDlg::OnHotKey() {
  raise();
  activateWindow();
  OpenProctorAfterPassword(settings_, this);
}

void CRulesDlg::closeEvent(QCloseEvent* event) {
  if (hotKey_) {
    delete hotKey_;
    hotKey_ = nullptr;
  }
  QDialog::closeEvent(event);
}
