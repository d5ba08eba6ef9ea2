// The end-of-exam sequence (see exam_end.h).

#include "client/exam/exam_end.h"

bool FinishExam(ExamEndSteps& steps) {
  steps.CentreFrame();
  const bool timeLeft = steps.SecondsLeft() != 0;
  if (timeLeft && !steps.ConfirmQuit(std::string(kQuitQuestion))) {
    steps.StayInExam();
    return false;
  }
  for (base::Status marked = steps.MarkFinished(); !marked; marked = steps.MarkFinished()) {
    if (!steps.RetryMarkFinished(marked.error().message, timeLeft)) {
      steps.StayInExam();
      return false;
    }
  }
  steps.RunQuitHook();
  if (base::Status logged = steps.WriteLog("考试结束于：" + steps.Timestamp()); !logged)
    steps.ReportLogFailure(logged.error().message);
  steps.BringToFront();
  steps.CloseQuestionBar();
  steps.BringToFront();
  steps.ShowEndScreen();
  steps.CentreFrame();
  steps.StopWatchTimer();
  steps.OpenGrading();
  return true;
}
