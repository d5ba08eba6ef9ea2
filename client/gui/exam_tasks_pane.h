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

#include "client/exam/countdown.h"
#include "client/gui/exam_toolbar.h"
#include "client/gui/question_view.h"
#include "platform/ui/tasks_pane.h"

class ExamSession;

// What the pane's notice line says when the database fails it.
inline constexpr const char* kReadFailedNotice = "读取考试数据库发生错误:";
inline constexpr const char* kSaveFailedNotice =
    "剩余时间没有保存到考试数据库，下次保存时再试；如一直出现请通知监考教师。";

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
  // When the row cannot be read, the time and paper the login found stand in and the notice
  // line says so.
  void Create(const QString& name, ExamSession& session);
  // The clock of the countdown (tests); set before Create.
  void SetClock(ExamCountdown::Clock clock) { clock_ = std::move(clock); }

  // The band under the toolbar that tells of a failed read or save; empty hides it.
  void SetNotice(const std::string& text);
  QString Notice() const;
  // The frame around the group's windows, drawn by the look.
  QRect GroupFrameRect() const;

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

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ExamSession* session_ = nullptr;
  QFont font_;
  ExamCountdown::Clock clock_ = std::chrono::steady_clock::now;
  std::unique_ptr<ExamCountdown> countdown_;
  QWidget* notice_ = nullptr;
  int noticeHeight_ = 0;
  QTimer timer_;
  CExamToolBar* toolBar_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QWidget* singleChoice_ = nullptr;
  std::vector<CLinkRichEdit*> views_;
  std::function<void()> onTimeUp_;
  int group_ = -1;
};
