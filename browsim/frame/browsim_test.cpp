// The browser simulation end to end on Qt's offscreen platform: the handshake, the start page
// mapped to its local copy and recorded, the checking dialog grading the database through the
// network grader, and the web mail when its service is built in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWidgetAction>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>

#include "browsim/core/bar_layout.h"
#include "browsim/core/extensions.h"
#include "browsim/frame/app.h"
#include "browsim/frame/browser_view.h"
#include "browsim/frame/customize_dlg.h"
#include "browsim/frame/main_frame.h"
#include "browsim/frame/net_grade_dlg.h"
#include "browsim/frame/testing/offscreen.h"
#include "netdb/ado_connection.h"
#include "netdb/testing/browser_steps.h"
#include "netdb/variant_convert.h"
#include "platform/com/library.h"
#include "platform/ui/keyboard_locks.h"
#include "platform/ui/window_list.h"
#include "platform/win/codepage.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/registry.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

using browsim::testing::WriteTestFile;

class Browsim : public ::testing::Test {
 protected:
  void SetUp() override {
    browsim::testing::OffscreenApp();
    WriteTestFile(Program() / "net.ini", "[browsimOE]\r\nSiteDir=Site\r\n");
    WriteTestFile(
        Program() / "Site" / "demo" / "index.htm",
        "<html><head><title>Demo Site</title></head><body>"
        "<a id='news' target='_blank' href='http://www.demo.com/news.htm'>news</a></body></html>");
    WriteTestFile(Program() / "Site" / "demo" / "news.htm",
                  "<html><head><title>News</title></head><body>news</body></html>");
    WriteTestFile(Program() / "Site" / "emailjs" / "start.js", "document.write(\"start\");");
    fs::create_directories(Candidate() / "Netkt");
    ASSERT_TRUE(netdb::testing::MakeSeededDatabase(
        Candidate() / "Netkt" / "net.net",
        "INSERT INTO URLs (URL, FakeURL, ItemScore) VALUES "
        "('http://www.demo.com/', 'demo\\index.htm', 60),"
        "('http://www.demo.com/news.htm', 'demo\\news.htm', 0);"
        "UPDATE URLs SET keyword='计算机' WHERE FakeURL='demo\\news.htm';"
        "INSERT INTO Options (StartPage) VALUES ('http://www.demo.com/');"
        "INSERT INTO Log (Action, Parameter, ItemScore) VALUES ('打开网址', "
        "'http://www.demo.com/', 40);"));
    ASSERT_TRUE(install_.PublishExamWindow());
  }
  void TearDown() override { ui::WithdrawAllWindowTitles(); }

  fs::path Program() const { return install_.Program(); }
  fs::path Candidate() const { return install_.Candidate(); }

  std::vector<std::string> Column(const std::string& sql, const char* field) {
    return install_.Column(sql, field);
  }

  browsim::testing::TestInstallation install_;
  win::MessageCapture boxes_;
};

TEST_F(Browsim, TheStartPageIsShownFromItsCopyRecordedAndGraded) {
  auto frame = StartBrowsim(Program() / "browsim");
  ASSERT_TRUE(frame);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return frame->windowTitle() == "Demo Site - Microsoft Internet Explorer"; }, 30000))
      << frame->windowTitle().toStdString();
  EXPECT_EQ(Column("Select Browsed From URLs order by ID", "Browsed"),
            (std::vector<std::string>{"TRUE", "FALSE"}));
  EXPECT_EQ(Column("Select Action From Log where ItemScore=0 order by ID", "Action"),
            (std::vector<std::string>{"程序正常启动", "转到启动页", "打开网址"}));
  EXPECT_EQ(Column("Select URL From History", "URL"),
            std::vector<std::string>{"http://www.demo.com/"});
  EXPECT_EQ(frame->AddressBox()->currentText().toStdString(), "http://www.demo.com/");
  EXPECT_EQ(frame->BandText(), "");
  // The start page is the first page of the view: no blank page before it to go back to.
  EXPECT_EQ(frame->View()->history()->count(), 1);
  EXPECT_FALSE(frame->View()->history()->canGoBack());

  // The checking dialog grades the same database through the registered grader.
  auto library = com::LoadControlLibrary(KIRV_HOPMARK_OCX);
  ASSERT_TRUE(library) << library.error().message;
  ASSERT_TRUE((*library)->RegisterServer());
  {
    CNetGradeDlg dialog(frame->Paths(), frame.get());
    EXPECT_EQ(dialog.ScoreText(), "得分: 100");
    // The report's rows in the control's list: the visit and the logged action, both met.
    const QTreeWidget* list = dialog.ResultList();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    int points = 0;
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(list->topLevelItem(i)->text(0), QString::number(i));
      EXPECT_EQ(list->topLevelItem(i)->text(3), "√");
      points += list->topLevelItem(i)->text(4).toInt();
    }
    EXPECT_EQ(points, 100);
    EXPECT_EQ(list->topLevelItem(0)->text(2), "http://www.demo.com/");

    // A database that is not there: the control's box, and the list keeps no row of the run
    // before.
    const std::string missing = frame->Paths().globals.StudentFolder + "Netkt\\gone.net";
    boxes_.Clear();
    dialog.GradeFile(missing);
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_EQ(dialog.ScoreText(), "得分: 0");
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    EXPECT_NE(boxes_.Shown()[0].text.find(missing), std::string::npos);
  }

  frame->close();
  frame->close();
  EXPECT_EQ(Column("Select * From Log where Action='程序正常退出'", "ID").size(), 1u);
}

