// CExamTasksPane (see exam_tasks_pane.h). The pane reads the database once at creation and then
// writes the remaining time every ten seconds; a failed write does not stop the countdown.
#include "client/gui/exam_tasks_pane.h"

#include <QPainter>
#include <QTabBar>

#include "client/common/system_utils.h"
#include "client/exam/exam_session.h"
#include "client/exam/paper_tabs.h"

namespace {

constexpr int kSeparatorHeight = 5;
constexpr int kNoticeHeight = 22;

// A separator task of the group: a line across it, drawn by the look.
class TaskSeparator : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    ui::VisualManager::Default().DrawTask(p, rect(), QString(), true, false);
  }
};

// The group's notice: a title band drawn by the look, the text whole in its tool tip.
class NoticeBand : public QWidget {
 public:
  void SetText(const QString& text) {
    text_ = text;
    setToolTip(text);
    update();
  }
  const QString& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QString shown = fontMetrics().elidedText(text_, Qt::ElideRight, width() - 8);
    ui::VisualManager::Default().DrawGroupTitleBand(p, rect(), shown);
  }

 private:
  QString text_;
};

CExamTasksPane::SingleChoiceFactory& Factory() {
  static CExamTasksPane::SingleChoiceFactory factory;
  return factory;
}

constexpr double kFontStepPoints = 15 / 20.0;  // 15 twips

}  // namespace

void CExamTasksPane::SetSingleChoiceFactory(SingleChoiceFactory factory) {
  Factory() = std::move(factory);
}

CExamTasksPane::CExamTasksPane(QWidget* parent) : ui::TasksPane(parent) {
  font_.setFamilies(
      {QString::fromUtf8("宋体"), "SimSun", "WenQuanYi Micro Hei", "Noto Sans CJK SC"});
  font_.setPixelSize(12);
  font_.setWeight(QFont::Normal);
  timer_.setInterval(1000);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { CountdownTick(); });
}

CExamTasksPane::~CExamTasksPane() = default;

void CExamTasksPane::Create(const QString& name, ExamSession& session) {
  session_ = &session;
  setWindowTitle(name);
  ExamStore& store = session.Store();
  const ExamCandidate& candidate = session.Candidate();
  // The login has just read or written this row; when it cannot be read now, what the login
  // found stands in for it, never an exam without time or questions.
  int timeLeft = candidate.examSeconds;
  std::string papers = candidate.papers;
  std::string unread;
  if (const auto read = store.FindCandidate(candidate.examCode); !read) {
    unread = kReadFailedNotice + read.error().message;
  } else if (*read) {
    timeLeft = (*read)->timeLeft;
    papers = (*read)->papers;
  }
  countdown_ = std::make_unique<ExamCountdown>(candidate.studentFolder, timeLeft, clock_);
  // A module name that cannot be read shows as none; a question file that cannot be looked up
  // says so in its tab.
  auto moduleName = [&](const std::string& id) {
    const std::optional<int> n = ParseId(id);
    if (!n) return std::string();
    return store.ModuleName(*n).value_or(std::optional<std::string>()).value_or(std::string());
  };
  auto paperFile = [&](const std::string& id) -> base::Result<std::string> {
    const std::optional<int> n = ParseId(id);
    if (!n) return std::string();
    auto file = store.PaperFile(*n);
    if (!file) return file.error();
    return file->value_or(std::string());
  };

  group_ = AddGroup(QString::fromStdString(countdown_->InitialCaption()));
  toolBar_ = new CExamToolBar;
  toolBar_->setFont(font_);
  AddWindow(group_, toolBar_, 24);
  AddWindow(group_, new TaskSeparator, kSeparatorHeight);
  notice_ = new NoticeBand;
  AddWindow(group_, notice_, 0);
  SetNotice(unread);

  tabs_ = new QTabWidget;
  tabs_->setDocumentMode(true);
  tabs_->setTabPosition(QTabWidget::North);
  tabs_->setUsesScrollButtons(true);
  for (const PaperTab& tab : PaperTabs(papers)) {
    const std::string name = moduleName(tab.moduleId);
    if (tab.kind == PaperTab::Kind::SingleChoice) {
      singleChoice_ = Factory() ? Factory()(tabs_, font_) : new QWidget(tabs_);
      tabs_->addTab(singleChoice_, QString::fromStdString(name));
      continue;
    }
    auto* view = new CLinkRichEdit(tabs_);
    view->SetControlId(tab.controlId);
    view->setFont(font_);
    const base::Result<std::string> file = paperFile(tab.paperId);
    QuestionSource source = QuestionSourceFor(session.ProgramFolder(), file.value_or(std::string()),
                                              [](const std::string& p) { return FileExists(p); });
    if (!file) source.text = kReadFailedNotice + file.error().message;
    if (source.kind == QuestionSource::Kind::File) {
      view->StreamInRtfFile(source.path);
    } else {
      view->setPlainText(QString::fromStdString(source.text));
      view->setEnabled(false);
    }
    tabs_->addTab(view, QString::fromStdString(ModuleTabLabel(name)));
    views_.push_back(view);
  }
  AddWindow(group_, tabs_, 200);
  AdjustLayout();
}

