// The demo site's web mail used as a candidate uses it, on Qt's offscreen platform: the page's
// own script functions navigate to "email://" addresses, the navigation hook serves them, and
// the page shows each new content.js.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "browsim/frame/app.h"
#include "browsim/frame/testing/offscreen.h"
#include "netdb/ado_connection.h"
#include "netdb/testing/browser_steps.h"
#include "netdb/variant_convert.h"
#include "platform/ui/window_list.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

class MailPage : public ::testing::Test {
 protected:
  void SetUp() override {
    browsim::testing::OffscreenApp();
    fs::create_directories(Program());
    std::ofstream(Program() / "net.ini") << "[browsimOE]\r\nSiteDir=Site\r\nJsDir=emailjs\r\n";
    fs::copy(fs::path(KIRV_SOURCE_DIR) / "demo" / "site", Program() / "Site",
             fs::copy_options::recursive);
    fs::create_directories(Candidate() / "Netkt");
    ASSERT_TRUE(netdb::testing::MakeSeededDatabase(
        Candidate() / "Netkt" / "net.net",
        "INSERT INTO URLs (URL, FakeURL, ItemScore) VALUES "
        "('http://mail.kirv.cn/', 'mail.kirv.cn\\index.htm', 0);"
        "INSERT INTO Options (StartPage) VALUES ('http://mail.kirv.cn/');"
        "INSERT INTO Account (用户Email地址, DefaultAccount) VALUES ('me@kirv.cn', -1);"
        "INSERT INTO Mail (ID, 邮件位置, 发件人, 收件人, 主题, 内容, Time, 附件, Type) VALUES "
        "(3, 0, 'boss@kirv.cn', 'me@kirv.cn', '会议通知', '明天开会', '2026-12-01', "
        "'plan.doc', 1);"));
    ASSERT_TRUE(install_.PublishExamWindow());
    frame_ = StartBrowsim(Program() / "browsim");
    ASSERT_TRUE(frame_);
    ASSERT_TRUE(WaitForText("邮件系统登录"));
  }
  void TearDown() override {
    if (frame_) frame_->close();
    ui::WithdrawAllWindowTitles();
  }

  fs::path Program() const { return install_.Program(); }
  fs::path Candidate() const { return install_.Candidate(); }

  QVariant Js(const QString& script) {
    return browsim::testing::RunScript(*frame_->View()->page(), script);
  }
  bool WaitForText(const QString& text) {
    return browsim::testing::WaitForPageText(*frame_->View()->page(), text);
  }

  std::vector<std::string> Column(const std::string& sql, const char* field) {
    return install_.Column(sql, field);
  }

  browsim::testing::TestInstallation install_;
  win::MessageCapture boxes_;
  std::unique_ptr<CMainFrame> frame_;
};

TEST_F(MailPage, ACandidateWritesReadsAndDeletesMail) {
  // Logging in opens the inbox; its mail opens from the list.
  Js("document.querySelector('button').click()");
  ASSERT_TRUE(WaitForText("收件箱 邮件列表"));
  Js("document.querySelector('a[href=\"email://showmail?id=3\"]').click()");
  ASSERT_TRUE(WaitForText("阅读邮件"));
  EXPECT_EQ(Js("document.mailform.content.value").toString(), "明天开会");

  // A new mail from the tree's link, sent with its button.
  Js("document.querySelector('a[href=\"email://newmail\"]').click()");
  ASSERT_TRUE(WaitForText("书写新邮件"));
  EXPECT_EQ(Js("document.mailform.sender.value").toString(), "me@kirv.cn");
  Js("var f = document.mailform.elements;"
     "f['receiver'].value = 'boss@kirv.cn';"
     "f['title'].value = '计划 A/B & type=3 100%';"
     "f['content'].value = '第一行\\n第二行 #1';"
     "document.querySelector('button').click()");
  ASSERT_TRUE(WaitForText("信件成功发送!"));
  const auto subjects = Column("Select 主题 From Mail where 邮件位置=2", "主题");
  ASSERT_EQ(subjects.size(), 1u);
  EXPECT_EQ(subjects[0], "计划 ab & type=3 100%");
  EXPECT_EQ(Column("Select 内容 From Mail where 邮件位置=2", "内容")[0], "第一行\\r\\n第二行 #1");
  EXPECT_EQ(Column("Select Type From Mail where 邮件位置=2", "Type")[0], "1");
  EXPECT_EQ(Column("Select 收件人 From Mail where 邮件位置=2", "收件人")[0], "boss@kirv.cn");

  // The sent mail reads back with its line break.
  const std::string id = Column("Select ID From Mail where 邮件位置=2", "ID")[0];
  frame_->Navigate("email://showmail?id=" + id);
  ASSERT_TRUE(WaitForText("阅读邮件"));
  EXPECT_EQ(Js("document.mailform.content.value").toString(), "第一行\n第二行 #1");

  // The inbox mail ticked and deleted.
  Js("document.querySelector('a[href=\"email://showfolder?dir=0\"]').click()");
  ASSERT_TRUE(WaitForText("收件箱 邮件列表"));
  Js("document.getElementsByName('id')[0].checked = true;"
     "document.querySelectorAll('button')[0].click()");
  ASSERT_TRUE(WaitForText("删除邮件成功!"));
  EXPECT_EQ(Column("Select 邮件位置 From Mail where ID=3", "邮件位置"),
            std::vector<std::string>{"3"});
  EXPECT_EQ(frame_->BandText(), "");
}

}  // namespace
