// The exam frame (see exam_frame.h).

#include "client/gui/exam_frame.h"

#include <QCloseEvent>
#include <QTimerEvent>

#include "client/db/ado_connection.h"
#include "client/globals.h"
#include "client/ini_file.h"
#include "client/system_utils.h"
#include "platform/win/message_box.h"

std::string LockProcessList;
std::string KillProcessList;

namespace {

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace

CExamFrame::CExamFrame(const std::string& programFolder, const std::string& examCode, Hooks hooks)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      programFolder_(programFolder),
      examCode_(examCode),
      hooks_(std::move(hooks)) {
  setGeometry(-50, -50, 0, 0);
  LockProcessList = LowerAscii(IniFile.Read("KIRV", "LockProcess"));
  watch_.start(30000, this);
  KillProcessList = LowerAscii(IniFile.Read("KIRV", "KillProcess"));
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

void CExamFrame::MarkFinished() {
  ExamDatabase.Execute("update [Stu] set timeleft=0,state = 1 where examcode=?",
                       {SqlText(examCode_)});
}

void CExamFrame::RunQuitHook() {
  std::string script = programFolder_ + "Script\\";
  if (FileExists(script + "quit.bat")) RunAndWait(script + "quit.bat", script);
}

void CExamFrame::WriteLog(const std::string& line) {
  ::WriteLog(line);
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