TEST_F(Browsim, SearchAndNewWindowsPassTheSameHook) {
  auto frame = StartBrowsim(Program() / "browsim");
  ASSERT_TRUE(frame);
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame->windowTitle().startsWith("Demo Site"); }, 30000));
  // A keyword with a URLs row, percent-encoded as the page sends it.
  frame->Navigate("search://?keyword=%E8%AE%A1%E7%AE%97%E6%9C%BA&engine=baidu");
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame->windowTitle().startsWith("News"); }, 20000))
      << frame->windowTitle().toStdString();
  EXPECT_EQ(Column("Select Browsed From URLs order by ID", "Browsed"),
            (std::vector<std::string>{"TRUE", "TRUE"}));
  // A link that opens a new window loads in this view, through the hook.
  frame->View()->back();
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame->windowTitle().startsWith("Demo Site"); }, 20000));
  frame->View()->page()->runJavaScript("document.getElementById('news').click();");
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame->windowTitle().startsWith("News"); }, 20000))
      << frame->windowTitle().toStdString();
  EXPECT_EQ(Column("Select Parameter From Log where Action='打开网址' and ItemScore=0 order by ID",
                   "Parameter"),
            (std::vector<std::string>{"http://www.demo.com/", "http://www.demo.com/news.htm",
                                      "http://www.demo.com/", "http://www.demo.com/news.htm"}));
}

TEST_F(Browsim, ASearchFromAPageInGbkReadsTheKeywordInGbk) {
  // A site copy in the system's code page: its form sends the keyword's GBK bytes. Those of
  // 同时 also read as UTF-8 ("ͬʱ"), so only the page's charset gives the word back.
  WriteTestFile(Program() / "Site" / "demo" / "gbk.htm",
                win::Utf8ToGbk("<html><head><meta charset=gbk><title>GBK</title></head><body>"
                               "<form id=f action='search://' method=get>"
                               "<input name=keyword value='同时'><input name=engine value=baidu>"
                               "</form></body></html>"));
  WriteTestFile(Program() / "Site" / "demo" / "about.htm",
                "<html><head><title>About</title></head><body>about</body></html>");
  {
    netdb::CAdoConnection db;
    ASSERT_TRUE(db.Open(win::ToWindowsPath(Candidate() / "Netkt" / "net.net")));
    ASSERT_TRUE(db.Connection().Execute("INSERT INTO URLs (URL, FakeURL, keyword, ItemScore) "
                                        "VALUES ('http://www.demo.com/about.htm', "
                                        "'demo\\about.htm', '同时', 0)") != nullptr);
  }
  auto frame = StartBrowsim(Program() / "browsim");
  ASSERT_TRUE(frame);
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame->windowTitle().startsWith("Demo Site"); }, 30000));
  auto* page = static_cast<CbrowsimPage*>(frame->View()->page());
  const auto search = [&](const char* keyword) {
    frame->Navigate(win::ToWindowsPath(Program() / "Site" / "demo" / "gbk.htm"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->Charset() == "GBK"; }, 20000))
        << page->Charset();
    browsim::testing::RunScript(*page, QString("var f = document.getElementById('f');"
                                               "f.keyword.value = '%1'; f.submit();")
                                           .arg(QString::fromUtf8(keyword)));
  };
  search("同时");
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame->windowTitle().startsWith("About"); }, 20000))
      << frame->windowTitle().toStdString();
  EXPECT_EQ(Column("Select Browsed From URLs where keyword='同时'", "Browsed"),
            std::vector<std::string>{"TRUE"});

  // A keyword without a row goes to the engine's search, recorded and shown as typed.
  search("关于");
  const std::string engine = "http://www.baidu.com/s?wd=关于";
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return frame->AddressBox()->currentText().toStdString() == engine; }, 20000))
      << frame->AddressBox()->currentText().toStdString();
  const auto visits = Column(
      "Select Parameter From Log where Action='打开网址' and ItemScore=0 order by ID", "Parameter");
  ASSERT_FALSE(visits.empty());
  EXPECT_EQ(visits.back(), engine);
  EXPECT_NE(std::find(visits.begin(), visits.end(), "http://www.demo.com/about.htm"), visits.end());
  for (const std::string& visit : visits) EXPECT_EQ(visit.find("\xEF\xBF\xBD"), std::string::npos);
}

TEST_F(Browsim, ASiteCopyThatLinksOutOfTheSiteIsNotShown) {
  WriteTestFile(Program().parent_path() / "outside" / "secret.htm",
                "<html><head><title>Secret</title></head><body>x</body></html>");
  fs::create_symlink(Program().parent_path() / "outside" / "secret.htm",
                     Program() / "Site" / "demo" / "evil.htm");
  auto frame = StartBrowsim(Program() / "browsim");
  ASSERT_TRUE(frame);
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame->windowTitle().startsWith("Demo Site"); }, 30000));
  bool finished = false, ok = true;
  QObject::connect(frame->View()->page(), &QWebEnginePage::loadFinished, [&](bool result) {
    finished = true;
    ok = result;
  });
  frame->Navigate(win::ToWindowsPath(Program() / "Site" / "demo" / "evil.htm"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 20000));
  EXPECT_FALSE(ok);
  EXPECT_FALSE(frame->windowTitle().startsWith("Secret"));
}

TEST_F(Browsim, WithoutAnExamWindowNothingStarts) {
  ui::WithdrawAllWindowTitles();
  EXPECT_FALSE(StartBrowsim(Program() / "browsim"));
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text, "无法定位用户信息\n考试系统并没有启动");
  EXPECT_EQ(Column("Select * From Log", "ID").size(), 1u);  // the seeded row only
}

TEST_F(Browsim, WithoutADatabaseNothingStarts) {
  fs::remove(Candidate() / "Netkt" / "net.net");
  EXPECT_FALSE(StartBrowsim(Program() / "browsim"));
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text, "未发现考生网络测试模块数据");
}

