// The demo's network paper done in the installation's browser simulation, on Qt's offscreen
// platform, the way a candidate does it: the browser started for the candidate folder the
// question bar names in its title, the centre's home page typed in the address box, the notice
// opened from its link and added to the favourites, a mail written on the demo mail site; then
// the browser closed and the candidate graded by the client's grading dialog through the
// installation's network control. And the question bar's browser button starting the
// installation's browser as a program of its own.
#include <gtest/gtest.h>

#include <signal.h>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "browsim/favorites/favorites_dialogs.h"
#include "browsim/frame/app.h"
#include "browsim/frame/command_ids.h"
#include "browsim/frame/testing/offscreen.h"
#include "client/exam/exam_session.h"
#include "client/grading/score_scrambler.h"
#include "client/gui/exam_app_bar.h"
#include "platform/ui/window_list.h"
#include "platform/win/message_box.h"
#include "tools/testing/graded_demo.h"

namespace {

namespace fs = std::filesystem;
namespace cmd = browsim::cmd;

class BrowsimDemo : public GradedDemo {
 protected:
  void SetUp() override {
    GradedDemo::SetUp();
    if (HasFatalFailure()) return;
    browsim::testing::OffscreenApp();
    windows_.emplace("KIRV_WINDOW_LIST", (Scratch() / "windows").string());
    program_.emplace("KIRV_PROGRAM_FOLDER", Install().string());
    driveD_.emplace("KIRV_DRIVE_D", (Install() / "drive_d").string());
  }
  void TearDown() override {
    frame_.reset();
    ui::WithdrawAllWindowTitles();
    driveD_.reset();
    program_.reset();
    windows_.reset();
    GradedDemo::TearDown();
  }

  QVariant Js(const QString& script) {
    return browsim::testing::RunScript(*frame_->View()->page(), script);
  }
  bool WaitForText(const QString& text) {
    return browsim::testing::WaitForPageText(*frame_->View()->page(), text);
  }

  bool WaitForAddress(const std::string& address) {
    const bool shown = QTest::qWaitFor(
        [&] { return frame_->AddressBox()->currentText().toStdString() == address; }, 20000);
    if (!shown)
      ADD_FAILURE() << "address box: " << frame_->AddressBox()->currentText().toStdString();
    return shown;
  }

  // Runs `step` and waits for the page it leads to to finish loading.
  bool Loads(const std::function<void()>& step) {
    bool loaded = false;
    const auto connection = QObject::connect(frame_->View()->page(), &QWebEnginePage::loadFinished,
                                             [&](bool ok) { loaded = ok; });
    step();
    const bool done = QTest::qWaitFor([&] { return loaded; }, 20000);
    QObject::disconnect(connection);
    return done;
  }

  // Clicks the page's first element matching `selector`.
  void Click(const std::string& selector) {
    EXPECT_TRUE(Js(QString::fromStdString("(function(){var e=document.querySelector('" + selector +
                                          "'); if (!e) return false; e.click(); return true;})()"))
                    .toBool())
        << selector;
  }

