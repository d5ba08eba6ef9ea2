// The hidden checking dialog (Ctrl+Alt+Shift+F12): grades the candidate's network database on
// the spot with the network-part grading control, created by its class id through Chopmark, and
// grades any other network database on request. The control sits on the dialog as a visible
// child and shows its own result list ("序号", "评分动作", "参数", "对错", "分值"), which a run
// that finds no database leaves empty; the dialog adds the score beside its buttons.
#pragma once

#include <QDialog>
#include <string>
#include <string_view>

#include "browsim/core/browser_host.h"
#include "client/grading/controls/ping_net.h"

class QLabel;
class QTreeWidget;

// The window wrapper of the network-part grading control: the exam client's wrapper, which
// sets the candidate folder, with the database property the checking dialog sets instead.
class Chopmark : public PingNet {
 public:
  static constexpr com::DispId kDB = 5;
  base::Status SetDB(std::string_view path) { return SetText(kDB, path); }
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
  QString ScoreText() const;
  // The control's own result list; null when the control could not be created.
  QTreeWidget* ResultList() const;

 private:
  Chopmark control_;
  QWidget* controlArea_ = nullptr;
  QLabel* score_ = nullptr;
};
