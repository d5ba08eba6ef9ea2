// CExamApp: the exam client's application object. It carries out the start-up and shut-down
// sequence (client/exam/exam_startup.h) with the real pieces: the instance lock, the settings and
// database, control registration, the shortcut, the lock-down release, the companion program and
// the site hooks, the rules, the login, the question bar, the hidden exam frame and the
// countdown. The windows that belong to the question bar's side of the program are reached
// through the Screens hooks, which main() fills.
#pragma once

#include <QLabel>
#include <functional>
#include <memory>
#include <string>

#include "client/exam/exam_session.h"
#include "client/exam/exam_startup.h"
#include "client/exam/lockdown.h"
#include "client/gui/exam_frame.h"
#include "platform/win/instance_lock.h"

// The ExamWindowTitle, by which the browser simulation finds the exam: "■-" + the candidate's
// name + "-" + his folder.
std::string ExamWindowTitle(const ExamCandidate& candidate);

// The small box without caption ("正在注册...") shown while start-up prepares the machine.
class CRegisterDlg : public QLabel {
 public:
  CRegisterDlg();
};

class CExamApp : public StartupSteps {
 public:
  struct Screens {
    std::function<void(int theme)> applyTheme;
    std::function<bool()> showRules;          // CRulesDlg; true on accept
    std::function<bool()> askSystemPassword;  // CSysPasswordDlg; true on the right password
    std::function<void()> openProctor;        // CProctorDlg (seam)
    // CExamAppBar created, docked and titled with the window title; false when it cannot be.
    std::function<bool(const std::string& windowTitle)> createQuestionBar;
    std::function<void()> startCountdown;
    std::function<int()> secondsLeft;
    std::function<void()> closeQuestionBar;    // at the end of the exam
    std::function<void()> destroyQuestionBar;  // at exit, when it still exists
    std::function<void()> openGrading;         // CScoreDlg
  };

  // The session is started by InitPathsAndGlobals and given the candidate by ShowLogin.
  CExamApp(ExamSession& session, Screens screens);
  ~CExamApp() override;

  // The end screen with its lock-down, shown modally; returns when the password dismissed it.
  void ShowEndScreen();
  CExamFrame* Frame() const { return frame_.get(); }

  // StartupSteps
  bool AcquireInstance() override;
  void ShowRegisterBox(bool show) override;
  bool InitOle() override { return true; }
  bool InitRichEdit() override { return true; }
  bool InitSockets() override { return true; }
  void Message(const std::string& text) override;
  void InitPathsAndGlobals() override;
  void RegisterControls() override;
  void CreateShortcut() override;
  void ApplyTheme() override;
  void ReleaseLocks() override;
  void StartCompanion() override;
  void RunHook(const std::string& name) override;
  bool ShowRules() override;
  bool ShowLogin() override;
  bool CreateQuestionBar() override;
  void CreateExamFrame() override;
  void StartCountdown() override;
  void WriteLog(const std::string& line) override;
  std::string Timestamp() override;
  void OpenStudentFolder() override;
  void DestroyQuestionBar() override;
  void CloseDatabase() override;
  int RunEventLoop() override;

 private:
  ExamSession& session_;
  Screens screens_;
  std::unique_ptr<win::InstanceLock> lock_;
  std::unique_ptr<CRegisterDlg> registerBox_;
  std::unique_ptr<CExamFrame> frame_;
  RegistryLockdown locks_;
  bool barExists_ = false;
};
