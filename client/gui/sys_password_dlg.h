// CSysPasswordDlg: asks for the system password before any proctor action. Enter submits (the
// OK button is there but hidden); a wrong password only clears the entry; Esc cancels.
#pragma once

#include <QDialog>

class CIniFile;
class QLabel;
class QLineEdit;

class CSysPasswordDlg : public QDialog {
 public:
  // The hint and the stored password come from [KIRV] SysPasswordMsg and SysPassword.
  explicit CSysPasswordDlg(CIniFile& settings, QWidget* parent = nullptr);

  // 1 when the right password was typed, 0 when cancelled.
  int DoModal();

  QLineEdit* PasswordEdit() const { return edit_; }
  QLabel* HintLabel() const { return hint_; }

 protected:
  void accept() override;  // OnOK

 private:
  CIniFile& settings_;
  QLineEdit* edit_;
  QLabel* hint_;
};
