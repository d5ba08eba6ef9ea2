#include "browsim/mail/mail_pages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace browsim::mail {
namespace {

TEST(ContentScript, WritesOneAsciiStatementOrNothing) {
  struct Case {
    const char* name;
    std::string body;
    std::string script;
  } cases[] = {
      {"no page", "", ""},
      {"plain", "ok<br />", "document.write(\"ok\\x3cbr />\");"},
      {"Chinese", "信件", "document.write(\"\\u4fe1\\u4ef6\");"},
      {"beyond the basic plane", "\xF0\x9F\x98\x80", "document.write(\"\\ud83d\\ude00\");"},
      {"quotes, backslash, line end", "a\"b\\c\r\n", "document.write(\"a\\\"b\\\\c\\r\\n\");"},
      {"malformed bytes", "a\xFF\xC3", "document.write(\"a\\ufffd\\ufffd\");"},
      {"overlong form", "\xC0\xAF", "document.write(\"\\ufffd\\ufffd\");"},
  };
  for (const Case& c : cases) EXPECT_EQ(ContentScript(c.body), c.script) << c.name;
}

TEST(StoredTextForPage, TurnsStoredLineBreaksBackAndEscapesMarkup) {
  EXPECT_EQ(StoredTextForPage("a\\r\\nb"), "a\r\nb");
  EXPECT_EQ(StoredTextForPage("c:\\new <b>"), "c:\\new &lt;b&gt;");
  EXPECT_EQ(StoredTextForPage("\\r"), "\\r");
}

TEST(FolderName, NamesTheFourFolders) {
  EXPECT_EQ(FolderName(kInbox), "收件箱");
  EXPECT_EQ(FolderName(kOutbox), "发件箱");
  EXPECT_EQ(FolderName(kSent), "已发邮件");
  EXPECT_EQ(FolderName(kDeleted), "已删除邮件");
  EXPECT_EQ(FolderName(5), "");
}

TEST(MailPages, EachPageOpensWithItsHeading) {
  MailRow row;
  struct Case {
    std::string page;
    const char* heading;
  } cases[] = {
      {LoginPage(), "邮件系统登录:"},
      {HelpPage(), "邮件系统帮助:"},
      {NewMailPage("me"), "书写新邮件:"},
      {SentPage(), "信件成功发送!"},
      {FolderPage(kInbox, {row}), "收件箱 邮件列表:"},
      {FolderPage(kSent, {}), "已发邮件 邮件列表:"},
      {FolderPage(5, {}), " 邮件列表:"},
      {ReadingPage(row, "a"), "阅读邮件:"},
      {ReplyPage(row), "回复邮件:"},
      {ForwardPage(row), "转发邮件:"},
      {DeletedPage(), "删除邮件成功!"},
      {MovedPage(), "移动邮件成功!"},
  };
  for (const Case& c : cases) {
    const std::string head = std::string(c.heading) + "<br /><hr />";
    EXPECT_EQ(c.page.substr(0, head.size()), head) << c.heading;
  }
}

TEST(MailPages, ButtonsNeverSubmitTheForm) {
  MailRow row;
  row.folder = kInbox;
  for (const std::string& page : {LoginPage(), NewMailPage("me"), FolderPage(0, {row}),
                                  ReadingPage(row, "a"), ReplyPage(row), ForwardPage(row)}) {
    size_t buttons = 0;
    for (size_t at = page.find("<button"); at != std::string::npos;
         at = page.find("<button", at + 1)) {
      ++buttons;
      EXPECT_EQ(page.compare(at, 20, "<button type=button "), 0) << page;
    }
    EXPECT_GT(buttons, 0u) << page;
  }
}

TEST(DemoSite, TheMailStartsAtTheLoginForm) {
  std::ifstream in(std::string(KIRV_SOURCE_DIR) + "/demo/site/emailjs/start.js", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), ContentScript(LoginPage()));
}

}  // namespace
}  // namespace browsim::mail
