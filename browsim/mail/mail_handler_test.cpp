#include "browsim/mail/mail_handler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "browsim/core/testing/fake_host.h"

namespace browsim::mail {
namespace {

using testing::FakeHost;

TEST(MailCommand, ReadsTheCommandAndItsParameters) {
  struct Case {
    const char* name;
    const char* address;
    const char* command;
  } cases[] = {
      {"bare", "email://quit", "quit"},
      {"trailing slash", "email://help/", "help"},
      {"slash before the query", "email://showfolder/?dir=0", "showfolder"},
      {"capitals", "EMAIL://SHOWFOLDER?DIR=0", "showfolder"},
      {"nothing", "email://", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(MailCommand(c.address).Name(), c.command) << c.name;

  // As the view hands it over: decoded once from the page's twice-encoded values.
  const MailCommand send(
      "email://sendmail?title=%e4%b8%ad%e6%96%87 a/b&content=x%26type%3d3 %25&type=2");
  EXPECT_EQ(send.Text("title"), "中文 ab");
  EXPECT_EQ(send.Text("content"), "x&type=3 %");
  EXPECT_EQ(send.Number("type"), 2);
  EXPECT_EQ(send.Text("copier"), "");
  // A value in GBK (a page in the local code page) arrives in UTF-8.
  EXPECT_EQ(MailCommand("email://sendmail?title=%d6%d0").Text("title"), "中");

  struct NumberCase {
    const char* value;
    std::optional<long> number;
  } numbers[] = {
      {"7", 7},
      {"0/", 0},
      {"-2", -2},
      {"", std::nullopt},
      {"1 or 1=1", std::nullopt},
      {"3x", std::nullopt},
      {"99999999999", std::nullopt},
  };
  for (const NumberCase& n : numbers) {
    EXPECT_EQ(MailCommand(std::string("email://showmail?id=") + n.value).Number("id"), n.number)
        << n.value;
  }
}

// A candidate's database with a default account and mails in each folder.
class MailHandler : public ::testing::Test {
 protected:
  MailHandler()
      : host_(
            "INSERT INTO Account (用户Email地址, DefaultAccount) VALUES ('other@kirv.cn', 0),"
            " ('me@kirv.cn', -1);"
            "INSERT INTO Mail (ID, 邮件位置, 发件人, 收件人, 抄送人, 主题, 内容, Time, 附件, Type)"
            " VALUES (3, 0, 'boss@kirv.cn', 'me@kirv.cn', 'cc@kirv.cn', '会议通知',"
            "  '明天开会\\r\\n请准时', '2026-12-01', 'plan.doc', 1),"
            " (5, 1, 'me@kirv.cn', 'a@kirv.cn', '', 'draft', 'd', '2026-12-02', '', 1),"
            " (7, 0, 'friend@kirv.cn', 'me@kirv.cn', '', 'hello <b>', 'hi', '2026-12-03', '', 1),"
            " (9, 2, 'me@kirv.cn', 'x@kirv.cn', '', 'sent one', 's', '2026-12-04', '', 1),"
            " (11, 3, 'spam@kirv.cn', 'me@kirv.cn', '', 'junk', 'j', '2026-12-05', '', 1);") {}

  MailReply Run(const std::string& address) {
    const MailCommand command(address);
    MailStore store(host_.Database());
    return RunMailCommand(command, store, "emailattach", std::time(nullptr));
  }

  std::string Folders() {
    std::string all;
    for (const auto& f : host_.Column("Select 邮件位置 From Mail order by ID", "邮件位置"))
      all += f;
    return all;
  }

  std::string ContentJs() {
    std::ifstream in(host_.MailFolder() / "content.js", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  FakeHost host_;
};

// Every value is stored as the page sent it, lower case (the view lower-cases the address), with
// every "/" removed: the form the network grader's keyword rules are written against.
TEST_F(MailHandler, SendingStoresTheMailWithoutSlashesAndShowsSuccess) {
  char today[16];
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(today, sizeof today, "%Y-%m-%d", &local);

  HandleMailCommand(host_,
                    "email://sendmail?sender=me@kirv.cn/&receiver=boss@kirv.cn&copier=cc/@kirv.cn"
                    "&title=%e8%ae%a1%e5%88%92 a/b&content=line one, type 3<br>line two%26type%3d1"
                    " http://a.cn/x%2fy"
                    "&attach=c:\\my documents\\plan.doc&type=2");
  const auto id = host_.Column("Select ID From Mail where 邮件位置=2 order by ID desc", "ID");
  ASSERT_EQ(id.size(), 2u);
  const std::string sql = "Select * From Mail where ID=" + id[0];
  EXPECT_EQ(host_.Column(sql, "发件人")[0], "me@kirv.cn");
  EXPECT_EQ(host_.Column(sql, "收件人")[0], "boss@kirv.cn");
  EXPECT_EQ(host_.Column(sql, "抄送人")[0], "cc@kirv.cn");
  EXPECT_EQ(host_.Column(sql, "主题")[0], "计划 ab");
  EXPECT_EQ(host_.Column(sql, "内容")[0], "line one, type 3\\r\\nline two&type=1 http:a.cnxy");
  EXPECT_EQ(host_.Column(sql, "附件")[0], "plan.doc");
  EXPECT_EQ(host_.Column(sql, "Type")[0], "2");
  EXPECT_EQ(host_.Column(sql, "Time")[0].substr(0, 10), today);

  EXPECT_EQ(host_.Column("Select Parameter From Log where Action='邮件操作'", "Parameter"),
            std::vector<std::string>{"sendmail"});
  EXPECT_EQ(ContentJs(), ContentScript(SentPage()));
  EXPECT_EQ(host_.refreshes, 1);
  EXPECT_TRUE(host_.failures.empty());
}

TEST_F(MailHandler, InputThePagesNeverSendChangesNothingAndShowsNoPage) {
  const std::string before = Folders();
  const long mails = host_.Count("Select * From Mail");
  struct Case {
    const char* name;
    const char* address;
  } cases[] = {
      {"type not a number", "email://sendmail?title=x&type=new"},
      {"type missing", "email://sendmail?title=x"},
      {"id not a number", "email://showmail?id=3 or 1=1"},
      {"id of no mail", "email://replymail?id=99"},
      {"delete without id", "email://deletemail"},
      {"delete of no mail", "email://deletemail?id=99"},
      {"folder not a number", "email://showfolder?dir=x"},
      {"an ids piece not a number", "email://deleteselectmail?ids=-3-x"},
      {"an ids piece of no mail", "email://deleteselectmail?ids=-3-99"},
      {"move without folder", "email://moveselectmail?ids=-3"},
      {"unknown command", "email://sendmails?type=1"},
  };
  for (const Case& c : cases) {
    const MailReply reply = Run(c.address);
    EXPECT_EQ(reply.page, "") << c.name;
    EXPECT_EQ(reply.failure, "") << c.name;
  }
  EXPECT_EQ(Folders(), before);
  EXPECT_EQ(host_.Count("Select * From Mail"), mails);

  // Even then the command is logged, content.js is emptied and the page reloaded.
  std::filesystem::create_directories(host_.MailFolder());
  std::ofstream(host_.MailFolder() / "content.js") << "document.write(\"old\");";
  HandleMailCommand(host_, "email://nosuchcommand?id=1");
  EXPECT_EQ(ContentJs(), "");
  EXPECT_EQ(host_.Column("Select Parameter From Log where Action='邮件操作'", "Parameter"),
            std::vector<std::string>{"nosuchcommand"});
  EXPECT_EQ(host_.refreshes, 1);
}

TEST_F(MailHandler, IdListsNameTheMailsAfterEachHyphen) {
  struct Case {
    const char* name;
    const char* address;
    const char* folders;  // 邮件位置 of mails 3, 5, 7, 9, 11 afterwards
    const char* page;
  } cases[] = {
      {"each id after a hyphen", "email://deleteselectmail?ids=-3-7", "31323", "删除邮件成功"},
      {"the first piece is no id", "email://deleteselectmail?ids=3-5", "03023", "删除邮件成功"},
      {"empty list", "email://deleteselectmail?ids=", "01023", "删除邮件成功"},
      {"empty pieces skipped", "email://deleteselectmail?ids=--5--", "03023", "删除邮件成功"},
      {"move", "email://moveselectmail?ids=-11-5&dir=0", "00020", "移动邮件成功"},
      {"move, folder with a slash", "email://moveselectmail?ids=-3&dir=1/", "11023",
       "移动邮件成功"},
      {"delete one", "email://deletemail?id=9", "01033", "删除邮件成功"},
      {"deleting a deleted mail keeps it", "email://deletemail?id=11", "01023", "删除邮件成功"},
  };
  for (const Case& c : cases) {
    host_.Database().Connection().Execute(
        "UPDATE Mail SET 邮件位置 = CASE ID WHEN 3 THEN 0 "
        "WHEN 5 THEN 1 WHEN 7 THEN 0 WHEN 9 THEN 2 ELSE 3 END");
    const MailReply reply = Run(c.address);
    EXPECT_EQ(Folders(), c.folders) << c.name;
    EXPECT_NE(reply.page.find(c.page), std::string::npos) << c.name;
  }
  EXPECT_EQ(host_.Count("Select * From Mail"), 5);
}

TEST_F(MailHandler, FolderListsShowTheOtherPartyOfEachMail) {
  const MailReply inbox = Run("email://showfolder?dir=0");
  EXPECT_EQ(inbox.page.find("收件箱 邮件列表:"), 0u);
  EXPECT_NE(inbox.page.find("<th>发信人</th>"), std::string::npos);
  const size_t first = inbox.page.find("email://showmail?id=3\">会议通知</a>");
  const size_t second = inbox.page.find("email://showmail?id=7\">hello &lt;b&gt;</a>");
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_NE(inbox.page.find("<td>boss@kirv.cn</td><td>2026-12-01 00:00:00</td>"),
            std::string::npos);
  EXPECT_EQ(inbox.page.find("id=9"), std::string::npos);

  const MailReply sent = Run("email://showfolder?dir=2");
  EXPECT_NE(sent.page.find("<th>收信人</th>"), std::string::npos);
  EXPECT_NE(sent.page.find("<td>x@kirv.cn</td>"), std::string::npos);

  const MailReply other = Run("email://showfolder?dir=5");
  EXPECT_EQ(other.page.find(" 邮件列表:"), 0u);
  EXPECT_NE(other.page.find("<th>发信人</th>"), std::string::npos);
  EXPECT_EQ(other.page.find("showmail"), std::string::npos);
}

TEST_F(MailHandler, TheReadingPageOffersWhatTheFolderAllows) {
  struct Case {
    const char* id;
    bool reply, forward, remove;
  } cases[] = {
      {"3", true, true, true},      // inbox
      {"5", false, false, false},   // outbox
      {"9", false, false, true},    // sent
      {"11", false, false, false},  // deleted
  };
  for (const Case& c : cases) {
    const std::string page = Run(std::string("email://showmail?id=") + c.id).page;
    const std::string id(c.id);
    EXPECT_EQ(page.find("onclick=replymail(" + id + ")") != std::string::npos, c.reply) << id;
    EXPECT_EQ(page.find("onclick=forwardmail(" + id + ")") != std::string::npos, c.forward) << id;
    EXPECT_EQ(page.find("onclick=deletemail(" + id + ")") != std::string::npos, c.remove) << id;
  }
  const std::string page = Run("email://showmail?id=3").page;
  EXPECT_NE(page.find("收件人: me@kirv.cn　抄送: cc@kirv.cn<br/>发件人: boss@kirv.cn"),
            std::string::npos);
  EXPECT_NE(page.find("<textarea name=content>明天开会\r\n请准时</textarea>"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"emailattach\\plan.doc\">plan.doc</a>"), std::string::npos);
  EXPECT_EQ(Run("email://showmail?id=5").page.find("附　件"), std::string::npos);
  // Reading changes nothing.
  EXPECT_EQ(Folders(), "01023");
}

TEST_F(MailHandler, ReplyAndForwardQuoteTheMail) {
  const std::string reply = Run("email://replymail?id=3").page;
  EXPECT_NE(reply.find("name=receiver value=\"boss@kirv.cn\""), std::string::npos);
  EXPECT_NE(reply.find("name=sender value=\"me@kirv.cn\""), std::string::npos);
  EXPECT_NE(reply.find("name=title value=\"Re:会议通知\""), std::string::npos);
  EXPECT_NE(
      reply.find("<textarea name=content>\r\n\r\n以下是原邮件内容:\r\n&gt;&gt;\r\n明天开会\r\n"),
      std::string::npos);
  EXPECT_NE(reply.find("onclick=sendmail(2)"), std::string::npos);

  const std::string forward = Run("email://forwardmail?id=3").page;
  EXPECT_NE(forward.find("name=receiver value=\"\""), std::string::npos);
  EXPECT_NE(forward.find("name=title value=\"Fw:会议通知\""), std::string::npos);
  EXPECT_NE(forward.find("name=forwardattach value=\"plan.doc\""), std::string::npos);
  EXPECT_NE(forward.find("onclick=sendmail(3)"), std::string::npos);
  // A mail without an attachment forwards none.
  EXPECT_EQ(Run("email://forwardmail?id=7").page.find("forwardattach"), std::string::npos);
}

TEST_F(MailHandler, ANewMailIsSentFromTheDefaultAccount) {
  EXPECT_NE(Run("email://newmail").page.find("name=sender value=\"me@kirv.cn\""),
            std::string::npos);
  host_.Database().Connection().Execute("UPDATE Account SET DefaultAccount = 0");
  const MailReply none = Run("email://newmail");
  EXPECT_NE(none.page.find("name=sender value=\"\""), std::string::npos);
  EXPECT_NE(none.page.find("onclick=sendmail(1)"), std::string::npos);
}

TEST_F(MailHandler, TypedMarkupShowsAsTextAndCannotLeaveTheScript) {
  HandleMailCommand(host_,
                    "email://sendmail?receiver=\"><script>x()<script>&title=<textarea><b>"
                    "&content=a\"b\\c&type=1");
  const auto id = host_.Column("Select ID From Mail order by ID desc", "ID");
  const std::string page = Run("email://showmail?id=" + id[0]).page;
  EXPECT_EQ(page.find("<script>"), std::string::npos);
  EXPECT_EQ(page.find("<textarea><b>"), std::string::npos);
  EXPECT_NE(page.find("&lt;textarea&gt;&lt;b&gt;"), std::string::npos);

  const std::string script = ContentScript(page);
  EXPECT_EQ(script.rfind("document.write(\"", 0), 0u);
  EXPECT_EQ(script.substr(script.size() - 3), "\");");
  const std::string inside = script.substr(16, script.size() - 19);
  for (size_t i = 0; i < inside.size(); ++i) {
    ASSERT_LT(static_cast<unsigned char>(inside[i]), 0x80) << i;
    ASSERT_NE(inside[i], '\n');
    ASSERT_NE(inside[i], '<');
    if (inside[i] == '\\') {
      ++i;  // an escape: the next character is part of it
    } else {
      ASSERT_NE(inside[i], '"') << i;
    }
  }
}

TEST_F(MailHandler, ADatabaseThatFailsIsShownAndNothingIsReportedDone) {
  host_.Database().Connection().Execute("DROP TABLE Mail");
  HandleMailCommand(host_, "email://sendmail?title=x&type=1");
  ASSERT_EQ(host_.failures.size(), 1u);
  EXPECT_NE(host_.failures[0].find("邮件未能发送"), std::string::npos);
  EXPECT_EQ(ContentJs(), "");
  EXPECT_FALSE(host_.boxes.Shown().empty());

  const MailReply move = Run("email://deleteselectmail?ids=-3");
  EXPECT_EQ(move.page, "");
  EXPECT_NE(move.failure, "");
}

TEST_F(MailHandler, AContentFileThatCannotBeWrittenIsShown) {
  std::filesystem::remove_all(host_.MailFolder());
  std::filesystem::create_directories(host_.MailFolder() / "content.js" / "x");
  HandleMailCommand(host_, "email://help");
  ASSERT_EQ(host_.failures.size(), 1u);
  EXPECT_NE(host_.failures[0].find("邮件页面无法写入"), std::string::npos);
  EXPECT_EQ(host_.refreshes, 1);
}

}  // namespace
}  // namespace browsim::mail
