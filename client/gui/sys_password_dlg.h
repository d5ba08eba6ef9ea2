// CSysPasswordDlg: asks for the system password before any proctor action. Enter submits (the
// OK button is there but hidden); a wrong password only clears the entry; Esc cancels.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

class CSysPasswordDlg : public QDialog {
 public:
  explicit CSysPasswordDlg(QWidget* parent = nullptr);

  // 1 when the right password was typed, 0 when cancelled.
  int DoModal();

  QLineEdit* PasswordEdit() const { return edit_; }
  QLabel* HintLabel() const { return hint_; }

 protected:
  void accept() override;  // OnOK

 private:
  QLineEdit* edit_;
  QLabel* hint_;
};
