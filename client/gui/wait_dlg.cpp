// CWaitDlg (see wait_dlg.h).
#include "client/gui/wait_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "client/gui/artwork.h"

CWaitDlg::CWaitDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setModal(false);
  auto* layout = new QHBoxLayout(this);
  auto* icon = new QLabel(this);
  icon->setPixmap(ExamIcon().pixmap(32, 32));
  layout->addWidget(icon);
  auto* right = new QVBoxLayout;
  text_ = new QLabel(this);
  progress_ = new QProgressBar(this);
  progress_->setTextVisible(false);
  right->addWidget(text_);
  right->addWidget(progress_);
  layout->addLayout(right, 1);
  setFixedSize(370, 90);
}

void CWaitDlg::SetText(const std::string& text) {
  text_->setText(QString::fromStdString(text));
}
std::string CWaitDlg::Text() const {
  return text_->text().toStdString();
}
void CWaitDlg::SetRange(int lower, int upper) {
  progress_->setRange(lower, std::max(lower, upper));
}
// A position outside the range goes to the nearest end, as the owner's loops expect.
void CWaitDlg::SetPos(int position) {
  progress_->setValue(std::clamp(position, progress_->minimum(), progress_->maximum()));
}
int CWaitDlg::Pos() const {
  return progress_->value();
}
void CWaitDlg::Refresh() {
  repaint();
}
