// The web mail's page bodies and content.js.
#include "browsim/mail/mail_pages.h"

#include <cstdint>
#include <cstdio>

#include "browsim/core/query_params.h"

namespace browsim::mail {
namespace {

// What stands above the quoted body in a reply or a forward.
constexpr std::string_view kQuoteHead = "\r\n\r\n以下是原邮件内容:\r\n>>\r\n";
constexpr std::string_view kFormStart = "<form name=mailform method=post>";
constexpr std::string_view kFormEnd = "</form>";

std::string Attr(std::string_view value) {
  return "\"" + HtmlEscape(value) + "\"";
}

std::string Button(std::string_view call, std::string_view caption) {
  return "<button type=button onclick=" + std::string(call) + ">" + std::string(caption) +
         "</button>";
}

// The fields every writing form shares after the recipient: the sender, copy, subject, body.
std::string WritingForm(std::string_view heading, std::string_view receiver,
                        std::string_view sender, std::string_view subject,
                        std::string_view quoted) {
  std::string page = std::string(heading) + "<br /><hr />" + std::string(kFormStart);
  page += "收件人: <input type=text name=receiver value=" + Attr(receiver) + "></input><br>";
  page += "<input type=hidden name=sender value=" + Attr(sender) + "></input>";
  page += "抄　送: <input type=text name=copier></input><br>";
  page += "主　题: <input type=text name=title value=" + Attr(subject) + "></input><br>";
  page += "内　容: <textarea name=content>" + std::string(quoted) + "</textarea><br>";
  return page;
}

std::string SendButton(int type) {
  return "　　　&nbsp;&nbsp; " + Button("sendmail(" + std::to_string(type) + ")", "发送邮件");
}

std::string Quoted(const MailRow& row) {
  return StoredTextForPage(kQuoteHead) + StoredTextForPage(row.body);
}

// Appends one UTF-8 sequence from `text` at `i` as \uXXXX escapes (a surrogate pair above the
// basic plane); a malformed sequence becomes U+FFFD. Advances `i`.
void AppendUnicodeEscape(std::string_view text, size_t& i, std::string& out) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = byte(i);
  const int length = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  uint32_t code = 0xFFFD;
  size_t used = 1;
  if (length > 0 && i + length <= text.size()) {
    uint32_t value = lead & (0x7F >> length);
    bool ok = true;
    for (int k = 1; k < length && ok; ++k) {
      ok = (byte(i + k) & 0xC0) == 0x80;
      value = (value << 6) | (byte(i + k) & 0x3F);
    }
    const uint32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (ok && value >= least && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF)) {
      code = value;
      used = length;
    }
  }
  i += used;
  char buffer[16];
  const auto put = [&](uint32_t unit) {
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
    out += buffer;
  };
  if (code >= 0x10000) {
    put(0xD800 + ((code - 0x10000) >> 10));
    put(0xDC00 + ((code - 0x10000) & 0x3FF));
  } else {
    put(code);
  }
}

}  // namespace

std::string_view FolderName(long folder) {
  switch (folder) {
    case kInbox:
      return "收件箱";
    case kOutbox:
      return "发件箱";
    case kSent:
      return "已发邮件";
    case kDeleted:
      return "已删除邮件";
    default:
      return "";
  }
}

std::string LoginPage() {
  return "邮件系统登录:<br /><hr />" + std::string(kFormStart) +
         "姓　名: <input type=text name=name style='width:30%'></input><br/>"
         "密　码: <input type=text name=pwd  style='width:30%'></input><br/><br/>"
         "　　　&nbsp;&nbsp; " +
         Button("login()", "登录系统") + std::string(kFormEnd);
}

std::string HelpPage() {
  return "邮件系统帮助:<br /><hr />"
         "注意: 本邮件系统禁止了browsim的后退和前进,请使用左侧树型链接来切换页面<br/>";
}

std::string NewMailPage(std::string_view defaultSender) {
  return WritingForm("书写新邮件:", "", defaultSender, "", "") +
         "附　件: <input name=attach type=file><br><br>" + SendButton(1) + std::string(kFormEnd);
}

std::string SentPage() {
  return "信件成功发送!<br /><hr />";
}

std::string DeletedPage() {
  return "删除邮件成功!<br /><hr />";
}

std::string MovedPage() {
  return "移动邮件成功!<br /><hr />";
}

