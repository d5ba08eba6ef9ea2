// The web mail behind "email://": the mail page's buttons and links navigate to addresses such
// as "email://showmail?id=3"; the navigation hook cancels them and hands each here. A command is
// logged, reads or changes the Mail rows, and its page body is written into content.js, which
// the mail page includes; the page is then reloaded to show it.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "browsim/core/browser_host.h"
#include "browsim/mail/mail_store.h"

namespace browsim::mail {

// One mail address, read: the command and its parameters.
class MailCommand {
 public:
  // "email://", then every "/" of the command, removed; the command is the text before "?".
  explicit MailCommand(std::string_view address);

  const std::string& Name() const { return name_; }
  // The parameter's value, percent-decoded once more (the mail page encodes its values twice,
  // so "&", "=" and "%" in a value survive the view's decoding), in UTF-8 (a value in GBK is
  // converted) and with every "/" removed; "" when absent.
  std::string Text(std::string_view param) const;
  // The parameter as a whole number; nothing when absent or not a number.
  std::optional<long> Number(std::string_view param) const;

 private:
  std::string address_;
  std::string name_;
};

// What a command produced: the page body ("" for none) and, when the database failed, what to
// tell the candidate.
struct MailReply {
  std::string page;
  std::string failure;
};

// Runs a command on the store: no file, no log. Input the pages never send (an id that is no
// number or names no mail, a missing folder or type) gives no page and changes nothing.
MailReply RunMailCommand(const MailCommand& command, MailStore& store, std::string_view attachDir,
                         std::time_t now);

// The navigation hook's mail service: the "邮件操作" log row, the command, content.js rewritten
// (empty when there is no page), the current page reloaded. Failures are shown in the band.
void HandleMailCommand(BrowserHost& host, std::string_view address);

}  // namespace browsim::mail
