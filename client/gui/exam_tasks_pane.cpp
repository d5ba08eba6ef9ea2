// CExamTasksPane (see exam_tasks_pane.h). The pane reads the database once at creation and then
// writes the remaining time every ten seconds; a failed write does not stop the countdown.
#include "client/gui/exam_tasks_pane.h"

#include <QTabBar>

#include "client/exam_session.h"
#include "client/paper_tabs.h"
#include "client/system_utils.h"

namespace {

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
  const CandidateExamRow row = store.CandidateExam(candidate.examCode)
                                   .value_or(std::optional<CandidateExamRow>())
                                   .value_or(CandidateExamRow());
  countdown_ = std::make_unique<ExamCountdown>(candidate.studentFolder, row.timeLeft);
  // A name or question file that cannot be read shows as none.
  auto text = [](base::Result<std::optional<std::string>> r) {
    return r.value_or(std::optional<std::string>()).value_or(std::string());
  };
  auto moduleName = [&](const std::string& id) {
    const std::optional<int> n = ParseId(id);
    return n ? text(store.ModuleName(*n)) : std::string();
  };
  auto paperFile = [&](const std::string& id) {
    const std::optional<int> n = ParseId(id);
    return n ? text(store.PaperFile(*n)) : std::string();
  };

  group_ = AddGroup(QString::fromStdString(countdown_->InitialCaption()));
  toolBar_ = new CExamToolBar;
  toolBar_->setFont(font_);
  AddWindow(group_, toolBar_, 24);

  tabs_ = new QTabWidget;
  tabs_->setDocumentMode(true);
  tabs_->setTabPosition(QTabWidget::North);
  tabs_->setUsesScrollButtons(true);
  for (const PaperTab& tab : PaperTabs(row.papers)) {
    const std::string name = moduleName(tab.moduleId);
    if (tab.kind == PaperTab::Kind::SingleChoice) {
      singleChoice_ = Factory() ? Factory()(tabs_, font_) : new QWidget(tabs_);
      tabs_->addTab(singleChoice_, QString::fromStdString(name));
      continue;
    }
    auto* view = new CLinkRichEdit(tabs_);
    view->SetControlId(tab.controlId);
    view->setFont(font_);
    const QuestionSource source =
        QuestionSourceFor(session.ProgramFolder(), paperFile(tab.paperId),
                          [](const std::string& p) { return FileExists(p); });
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
  if (step.saveTimeLeft && session_)
    (void)session_->Store().SaveTimeLeft(session_->Candidate().examCode, step.remaining);
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

void CExamTasksPane::ChangeFontSize(bool larger) {
  const double delta = larger ? kFontStepPoints : -kFontStepPoints;
  if (singleChoice_)
    for (QTextEdit* view : singleChoice_->findChildren<QTextEdit*>()) ChangeTextSize(*view, delta);
  for (CLinkRichEdit* view : views_) view->ChangeFontSize(delta);
}

void CExamTasksPane::AdjustLayout() {
  if (tabs_ && toolBar_) {
    // The tabs take whatever the caption and the toolbar leave of the pane's height.
    const int above = CaptionRect(group_).bottom() + 1 + 24 + 3;
    StoreWindowHeight(tabs_, std::max(60, height() - above));
  }
  ui::TasksPane::AdjustLayout();
}