void CExamTasksPane::SetCommandHandler(std::function<void(int)> handler) {
  if (toolBar_) toolBar_->SetCommandHandler(std::move(handler));
}

void CExamTasksPane::StartCountdown() {
  if (countdown_ && !countdown_->IsOver()) timer_.start();
}

void CExamTasksPane::CountdownTick() {
  if (!countdown_) return;
  const CountdownStep step = countdown_->Tick();
  if (step.caption.empty()) return;  // the time was up before
  if (step.saveTimeLeft && session_) {
    // A busy database is tried again at the next save; meanwhile the screen says so.
    const base::Status saved =
        session_->Store().SaveTimeLeft(session_->Candidate().examCode, step.remaining);
    SetNotice(saved ? std::string() : kSaveFailedNotice + saved.error().message);
  }
  if (step.colour != CountdownColour::Unchanged) {
    const QColor colour =
        step.colour == CountdownColour::Yellow ? QColor(255, 255, 0) : QColor(255, 0, 0);
    SetGroupTextColor(group_, colour, colour);
  }
  SetGroupCaption(group_, QString::fromStdString(step.caption));
  if (step.timeUp) {
    timer_.stop();
    // Posted, as the bar's close message was: the end of the exam runs after this tick.
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (onTimeUp_) onTimeUp_();
        },
        Qt::QueuedConnection);
  }
}

void CExamTasksPane::SetNotice(const std::string& text) {
  if (!notice_) return;
  static_cast<NoticeBand*>(notice_)->SetText(QString::fromStdString(text).simplified());
  noticeHeight_ = text.empty() ? 0 : kNoticeHeight;
  SetWindowHeight(notice_, noticeHeight_);
  AdjustLayout();
}

QString CExamTasksPane::Notice() const {
  return notice_ ? static_cast<NoticeBand*>(notice_)->Text() : QString();
}

QRect CExamTasksPane::GroupFrameRect() const {
  if (!tabs_) return {};
  const QRect caption = CaptionRect(group_);
  return QRect(QPoint(caption.left(), caption.bottom() + 1),
               QPoint(caption.right(), tabs_->geometry().bottom() + 1));
}

void CExamTasksPane::paintEvent(QPaintEvent* event) {
  ui::TasksPane::paintEvent(event);
  const QRect frame = GroupFrameRect();
  if (frame.isEmpty() || IsGroupCollapsed(group_)) return;
  QPainter p(this);
  ui::VisualManager::Default().FillFrame(p, frame, QMargins(1, 0, 1, 1));
}

void CExamTasksPane::ChangeFontSize(bool larger) {
  const double delta = larger ? kFontStepPoints : -kFontStepPoints;
  if (singleChoice_)
    for (QTextEdit* view : singleChoice_->findChildren<QTextEdit*>()) ChangeTextSize(*view, delta);
  for (CLinkRichEdit* view : views_) view->ChangeFontSize(delta);
}

void CExamTasksPane::AdjustLayout() {
  if (tabs_ && toolBar_) {
    // The tabs take whatever the caption and the toolbar leave of the pane's height.
    const int above = CaptionRect(group_).bottom() + 1 + 24 + kSeparatorHeight + noticeHeight_ + 3;
    StoreWindowHeight(tabs_, std::max(60, height() - above));
  }
  ui::TasksPane::AdjustLayout();
}
