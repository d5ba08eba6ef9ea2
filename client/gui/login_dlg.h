// CLoginDlg: the login window. The candidate types his exam code (and, where the settings allow
// it, picks a module and paper or a composed exam); ExamLogin does the checks, the draw and the
// unpacking while this window shows the status and the progress. Ctrl+F12 leads through the
// system password to the proctor's window, except in training mode.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>
#include <optional>
#include <string>

#include "client/exam/login.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

class CLoginDlg : public QDialog, public LoginUi {
 public:
  struct Hooks {
    std::function<bool()> askSystemPassword;  // the system password dialog; true on OK
    std::function<void()> openProctor;        // the proctor's window (after the password)
  };

  // `paperSetting` is [KIRV] Paper; the store also fills the module, paper and group lists.
  CLoginDlg(ExamStore& store, LoginHost& host, const std::string& programFolder,
            const std::string& paperSetting, bool trainingMode, Hooks hooks,
            QWidget* parent = nullptr);

  // The candidate once the dialog ended with OK.
  const std::optional<LoginOutcome>& Outcome() const { return outcome_; }

  // The login button.
  void OnLogin();
  // Ctrl+F12.
  void OnHotKey();

  QLineEdit* CodeEdit() const { return code_; }
  void SetMode(DrawMode mode);
  DrawMode Mode() const { return mode_; }
  QString StatusText() const;

  // LoginUi
  int Message(const std::string& text, unsigned flags) override;
  bool AskSystemPassword() override;
  void SetStatus(const std::string& text) override;
  void FocusCode() override;
  void DrawStarted() override;
  void SetProgress(int percent) override;
  void DisableOk() override;
  void DrawUndone() override;

 private:
  void FillPapers();
  static void Fill(QComboBox* box, const std::vector<ListEntry>& entries);
  std::optional<int> Selected(QComboBox* box) const;

  ExamStore& store_;
  ExamLogin login_;
  std::string paperSetting_;
  bool training_;
  Hooks hooks_;
  DrawMode mode_ = DrawMode::SingleModule;
  std::optional<LoginOutcome> outcome_;
  QPixmap picture_;
  QLabel* pictureArea_;
  QLineEdit* code_;
  QLabel* status_;
  QProgressBar* progress_;
  QButtonGroup* modes_;
  QLabel* chooseLabel_;
  QComboBox* modules_;
  QComboBox* papers_;
  QComboBox* groups_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QWidget* choices_;
};
