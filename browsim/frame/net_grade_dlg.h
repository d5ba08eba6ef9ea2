// The hidden checking dialog (Ctrl+Alt+Shift+F12): grades the candidate's network database on
// the spot with the network-part grading control, created by its class id through Chopmark, and
// grades any other network database on request. The control leaves its report on the
// clipboard after every run; the dialog shows that report and the score.
#pragma once

#include <QDialog>
#include <string>
#include <string_view>

#include "browsim/core/browser_host.h"
#include "client/grading/controls/control_wnd.h"

class QLabel;
class QPlainTextEdit;

// The window wrapper of the network-part grading control.
class Chopmark : public CControlWnd {
 public:
  static constexpr com::Clsid kClsid = com::Clsid::Of("{E0EA6E57-AA68-43DF-9DBB-8AA575445545}");
  static constexpr com::DispId kScore = 2;
  static constexpr com::DispId kDB = 5;
  static constexpr com::DispId kGo = 6;

  const com::Clsid& GetClsid() const override { return kClsid; }
  base::Status SetDB(std::string_view path) { return SetText(kDB, path); }
  // Runs the grading; its result is the score.
  base::Result<double> Go();
};

class CNetGradeDlg : public QDialog {
  Q_OBJECT

 public:
  // Creates the control and grades StudentFolder + [DB] UserDB at once.
  CNetGradeDlg(const browsim::BrowserPaths& paths, QWidget* parent);

  // Grades the database the control was given again ("评分(&S)").
  void OnGrade();
  // Grades another database file ("打开(&O)").
  void GradeFile(const std::string& windowsPath);
  QString ReportText() const;
  QString ScoreText() const;

 private:
  Chopmark control_;
  QPlainTextEdit* report_ = nullptr;
  QLabel* score_ = nullptr;
};
