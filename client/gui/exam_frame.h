// CExamFrame: the exam client's main window while an exam runs. The candidate never sees it;
// its close is the one road to the end of the exam (the question bar's exit button and the
// countdown at zero both close it), and its close handler runs the end-of-exam sequence.
#pragma once

#include <QBasicTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "client/exam/exam_end.h"

class ExamSession;

class CExamFrame : public QWidget, public ExamEndSteps {
 public:
  // What the frame needs from the rest of the program.
  struct Hooks {
    std::function<int()> secondsLeft;        // the countdown's seconds left
    std::function<void()> closeQuestionBar;  // close and destroy the question bar
    std::function<void()> showEndScreen;     // CByeDlg, modal
    std::function<void()> openGrading;       // the grading dialog, modal
    std::function<void()> finished;          // the frame has closed: the program ends
  };

  // Starts the 30-second watch over the session's process lists (read when start-up makes the
  // frame).
  CExamFrame(ExamSession& session, Hooks hooks);

  // The frame's title (ExamCode-CandidateName-StudentFolder) is set by start-up.

  // ExamEndSteps
  int SecondsLeft() override;
  bool ConfirmQuit(const std::string& question) override;
  void StayInExam() override;
  void CentreFrame() override;
  base::Status MarkFinished() override;
  bool RetryMarkFinished(const std::string& error, bool canGoOn) override;
  void RunQuitHook() override;
  base::Status WriteLog(const std::string& line) override;
  void ReportLogFailure(const std::string& error) override;
  std::string Timestamp() override;
  void BringToFront() override;
  void CloseQuestionBar() override;
  void ShowEndScreen() override;
  void StopWatchTimer() override;
  void OpenGrading() override;

  bool WatchTimerActive() const { return watch_.isActive(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  ExamSession& session_;
  Hooks hooks_;
  QBasicTimer watch_;  // the 30-second process watch, which finds nothing to act on
  bool finishing_ = false;
};