  std::optional<win::testing::ScopedEnv> windows_, program_, driveD_;
  win::MessageCapture boxes_;
  std::unique_ptr<CMainFrame> frame_;
};

TEST_F(BrowsimDemo, TheNetworkPaperDoneInTheBrowserScoresInTheGradingDialog) {
  const std::string code = "26001010104";
  SetPapers(code, "5-501");
  const fs::path candidate = Unpack("net1.7z", code);
  ASSERT_TRUE(fs::is_regular_file(candidate / "Netkt/net.net"));
  ASSERT_FALSE(HasFatalFailure());

  // The question bar's title names the candidate folder; the browser finds the exam by it.
  ASSERT_TRUE(ui::PublishWindowTitle(7, "■-张明-D:\\KirvExam\\" + code + "\\"));
  frame_ = StartBrowsim(Install() / "browsim");
  ASSERT_TRUE(frame_);
  ASSERT_TRUE(WaitForText("考试中心"));

  // 1. The home page typed in the address box.
  QLineEdit* typed = frame_->AddressBox()->lineEdit();
  typed->clear();
  QTest::keyClicks(typed, "www.kirv.cn");
  ASSERT_TRUE(Loads([&] { QTest::keyClick(typed, Qt::Key_Return); }));
  ASSERT_TRUE(WaitForAddress("http://www.kirv.cn/"));

  // 2. The notice opened from its link.
  ASSERT_TRUE(Loads([&] { Click("a[href=\"http://www.kirv.cn/notice.htm\"]"); }));
  ASSERT_TRUE(WaitForAddress("http://www.kirv.cn/notice.htm"));

  // 3. Added to the favourites under the task's name.
  QTimer::singleShot(0, [] {
    auto* dialog =
        dynamic_cast<browsim::favorites::CAddFavoriteDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->NameEdit()->setText("报名须知");
    dialog->accept();
  });
  frame_->Action(cmd::kAddFavorite)->trigger();
  ASSERT_EQ(frame_->FavoriteUrls(), std::vector<std::string>{"http://www.kirv.cn/notice.htm"});

  // 4. A new mail on the mail site, reached from the home page's link.
  ASSERT_TRUE(Loads([&] { frame_->Action(cmd::kHome)->trigger(); }));
  ASSERT_TRUE(WaitForAddress("http://www.kirv.cn/"));
  Click("a[href=\"http://mail.kirv.cn/\"]");
  ASSERT_TRUE(WaitForText("邮件系统登录"));
  Click("button");
  ASSERT_TRUE(WaitForText("收件箱 邮件列表"));
  Click("a[href=\"email://newmail\"]");
  ASSERT_TRUE(WaitForText("书写新邮件"));
  Js("var f = document.mailform.elements;"
     "f['receiver'].value = 'teacher@kirv.cn';"
     "f['title'].value = '考试报名';"
     "f['content'].value = '我是张明。';"
     "document.querySelector('button').click()");
  ASSERT_TRUE(WaitForText("信件成功发送!"));

  frame_->Action(cmd::kExit)->trigger();
  frame_.reset();
  EXPECT_TRUE(boxes_.Shown().empty()) << boxes_.Shown().front().text;

  const DialogRun run = GradeInDialog(code);
  EXPECT_EQ(run.result, 1);
  EXPECT_EQ(DecodeText(run.encodedScore, code), "5-100");
}

// The process id of the published window whose title ends so; 0 when there is none.
pid_t WindowOwner(const std::string& titleEnd) {
  for (const auto& entry : fs::directory_iterator(ui::WindowListFolder())) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string title((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (title.ends_with(titleEnd)) return std::stoi(entry.path().filename().string());
  }
  return 0;
}

TEST_F(BrowsimDemo, TheQuestionBarsBrowserButtonStartsTheInstallationsBrowser) {
  const std::string code = "26001010105";
  SetPapers(code, "5-501");
  const fs::path candidate = Unpack("net1.7z", code);
  ASSERT_FALSE(HasFatalFailure());
  ExamSession session;
  session.Start(InitPaths());
  const std::string title = "■-张明-D:\\KirvExam\\" + code + "\\";
  auto bar = CExamAppBar::CreateForExam(session, 1920, 1080, title);
  ASSERT_TRUE(ui::PublishWindowTitle(7, title));
  bar->OnBrowser();

  // The browser, a process of its own, finds the exam, shows the start page and records it.
  pid_t browser = 0;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return (browser = WindowOwner("考试中心 - Microsoft Internet Explorer")) != 0; },
      30000));
  const auto logged = browsim::testing::DatabaseColumn(
      candidate / "Netkt/net.net", "Select Action From Log order by ID", "Action");
  if (browser) {
    ::kill(browser, SIGTERM);
  } else {
    // Whatever state it is in, it must not outlive the test (it would hold the test's output).
    (void)std::system(("pkill -f '" + (Install() / "browsim").string() + "'").c_str());
  }
  EXPECT_EQ(logged, (std::vector<std::string>{"程序正常启动", "转到启动页", "打开网址"}));
  session.Close();
}

}  // namespace