TEST_F(Browsim, AMailSentFromThePageIsStoredAndShown) {
  if (!AllExtensions().mail) GTEST_SKIP() << "no web mail service in this build";
  auto frame = StartBrowsim(Program() / "browsim");
  ASSERT_TRUE(frame);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->windowTitle().isEmpty(); }, 30000));
  frame->Navigate(
      "email://sendmail?sender=a@b.com&receiver=c@d.com&copier=&title=%E4%BD%A0%E5%A5%BD"
      "&content=the%20type%20is%20x&attach=&type=2");
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return !Column("Select 主题 From Mail", "主题").empty(); }, 10000));
  EXPECT_EQ(Column("Select 主题 From Mail", "主题"), std::vector<std::string>{"你好"});
  EXPECT_EQ(Column("Select Type From Mail", "Type"), std::vector<std::string>{"2"});
}

}  // namespace

namespace {

// The main frame on its own, over the fixture's database, with stand-in panes.
class Frame : public Browsim {
 protected:
  std::unique_ptr<CMainFrame> Make(browsim::BrowserExtensions extensions = {}) {
    browsim::BrowserPaths paths;
    paths.globals.ProgramFolder = win::ToWindowsPath(Program()) + "\\";
    paths.globals.StudentFolder = win::ToWindowsPath(Candidate()) + "\\";
    paths.globals.CandidateName = "未知";
    (void)netdb::LocateIniFile(paths.globals, paths.globals.ProgramFolder + "net.ini");
    for (auto [slot, name] : {std::pair{&extensions.favoritesPane, "favourites"},
                              std::pair{&extensions.historyPane, "history"},
                              std::pair{&extensions.searchPane, "search"}}) {
      *slot = [name = std::string(name)](browsim::BrowserHost&, QWidget* parent) -> QWidget* {
        auto* pane = new QLabel(QString::fromStdString(name), parent);
        pane->setObjectName(QString::fromStdString(name));
        return pane;
      };
    }
    auto frame = std::make_unique<CMainFrame>(std::move(paths), std::move(extensions));
    EXPECT_TRUE(frame->OpenDatabase());
    frame->Create();
    return frame;
  }
  void Sql(const std::string& sql) {
    netdb::CAdoConnection db;
    ASSERT_TRUE(db.Open(win::ToWindowsPath(Candidate() / "Netkt" / "net.net")));
    ASSERT_TRUE(db.Connection().Execute(sql) != nullptr) << sql;
  }
  std::vector<std::string> Logged() {
    return Column("Select Action From Log where ItemScore=0 order by ID", "Action");
  }
};

TEST_F(Frame, TheSidePanesShowHideAndReplaceEachOther) {
  auto frame = Make();
  EXPECT_EQ(frame->ShownPane(), 0);
  struct Step {
    int command;
    int shown;  // 0: the column is hidden
    int held;   // the pane the column holds, checked also while hidden
  } steps[] = {{146, 146, 146}, {146, 0, 146}, {146, 146, 146}, {147, 147, 147},
               {145, 145, 145}, {145, 0, 145}, {147, 147, 147}};
  for (const Step& s : steps) {
    frame->OnCommand(s.command);
    EXPECT_EQ(frame->ShownPane(), s.shown) << s.command;
    for (int pane : {145, 146, 147})
      EXPECT_EQ(frame->Action(pane)->isChecked(), pane == s.held) << s.command << " " << pane;
  }
}

TEST_F(Frame, TheStatusBarSaysReadyWhenNothingElseIsShown) {
  auto frame = Make();
  EXPECT_EQ(frame->StatusMessage(), "就绪");
  // A button's prompt while the mouse is over it, then the idle message again.
  QStatusTipEvent over("后退");
  QApplication::sendEvent(frame.get(), &over);
  EXPECT_EQ(frame->StatusMessage(), "后退");
  QStatusTipEvent left("");
  QApplication::sendEvent(frame.get(), &left);
  EXPECT_EQ(frame->StatusMessage(), "就绪");
}

TEST_F(Frame, TheStatusBarShowsItsPanesInOrderAndTheLocksAsTheKeysAre) {
  auto frame = Make();
  ui::KeyboardLocks locks;
  frame->SetLockKeyReader([&] { return std::optional(locks); });
  frame->show();
  QApplication::processEvents();
  QStatusBar* bar = frame->statusBar();
  // Left to right: icon, message, progress, Caps Lock, Num Lock, Scroll Lock, zone.
  const char* panes[] = {"102", "message", "101", "59137", "59138", "59139", "103"};
  int right = -1;
  for (const char* name : panes) {
    QWidget* pane = bar->findChild<QWidget*>(name);
    ASSERT_TRUE(pane) << name;
    EXPECT_TRUE(pane->isVisible()) << name;
    EXPECT_GT(pane->x(), right) << name;
    right = pane->x() + pane->width() - 1;
  }
  EXPECT_FALSE(bar->findChild<QLabel*>("102")->pixmap().isNull());
  const auto* progress = bar->findChild<QProgressBar*>("101");
  EXPECT_EQ(progress->width(), 150);
  EXPECT_EQ(std::pair(progress->minimum(), progress->maximum()), std::pair(0, 100));
  EXPECT_EQ(progress->value(), 0);
  const QList<QLabel*> zone = bar->findChild<QWidget*>("103")->findChildren<QLabel*>();
  ASSERT_EQ(zone.size(), 2);
  EXPECT_FALSE(zone[0]->pixmap().isNull());
  EXPECT_EQ(zone[1]->text(), "Internet");

  const auto shown = [&] {
    QStringList texts;
    for (const char* name : {"59137", "59138", "59139"})
      texts << bar->findChild<QLabel*>(name)->text();
    return texts;
  };
  EXPECT_EQ(shown(), (QStringList{"", "", ""}));
  // A lock key pressed anywhere in the browser: the indicators read the keys again.
  locks = {true, false, true};
  QKeyEvent caps(QEvent::KeyRelease, Qt::Key_CapsLock, Qt::NoModifier);
  QApplication::sendEvent(frame->View(), &caps);
  EXPECT_EQ(shown(), (QStringList{"CAP", "", "SCRL"}));
  // Other keys leave them as they are.
  locks = {};
  QKeyEvent letter(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
  QApplication::sendEvent(frame->View(), &letter);
  EXPECT_EQ(shown(), (QStringList{"CAP", "", "SCRL"}));
  // Keys changed while another window was in front: read again on coming back.
  locks = {false, true, false};
  QEvent back(QEvent::WindowActivate);
  QApplication::sendEvent(frame.get(), &back);
  EXPECT_EQ(shown(), (QStringList{"", "NUM", ""}));
}

TEST_F(Frame, CommandsAreLoggedBeforeTheyRun) {
  Sql("DELETE FROM Options");
  auto frame = Make();
  struct Case {
    int command;
    const char* logged;  // "" for none
  } cases[] = {
      {140, "点击 后退"},
      {141, "点击 前进"},
      {142, "点击 停止"},
      {143, "点击 刷新"},
      {144, "点击 主页"},
      {105, "点击 收藏夹-添加"},
      {106, "点击 收藏夹-管理"},
      {32775, "点击 文件-打开"},
      {32778, "点击 文件-另存为"},
      {32779, "点击 文件-页面设置"},
      {32780, "点击 文件-打印预览"},
      {32806, "点击 文件-属性"},
      {32793, "点击 查看-查看源文件"},
      {32791, "点击 工具-Internet 选项"},
      {148, ""},
      {149, ""},
      {32773, ""},
      {32774, ""},
      {32784, ""},
      {32800, ""},
      {32801, ""},
      {32802, ""},
      {32804, ""},
      {32798, ""},
  };
  // The dialogs the commands open are closed as they come.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  closer.start(20);
  for (const Case& c : cases) {
    const size_t before = Logged().size();
    frame->OnCommand(c.command);
    const auto after = Logged();
    if (*c.logged) {
      ASSERT_EQ(after.size(), before + 1) << c.command;
      EXPECT_EQ(after.back(), c.logged) << c.command;
    } else {
      EXPECT_EQ(after.size(), before) << c.command;
    }
  }
  // The source command says where the source is.
  ASSERT_FALSE(boxes_.Shown().empty());
  EXPECT_EQ(boxes_.Shown().back().text, "请使用浏览器右键菜单中的 查看源文件");
}

TEST_F(Frame, TheFavouritesMenuListsFoldersNewestFirstThenLinks) {
  Sql("INSERT INTO Favourite (ID, Name, URL, Root, ItemScore) VALUES "
      "(1, 'Folder A', '', -1, 0), (2, 'Folder B', '', -1, 0),"
      "(3, 'a1', 'http://a1/', 1, 0), (4, 'b1', 'http://b1/', 2, 0),"
      "(5, 'top', 'http://top/', 0, 0), (6, 'expected', 'http://x/', 0, 20)");
  auto frame = Make();
  EXPECT_EQ(frame->FavoriteUrls(),
            (std::vector<std::string>{"http://b1/", "http://a1/", "http://top/"}));
  ASSERT_EQ(frame->Favorites().size(), 3u);
  EXPECT_EQ(frame->Favorites()[0].name, "Folder B");
  EXPECT_EQ(frame->Favorites()[0].links.at(0).index, 0);
  EXPECT_EQ(frame->Favorites()[2].index, 2);
  // A command past the list, or past the routed ids, is ignored.
  const size_t before = Column("Select * From Log where Action='打开网址'", "ID").size();
  frame->OnCommand(1978 + 3);
  frame->OnCommand(2300);
  frame->OpenFavorite(-1);
  EXPECT_EQ(Column("Select * From Log where Action='打开网址'", "ID").size(), before);
}

TEST_F(Frame, TheGoButtonLogsTheTextAsTypedAndGoesToTheLowerCasedAddress) {
  Sql("DELETE FROM Options");
  auto frame = Make();
  frame->AddressBox()->setEditText("WWW.Kirv.CN/News.htm");
  frame->OnCommand(32772);
  EXPECT_EQ(frame->AddressBox()->currentText().toStdString(), "http://www.kirv.cn/news.htm");
  EXPECT_EQ(Column("Select Parameter From Log where Action='地址栏输入并回车'", "Parameter"),
            std::vector<std::string>{"WWW.Kirv.CN/News.htm"});
  EXPECT_EQ(
      Column("Select Parameter From Log where Action='打开网址' and ItemScore=0", "Parameter"),
      std::vector<std::string>{"http://www.kirv.cn/news.htm"});
  // An empty box: the button does nothing.
  frame->AddressBox()->setEditText("");
  frame->OnCommand(32772);
  EXPECT_EQ(Column("Select * From Log where Action='地址栏输入并回车'", "ID").size(), 1u);
}

constexpr const char* kControlsKey =
    "HKEY_CURRENT_USER\\Software\\KIRV-browsim\\browsim\\CommandBars-Controls";

// A toolbar's controls as it shows them: a command's id, "|", "32771" for the address box, or
// "menu " and the caption of a menu.
QStringList Content(const QToolBar* bar) {
  QStringList content;
  if (!bar) return {"no such bar"};
  for (QAction* a : bar->actions()) {
    if (a->isSeparator())
      content << "|";
    else if (a->menu())
      content << "menu " + a->iconText();
    else if (qobject_cast<QWidgetAction*>(a))
      content << "32771";
    else
      content << a->data().toString();
  }
  return content;
}

const QStringList kStandard = {"140", "141", "142", "143", "144", "|",
                               "145", "146", "147", "|",   "148", "149"};

void ExpectDefaultBars(const CMainFrame& frame) {
  EXPECT_EQ(Content(frame.ToolBar("128")), kStandard);
  EXPECT_EQ(Content(frame.ToolBar("130")), (QStringList{"32771", "32772"}));
  EXPECT_EQ(Content(frame.ToolBar("134")), QStringList{"32773"});
}

// Runs `open` and, once the sheet is up, `drive` on it; a drive that stops short leaves the
// sheet cancelled.
void WithSheet(const std::function<void()>& open,
               const std::function<void(CCustomizeDlg&)>& drive) {
  bool driven = false;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* sheet = qobject_cast<CCustomizeDlg*>(QApplication::activeModalWidget());
    if (!sheet || driven) return;
    driven = true;
    drive(*sheet);
    if (sheet->isVisible()) sheet->reject();
  });
  timer.start(10);
  open();
  EXPECT_TRUE(driven) << "no sheet";
}

