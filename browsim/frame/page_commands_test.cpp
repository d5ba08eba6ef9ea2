// The page commands on Qt's offscreen platform: find, properties, page setup with print (kept
// for the next run), and the pane keys, over a started browser showing a site copy.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include "browsim/frame/app.h"
#include "browsim/frame/command_ids.h"
#include "browsim/frame/find_dlg.h"
#include "browsim/frame/properties_dlg.h"
#include "browsim/frame/testing/offscreen.h"
#include "netdb/testing/browser_steps.h"
#include "platform/win/message_box.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;
namespace cmd = browsim::cmd;

using browsim::testing::WriteTestFile;

// Runs `step` on the modal dialog of type T that `command` opens, then closes what is still open.
template <typename T>
bool OnModal(CMainFrame& frame, int command, const std::function<void(T&)>& step) {
  bool seen = false;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (auto* dialog = qobject_cast<T*>(modal); dialog && !seen) {
      seen = true;
      step(*dialog);
    }
    if (QApplication::activeModalWidget() == modal) modal->close();
  });
  timer.start(20);
  frame.OnCommand(command);
  return seen;
}

constexpr char kPage[] =
    "<html><head><title>Fruit</title></head><body><p>An apple a day.</p>"
    "<p>Apple pie.</p><input id='box' value='x'></body></html>";

class PageCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    browsim::testing::OffscreenApp();
    WriteTestFile(install_.Program() / "net.ini", "[browsimOE]\r\nSiteDir=Site\r\n");
    WriteTestFile(install_.Program() / "Site" / "demo" / "fruit.htm", kPage);
    fs::create_directories(install_.Candidate() / "Netkt");
    ASSERT_TRUE(netdb::testing::MakeSeededDatabase(
        install_.Database(),
        "INSERT INTO URLs (URL, FakeURL, ItemScore) VALUES "
        "('http://www.fruit.cn/', 'demo\\fruit.htm', 0);"
        "INSERT INTO Options (StartPage) VALUES ('http://www.fruit.cn/');"));
    ASSERT_TRUE(install_.PublishExamWindow());
    frame_ = StartBrowsim(install_.Program() / "browsim");
    ASSERT_TRUE(frame_);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame_->windowTitle().startsWith("Fruit"); }, 30000))
        << frame_->windowTitle().toStdString();
  }

  browsim::testing::TestInstallation install_;
  win::MessageCapture boxes_;
  std::unique_ptr<CMainFrame> frame_;
};

TEST_F(PageCommands, FindHighlightsTheMatchesAndSaysWhenThereIsNone) {
  frame_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
  frame_->OnCommand(cmd::kFind);
  auto* dialog = frame_->findChild<CFindDlg*>();
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->FindNextButton()->isEnabled());
  int matches = -1, active = -1;
  QObject::connect(dialog, &CFindDlg::Searched, [&](int m, int a) {
    matches = m;
    active = a;
  });
  const auto search = [&](const char* text, bool matchCase, bool up) {
    matches = active = -1;
    dialog->TextBox()->setText(text);
    dialog->MatchCase()->setChecked(matchCase);
    dialog->Up()->setChecked(up);
    dialog->FindNextButton()->click();
    return QTest::qWaitFor([&] { return matches >= 0; }, 10000);
  };
  struct Case {
    const char* name;
    const char* text;
    bool matchCase;
    bool up;
    int matches;
    int active;
  } cases[] = {
      {"first of two", "apple", false, false, 2, 1},
      {"again: the next", "apple", false, false, 2, 2},
      {"upwards: back to the first", "apple", false, true, 2, 1},
      {"upwards again: round to the last", "apple", false, true, 2, 2},
      {"case matters when asked", "Apple", true, false, 1, 1},
      {"missing", "banana", false, false, 0, 0},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(search(c.text, c.matchCase, c.up)) << c.name;
    EXPECT_EQ(matches, c.matches) << c.name;
    EXPECT_EQ(active, c.active) << c.name;
  }
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text, "找不到\"banana\"");
  // The command again brings up the same dialog; cancel closes it.
  frame_->OnCommand(cmd::kFind);
  EXPECT_EQ(frame_->findChildren<CFindDlg*>().size(), 1u);
  dialog->reject();
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(PageCommands, PropertiesShowTheRealAddressOfTheCopy) {
  PageProperties shown;
  ASSERT_TRUE(OnModal<CPropertiesDlg>(*frame_, cmd::kProperties,
                                      [&](CPropertiesDlg& d) { shown = d.Page(); }));
  EXPECT_EQ(shown.title, "Fruit");
  EXPECT_EQ(shown.address, "http://www.fruit.cn/");
  EXPECT_EQ(shown.protocol, "超文本传输协议");
  EXPECT_EQ(shown.type, "HTML 文档");
  EXPECT_EQ(shown.size, std::to_string(sizeof kPage - 1) + " 字节");
  EXPECT_EQ(install_.Column("Select Action From Log order by ID desc", "Action").at(0),
            "点击 文件-属性");
}

