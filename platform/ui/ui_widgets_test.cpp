// Tests of the Qt pieces: the tasks pane's groups, the application bar's docking and auto-hide,
// the clipboard and the message sink's buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "platform/ui/app_bar.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/message_sink.h"
#include "platform/ui/tasks_pane.h"
#include "platform/ui/testing/qt_test_app.h"

namespace {

TEST(TasksPane, GroupsStackTheirWindowsAndCollapse) {
  ui::TestApp();
  ui::TasksPane pane;
  pane.resize(300, 500);
  const int g = pane.AddGroup("caption");
  auto* a = new QLabel("a");
  auto* b = new QLabel("b");
  pane.AddWindow(g, a, 24);
  pane.AddWindow(g, b, 200);
  pane.show();
  EXPECT_EQ(a->parentWidget(), &pane);
  EXPECT_EQ(a->geometry().top(), pane.CaptionRect(g).bottom() + 1);
  EXPECT_EQ(b->geometry().top(), a->geometry().bottom() + 1);
  EXPECT_EQ(b->height(), 200);
  pane.SetWindowHeight(b, 454);
  EXPECT_EQ(b->height(), 454);
  EXPECT_GT(a->width(), 280);

  QTest::mouseClick(&pane, Qt::LeftButton, {}, pane.CaptionRect(g).center());
  EXPECT_TRUE(pane.IsGroupCollapsed(g));
  EXPECT_FALSE(b->isVisible());
  QTest::mouseClick(&pane, Qt::LeftButton, {}, pane.CaptionRect(g).center());
  EXPECT_TRUE(b->isVisible());

  pane.SetGroupCaption(g, "new");
  pane.SetGroupTextColor(g, Qt::red, Qt::red);
  EXPECT_EQ(pane.GroupCaption(g), "new");
  EXPECT_EQ(pane.GroupTextColor(g), QColor(Qt::red));
  EXPECT_EQ(pane.GroupCaption(5), QString());  // out of range is harmless
  pane.SetGroupCaption(-1, "x");
}

TEST(AppBar, DocksAtEdgesAndSlidesAwayWhenAutoHidden) {
  ui::TestApp();
  ui::AppBarWnd bar;
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  bar.SetSizes(420, screen.height() / 3, QRect(0, 0, screen.width() / 3, screen.height() * 2 / 3));
  auto* hosted = new QLabel("hosted");
  bar.SetHostedWidget(hosted);
  bar.DockToEdge(ui::DockEdge::Left);
  bar.show();
  EXPECT_EQ(bar.geometry(), QRect(screen.left(), screen.top(), 420, screen.height()));
  EXPECT_EQ(hosted->geometry(), QRect(0, 0, 420, screen.height()));
  bar.DockToEdge(ui::DockEdge::Top);
  EXPECT_EQ(bar.geometry(),
            QRect(screen.left(), screen.top(), screen.width(), screen.height() / 3));
  EXPECT_EQ(hosted->size(), bar.size());
  bar.DockToEdge(ui::DockEdge::Float);
  EXPECT_EQ(bar.geometry(), QRect(0, 0, screen.width() / 3, screen.height() * 2 / 3));

  bar.DockToEdge(ui::DockEdge::Left);
  bar.SetAutoHide(true);
  bar.TrackPointer(QPoint(screen.right() - 5, 300));
  EXPECT_TRUE(bar.IsSlidAway());
  EXPECT_EQ(bar.geometry().right(), screen.left() + ui::AppBarWnd::kHiddenThickness - 1);
  bar.TrackPointer(QPoint(screen.left() + 1, 300));  // the thin edge brings it back
  EXPECT_FALSE(bar.IsSlidAway());
  EXPECT_EQ(bar.geometry().left(), screen.left());
  bar.SetAutoHide(false);
  bar.TrackPointer(QPoint(screen.right() - 5, 300));
  EXPECT_FALSE(bar.IsSlidAway());

  bar.SetAlwaysOnTop(true);
  EXPECT_TRUE(bar.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(bar.isVisible());
  bar.SetAlwaysOnTop(false);
  EXPECT_FALSE(bar.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(Clipboard, TextRoundTrip) {
  ui::TestApp();
  ui::SetClipboardText("考试过程中不允许粘贴复制试题内容!");
  EXPECT_EQ(ui::ClipboardText(), "考试过程中不允许粘贴复制试题内容!");
}

// Presses the button with `text` (or Esc when empty) in the modal box once it is open.
void AnswerBox(const QString& text) {
  QTimer::singleShot(0, [text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (text.isEmpty()) {
      QTest::keyClick(box, Qt::Key_Escape);
      return;
    }
    for (QAbstractButton* b : box->buttons())
      if (b->text() == text) return b->click();
    ADD_FAILURE() << "no button " << text.toStdString();
  });
}

TEST(MessageSink, ButtonsAnswerWithTheirIds) {
  ui::TestApp();
  struct Case {
    unsigned flags;
    QString press;
    int expected;
  } cases[] = {
      {win::MB_OK, u"确定"_qs, win::IDOK},
      {win::MB_OK, QString(), win::IDOK},
      {win::MB_OKCANCEL | win::MB_ICONQUESTION, u"确定"_qs, win::IDOK},
      {win::MB_OKCANCEL, QString(), win::IDCANCEL},
      {win::MB_YESNO, u"否(&N)"_qs, win::IDNO},
      {win::MB_YESNO, u"是(&Y)"_qs, win::IDYES},
  };
  for (const Case& c : cases) {
    AnswerBox(c.press);
    EXPECT_EQ(ui::ShowMessageBox({"text", "caption", c.flags}), c.expected)
        << c.flags << " " << c.press.toStdString();
  }
  // Installed, it answers every box; one without a caption carries the program's name.
  auto previous = ui::InstallMessageSink("browsim");
  AnswerBox(u"取消"_qs);
  EXPECT_EQ(win::MessageBox("q", "c", win::MB_OKCANCEL), win::IDCANCEL);
  QStringList captions;
  for (const char* caption : {"c", ""}) {
    QTimer::singleShot(0, [&captions] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      captions << box->windowTitle();
      box->accept();
    });
    win::MessageBox("q", caption, win::MB_OK);
  }
  EXPECT_EQ(captions, (QStringList{"c", "browsim"}));
  win::SetMessageSink(previous);
}

}  // namespace
