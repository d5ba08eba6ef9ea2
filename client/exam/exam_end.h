// The end of an exam as one ordered sequence: the candidate confirms while time remains, the row
// is marked finished, the quit hook runs, the end is logged, the question bar goes, the end
// screen is shown, then grading opens. The exam frame supplies each step; tests supply their own
// to check the order and that a Cancel leaves everything untouched.
//
// A finished exam must never look resumable: the row is marked finished before anything else of
// the end happens, and while that write fails the end does not go on. The candidate (or the
// proctor) is told and tries again; while time remains he may also go back to the exam.
#pragma once

#include <string>
#include <string_view>

#include "platform/base/result.h"

class ExamEndSteps {
 public:
  virtual ~ExamEndSteps() = default;
  virtual int SecondsLeft() = 0;
  // "退出之后..." with OK and Cancel; true on OK.
  virtual bool ConfirmQuit(const std::string& question) = 0;
  // The exam goes on: the frame back to its hiding place.
  virtual void StayInExam() = 0;
  virtual void CentreFrame() = 0;
  // update [Stu] set timeleft=0,state=1 for the candidate; an error when it was not written.
  virtual base::Status MarkFinished() = 0;
  // The end could not be recorded: says why; true to try again, false to go back to the exam
  // (offered only when `canGoOn`, that is while time remains).
  virtual bool RetryMarkFinished(const std::string& error, bool canGoOn) = 0;
  // Script\quit.bat when present, waited for.
  virtual void RunQuitHook() = 0;
  virtual base::Status WriteLog(const std::string& line) = 0;
  // The end's log line could not be written: says so; the end goes on.
  virtual void ReportLogFailure(const std::string& error) = 0;
  // GetDateString + GetTimeString.
  virtual std::string Timestamp() = 0;
  virtual void BringToFront() = 0;
  virtual void CloseQuestionBar() = 0;
  // The end screen, modal; returns when the system password dismissed it.
  virtual void ShowEndScreen() = 0;
  virtual void StopWatchTimer() = 0;
  // The grading dialog, modal.
  virtual void OpenGrading() = 0;
};

inline constexpr std::string_view kQuitQuestion =
    "退出之后您将不能再次进入\n您确认要退出练习系统吗?";

// CExamFrame::OnClose up to the frame's own close: true when the exam was finished (the frame
// then closes and the program ends), false when the candidate chose to go on.
bool FinishExam(ExamEndSteps& steps);
