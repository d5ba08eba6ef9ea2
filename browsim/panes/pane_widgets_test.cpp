#include "browsim/panes/pane_widgets.h"

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "browsim/panes/testing/window_host.h"
#include "platform/ui/clipboard.h"
#include "platform/win/paths.h"

namespace browsim::panes {
namespace {

using testing::WindowHost;

TEST(OpenPageDialog, NavigatesToTheTypedAddressOrTheChosenFileOnlyWhenGiven) {
  WindowHost host;
  {
    COpenPageDlg dialog(host, host.Window());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(host.navigations.empty());
  }
  {
    COpenPageDlg dialog(host, host.Window());
    dialog.AddressBox()->setEditText("http://www.sina.com.cn/");
    dialog.reject();
    EXPECT_TRUE(host.navigations.empty());
  }
  COpenPageDlg dialog(host, host.Window());
  const std::string file = (host.SiteFolder() / "a.htm").string();
  dialog.SetChosenFile(QString::fromStdString(file));
  dialog.accept();
  EXPECT_EQ(host.navigations, std::vector<std::string>{win::ToWindowsPath(file)});
}

TEST(ActionLogDialog, ListsTheLogAndPutsTheReportOnTheClipboard) {
  WindowHost host(
      "INSERT INTO Log (Action, Parameter, Date, Time) VALUES"
      " ('程序正常启动', '', '2026-12-11', '09:30:05'), ('打开网址', 'http://a/', '', "
      "'09:31:00');");
  CActionLogDlg dialog(host, host.Window());
  ASSERT_EQ(dialog.List()->rowCount(), 2);
  EXPECT_EQ(dialog.List()->item(1, 0)->text(), "1");
  EXPECT_EQ(dialog.List()->item(1, 2)->text(), "http://a/");
  EXPECT_EQ(dialog.List()->item(1, 3)->text(), "09:31:00");
  ASSERT_TRUE(dialog.SendToClipboard());
  const std::string rule = std::string(89, '-') + "\r\n";
  EXPECT_EQ(ui::ClipboardText(), "未知 001 网络部分的系统操作记录\r\n" + rule +
                                     "0\t程序正常启动\t\t09:30:05\r\n" + rule +
                                     "1\t打开网址\thttp://a/\t09:31:00\r\n" + rule);
}

TEST(SidePanes, CloseButtonHidesTheLeftColumn) {
  ui::TestApp();
  QStackedWidget column;
  column.show();
  auto* pane = new CPlaceholderPane("历史记录", "History View", &column);
  column.addWidget(pane);
  auto* close = pane->findChild<QToolButton*>("103");
  ASSERT_NE(close, nullptr);
  close->click();
  EXPECT_TRUE(column.isHidden());
}

TEST(LogoButton, ItsTimerKeepsItAtTheBarsEndAndItTellsTheMainWindow) {
  WindowHost host;
  auto* window = static_cast<QMainWindow*>(host.Window());
  QMenuBar* bar = window->menuBar();
  QStatusBar* status = window->statusBar();
  window->resize(600, 400);
  window->show();
  auto* logo = new CLogoButton(bar);
  EXPECT_EQ(logo->objectName(), "61446");
  EXPECT_TRUE(logo->isHidden());
  const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(logo);
  ASSERT_EQ(timers.size(), 1);
  EXPECT_EQ(timers[0].timerId, logo->TimerId());
  EXPECT_EQ(timers[0].interval, 500);

  const auto tick = [&] {
    QTimerEvent timer(logo->TimerId());
    QCoreApplication::sendEvent(logo, &timer);
  };
  const auto atTheEnd = [&] {
    return QPoint(bar->contentsRect().width() - logo->width() - 2, bar->contentsRect().top() + 1);
  };
  tick();
  EXPECT_TRUE(logo->isVisible());
  EXPECT_EQ(logo->pos(), atTheEnd());
  window->resize(900, 400);
  QCoreApplication::processEvents();
  tick();
  EXPECT_EQ(logo->pos(), atTheEnd());
  EXPECT_GT(logo->x(), 600 - logo->width());

  // Its prompt while the mouse moves over it, then the idle message; the tooltip.
  QMouseEvent over(QEvent::MouseMove, QPointF(3, 3), QPointF(logo->mapToGlobal(QPoint(3, 3))),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(logo, &over);
  EXPECT_EQ(status->currentMessage(), "KIRV 浏览器模拟");
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(logo, &leave);
  EXPECT_EQ(status->currentMessage(), "");
  EXPECT_EQ(logo->toolTip(), "KIRV 考试系统的浏览器模拟");

  // A left press tells the main window "OnLogoClick"; another button does not.
  struct Watch : QObject {
    int clicks = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == LogoClickEvent()) ++clicks;
      return false;
    }
  } watch;
  window->installEventFilter(&watch);
  QTest::mouseClick(logo, Qt::LeftButton);
  EXPECT_EQ(watch.clicks, 1);
  QTest::mouseClick(logo, Qt::RightButton);
  EXPECT_EQ(watch.clicks, 1);
  window->removeEventFilter(&watch);
}

}  // namespace
}  // namespace browsim::panes
