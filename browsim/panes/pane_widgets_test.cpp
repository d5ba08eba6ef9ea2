#include "browsim/panes/pane_widgets.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QStackedWidget>
#include <QTableWidget>
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

}  // namespace
}  // namespace browsim::panes
