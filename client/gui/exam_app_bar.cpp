// CExamAppBar (see exam_app_bar.h). Programs are started through the shell and not waited for.
#include "client/gui/exam_app_bar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>

#include "client/common/system_utils.h"
#include "client/exam/exam_session.h"
#include "client/gui/artwork.h"
#include "platform/win/process.h"

CExamAppBar::CExamAppBar(ExamSession& session, int screenWidth, int screenHeight)
    : session_(session), geometry_(BarGeometry(screenWidth, screenHeight)) {
  const BarRect& f = geometry_.floating;
  SetSizes(geometry_.sideWidth, geometry_.topHeight, QRect(f.left, f.top, f.Width(), f.Height()));
}

CExamAppBar::~CExamAppBar() = default;

void CExamAppBar::Create(const QString& caption) {
  setWindowTitle(caption);
  const BarRect& c = geometry_.created;
  setGeometry(c.left, c.top, c.Width(), c.Height());
  const std::string name =
      TasksPaneName(session_.Settings().Read("KIRV", "Title"), session_.Candidate().name);
  pane_ = new CExamTasksPane;
  pane_->Create(QString::fromStdString(name), session_);
  pane_->SetCommandHandler([this](int id) { OnCommand(id); });
  // Time-up ends the exam the same way as closing the bar.
  pane_->SetTimeUpHandler([this] { OnClose(); });
  SetHostedWidget(pane_);
  setWindowIcon(ExamIcon());
}

std::unique_ptr<CExamAppBar> CExamAppBar::CreateForExam(ExamSession& session, int screenWidth,
                                                        int screenHeight,
                                                        const std::string& windowTitle) {
  auto bar = std::make_unique<CExamAppBar>(session, screenWidth, screenHeight);
  bar->Create(QString::fromUtf8("考试系统"));
  const ui::DockEdge edge = BarDockEdge(screenWidth, screenHeight) == BarEdge::Left
                                ? ui::DockEdge::Left
                                : ui::DockEdge::Top;
  bar->DockToEdge(edge);
  bar->TasksPane()->SetDockEdge(edge);
  bar->SetAlwaysOnTop(false);
  bar->show();
  bar->RecalcLayout();
  bar->update();
  bar->setWindowTitle(QString::fromStdString(windowTitle));
  return bar;
}

void CExamAppBar::OnCommand(int id) {
  switch (id) {
    case kCmdExit:
      OnClose();
      break;
    case kCmdAutoHide:
      OnToggleAutoHide();
      break;
    case kCmdOpenFolder:
      OnOpenFolder();
      break;
    case kCmdBrowser:
      OnBrowser();
      break;
    case kCmdMail:
      OnMail();
      break;
    case kCmdFontLarger:
      OnFontLarger();
      break;
    case kCmdFontSmaller:
      OnFontSmaller();
      break;
    default:
      break;
  }
}

void CExamAppBar::OnClose() {
  // Posted, so that whatever asked (a click, a tick) has finished before the exam ends; the
  // handler may destroy the bar, so it runs from a copy and only while the bar exists.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [bar = QPointer<CExamAppBar>(this)] {
        if (!bar || !bar->onExamEnd_) return;
        const std::function<void()> handler = bar->onExamEnd_;
        handler();
      },
      Qt::QueuedConnection);
}

void CExamAppBar::closeEvent(QCloseEvent* event) {
  event->ignore();
  OnClose();
}

void CExamAppBar::OnToggleAutoHide() {
  const bool on = !IsAutoHide();
  // The label names what the next click will do.
  if (pane_ && pane_->ToolBar())
    pane_->ToolBar()->SetButtonText(3, QString::fromUtf8(on ? "固定" : "贴边"));
  SetAutoHide(on);
  SetAlwaysOnTop(on);
}

void CExamAppBar::OnOpenFolder() {
  const std::string& folder = session_.Candidate().studentFolder;
  win::ShellExecute("Open", folder, "", folder);
}

void CExamAppBar::OnBrowser() {
  win::ShellExecute("Open", session_.ProgramFolder() + "browsim.exe", "", session_.ProgramFolder());
}

void CExamAppBar::OnMail() {
  win::ShellExecute("Open", session_.ProgramFolder() + "outlook.exe", "", session_.ProgramFolder());
}

void CExamAppBar::OnFontLarger() {
  if (pane_) pane_->ChangeFontSize(true);
}

void CExamAppBar::OnFontSmaller() {
  if (pane_) pane_->ChangeFontSize(false);
}