std::string FolderPage(long folder, const std::vector<MailRow>& rows) {
  const bool sent = folder == kSent;
  std::string page = std::string(FolderName(folder)) + " 邮件列表:<br /><hr />" +
                     std::string(kFormStart) +
                     "<table><tr><th width=4%>选</th><th width=60%>主题</th><th>" +
                     (sent ? "收信人" : "发信人") + "</th><th>日期</th></tr>";
  for (const MailRow& row : rows) {
    const std::string id = std::to_string(row.id);
    page += "<tr><td><input style='border:0px' type=checkbox name=id value=" + id + " /></td>";
    page +=
        "<td><a href=\"email://showmail?id=" + id + "\">" + HtmlEscape(row.subject) + "</a></td>";
    page += "<td>" + HtmlEscape(sent ? row.to : row.from) + "</td>";
    page += "<td>" + HtmlEscape(row.time) + "</td></tr>";
  }
  page +=
      "</table><br />"
      "<input style='border:0px;width:24px;' type=checkbox name=checkall "
      "onclick=selectall()>选中所有邮件　　" +
      Button("deleteselectmail()", "删除选中邮件") +
      "　　将选中邮件移动到: "
      "<select style='width:100px' name=dir><option value=0>收件箱</option>"
      "<option value=1>发件箱</option><option value=2>已发邮件箱</option>"
      "<option value=3>已删除邮件</option></select>　" +
      Button("moveselectmail()", "移动选中邮件") + std::string(kFormEnd);
  return page;
}

std::string ReadingPage(const MailRow& row, std::string_view attachDir) {
  std::string page = "阅读邮件:<br /><hr />" + std::string(kFormStart);
  page += "收件人: " + HtmlEscape(row.to) + "　抄送: " + HtmlEscape(row.cc) + "<br/>";
  page += "发件人: " + HtmlEscape(row.from) + "<br/><br/>";
  page += "主　题: " + HtmlEscape(row.subject) + "<br/>";
  page += "内　容: <br>　　　&nbsp;&nbsp;<textarea name=content>" + StoredTextForPage(row.body) +
          "</textarea><br>";
  if (!row.attachment.empty()) {
    page += "附　件: <a href=" + Attr(std::string(attachDir) + "\\" + row.attachment) + ">" +
            HtmlEscape(row.attachment) + "</a><br><br>";
  }
  const std::string id = std::to_string(row.id);
  if (row.folder == kInbox) {
    page += "<br>" + Button("replymail(" + id + ")", "回复本邮件") + "　" +
            Button("forwardmail(" + id + ")", "转发本邮件") + "　" +
            Button("deletemail(" + id + ")", "删除本邮件");
  } else if (row.folder == kSent) {
    page += Button("deletemail(" + id + ")", "删除本邮件");
  }
  return page + std::string(kFormEnd);
}

std::string ReplyPage(const MailRow& row) {
  return WritingForm("回复邮件:", row.from, row.to, "Re:" + row.subject, Quoted(row)) +
         "附　件: <input name=attach type=file><br><br>" + SendButton(2) + std::string(kFormEnd);
}

std::string ForwardPage(const MailRow& row) {
  std::string page = WritingForm("转发邮件:", "", row.to, "Fw:" + row.subject, Quoted(row));
  page += "附　件: <input name=attach type=file />";
  // A file box cannot be given a file: the original attachment travels in a hidden field that
  // the page's script sends when no other file is chosen.
  if (!row.attachment.empty()) {
    page += " " + HtmlEscape(row.attachment) +
            "<input type=hidden name=forwardattach value=" + Attr(row.attachment) + ">";
  }
  return page + "<br><br>" + SendButton(3) + std::string(kFormEnd);
}

std::string StoredTextForPage(std::string_view stored) {
  std::string text;
  text.reserve(stored.size());
  for (size_t i = 0; i < stored.size();) {
    if (stored.substr(i, 4) == "\\r\\n") {
      text += "\r\n";
      i += 4;
    } else {
      text.push_back(stored[i++]);
    }
  }
  return HtmlEscape(text);
}

std::string ContentScript(std::string_view body) {
  if (body.empty()) return {};
  const std::string escaped = JsStringEscape(body);
  std::string script = "document.write(\"";
  script.reserve(escaped.size() * 2 + 20);
  for (size_t i = 0; i < escaped.size();) {
    if (static_cast<uint8_t>(escaped[i]) < 0x80) {
      script.push_back(escaped[i++]);
    } else {
      AppendUnicodeEscape(escaped, i, script);
    }
  }
  return script + "\");";
}

}  // namespace browsim::mail