TEST_F(PageCommands, ThePageSetupChosenIsThePrintersLayout) {
  const auto orientationPrinted = [&] {
    QPageLayout::Orientation printed = QPageLayout::Portrait;
    EXPECT_TRUE(OnModal<QPrintDialog>(*frame_, cmd::kPrint, [&](QPrintDialog& d) {
      printed = d.printer()->pageLayout().orientation();
    }));
    return printed;
  };
  EXPECT_EQ(orientationPrinted(), QPageLayout::Portrait);
  const auto setUp = [&](const char* orientation, bool accept) {
    return OnModal<QPageSetupDialog>(*frame_, cmd::kPageSetup, [&](QPageSetupDialog& d) {
      auto* button = d.findChild<QRadioButton*>(orientation);
      ASSERT_TRUE(button);
      button->click();
      if (accept) d.accept();
    });
  };
  ASSERT_TRUE(setUp("landscape", true));
  EXPECT_EQ(frame_->View()->NewPrinter()->pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_EQ(orientationPrinted(), QPageLayout::Landscape);
  // A cancelled page setup keeps the layout.
  ASSERT_TRUE(setUp("portrait", false));
  EXPECT_EQ(orientationPrinted(), QPageLayout::Landscape);
  // The next run starts with it.
  frame_.reset();
  frame_ = StartBrowsim(install_.Program() / "browsim");
  ASSERT_TRUE(frame_);
  EXPECT_EQ(orientationPrinted(), QPageLayout::Landscape);
}

TEST_F(PageCommands, ThePaneKeysCycleTheFocus) {
  frame_->show();
  frame_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
  frame_->OnCommand(cmd::kFavoritesPane);
  ASSERT_EQ(frame_->ShownPane(), cmd::kFavoritesPane);
  frame_->AddressBox()->setFocus();
  const auto focusIn = [&](QWidget* w) {
    QWidget* f = frame_->focusWidget();
    return f && (f == w || w->isAncestorOf(f));
  };
  const auto inPane = [&] {
    QWidget* f = frame_->focusWidget();
    return f && !focusIn(frame_->AddressBox()) && !focusIn(frame_->View());
  };
  frame_->OnCommand(cmd::kNextPane);
  EXPECT_TRUE(inPane());
  frame_->OnCommand(cmd::kNextPane);
  EXPECT_TRUE(focusIn(frame_->View()));
  frame_->OnCommand(cmd::kNextPane);
  EXPECT_TRUE(focusIn(frame_->AddressBox()));
  frame_->OnCommand(cmd::kPrevPane);
  EXPECT_TRUE(focusIn(frame_->View()));
  // Without the side pane the cycle is the address box and the page.
  frame_->OnCommand(cmd::kFavoritesPane);
  ASSERT_EQ(frame_->ShownPane(), 0);
  frame_->OnCommand(cmd::kPrevPane);
  EXPECT_TRUE(focusIn(frame_->AddressBox()));
  frame_->OnCommand(cmd::kPrevPane);
  EXPECT_TRUE(focusIn(frame_->View()));
}

TEST(DescribePage, NamesProtocolTypeAndSize) {
  win::testing::TestFolder folder('T');
  const fs::path copy = folder.Root() / "a.htm";
  WriteTestFile(copy, "12345");
  const fs::path link = folder.Root() / "link.htm";
  fs::create_symlink(copy, link);
  struct Case {
    const char* name;
    std::string title, address;
    fs::path local;
    std::string shownTitle, protocol, type, size;
  } cases[] = {
      {"a copy", "A", "http://www.a.cn/", copy, "A", "超文本传输协议", "HTML 文档", "5 字节"},
      {"no title: the address", "", "https://a.cn/x.ASP?id=1", "", "https://a.cn/x.ASP?id=1",
       "安全超文本传输协议", "HTML 文档", "不可用"},
      {"a picture on a server", "p", "ftp://a.cn/d/p.gif#top", "", "p", "文件传输协议", "GIF 图像",
       "不可用"},
      {"an unknown kind", "z", "http://a.cn/f.zip", "", "z", "超文本传输协议", "ZIP 文件",
       "不可用"},
      {"a link is not measured", "L", "http://www.a.cn/l.htm", link, "L", "超文本传输协议",
       "HTML 文档", "不可用"},
      {"a missing copy", "m", "http://a.cn/", folder.Root() / "gone.htm", "m", "超文本传输协议",
       "HTML 文档", "不可用"},
      {"a local path", "c", "T:\\KIRV\\Site\\b.txt", "", "c", "文件协议", "文本文档", "不可用"},
      {"a pseudo-address", "s", "search://?keyword=a", "", "s", "搜索", "不可用", "不可用"},
  };
  for (const Case& c : cases) {
    const PageProperties p = DescribePage(c.title, c.address, c.local);
    EXPECT_EQ(p.title, c.shownTitle) << c.name;
    EXPECT_EQ(p.address, c.address) << c.name;
    EXPECT_EQ(p.protocol, c.protocol) << c.name;
    EXPECT_EQ(p.type, c.type) << c.name;
    EXPECT_EQ(p.size, c.size) << c.name;
  }
}

}  // namespace
