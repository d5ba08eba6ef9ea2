// CScoreDlg: the grading dialog ("评分前请关掉所有相关的文档窗口"). A thin Qt view over GradingFlow
// (client/grading/grading_flow.h), which holds everything it shows and does: the picture frame, the
// list of progress lines, the progress bar, the buttons "查看结果(&V)", "重新上传(&R)",
// "重新启动(&B)", "开始评分(&S)" and "退出(&X)", and the check boxes "自动开始评分" and
// "上传分数完毕后自动重新启动考试系统(&A)". The grading controls are created as children of this
// dialog. While grading runs the dialog does not close.
//
// The end of the exam opens it for the candidate who sat the exam (RunGradingDialog); the proctor
// dialog opens it for a candidate it chose (GradeCandidateAgain).
#pragma once

#include <QBasicTimer>
#include <QDialog>
#include <QFrame>
#include <map>
#include <string>

#include "client/grading/grading_flow.h"
#include "client/gui/picture_holder.h"

class QCheckBox;
class QListWidget;
class QProgressBar;
class QPushButton;

// Frame 1063: the current picture, stretched over the frame.
class CScorePicture : public QFrame {
 public:
  explicit CScorePicture(QWidget* parent);
  // Loads the picture when it is another file than the one shown; "" shows none.
  void SetPicture(const std::string& path);
  const std::string& PicturePath() const { return path_; }
  bool HasPicture() const { return !holder_.IsEmpty(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CPictureHolder holder_;
  std::string path_;
};

class CScoreDlg : public QDialog, public ScoreDlgWindow {
 public:
  // Reads AutoScore and AutoRestart and, with AutoScore, starts the 20-second countdown.
  CScoreDlg(ExamSession& session, GradingCandidate candidate, GradingSystem& system,
            QWidget* parent = nullptr);
  ~CScoreDlg() override;

  // Runs the dialog modally; 1 when it ended with OK ("退出" or a restart).
  int DoModal();
  GradingFlow& Flow() { return flow_; }

  // The controls, by their ids.
  QPushButton* Button(int id) const;  // 1039, 1038, 1018, 1009, 1
  QCheckBox* CheckBox(int id) const;  // 1024, 1056
  QListWidget* List() const { return list_; }
  QProgressBar* Progress() const { return progress_; }
  CScorePicture* Picture() const { return picture_; }

  // ScoreDlgWindow
  void Show(const ScoreDlgState& state) override;
  void Message(const std::string& text) override;
  void StartTimer(int id, int milliseconds) override;
  void StopTimer(int id) override;
  void EndDialog(int result) override;
  com::WindowHandle ControlParent() override { return this; }

  void done(int result) override;  // refused while grading runs

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  CScorePicture* picture_;
  QListWidget* list_;
  QProgressBar* progress_;
  std::map<int, QPushButton*> buttons_;
  std::map<int, QCheckBox*> checkBoxes_;
  std::map<int, QBasicTimer> timers_;
  bool waitCursor_ = false;
  GradingFlow flow_;
};

// The grading dialog for `candidate`, modal over `parent`, on this host's machine; its result.
int RunGradingDialog(ExamSession& session, const GradingCandidate& candidate, QWidget* parent);

// The proctor's "grade again" (a Regrader of proctor_records.h): the grading dialog for the
// candidate the proctor chose, in the folder the proctor found for him, modal over the window
// that is active (the proctor dialog). The session's own candidate is left as it is. Returns the
// dialog's result.
int GradeCandidateAgain(ExamSession& session, const std::string& examCode,
                        const std::string& studentFolder);
