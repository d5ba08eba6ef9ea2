// CSysPasswordDlg (see sys_password_dlg.h). The check is the one the end screen uses too.
#include "client/gui/sys_password_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "client/common/ini_file.h"
#include "client/exam/password_check.h"
#include "client/gui/artwork.h"

CSysPasswordDlg::CSysPasswordDlg(CIniFile& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setWindowTitle(QString::fromUtf8("请输入系统密码"));
  setWindowIcon(ExamIcon());
  auto* layout = new QVBoxLayout(this);
  edit_ = new QLineEdit(this);
  edit_->setEchoMode(QLineEdit::Password);
  hint_ = new QLabel(QString::fromStdString(settings_.Read("KIRV", "SysPasswordMsg")), this);
  hint_->setWordWrap(true);
  auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
  ok->setDefault(true);
  ok->setAutoDefault(true);
  ok->hide();
  QObject::connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  QObject::connect(edit_, &QLineEdit::returnPressed, this, &QDialog::accept);
  layout->addWidget(edit_);
  layout->addWidget(hint_);
  setMinimumWidth(260);
}

int CSysPasswordDlg::DoModal() {
  return exec() == QDialog::Accepted ? 1 : 0;
}

void CSysPasswordDlg::accept() {
  if (CheckSystemPassword(edit_->text().toStdString(), settings_.Read("KIRV", "SysPassword"))) {
    QDialog::accept();
    return;
  }
  edit_->clear();
  edit_->setFocus();
}
