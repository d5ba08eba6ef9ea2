// The pages of the web mail: each command's page body as HTML, built from the rows it read, and
// the one script statement content.js holds. Every stored value is HTML-escaped where it lands
// (a subject "<b>" shows as typed and cannot open a tag), and the whole body is escaped once more
// into the script string, so no value can end the string or the script. Buttons are plain
// buttons (type=button): a click only runs its script, it never submits the form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace browsim::mail {

// Mail folder codes of the column 邮件位置.
enum MailFolder : int { kInbox = 0, kOutbox = 1, kSent = 2, kDeleted = 3 };

// One Mail row as the pages show it; the texts as VariantToString gives them.
struct MailRow {
  long id = 0;
  int folder = 0;
  std::string from;        // 发件人
  std::string to;          // 收件人
  std::string cc;          // 抄送人
  std::string subject;     // 主题
  std::string body;        // 内容, line breaks stored as the four characters \r\n
  std::string time;        // Time
  std::string attachment;  // 附件, a file name
};

// The folder's name in a list's title: "收件箱", "发件箱", "已发邮件", "已删除邮件", "" for others.
std::string_view FolderName(long folder);

std::string LoginPage();
std::string HelpPage();
std::string NewMailPage(std::string_view defaultSender);
std::string SentPage();
std::string DeletedPage();
std::string MovedPage();
// The list of a folder: subject links, the other party (the recipient in the sent folder, else
// the sender), the date; the select, delete and move controls below.
std::string FolderPage(long folder, const std::vector<MailRow>& rows);
// The reading page: parties, subject, body, the attachment linked below `attachDir`, and the
// buttons the mail's folder allows (inbox: reply, forward, delete; sent: delete; else none).
std::string ReadingPage(const MailRow& row, std::string_view attachDir);
// The reply and forward forms, quoting the original body below a heading.
std::string ReplyPage(const MailRow& row);
std::string ForwardPage(const MailRow& row);

// A stored text as it shows in a page: the stored \r\n sequences become line breaks, then the
// text is HTML-escaped.
std::string StoredTextForPage(std::string_view stored);

// content.js: `document.write("` + the body as a script string + `");` on one line without a line
// end. The script string is pure ASCII (everything else as \u escapes), so the file reads the
// same in GBK and in UTF-8. An empty body gives an empty file.
std::string ContentScript(std::string_view body);

}  // namespace browsim::mail
