#include "browsim/options/options_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "browsim/options/general_page.h"
#include "browsim/panes/testing/window_host.h"

namespace browsim::options {
namespace {

using testing::WindowHost;

constexpr const char* kOptionsRow =
    "INSERT INTO Options (StartPage, HistoryReservedDays) VALUES ('http://www.a.com/', 20);";

QPushButton* ButtonNamed(QWidget* parent, const QString& text) {
  for (auto* button : parent->findChildren<QPushButton*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << text.toStdString();
  return nullptr;
}

TEST(InternetOptionsDialog, ShowsTheStoredValuesAndSavesWithOkOrApply) {
  WindowHost host(kOptionsRow);
  host.Show("A", "http://www.B.com/x");
  CInternetOptionsDlg dialog(host, host.Window());
  EXPECT_EQ(dialog.Tabs()->tabText(0), "常规");
  EXPECT_EQ(dialog.Tabs()->tabText(1), "高级");
  CGeneralPage* page = dialog.General();
  EXPECT_EQ(page->StartPageEdit()->text(), "http://www.a.com/");
  EXPECT_EQ(page->HistoryDays()->value(), 20);

  ButtonNamed(page, "使用当前页(&C)")->click();
  EXPECT_EQ(page->StartPageEdit()->text(), "http://www.B.com/x");
  page->HistoryDays()->setValue(5);
  ButtonNamed(&dialog, "应用(&A)")->click();
  ButtonNamed(&dialog, "应用(&A)")->click();
  EXPECT_EQ(host.Column("Select * From Log", "Parameter"),
            (std::vector<std::string>{"http://www.b.com/x", "http://www.b.com/x"}));
  EXPECT_EQ(host.Column("Select * From Options", "HistoryReservedDays"),
            std::vector<std::string>{"5"});

  ButtonNamed(page, "使用默认页(&D)")->click();
  EXPECT_EQ(page->StartPageEdit()->text(), kDefaultStartPage);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(host.Column("Select * From Options", "StartPage"),
            std::vector<std::string>{kDefaultStartPage});
}

TEST(InternetOptionsDialog, AnyNumberOfDaysCanBeTypedTheArrowsStayWithin0To100) {
  WindowHost host("INSERT INTO Options (StartPage, HistoryReservedDays) VALUES ('a', 365);");
  CInternetOptionsDlg dialog(host, host.Window());
  QSpinBox* days = dialog.General()->HistoryDays();
  EXPECT_EQ(days->value(), 365);
  days->selectAll();
  QTest::keyClicks(days, "250");
  EXPECT_EQ(days->value(), 250);
  days->stepUp();
  EXPECT_EQ(days->value(), 100);
  days->stepUp();
  EXPECT_EQ(days->value(), 100);
  days->setValue(0);
  days->stepDown();
  EXPECT_EQ(days->value(), 0);
  days->setValue(365);
  dialog.accept();
  EXPECT_EQ(host.Column("Select * From Options", "HistoryReservedDays"),
            std::vector<std::string>{"365"});
}

TEST(InternetOptionsDialog, CancelWritesNothing) {
  WindowHost host(kOptionsRow);
  CInternetOptionsDlg dialog(host, host.Window());
  ButtonNamed(dialog.General(), "使用空白页(&B)")->click();
  EXPECT_EQ(dialog.General()->StartPageEdit()->text(), "about:blank");
  dialog.reject();
  EXPECT_EQ(host.Count("Select * From Log"), 0);
  EXPECT_EQ(host.Column("Select * From Options", "StartPage"),
            std::vector<std::string>{"http://www.a.com/"});
}

TEST(InternetOptionsDialog, AdvancedPageIsEmptyAndItsButtonSavesAndCloses) {
  WindowHost host(kOptionsRow);
  CInternetOptionsDlg dialog(host, host.Window());
  QWidget* advanced = dialog.Tabs()->widget(1);
  ASSERT_NE(advanced->findChild<QTreeWidget*>(), nullptr);
  EXPECT_EQ(advanced->findChild<QTreeWidget*>()->topLevelItemCount(), 0);
  ButtonNamed(advanced, "还原默认设置(&R)")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(host.Column("Select * From Log", "Action"), std::vector<std::string>{"设定起始页"});
}

}  // namespace
}  // namespace browsim::options
