// CByeDlg: the end screen. A frameless, always-on-top black screen over the whole desktop that
// shows the farewell text and closes only when the system password is typed (nothing of the
// entry is shown). While it is up every desktop lock is on and it holds the keyboard. Outside
// training mode Ctrl+F12 leads the proctor, through the system password, to his dialog.
#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <functional>
#include <string>

class LockdownBackend;

class CByeDlg : public QDialog {
 public:
  // `passwordOk` judges a typed entry; `byeMsg` is [KIRV] ByeMsg as stored (\n for a break);
  // `proctorKey` runs on Ctrl+F12 with the screen as the parent (empty: the key does nothing).
  CByeDlg(LockdownBackend& locks, bool trainingMode,
          std::function<bool(const std::string&)> passwordOk, const QString& byeMsg,
          QWidget* parent = nullptr, std::function<void(QWidget*)> proctorKey = {});
  ~CByeDlg() override;

  // The text drawn on the screen: ByeMsg with each backslash-n made a line break.
  static QString ScreenText(const QString& byeMsg);

  const QString& Entry() const { return entry_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 public:
  void reject() override;  // Esc and closing the window do nothing
  void OnOK();             // Enter: the entry is checked
  // Ctrl+F12: the keyboard handed to the proctor's windows while they are open.
  void OnProctorKey();

 private:
  void Release();

  LockdownBackend& locks_;
  bool training_;
  std::function<bool(const std::string&)> passwordOk_;
  std::function<void(QWidget*)> proctorKey_;
  QString text_;
  QString entry_;
  QFont font_;
  bool released_ = false;
  bool done_ = false;
};
