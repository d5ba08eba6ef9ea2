// CRulesDlg: the first window a candidate sees. It shows the exam rules from Readme.rtf and must
// be accepted before the login; quitting ends the program. Outside training mode Ctrl+F12 leads,
// through the system password, to the proctor dialog while the rules stay open.
#pragma once

#include <QDialog>
#include <string>

class CIniFile;
class CLinkRichEdit;
class QPushButton;
class QShortcut;

class CRulesDlg : public QDialog {
 public:
  // The rules are ProgramFolder + "Readme.rtf"; `settings` serves the password dialog.
  CRulesDlg(const std::string& programFolder, bool trainingMode, CIniFile& settings,
            QWidget* parent = nullptr);

  // win::IDOK (1) when accepted, win::IDCANCEL (2) when quit.
  int DoModal();

  // The proctor hot key: the password dialog, then the proctor dialog when it was right.
  void OnHotKey();

  CLinkRichEdit* RulesView() const { return view_; }
  QPushButton* AcceptButton() const { return accept_; }
  QPushButton* QuitButton() const { return quit_; }
  bool HasHotKey() const { return hotKey_ != nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  CIniFile& settings_;
  CLinkRichEdit* view_;
  QPushButton* quit_;
  QPushButton* accept_;
  QShortcut* hotKey_ = nullptr;
};
