// The exam frame (see exam_frame.h).

#include "client/gui/exam_frame.h"

#include <QCloseEvent>
#include <QTimerEvent>

#include "client/common/system_utils.h"
#include "client/exam/exam_session.h"
#include "platform/win/message_box.h"

CExamFrame::CExamFrame(ExamSession& session, Hooks hooks)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      session_(session),
      hooks_(std::move(hooks)) {
  setGeometry(-50, -50, 0, 0);
  watch_.start(30000, this);
}

int CExamFrame::SecondsLeft() {
  return hooks_.secondsLeft ? hooks_.secondsLeft() : 0;
}

bool CExamFrame::ConfirmQuit(const std::string& question) {
  return win::MessageBox(question, ApplicationTitle, win::MB_OKCANCEL | win::MB_ICONQUESTION) ==
         win::IDOK;
}

void CExamFrame::StayInExam() {
  move(-10, -10);
}

void CExamFrame::CentreFrame() {}

base::Status CExamFrame::MarkFinished() {
  return session_.Store().MarkFinished(session_.Candidate().examCode);
}

bool CExamFrame::RetryMarkFinished(const std::string& error, bool canGoOn) {
  const std::string text =
      "记录考试结束状态发生错误:" + error +
      (canGoOn ? "\n\r考试没有结束。点击『重试』再次记录，点击『取消』返回考试。"
               : "\n\r考试时间已到，请监考教师检查考试数据库后点击『确定』重试。");
  const unsigned flags = (canGoOn ? win::MB_RETRYCANCEL : win::MB_OK) | win::MB_ICONWARNING;
  const int answer = win::MessageBox(text, ApplicationTitle, flags);
  return !canGoOn || answer == win::IDRETRY;
}

void CExamFrame::RunQuitHook() {
  std::string script = session_.ProgramFolder() + "Script\\";
  if (FileExists(script + "quit.bat")) RunAndWait(script + "quit.bat", script);
}

base::Status CExamFrame::WriteLog(const std::string& line) {
  return ::WriteLog(session_.Candidate().studentFolder, session_.Candidate().examCode, line);
}

void CExamFrame::ReportLogFailure(const std::string& error) {
  ShowMessage("写入考生日志发生错误:" + error);
}

std::string CExamFrame::Timestamp() {
  return GetDateString() + GetTimeString();
}

void CExamFrame::BringToFront() {
  raise();
  activateWindow();
}

void CExamFrame::CloseQuestionBar() {
  if (hooks_.closeQuestionBar) hooks_.closeQuestionBar();
}

void CExamFrame::ShowEndScreen() {
  if (hooks_.showEndScreen) hooks_.showEndScreen();
}

void CExamFrame::StopWatchTimer() {
  watch_.stop();
}

void CExamFrame::OpenGrading() {
  if (hooks_.openGrading) hooks_.openGrading();
}

void CExamFrame::closeEvent(QCloseEvent* event) {
  // A second close while the end screen or grading is up is not a second end of the exam.
  if (finishing_) {
    event->ignore();
    return;
  }
  finishing_ = true;
  bool finished = FinishExam(*this);
  finishing_ = false;
  if (!finished) {
    event->ignore();
    return;
  }
  event->accept();
  if (hooks_.finished) hooks_.finished();
}

void CExamFrame::timerEvent(QTimerEvent* event) {
  if (event->timerId() != watch_.timerId()) QWidget::timerEvent(event);
}
