// Tests of the question bar's tasks pane and of the bar itself on a throw-away installation.
#include "client/gui/exam_tasks_pane.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <set>

#include "client/gui/exam_app_bar.h"
#include "client/gui/testing/exam_screen_fixture.h"
#include "client/testing/manual_clock.h"

namespace {

class TasksPaneTest : public ExamScreenFixture {
 protected:
  void SetUp() override {
    MakeInstallation();
    Sql("insert into [Module](ModuleID, Name) values (0, '单选题')");
    Sql("insert into [Module](ModuleID, Name) values (2, '文字处理')");
    Sql("insert into [Module](ModuleID, Name) values (3, '电子表格')");
    Sql("insert into [Paper](PaperID, ModuleID, PaperFile) values (1, 2, 'w1.rtf')");
    Sql("insert into [Paper](PaperID, ModuleID, PaperFile) values (2, 3, 'gone.rtf')");
    Sql("insert into [Paper](PaperID, ModuleID, PaperFile) values (3, 3, '')");
    Sql("insert into [Paper](PaperID, ModuleID, PaperFile) values (4, 9, 'w1.rtf')");
    Question("w1.rtf", "{\\rtf1 \\u25991?\\u23383? question}");
  }
  void Pump() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
};

TEST_F(TasksPaneTest, OneTabPerPaperItemInOrder) {
  Candidate(2700, "2-1|0-q1,q2|3-2|3-3|9-4");
  CExamTasksPane pane;
  pane.resize(420, 700);
  pane.Create("KIRV - 未知", session_);
  QTabWidget* tabs = pane.TabWindow();
  ASSERT_EQ(tabs->count(), 5);
  const char* labels[] = {"文字处理", "单选题", "电子表格", "电子表格", "未知模块"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(tabs->tabText(i).toStdString(), labels[i]) << i;
  EXPECT_EQ(tabs->widget(1), pane.SingleChoicePage());
  ASSERT_EQ(pane.Views().size(), 4u);
  EXPECT_EQ(pane.Views()[0]->ControlId(), 1);
  EXPECT_EQ(pane.Views()[1]->ControlId(), 2);
  EXPECT_EQ(pane.Views()[0]->toPlainText(), u"文字 question"_qs);
  EXPECT_TRUE(pane.Views()[0]->isEnabled());
  EXPECT_EQ(pane.Views()[1]->toPlainText(), u"找不到题签"_qs);
  EXPECT_FALSE(pane.Views()[1]->isEnabled());
  EXPECT_EQ(pane.Views()[2]->toPlainText(), u"无题签"_qs);
  EXPECT_FALSE(pane.Views()[2]->isEnabled());
  EXPECT_EQ(pane.GroupCaption(0).toStdString(), "考生目录: " + StudentFolder() + " 时间: 45 分钟");
  // The tabs fill what the caption and the toolbar leave.
  EXPECT_GT(tabs->height(), 600);
  EXPECT_LE(tabs->geometry().bottom(), pane.height());
}

TEST_F(TasksPaneTest, MoreThanTwelveTasksAndTheSingleChoiceSeam) {
  std::string papers = "0-a";
  for (int i = 0; i < 15; ++i) papers += "|2-1";
  Candidate(600, papers);
  QFont seen;
  CExamTasksPane::SetSingleChoiceFactory([&](QWidget* parent, const QFont& font) {
    seen = font;
    auto* page = new QWidget(parent);
    page->setObjectName("single-choice");
    return page;
  });
  CExamTasksPane pane;
  pane.Create("p", session_);
  CExamTasksPane::SetSingleChoiceFactory(nullptr);
  // The font buttons reach the single-choice question too, whatever text view it uses.
  auto* question = new QTextEdit(pane.SingleChoicePage());
  question->document()->setDefaultFont(QFont("Sans", 10));
  question->setPlainText("q");
  pane.ChangeFontSize(true);
  EXPECT_DOUBLE_EQ(question->document()->begin().begin().fragment().charFormat().fontPointSize(),
                   10.75);
  EXPECT_EQ(pane.TabWindow()->count(), 16);
  EXPECT_EQ(pane.Views().size(), 15u);
  EXPECT_EQ(pane.Views().back()->ControlId(), 15);
  ASSERT_NE(pane.SingleChoicePage(), nullptr);
  EXPECT_EQ(pane.SingleChoicePage()->objectName(), "single-choice");
  EXPECT_EQ(seen.pixelSize(), 12);
}

TEST_F(TasksPaneTest, CountdownSavesColoursAndEndsOnce) {
  Candidate(305, "2-1");
  ManualClock clock;
  CExamTasksPane pane;
  pane.SetClock(clock.Fn());
  pane.Create("p", session_);
  int timeUps = 0;
  pane.SetTimeUpHandler([&] { ++timeUps; });
  std::vector<int> saved;
  for (int i = 0; i < 320; ++i) {
    const int before = StoredTimeLeft();
    clock.Advance(1);
    pane.CountdownTick();
    if (StoredTimeLeft() != before) saved.push_back(StoredTimeLeft());
    if (pane.RemainingSeconds() == 300) {
      EXPECT_EQ(pane.GroupTextColor(0), QColor(255, 255, 0));
      EXPECT_EQ(pane.GroupCaption(0).toStdString(),
                "考生目录: " + StudentFolder() + " 时间: 5 分钟 0 秒");
    }
    if (pane.RemainingSeconds() == 120) {
      EXPECT_EQ(pane.GroupTextColor(0), QColor(255, 0, 0));
    }
  }
  EXPECT_EQ(timeUps, 0);  // posted: it comes after the tick
  Pump();
  EXPECT_EQ(timeUps, 1);
  ASSERT_FALSE(saved.empty());
  EXPECT_EQ(saved.front(), 300);
  EXPECT_EQ(saved.back(), 0);
  EXPECT_EQ(saved.size(), 31u);
  EXPECT_EQ(pane.GroupCaption(0), u"考试结束！"_qs);
  EXPECT_FALSE(pane.IsCountingDown());
}

// The database locked by another program: a save gives up at once, the pane says so, and the
// next save that gets through clears it. A row that cannot be read when the pane is made leaves
// the time and paper the login found, not an exam without time.
TEST_F(TasksPaneTest, LockedDatabaseIsShownAndNeverEndsTheExam) {
  Candidate(25, "2-1");
  ManualClock clock;
  CExamTasksPane pane;
  pane.SetClock(clock.Fn());
  pane.Create("p", session_);
  EXPECT_TRUE(pane.Notice().isEmpty());
  CAdoConnection other;
  ASSERT_TRUE(other.OpenJet(ProgramFolder() + "db\\kirv.mdb"));
  ASSERT_TRUE(other.Execute("BEGIN EXCLUSIVE"));
  clock.Advance(5);
  const auto start = std::chrono::steady_clock::now();
  pane.CountdownTick();  // 20 left: due to be saved
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
  EXPECT_TRUE(pane.Notice().startsWith(QString::fromUtf8(kSaveFailedNotice)))
      << pane.Notice().toStdString();
  clock.Advance(3);
  pane.CountdownTick();  // 17: no save due, the notice stays
  EXPECT_FALSE(pane.Notice().isEmpty());
  ASSERT_TRUE(other.Execute("ROLLBACK"));
  clock.Advance(7);
  pane.CountdownTick();  // 10: saved
  EXPECT_TRUE(pane.Notice().isEmpty());
  EXPECT_EQ(StoredTimeLeft(), 10);

  ASSERT_TRUE(other.Execute("BEGIN EXCLUSIVE"));
  session_.BeginExam({"0101", "未知", StudentFolder(), 1800, "2-1|3-2"});
  CExamTasksPane later;
  later.SetClock(clock.Fn());
  later.Create("p", session_);
  ASSERT_TRUE(other.Execute("ROLLBACK"));
  EXPECT_EQ(later.RemainingSeconds(), 1800);
  EXPECT_EQ(later.TabWindow()->count(), 2);
  EXPECT_TRUE(later.Notice().startsWith(QString::fromUtf8(kReadFailedNotice)));
  clock.Advance(1);
  later.CountdownTick();
  EXPECT_EQ(later.RemainingSeconds(), 1799);
}

// The look draws every element of the pane it has a routine for: the frame around the group's
// windows, the separator task, the notice's title band and the scroll buttons of the questions.
TEST_F(TasksPaneTest, EveryElementIsDrawnByTheLook) {
  struct Recorder : ui::VisualManager2003 {
    std::set<std::string>* seen;
    explicit Recorder(std::set<std::string>* s) : seen(s) {}
    void DrawTask(QPainter& p, const QRect& r, const QString& t, bool separator,
                  bool hot) override {
      seen->insert(separator ? "separator" : "task");
      VisualManager2003::DrawTask(p, r, t, separator, hot);
    }
    void DrawScrollButton(QPainter& p, const QRect& r, int border, bool up, bool hot) override {
      seen->insert(up ? "scroll up" : "scroll down");
      VisualManager2003::DrawScrollButton(p, r, border, up, hot);
    }
    void FillFrame(QPainter& p, const QRect& r, const QMargins& m) override {
      seen->insert("frame");
      VisualManager2003::FillFrame(p, r, m);
    }
    void DrawGroupTitleBand(QPainter& p, const QRect& r, const QString& title) override {
      seen->insert("band " + title.toStdString());
      VisualManager2003::DrawGroupTitleBand(p, r, title);
    }
  };
  std::set<std::string> seen;
  ui::VisualManager::SetDefault(std::make_unique<Recorder>(&seen));
  Candidate(2700, "2-1");
  CExamTasksPane pane;
  pane.resize(420, 700);
  pane.Create("p", session_);
  pane.SetNotice("读取考试数据库发生错误:locked");
  pane.grab();
  ui::VisualManager::SetDefault(nullptr);
  EXPECT_EQ(seen, (std::set<std::string>{"band 读取考试数据库发生错误:locked", "frame",
                                         "scroll down", "scroll up", "separator"}));
}

TEST_F(TasksPaneTest, NoTimeLeftEndsAtTheFirstTick) {
  Candidate(0, "2-1");
  CExamTasksPane pane;
  pane.Create("p", session_);
  int timeUps = 0;
  pane.SetTimeUpHandler([&] { ++timeUps; });
  EXPECT_EQ(pane.RemainingSeconds(), 0);
  pane.CountdownTick();
  pane.CountdownTick();
  Pump();
  EXPECT_EQ(timeUps, 1);
}

TEST_F(TasksPaneTest, BarHandsEveryEndToTheHandlerAndStaysOpen) {
  Candidate(2700, "2-1|3-2");
  auto bar = CExamAppBar::CreateForExam(session_, 1920, 1080, "■-未知-" + StudentFolder());
  EXPECT_EQ(bar->GetDockEdge(), ui::DockEdge::Left);
  EXPECT_EQ(bar->windowTitle().toStdString(), "■-未知-" + StudentFolder());
  EXPECT_EQ(bar->TasksPane()->windowTitle().toStdString(), "KIRV - 未知");
  int ends = 0;
  bar->SetExamEndHandler([&] { ++ends; });
  bar->TasksPane()->ToolBar()->Button(6)->trigger();  // exit
  bar->close();
  Pump();
  EXPECT_EQ(ends, 2);
  EXPECT_TRUE(bar->isVisible());

  // A handler that destroys the bar (as the end of the exam does) is safe.
  bar->SetExamEndHandler([&] { bar.reset(); });
  bar->OnClose();
  bar->OnClose();
  Pump();
  EXPECT_EQ(bar, nullptr);
}

TEST_F(TasksPaneTest, AutoHideButtonAlternatesItsLabel) {
  Candidate(2700, "2-1");
  auto bar = CExamAppBar::CreateForExam(session_, 1024, 768, "t");
  EXPECT_EQ(bar->GetDockEdge(), ui::DockEdge::Top);
  QAction* pin = bar->TasksPane()->ToolBar()->Button(3);
  EXPECT_EQ(pin->text(), u"贴边"_qs);
  EXPECT_FALSE(bar->IsAutoHide());
  pin->trigger();
  EXPECT_EQ(pin->text(), u"固定"_qs);
  EXPECT_TRUE(bar->IsAutoHide());
  EXPECT_TRUE(bar->IsAlwaysOnTop());
  pin->trigger();
  EXPECT_EQ(pin->text(), u"贴边"_qs);
  EXPECT_FALSE(bar->IsAutoHide());
  EXPECT_FALSE(bar->IsAlwaysOnTop());
}

TEST_F(TasksPaneTest, FontButtonsResizeEveryQuestion) {
  Candidate(2700, "2-1|2-1");
  auto bar = CExamAppBar::CreateForExam(session_, 1024, 768, "t");
  auto size = [&](int view) {
    return bar->TasksPane()
        ->Views()[view]
        ->document()
        ->begin()
        .begin()
        .fragment()
        .charFormat()
        .fontPointSize();
  };
  const double before = size(1);
  for (int i = 0; i < 10; ++i) bar->TasksPane()->ToolBar()->Button(5)->trigger();
  EXPECT_DOUBLE_EQ(size(0), before - 7.5);
  EXPECT_DOUBLE_EQ(size(1), before - 7.5);
  bar->TasksPane()->ToolBar()->Button(4)->trigger();
  EXPECT_DOUBLE_EQ(size(1), before - 6.75);
}

}  // namespace
