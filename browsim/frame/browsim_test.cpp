// The browser simulation end to end on Qt's offscreen platform: the handshake, the start page
// mapped to its local copy and recorded, the checking dialog grading the database through the
// network grader, and the web mail when its service is built in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "browsim/frame/app.h"
#include "browsim/frame/net_grade_dlg.h"
#include "browsim/frame/testing/offscreen.h"
#include "netdb/ado_connection.h"
#include "netdb/testing/browser_steps.h"
#include "netdb/variant_convert.h"
#include "platform/com/library.h"
#include "platform/ui/window_list.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/registry.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

class Browsim : public ::testing::Test {
 protected:
  void SetUp() override {
    browsim::testing::OffscreenApp();
    Write(Program() / "net.ini", "[browsimOE]\r\nSiteDir=Site\r\n");
    Write(
        Program() / "Site" / "demo" / "index.htm",
        "<html><head><title>Demo Site</title></head><body>"
        "<a id='news' target='_blank' href='http://www.demo.com/news.htm'>news</a></body></html>");
    Write(Program() / "Site" / "demo" / "news.htm",
          "<html><head><title>News</title></head><body>news</body></html>");
    Write(Program() / "Site" / "emailjs" / "start.js", "document.write(\"start\");");
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
    EXPECT_TRUE(dialog.ReportText().contains(list->topLevelItem(1)->text(2)));
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

TEST_F(Browsim, ASiteCopyThatLinksOutOfTheSiteIsNotShown) {
  Write(Program().parent_path() / "outside" / "secret.htm",
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
      {32779, "点击 文件-页面设置"},
      {32806, "点击 文件-属性"},
      {32793, "点击 查看-查看源文件"},
      {32791, "点击 工具-Internet 选项"},
      {148, ""},
      {149, ""},
      {32773, ""},
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

TEST_F(Frame, ALayoutFileNamedInNetIniIsImportedIntoTheProfile) {
  Write(Program() / "net.ini", "[browsim]\r\nLayout=Mine.Layout\r\n");
  Write(Program() / "Mine.Layout", std::string("\x01\x00\xff bars", 8));
  Make();
  EXPECT_EQ(
      win::RegQueryString(
          "HKEY_CURRENT_USER\\Software\\KIRV-browsim\\browsim\\CommandBars-Controls", "Controls"),
      std::optional<std::string>("0100ff2062617273"));
  // A layout file that is not there is not imported.
  Write(Program() / "net.ini", "[browsim]\r\nLayout=Gone.Layout\r\n");
  ASSERT_TRUE(win::RegDeleteKey(
      "HKEY_CURRENT_USER\\Software\\KIRV-browsim\\browsim\\CommandBars-Controls"));
  Make();
  EXPECT_FALSE(win::RegQueryString(
      "HKEY_CURRENT_USER\\Software\\KIRV-browsim\\browsim\\CommandBars-Controls", "Controls"));
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
