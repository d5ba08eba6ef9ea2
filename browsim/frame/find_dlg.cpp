// The modeless find dialog over the web engine's text search.
#include "browsim/frame/find_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>

#include "platform/win/message_box.h"

CFindDlg* CFindDlg::Open(QWebEnginePage* page, QWidget* parent) {
  auto* dialog = parent->findChild<CFindDlg*>(QString(), Qt::FindDirectChildrenOnly);
  if (!dialog) dialog = new CFindDlg(page, parent);
  dialog->page_ = page;
  if (page && page->hasSelection()) dialog->text_->setText(page->selectedText().left(255));
  dialog->text_->selectAll();
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  dialog->text_->setFocus();
  return dialog;
}

CFindDlg::CFindDlg(QWebEnginePage* page, QWidget* parent) : QDialog(parent), page_(page) {
  setWindowTitle("查找");
  setModal(false);
  auto* label = new QLabel("查找内容(&N):", this);
  text_ = new QLineEdit(this);
  text_->setMaxLength(255);
  label->setBuddy(text_);
  matchCase_ = new QCheckBox("区分大小写(&C)", this);
  auto* direction = new QGroupBox("方向", this);
  up_ = new QRadioButton("向上(&U)", direction);
  down_ = new QRadioButton("向下(&D)", direction);
  down_->setChecked(true);
  auto* directions = new QHBoxLayout(direction);
  directions->addWidget(up_);
  directions->addWidget(down_);
  findNext_ = new QPushButton("查找下一个(&F)", this);
  findNext_->setDefault(true);
  findNext_->setEnabled(false);
  auto* cancel = new QPushButton("取消", this);

  auto* layout = new QGridLayout(this);
  auto* textRow = new QHBoxLayout;
  textRow->addWidget(label);
  textRow->addWidget(text_);
  layout->addLayout(textRow, 0, 0, 1, 2);
  layout->addWidget(matchCase_, 1, 0, Qt::AlignBottom);
  layout->addWidget(direction, 1, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(findNext_);
  buttons->addWidget(cancel);
  buttons->addStretch();
  layout->addLayout(buttons, 0, 2, 2, 1);

  connect(text_, &QLineEdit::textChanged, this,
          [this](const QString& text) { findNext_->setEnabled(!text.isEmpty()); });
  connect(findNext_, &QPushButton::clicked, this, &CFindDlg::FindNext);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CFindDlg::FindNext() {
  const QString text = text_->text();
  if (text.isEmpty() || !page_) return;
  QWebEnginePage::FindFlags flags;
  if (matchCase_->isChecked()) flags |= QWebEnginePage::FindCaseSensitively;
  if (up_->isChecked()) flags |= QWebEnginePage::FindBackward;
  Search(text, flags, true);
}

void CFindDlg::Search(const QString& text, QWebEnginePage::FindFlags flags, bool retry) {
  // The dialog may be gone when the engine answers.
  page_->findText(
      text, flags,
      [self = QPointer<CFindDlg>(this), text, flags, retry](const QWebEngineFindTextResult& r) {
        if (!self) return;
        // The engine's first search on a page can answer "none" before it has looked; the answer
        // to a second search, made once the first has returned, is believed.
        if (r.numberOfMatches() == 0 && retry) {
          QTimer::singleShot(0, self, [self, text, flags] {
            if (self->page_) self->Search(text, flags, false);
          });
          return;
        }
        if (r.numberOfMatches() == 0) {
          win::MessageBox("找不到\"" + text.toStdString() + "\"", "查找",
                          win::MB_OK | win::MB_ICONINFORMATION);
        }
        emit self->Searched(r.numberOfMatches(), r.activeMatch());
      });
}

void CFindDlg::done(int result) {
  if (page_) page_->findText(QString());
  QDialog::done(result);
}
