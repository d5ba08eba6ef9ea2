// The web mail's reads and writes of the network database: the default sender from Account, the
// rows of a folder or one mail from Mail, a sent mail appended, mails moved between folders.
// Nothing is ever removed from Mail. Every value reaches SQL as a bound parameter; a query or
// write that fails is an error, never an empty result.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "browsim/mail/mail_pages.h"
#include "netdb/ado_connection.h"
#include "platform/base/result.h"

namespace browsim::mail {

// A mail as the send command stores it (the texts as they are to be stored).
struct OutgoingMail {
  std::string from, to, cc, subject, body, attachment;
  long type = 1;  // 1 new, 2 reply, 3 forward
};

class MailStore {
 public:
  explicit MailStore(netdb::CAdoConnection& db) : db_(db) {}

  // 用户Email地址 of the first default account; "" when there is none.
  base::Result<std::string> DefaultSender();
  // The rows of a folder, in ID order.
  base::Result<std::vector<MailRow>> Folder(long folder);
  // One mail; nothing when no row has the id.
  base::Result<std::optional<MailRow>> Find(long id);
  // Appends the mail to the sent folder, dated `when` (local "%Y-%m-%d"); its new ID.
  base::Result<long> Send(const OutgoingMail& mail, std::time_t when);
  // Puts every listed mail into `folder`, all or none: false, changing nothing, when an id names
  // no row; an error, changing nothing, when a write fails.
  base::Result<bool> MoveTo(const std::vector<long>& ids, long folder);

 private:
  base::Error Failed(std::string_view what) const;

  netdb::CAdoConnection& db_;
};

}  // namespace browsim::mail
