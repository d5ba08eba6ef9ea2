// CExamTasksPane: the pane that fills the question bar. One group whose caption shows the
// candidate folder and the remaining time, the toolbar, and a tab window with one tab per paper
// item: a read-only question view per module task, and the single-choice page. Its one-second
// timer is the exam countdown: it saves the remaining time every ten seconds, colours the caption
// in the last five minutes and at zero asks for the end of the exam.
#pragma once

#include <QFont>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "client/countdown.h"
#include "client/gui/exam_toolbar.h"
#include "client/gui/question_view.h"
#include "platform/ui/tasks_pane.h"

class ExamSession;

class CExamTasksPane : public ui::TasksPane {
 public:
  explicit CExamTasksPane(QWidget* parent = nullptr);
  ~CExamTasksPane() override;

  // Makes the single-choice page of a paper: called with the tab window as parent and the pane
  // font. The single-choice dialog registers itself here; until it does the page is empty.
  using SingleChoiceFactory = std::function<QWidget*(QWidget* parent, const QFont& font)>;
  static void SetSingleChoiceFactory(SingleChoiceFactory factory);

  // Builds the pane for the session's candidate: reads the remaining time and the paper list,
  // makes the group, the toolbar and the tabs. The countdown saves through the session's store.
  void Create(const QString& name, ExamSession& session);

  // Starts the one-second countdown (start-up does this once the exam screen is ready).
  void StartCountdown();
  bool IsCountingDown() const { return timer_.isActive(); }
  // One second of the countdown.
  void CountdownTick();
  int RemainingSeconds() const { return countdown_ ? countdown_->Remaining() : 0; }

  // Called (posted, after the tick has finished) when the time is up.
  void SetTimeUpHandler(std::function<void()> handler) { onTimeUp_ = std::move(handler); }
  // Called with the command id of a toolbar button.
  void SetCommandHandler(std::function<void(int)> handler);

  // Makes the text of every question (and of the single-choice question) 15 twips larger or
  // smaller.
  void ChangeFontSize(bool larger);

  void AdjustLayout() override;

  CExamToolBar* ToolBar() const { return toolBar_; }
  QTabWidget* TabWindow() const { return tabs_; }
  const std::vector<CLinkRichEdit*>& Views() const { return views_; }
  QWidget* SingleChoicePage() const { return singleChoice_; }
  const QFont& PaneFont() const { return font_; }

 private:
  ExamSession* session_ = nullptr;
  QFont font_;
  std::unique_ptr<ExamCountdown> countdown_;
  QTimer timer_;
  CExamToolBar* toolBar_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QWidget* singleChoice_ = nullptr;
  std::vector<CLinkRichEdit*> views_;
  std::function<void()> onTimeUp_;
  int group_ = -1;
};
