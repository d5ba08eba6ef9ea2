// CInputDlg (see input_dlg.h).
#include "client/gui/input_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CInputDlg::CInputDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("请输入"));
  auto* layout = new QVBoxLayout(this);
  prompt_ = new QLabel(QString::fromUtf8("\n请根据提示输入相关信息"), this);
  edit_ = new QLineEdit(this);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QString::fromUtf8("确定(&O)"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QString::fromUtf8("取消(&E)"), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(prompt_);
  layout->addWidget(edit_);
  layout->addWidget(buttons);
  setMinimumWidth(330);
}

int CInputDlg::DoModal() {
  prompt_->setText(QString::fromStdString(prompt));
  edit_->setText(QString::fromStdString(answer));
  if (exec() != QDialog::Accepted) return 2;
  answer = edit_->text().toStdString();
  return 1;
}
