// CInputDlg: a modal box that asks for one line of text under a prompt.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

class CInputDlg : public QDialog {
 public:
  explicit CInputDlg(QWidget* parent = nullptr);

  std::string prompt;  // set before DoModal
  std::string answer;  // filled on OK

  // 1 on OK (the answer taken from the entry), 2 on Cancel (the answer left as it was).
  int DoModal();

  QLineEdit* Edit() const { return edit_; }

 private:
  QLabel* prompt_;
  QLineEdit* edit_;
};
