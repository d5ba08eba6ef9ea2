// CExamAppBar: the question bar, the one window the candidate sees during the exam. It is docked
// at a screen edge, holds the tasks pane and answers the toolbar: open the candidate folder,
// start the browser simulation, start the mail client, switch auto-hide, make the question text
// larger or smaller, and end the exam. The bar never closes itself: its close, its exit button
// and the countdown at zero all go to the one end-of-exam handler the exam frame supplies.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "client/exam/question_bar_layout.h"
#include "client/gui/exam_tasks_pane.h"
#include "platform/ui/app_bar.h"

class ExamSession;

class CExamAppBar : public ui::AppBarWnd {
 public:
  // Geometry from the screen's width and height in pixels; the session's candidate and folders
  // are what the bar shows and opens.
  CExamAppBar(ExamSession& session, int screenWidth, int screenHeight);
  ~CExamAppBar() override;

  // The bar's creation: caption, the tasks pane named after [KIRV] Title and the candidate,
  // the icon. Reads the candidate's time and paper through the pane.
  void Create(const QString& caption);

  // Start-up's steps after the login: create with "考试系统", dock at the edge the screen's shape
  // gives, not always-on-top, shown, titled with `windowTitle` (the title the browser simulation
  // looks for). The countdown is started separately (CExamTasksPane::StartCountdown).
  static std::unique_ptr<CExamAppBar> CreateForExam(ExamSession& session, int screenWidth,
                                                    int screenHeight,
                                                    const std::string& windowTitle);

  CExamTasksPane* TasksPane() const { return pane_; }

  // Where every request to end the exam goes (the exam frame's close).
  void SetExamEndHandler(std::function<void()> handler) { onExamEnd_ = std::move(handler); }

  // The commands.
  void OnCommand(int id);
  void OnClose();
  void OnToggleAutoHide();
  void OnOpenFolder();
  void OnBrowser();
  void OnMail();
  void OnFontLarger();
  void OnFontSmaller();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  ExamSession& session_;
  QuestionBarGeometry geometry_;
  CExamTasksPane* pane_ = nullptr;
  std::function<void()> onExamEnd_;
};