void WithSheet(CMainFrame& frame, int command, const std::function<void(CCustomizeDlg&)>& drive) {
  WithSheet([&] { frame.OnCommand(command); }, drive);
}

void Choose(QListWidget* list, const QString& text) {
  const auto items = list->findItems(text, Qt::MatchExactly);
  ASSERT_FALSE(items.isEmpty()) << text.toStdString();
  list->setCurrentItem(items.front());
}

void ChooseBar(CCustomizeDlg& sheet, const QString& caption) {
  const int index = sheet.BarChoice()->findText(caption);
  ASSERT_GE(index, 0) << caption.toStdString();
  sheet.BarChoice()->setCurrentIndex(index);
}

void Click(CCustomizeDlg& sheet, const QString& text) {
  QPushButton* button = sheet.Button(text);
  ASSERT_TRUE(button) << text.toStdString();
  button->click();
}

TEST_F(Frame, TheSheetPutsCommandsAndMenusOnABarAndOkKeepsThem) {
  auto frame = Make();
  ExpectDefaultBars(*frame);
  WithSheet(*frame, 32799, [](CCustomizeDlg& sheet) {
    EXPECT_EQ(sheet.windowTitle(), "自定义");
    QStringList categories;
    for (int i = 0; i < sheet.CategoryList()->count(); ++i)
      categories << sheet.CategoryList()->item(i)->text();
    EXPECT_EQ(categories, (QStringList{"文件", "编辑", "查看", "收藏", "工具", "帮助", "所有命令",
                                       "内置菜单", "新菜单"}));
    ChooseBar(sheet, "标准按钮");
    sheet.ControlList()->setCurrentRow(0);
    Choose(sheet.CategoryList(), "文件");
    // The 新建 submenu's command is listed with the menu's own.
    ASSERT_FALSE(sheet.CommandList()->findItems("窗口", Qt::MatchExactly).isEmpty());
    Choose(sheet.CommandList(), "打开");
    Click(sheet, "添加");
    sheet.ControlList()->setCurrentRow(sheet.ControlList()->count() - 1);
    Choose(sheet.CategoryList(), "内置菜单");
    Choose(sheet.CommandList(), "帮助");
    Click(sheet, "添加");
    Choose(sheet.CategoryList(), "新菜单");
    Choose(sheet.CommandList(), "新菜单");
    Click(sheet, "添加");
    Choose(sheet.ControlList(), "停止");
    Click(sheet, "删除");
    Click(sheet, "确定");
  });
  const QStringList customised = {"140", "32775", "141", "143", "144", "|",         "145",
                                  "146", "147",   "|",   "148", "149", "menu 帮助", "menu 新菜单"};
  EXPECT_EQ(Content(frame->ToolBar("128")), customised);
  // The built-in menu's button is the menu bar's own 帮助, opening at a press.
  QAction* help = frame->ToolBar("128")->actions().at(12);
  EXPECT_EQ(help, frame->menuBar()->actions().at(5));
  auto* button = qobject_cast<QToolButton*>(frame->ToolBar("128")->widgetForAction(help));
  ASSERT_TRUE(button);
  EXPECT_EQ(button->popupMode(), QToolButton::InstantPopup);

  auto again = Make();
  EXPECT_EQ(Content(again->ToolBar("128")), customised);
  EXPECT_EQ(again->Bars(), frame->Bars());
  EXPECT_EQ(again->BandText(), "");
}

