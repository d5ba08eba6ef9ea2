// The end-of-exam sequence (see exam_end.h).

#include "client/exam_end.h"

bool FinishExam(ExamEndSteps& steps) {
  steps.CentreFrame();
  if (steps.SecondsLeft() != 0 && !steps.ConfirmQuit(std::string(kQuitQuestion))) {
    steps.StayInExam();
    return false;
  }
  steps.MarkFinished();
  steps.RunQuitHook();
  steps.WriteLog("考试结束于：" + steps.Timestamp());
  steps.BringToFront();
  steps.CloseQuestionBar();
  steps.BringToFront();
  steps.ShowEndScreen();
  steps.CentreFrame();
  steps.StopWatchTimer();
  steps.OpenGrading();
  return true;
}