// Clicks `button` of the sheet and answers the question it asks with `answer`.
void ClickAndAnswer(CCustomizeDlg& sheet, const QString& button, const QString& answer) {
  QTimer answering;
  QObject::connect(&answering, &QTimer::timeout, [&] {
    if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
      input->setTextValue(answer);
      input->accept();
    }
  });
  answering.start(10);
  Click(sheet, button);
}

TEST_F(Frame, TheSheetMakesRenamesAndDeletesWhatIsOnesOwn) {
  auto frame = Make();
  WithSheet(*frame, 32799, [](CCustomizeDlg& sheet) {
    EXPECT_FALSE(sheet.Button("删除工具栏")->isEnabled());
    ClickAndAnswer(sheet, "新建...", "我的 工具栏");
    EXPECT_EQ(sheet.BarChoice()->currentText(), "我的 工具栏");
    EXPECT_TRUE(sheet.Button("删除工具栏")->isEnabled());
    Choose(sheet.CategoryList(), "编辑");
    Choose(sheet.CommandList(), "复制");
    Click(sheet, "添加");
    Choose(sheet.CategoryList(), "新菜单");
    Click(sheet, "添加");
    EXPECT_TRUE(sheet.Button("重命名...")->isEnabled());
    ClickAndAnswer(sheet, "重命名...", " 常用\n命令 ");
    ClickAndAnswer(sheet, "新建...", "临时");
    EXPECT_EQ(sheet.BarChoice()->count(), 5);
    Click(sheet, "删除工具栏");
    EXPECT_EQ(sheet.BarChoice()->count(), 4);
    Click(sheet, "确定");
  });
  const QStringList mine = {"57634", "menu 常用 命令"};
  ASSERT_TRUE(frame->ToolBar("1001"));
  EXPECT_EQ(Content(frame->ToolBar("1001")), mine);
  EXPECT_EQ(frame->ToolBar("1001")->windowTitle(), "我的 工具栏");
  EXPECT_FALSE(frame->ToolBar("1002"));
  EXPECT_EQ(Content(Make()->ToolBar("1001")), mine);

  WithSheet(*frame, 32799, [](CCustomizeDlg& sheet) {
    ChooseBar(sheet, "我的 工具栏");
    Click(sheet, "删除工具栏");
    Click(sheet, "确定");
  });
  EXPECT_FALSE(frame->ToolBar("1001"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(frame->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly).size(), 3);
  EXPECT_FALSE(Make()->ToolBar("1001"));
}

TEST_F(Frame, CancellingTheSheetChangesNothing) {
  auto frame = Make();
  WithSheet(*frame, 35001, [](CCustomizeDlg& sheet) {
    ChooseBar(sheet, "链接");
    Choose(sheet.CategoryList(), "所有命令");
    Choose(sheet.CommandList(), "主页");
    Click(sheet, "添加");
    Click(sheet, "重置");
    Click(sheet, "添加分隔符");
    Click(sheet, "取消");
  });
  ExpectDefaultBars(*frame);
  EXPECT_EQ(frame->Bars(), browsim::DefaultBarLayout());
  EXPECT_FALSE(win::RegQueryString(kControlsKey, "Controls"));
}

TEST_F(Frame, TheAddressBoxCannotBeRemoved) {
  auto frame = Make();
  WithSheet(*frame, 32799, [](CCustomizeDlg& sheet) {
    ChooseBar(sheet, "地址栏");
    sheet.ControlList()->setCurrentRow(1);
    EXPECT_TRUE(sheet.Button("删除")->isEnabled());  // 转到 may go
    sheet.ControlList()->setCurrentRow(0);
    EXPECT_EQ(sheet.ControlList()->currentItem()->text(), "地址");
    EXPECT_FALSE(sheet.Button("删除")->isEnabled());
    Click(sheet, "删除");
    Click(sheet, "下移");
    Click(sheet, "删除");
    Click(sheet, "确定");
  });
  EXPECT_EQ(Content(frame->ToolBar("130")), (QStringList{"32772", "32771"}));
  EXPECT_EQ(frame->AddressBox()->window(), frame.get());
  frame->show();
  EXPECT_TRUE(frame->AddressBox()->isVisible());
}

TEST_F(Frame, TheOptionsPageSetsIconsTipsAndShortcutsAndTheyAreKept) {
  WriteTestFile(Program() / "net.ini", "[browsim]\r\nLayout=Mine.Layout\r\n");
  WriteTestFile(Program() / "Mine.Layout", "bar 1001 我的工具栏\r\ncommand 57634\r\n");
  auto frame = Make();
  QToolButton* refresh =
      qobject_cast<QToolButton*>(frame->ToolBar("128")->widgetForAction(frame->Action(143)));
  ASSERT_TRUE(refresh);
  EXPECT_EQ(refresh->toolTip(), "刷新");
  EXPECT_EQ(frame->ToolBar("128")->iconSize(), QSize(24, 24));
  WithSheet(*frame, 32799, [](CCustomizeDlg& sheet) {
    for (QCheckBox* box : sheet.findChildren<QCheckBox*>()) {
      if (box->text().startsWith("大图标") || box->text().contains("快捷键")) box->setChecked(true);
    }
    for (QComboBox* choice : sheet.findChildren<QComboBox*>()) {
      if (choice->findText("淡入淡出") >= 0) choice->setCurrentText("淡入淡出");
    }
    Click(sheet, "确定");
  });
  EXPECT_EQ(frame->CurrentBarOptions(),
            (browsim::BarOptions{true, true, true, browsim::MenuAnimation::kFade}));
  for (const char* bar : {"128", "130", "134"})
    EXPECT_EQ(frame->ToolBar(bar)->iconSize(), QSize(32, 32)) << bar;
  EXPECT_EQ(refresh->toolTip(), "刷新");  // no key, nothing added
  QToolButton* copy =
      qobject_cast<QToolButton*>(frame->ToolBar("1001")->widgetForAction(frame->Action(57634)));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->toolTip(), "复制 (Ctrl+C)");
  frame->show();
  const auto tipShown = [](QToolButton* button) {
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  EXPECT_EQ(tipShown(copy), "复制 (Ctrl+C)");

  // A new frame shows the saved options; screen tips off hold the tips back.
  frame.reset();
  auto again = Make();
  EXPECT_EQ(again->CurrentBarOptions(),
            (browsim::BarOptions{true, true, true, browsim::MenuAnimation::kFade}));
  EXPECT_EQ(again->ToolBar("130")->iconSize(), QSize(32, 32));
  WithSheet(*again, 32799, [](CCustomizeDlg& sheet) {
    for (QCheckBox* box : sheet.findChildren<QCheckBox*>()) {
      if (box->text().contains("屏幕提示(")) box->setChecked(false);
    }
    Click(sheet, "确定");
  });
  EXPECT_FALSE(again->CurrentBarOptions().screenTips);
  again->show();
  ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
  refresh = qobject_cast<QToolButton*>(again->ToolBar("128")->widgetForAction(again->Action(143)));
  EXPECT_EQ(tipShown(refresh), "");
}

TEST_F(Frame, TheViewMenuAndTheBarsContextMenuOfferTogglesAndCustomise) {
  WriteTestFile(Program() / "net.ini", "[browsim]\r\nLayout=Mine.Layout\r\n");
  WriteTestFile(Program() / "Mine.Layout", "bar 1001 我的工具栏\r\ncommand 32808\r\n");
  auto frame = Make();
  QMenu* view = frame->menuBar()->actions().at(2)->menu();
  QMenu* toolbars = view->actions().at(0)->menu();
  ASSERT_TRUE(toolbars);
  QStringList items;
  for (QAction* a : toolbars->actions()) items << (a->isSeparator() ? "|" : a->text());
  EXPECT_EQ(items, (QStringList{"标准按钮", "地址栏", "链接", "我的工具栏", "|", "锁定工具栏(&B)",
                                "自定义(&C)..."}));
  frame->show();
  toolbars->actions().at(3)->trigger();
  EXPECT_FALSE(frame->ToolBar("1001")->isVisible());
  toolbars->actions().at(3)->trigger();
  EXPECT_TRUE(frame->ToolBar("1001")->isVisible());

  std::unique_ptr<QMenu> popup(frame->createPopupMenu());
  ASSERT_TRUE(popup);
  ASSERT_FALSE(popup->actions().isEmpty());
  QAction* customise = popup->actions().back();
  EXPECT_EQ(customise->text(), "自定义...");
  WithSheet([&] { customise->trigger(); }, [](CCustomizeDlg& sheet) { Click(sheet, "取消"); });
}

TEST_F(Frame, ALayoutFileNamedInNetIniIsImportedAndShown) {
  const std::string layout =
      "bar 128 标准按钮\r\ncommand 140\r\nseparator\r\nmenu 0\r\ncommand 1039\r\n"
      "bar 1001 我的工具栏\r\nnewmenu 工具箱\r\ncommand 32808\r\n";
  WriteTestFile(Program() / "net.ini", "[browsim]\r\nLayout=Mine.Layout\r\n");
  WriteTestFile(Program() / "Mine.Layout", layout);
  auto frame = Make();
  EXPECT_EQ(frame->BandText(), "");
  // The checking dialog's key is no command a bar may hold.
  EXPECT_EQ(Content(frame->ToolBar("128")), (QStringList{"140", "|", "menu 文件"}));
  EXPECT_EQ(Content(frame->ToolBar("1001")), (QStringList{"menu 工具箱", "32808"}));
  EXPECT_EQ(Content(frame->ToolBar("130")), (QStringList{"32771", "32772"}));
  EXPECT_EQ(win::RegQueryString(kControlsKey, "Controls"),
            QByteArray::fromStdString(layout).toHex().toStdString());
}

TEST_F(Frame, ALayoutThatDoesNotReadShowsTheBandAndTheDefaultBars) {
  const std::string good = QByteArray("bar 134 链接\r\nseparator\r\n").toHex().toStdString();
  struct Case {
    const char* name;
    const char* layoutKey;             // net.ini's Layout, "Default" for none
    std::string file;                  // its bytes, none when empty
    std::optional<std::string> saved;  // "Controls" before the start
    const char* band;                  // a part of the band's text
  } cases[] = {
      {"a file of other bytes", "Mine.Layout", std::string("\x01\x00\xff bars", 8), std::nullopt,
       "工具栏布局文件无法读取"},
      {"a file with a bad line", "Mine.Layout", "bar 128 x\r\nmenu 9\r\n", std::nullopt, "line 2"},
      {"a file that is not there", "Gone.Layout", "", good, "工具栏布局文件无法读取"},
      {"a saved value that is no layout", "Default", "", "00ff", "保存的工具栏布局无法读取"},
  };
  for (const Case& c : cases) {
    (void)win::RegDeleteKey(kControlsKey);
    if (c.saved) {
      ASSERT_TRUE(win::RegSetString(kControlsKey, "Controls", *c.saved));
    }
    WriteTestFile(Program() / "net.ini",
                  std::string("[browsim]\r\nLayout=") + c.layoutKey + "\r\n");
    if (!c.file.empty()) WriteTestFile(Program() / c.layoutKey, c.file);
    auto frame = Make();
    EXPECT_TRUE(frame->BandText().contains(c.band))
        << c.name << ": " << frame->BandText().toStdString();
    ExpectDefaultBars(*frame);
    EXPECT_EQ(frame->Bars(), browsim::DefaultBarLayout()) << c.name;
    // Nothing is imported.
    EXPECT_EQ(win::RegQueryString(kControlsKey, "Controls"), c.saved) << c.name;
  }
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(Frame, LockToolbarsExportsTheSavedLayoutByteForByte) {
  const std::string saved = "bar 134 链接\r\ncommand 32773\nseparator\r\n";
  ASSERT_TRUE(win::RegSetString(kControlsKey, "Controls",
                                QByteArray::fromStdString(saved).toHex().toStdString()));
  auto frame = Make();
  const fs::path out = Program() / "Exported.Layout";
  QString chosen = QString::fromStdString(out.string());
  frame->SetLayoutFileChooser([&] { return chosen; });
  frame->OnCommand(32798);
  EXPECT_EQ(ReadAll(out), saved);
  EXPECT_EQ(frame->BandText(), "");

  // Such a file is what the Layout key imports.
  (void)win::RegDeleteKey(kControlsKey);
  WriteTestFile(Program() / "net.ini", "[browsim]\r\nLayout=Exported.Layout\r\n");
  EXPECT_EQ(Content(Make()->ToolBar("134")), (QStringList{"32773", "|"}));

  // With nothing saved the export gives the bars shown.
  WriteTestFile(Program() / "net.ini", "[browsim]\r\n");
  (void)win::RegDeleteKey(kControlsKey);
  auto fresh = Make();
  fresh->SetLayoutFileChooser([&] { return chosen; });
  fresh->OnCommand(32798);
  const auto exported = browsim::ReadBarLayout(ReadAll(out), {});
  ASSERT_TRUE(exported) << exported.error().message;
  EXPECT_EQ(*exported, browsim::DefaultBarLayout());

  // Cancelled: nothing written; a file that cannot be written: the band says so.
  fs::remove(out);
  chosen.clear();
  fresh->OnCommand(32798);
  EXPECT_FALSE(fs::exists(out));
  chosen = QString::fromStdString((Program() / "no such folder" / "x.Layout").string());
  fresh->OnCommand(32798);
  EXPECT_TRUE(fresh->BandText().startsWith("布局文件无法写入")) << fresh->BandText().toStdString();
}

// The command a key runs, 0 for none.
int CommandOfKey(const CMainFrame& frame, const QKeySequence& key) {
  int command = 0;
  for (const QAction* a : frame.findChildren<QAction*>()) {
    if (a->shortcuts().contains(key)) {
      EXPECT_EQ(command, 0) << key.toString().toStdString() << " runs two commands";
      command = a->data().toInt();
    }
  }
  return command;
}

TEST_F(Frame, TheKeysAreTheAcceleratorTablesAndCtrlOOpensADocument) {
  Sql("DELETE FROM Options");
  auto frame = Make();
  struct Case {
    const char* key;
    int command;
  } cases[] = {
      {"Ctrl+C", 57634},
      {"Ctrl+Ins", 57634},
      {"Ctrl+X", 57635},
      {"Shift+Del", 57635},
      {"Ctrl+V", 57637},
      {"Shift+Ins", 57637},
      {"Ctrl+D", 105},
      {"Ctrl+N", 57600},
      {"Ctrl+O", 57601},
      {"Ctrl+P", 57607},
      {"F6", 57680},
      {"Shift+F6", 57681},
      {"Ctrl+Alt+Shift+F11", 32803},
      {"Ctrl+Alt+Shift+F12", 1039},
      // Shown in the menus' texts only.
      {"F5", 0},
      {"Esc", 0},
      {"Ctrl+A", 0},
      {"Ctrl+F", 0},
      {"Ctrl+F12", 0},
      {"F11", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CommandOfKey(*frame, QKeySequence(c.key)), c.command) << c.key;

  // Ctrl+O opens a document: nothing is read from it, the view starts again as with a new one.
  const auto started = [&] {
    return Column("Select * From Log where Action='程序正常启动'", "ID");
  };
  const size_t before = started().size();
  const size_t logged = Logged().size();
  QString chosen;
  frame->SetDocumentFileChooser([&] { return chosen; });
  frame->OnCommand(57601);  // cancelled
  EXPECT_EQ(started().size(), before);
  chosen = QString::fromStdString((Program() / "Site" / "demo" / "news.htm").string());
  frame->OnCommand(57601);
  EXPECT_EQ(started().size(), before + 1);
  EXPECT_EQ(Logged().size(), logged + 1);  // the start, and no "点击 文件-打开"
  chosen = QString::fromStdString((Program() / "no such file.htm").string());
  frame->OnCommand(57601);
  EXPECT_EQ(started().size(), before + 1);
  ASSERT_FALSE(boxes_.Shown().empty());
  EXPECT_TRUE(QString::fromStdString(boxes_.Shown().back().text).startsWith("无法打开文档"));
}

// The title of every menu item, with its submenus' items after it, and whether it is enabled.
void CollectMenu(const QMenu* menu, std::map<QString, const QAction*>& items) {
  for (const QAction* a : menu->actions()) {
    if (a->isSeparator()) continue;
    items[a->text()] = a;
    if (a->menu()) CollectMenu(a->menu(), items);
  }
}

TEST_F(Frame, TheMenusHoldEveryItemAndBackForwardAndMailAreSplitButtons) {
  Sql("DELETE FROM Options");
  browsim::BrowserExtensions extensions;
  browsim::InstallPanes(extensions);
  auto frame = Make(extensions);
  std::map<QString, const QAction*> items;
  for (const QAction* top : frame->menuBar()->actions()) {
    if (top->menu()) CollectMenu(top->menu(), items);
  }
  struct Case {
    const char* text;
    int command;  // 0: no command of its own
    bool enabled;
  } cases[] = {
      {"导入和导出(&I)...", 32774, true},
      {"文件夹(&O)", 32784, true},
      {"网页通过电子邮件(&P)...", 32800, true},
      {"链接通过电子邮件(&L)...", 32801, true},
      {"桌面快捷方式(&S)", 32802, true},
      {"隐私报告(&V)...", 32804, true},
      {"其他", 0, false},
      {"编辑(&D)", 0, false},
      {"保存(&S)\tCtrl+S", 0, false},
      {"邮件和新闻(&M)", 0, false},
  };
  for (const Case& c : cases) {
    auto it = items.find(c.text);
    ASSERT_NE(it, items.end()) << c.text;
    if (c.command) {
      EXPECT_EQ(it->second->data().toInt(), c.command) << c.text;
    }
    EXPECT_EQ(it->second->isEnabled(), c.enabled) << c.text;
  }

  const QToolBar* standard = frame->ToolBar("128");
  for (const QString& id : kStandard) {
    if (id == "|") continue;
    auto* button = qobject_cast<QToolButton*>(standard->widgetForAction(frame->Action(id.toInt())));
    ASSERT_TRUE(button) << id.toStdString();
    const bool split = id == "140" || id == "141" || id == "148";
    EXPECT_EQ(button->popupMode() == QToolButton::MenuButtonPopup, split) << id.toStdString();
    EXPECT_EQ(button->menu() != nullptr, split) << id.toStdString();
  }
  // The command part of a split button runs its command.
  frame->show();
  auto* back = qobject_cast<QToolButton*>(standard->widgetForAction(frame->Action(140)));
  frame->Action(140)->setEnabled(true);
  QTest::mouseClick(back, Qt::LeftButton, Qt::NoModifier, QPoint(4, back->height() / 2));
  EXPECT_EQ(Logged().back(), "点击 后退");

  // The logo button: a hidden child of the menu bar until its timer shows it.
  auto* logo = frame->menuBar()->findChild<QWidget*>("61446");
  ASSERT_TRUE(logo);
  EXPECT_TRUE(logo->isHidden());
}

TEST_F(Frame, AnActionTheDatabaseDidNotTakeIsShownInTheBand) {
  Sql("DELETE FROM Options");
  auto frame = Make();
  EXPECT_EQ(frame->BandText(), "");
  frame->Database().Close();
  EXPECT_FALSE(frame->Log("点击 刷新", ""));
  EXPECT_TRUE(frame->BandText().contains("没有记录")) << frame->BandText().toStdString();
}

}  // namespace
